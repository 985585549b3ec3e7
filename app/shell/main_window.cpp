#include "shell/main_window.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text_codec.h"
#include "shell/heading_panel.h"
#include "shell/logical_size.h"
#include "shell/main_form.h"
#include "shell/pictures.h"
#include "shell/welcome_screen.h"
#include "shell/work_area.h"
#include "store/competition.h"

namespace quenchel {

namespace {
constexpr double kToolIconPixels = 40;
constexpr double kToolButtonPadding = 18;
}  // namespace

MainWindow::MainWindow(TMainForm& form, Competition& competition, std::vector<std::string> arguments,
                       QWidget* parent)
    : QMainWindow(parent),
      form_(form),
      competition_(competition),
      arguments_(std::move(arguments)),
      heading_(new HeadingPanel(this)),
      status_(new QLabel(this)) {
  setObjectName(QStringLiteral("TMainForm"));
  BuildMenu();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(heading_);
  layout->addWidget(BuildToolBar());
  layout->addWidget(BuildClientArea(), 1);
  setCentralWidget(central);

  status_->setObjectName(QStringLiteral("StatusText"));
  status_->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(status_, 1);
  statusBar()->setSizeGripEnabled(true);

  heading_->onCompetitionClicked = [this] { form_.lblCompetitionClick(); };
  form_.onChanged = [this] { Refresh(); };
  // Reading and writing files report progress while they run, before the next event. A
  // large file reports once per record, so the line is repainted at most every 100 ms.
  progressClock_.start();
  competition_.onStatus = [this](std::string_view text) {
    status_->setText(FromCellText(text));
    if (progressClock_.elapsed() < 100) return;
    status_->repaint();
    progressClock_.restart();
  };
  StartTimers();
  Refresh();
}

MainWindow::~MainWindow() {
  form_.onChanged = nullptr;
  competition_.onStatus = nullptr;
}

void MainWindow::BuildMenu() {
  QMenu* menu = nullptr;
  std::string_view menuCaption;
  for (const MenuItem& item : MainMenuItems()) {
    if (menu == nullptr || item.menu != menuCaption) {
      menuCaption = item.menu;
      menu = menuBar()->addMenu(FromCellText(item.menu));
    }
    QAction* action = menu->addAction(FromCellText(item.caption));
    action->setCheckable(item.checkable);
    const Command command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    menuEntries_.push_back({&item, action});
  }
}

QToolBar* MainWindow::BuildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("MainToolBar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  const int iconSide = ScaledPixels(*this, kToolIconPixels);
  bar->setIconSize(QSize(iconSide, iconSide));

  // Expanding space on both sides keeps the buttons in the middle of the bar.
  const auto addSpring = [bar] {
    auto* spring = new QWidget(bar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spring);
  };
  addSpring();
  int widest = iconSide;
  std::vector<QToolButton*> buttons;
  for (const ToolButton& button : MainToolButtons()) {
    QAction* action = bar->addAction(pictures::ToolIcon(button.picture), FromCellText(button.caption));
    action->setObjectName(QStringLiteral("tool-") + FromCellText(button.picture));
    action->setToolTip(FromCellText(PlainCaption(MenuItemFor(button.command).caption)));
    const Command command = button.command;
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    auto* toolButton = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    widest = std::max(widest, toolButton->fontMetrics().horizontalAdvance(action->text()));
    buttons.push_back(toolButton);
  }
  addSpring();
  // Equal widths, so the row reads as one set of buttons.
  for (QToolButton* button : buttons) button->setMinimumWidth(widest + ScaledPixels(*this, kToolButtonPadding));
  return bar;
}

QWidget* MainWindow::BuildClientArea() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setBackgroundRole(QPalette::Mid);
  client->setAutoFillBackground(true);
  workArea_ = new WorkArea(client);
  // The work area stays in the middle whatever the window's size.
  auto* layout = new QGridLayout(client);
  layout->addWidget(workArea_, 1, 1);
  layout->setRowStretch(0, 1);
  layout->setRowStretch(2, 1);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(2, 1);
  return client;
}

void MainWindow::StartTimers() {
  auto* mainTimer = new QTimer(this);
  mainTimer->setObjectName(QStringLiteral("MainTimer"));
  connect(mainTimer, &QTimer::timeout, this, [this] { form_.MainTimerTick(); });
  mainTimer->start(kMainTimerMilliseconds);

  auto* backupTimer = new QTimer(this);
  backupTimer->setObjectName(QStringLiteral("BackupTimer"));
  connect(backupTimer, &QTimer::timeout, this, [this] { form_.BackupTimerTick(); });
  backupTimer->start(kBackupTimerMilliseconds);
}

void MainWindow::RunCommand(Command command) {
  form_.Run(command);
  if (command == Command::Exit && form_.ExitRequested()) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (form_.ExitRequested() || form_.CloseQuery())
    event->accept();
  else
    event->ignore();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Queued: the form may open a file and show messages, which must not run inside the
  // activation event itself.
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    QTimer::singleShot(0, this, &MainWindow::Activated);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Not every desktop activates a new window (a bare X server never does), so being
  // shown for the first time counts as the first activation.
  if (firstActivation_ && !event->spontaneous()) QTimer::singleShot(0, this, &MainWindow::Activated);
}

void MainWindow::Activated() {
  std::vector<std::string> arguments;
  if (firstActivation_) arguments.swap(arguments_);
  firstActivation_ = false;
  if (form_.FormActivate(arguments)) ShowWelcomeScreen();
}

void MainWindow::ShowWelcomeScreen() {
  workArea_->hide();
  auto* welcome = new WelcomeScreen(this);
  welcome->setAttribute(Qt::WA_DeleteOnClose);
  connect(welcome, &QDialog::finished, workArea_, &QWidget::show);
  welcome->show();
}

void MainWindow::Refresh() {
  setWindowTitle(FromCellText(form_.Caption()));
  heading_->SetTexts(FromCellText(form_.CompetitionLabel()), FromCellText(form_.ActiveClassLabel()));
  status_->setText(FromCellText(form_.StatusText()));
  for (const MenuEntry& entry : menuEntries_) {
    if (entry.item->developerItem) entry.action->setVisible(form_.DeveloperItemsVisible());
    if (entry.item->checkable) entry.action->setChecked(form_.DataCheckChecked());
  }
}

}  // namespace quenchel
