#include <QApplication>
#include <QFile>
#include <QScreen>
#include <clocale>

#include "platform/qt_platform.h"
#include "print/print_views.h"
#include "print/program_printing.h"
#include "reports/report_views.h"
#include "setup/setup_views.h"
#include "shell/flash_view.h"
#include "shell/main_form.h"
#include "shell/main_window.h"
#include "shell/pictures.h"
#include "shell/shell_views.h"
#include "store/competition.h"

namespace {

constexpr bool kDeveloperMode = QUENCHEL_DEVELOPER_MODE;

// The arguments after the program's name, as the file system spells them.
std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(QFile::encodeName(all[i]).toStdString());
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace quenchel;
  QApplication application(argc, argv);
  // QApplication takes the desktop's locale; number formats must keep their '.'.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Quenchel"));
  QApplication::setWindowIcon(pictures::LogoIcon());

  Competition competition;
  QtPlatform platform;
  TMainForm mainForm(competition, platform.Get(), kDeveloperMode);
  ProgramPrinting printing(competition, platform);
  mainForm.ConnectPrinting(printing.context, printing.dialog, printing.preview);
  MainWindow window(mainForm, competition, CommandLineArguments());
  platform.SetParentWindow(&window);
  printing.SetParentWindow(&window);
  RegisterShellViews(platform.forms);
  RegisterSetupViews(platform.forms);
  RegisterPrintViews(platform.forms);
  RegisterReportViews(platform.forms);
  platform.dialogs.SetFlashPresenter(&ShowFlashNotice);

  const QScreen* screen = window.screen();
  mainForm.FormCreate(static_cast<int>(screen->logicalDotsPerInch()));
  // The full screen is also the size to come back to from maximised, and the size where
  // no window manager maximises.
  window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  return application.exec();
}
