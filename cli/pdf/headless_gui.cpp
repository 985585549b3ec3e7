#include "pdf/headless_gui.h"

#include <QGuiApplication>
#include <cstdio>

namespace quenchel {

namespace {

char gProgramName[] = "quenchel-cli";
char gPlatformOption[] = "-platform";
char gOffscreen[] = "offscreen";

// The command reports its own failures in its own words; Qt's notes about the session
// (no runtime folder, a painter that could not begin) would only clutter them.
void DropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

HeadlessGui::HeadlessGui() {
  if (QCoreApplication::instance() != nullptr) return;
  arguments_ = {gProgramName, gPlatformOption, gOffscreen, nullptr};
  argumentCount_ = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? 3 : 1;
  qInstallMessageHandler(&DropQtNotes);
  own_ = std::make_unique<QGuiApplication>(argumentCount_, arguments_.data());
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace quenchel
