#include "pdf/headless_gui.h"

#include <QGuiApplication>

namespace quenchel {

namespace {

char gProgramName[] = "quenchel-cli";
char gPlatformOption[] = "-platform";
char gOffscreen[] = "offscreen";

}  // namespace

HeadlessGui::HeadlessGui() {
  if (QCoreApplication::instance() != nullptr) return;
  arguments_ = {gProgramName, gPlatformOption, gOffscreen, nullptr};
  argumentCount_ = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? 3 : 1;
  own_ = std::make_unique<QGuiApplication>(argumentCount_, arguments_.data());
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace quenchel
