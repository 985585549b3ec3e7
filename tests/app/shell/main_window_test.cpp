// The main window over a TMainForm that speaks through the scripted platform: the window
// must show the form's state and hand every user event to it.

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "platform/scripted_platform.h"
#include "platform/text_codec.h"
#include "shell/main_form.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/text_edit_form.h"
#include "shell/welcome_screen.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// One window over its own competition and scripted platform.
struct Rig {
  explicit Rig(bool developerMode = false) : form(competition, platform.Get(), developerMode) {
    window = std::make_unique<MainWindow>(form, competition, std::vector<std::string>{});
    form.FormCreate(96);
  }

  QAction* MenuAction(Command command) const {
    const QString caption = FromCellText(MenuItemFor(command).caption);
    for (QAction* menuAction : window->menuBar()->actions())
      for (QAction* action : menuAction->menu()->actions())
        if (action->text() == caption) return action;
    return nullptr;
  }
  QString StatusBarText() const { return window->findChild<QLabel*>(QStringLiteral("StatusText"))->text(); }
  QString LabelText(const char* name) const { return window->findChild<QLabel*>(QLatin1String(name))->text(); }
  std::vector<QToolButton*> ToolButtons() const {
    auto* bar = window->findChild<QToolBar*>(QStringLiteral("MainToolBar"));
    std::vector<QToolButton*> buttons;
    for (QAction* action : bar->actions())
      if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)); button && !action->text().isEmpty())
        buttons.push_back(button);
    return buttons;
  }

  Competition competition;
  ScriptedPlatform platform;
  TMainForm form;
  std::unique_ptr<MainWindow> window;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void menuHoldsEveryItemInOrder() {
    for (const bool developerMode : {false, true}) {
      Rig rig(developerMode);
      rig.form.FormActivate({});
      std::vector<const MenuItem*> expected;
      for (const MenuItem& item : MainMenuItems()) expected.push_back(&item);

      std::size_t next = 0;
      QStringList menuTitles;
      for (QAction* menuAction : rig.window->menuBar()->actions()) {
        menuTitles << menuAction->text();
        for (QAction* action : menuAction->menu()->actions()) {
          QVERIFY2(next < expected.size(), "more menu items than commands");
          const MenuItem& item = *expected[next++];
          QCOMPARE(menuAction->text(), FromCellText(item.menu));
          QCOMPARE(action->text(), FromCellText(item.caption));
          QCOMPARE(action->isVisible(), !item.developerItem || developerMode);
          QCOMPARE(action->isCheckable(), item.checkable);
        }
      }
      QCOMPARE(next, expected.size());
      QCOMPARE(menuTitles, (QStringList{"&File", "&Active Class", "&Reports", "Set &Up", "&Utilities", "&About"}));
    }
  }

  void scoresOnAnEmptyCompetitionSaysSoOnce() {
    Rig rig;
    rig.MenuAction(Command::Scores)->trigger();
    QCOMPARE(rig.platform.dialogs.CountShown("Scores", "No scores found"), 1);
    QCOMPARE(rig.platform.dialogs.Messages().size(), std::size_t{1});
  }

  void toolButtonsRunTheirCommandsInOrder() {
    struct Case {
      QString caption;
      std::string guardCaption;
      std::string guardText;
    };
    // On an empty competition every tool command stops at its guard, which names it.
    const Case cases[] = {
        {"Change Active Class", "Classes", "There are no Classes to Change"},
        {"Schedule", "Schedule", "No Active Class"},
        {"Labels", "Labels can't yet be provided", "Labels require Competitors or Schedules"},
        {"Judges Sheet", "Schedules", "No Schedules found"},
        {"Scores", "Scores", "No scores found"},
    };
    Rig rig;
    const std::vector<QToolButton*> buttons = rig.ToolButtons();
    QCOMPARE(buttons.size(), std::size(cases));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      QCOMPARE(buttons[i]->text(), cases[i].caption);
      QVERIFY(!buttons[i]->icon().isNull());
      rig.platform.dialogs.ClearMessages();
      buttons[i]->click();
      QCOMPARE(rig.platform.dialogs.Messages().size(), std::size_t{1});
      QCOMPARE(rig.platform.dialogs.CountShown(cases[i].guardCaption, cases[i].guardText), 1);
    }
  }

  void statusBarFollowsTheMainTimer() {
    Rig rig;
    rig.competition.state.UnsavedData = true;
    rig.competition.state.LastBackupText = "Last Auto Backup : 18/04/2026 09:30:00";
    const QString unsaved = QStringLiteral("Unsaved Data. Save Now!") + QString(16, QLatin1Char(' ')) +
                            QStringLiteral(" (Last Auto Backup : 18/04/2026 09:30:00)");
    // The window's own timer does the ticking.
    QTRY_COMPARE_WITH_TIMEOUT(rig.StatusBarText(), unsaved, 3 * MainWindow::kMainTimerMilliseconds);

    rig.competition.state.UnsavedData = false;
    rig.competition.state.LastSaveTime = "18/04/2026 09:31:00";
    QTRY_COMPARE_WITH_TIMEOUT(rig.StatusBarText(),
                              QStringLiteral("All data currenty saved. : 18/04/2026 09:31:00  "
                                             "(Last Auto Backup : 18/04/2026 09:30:00)"),
                              3 * MainWindow::kMainTimerMilliseconds);
  }

  void captionAndHeadingFollowTheModel() {
    Rig rig;
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("QUENCHEL v3.0.0 "));
    QCOMPARE(rig.LabelText("lblCompetition"), QStringLiteral("Competition Title"));
    QCOMPARE(rig.LabelText("lblActiveClass"), QStringLiteral("Class Name Here"));

    rig.platform.dialogs.Answer(true);  // "All currently held data will be removed!"
    rig.MenuAction(Command::New)->trigger();
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("QUENCHEL v3.0.0 12/03/2024  "));
    QCOMPARE(rig.LabelText("lblCompetition"), QString());
    QCOMPARE(rig.LabelText("lblActiveClass"), QStringLiteral("No Active Class Selected"));

    // Cell texts reach the screen as Unicode, and never as markup.
    rig.competition.state.CompetitionTitle = "<b>Caf\xE9 Cup \x80</b>";
    rig.form.ShowActiveClass(0);
    QCOMPARE(rig.LabelText("lblCompetition"), QStringLiteral("<b>Caf\u00E9 Cup \u20AC</b>"));
    QCOMPARE(rig.window->findChild<QLabel*>(QStringLiteral("lblCompetition"))->textFormat(), Qt::PlainText);
  }

  void clickingTheCompetitionRenamesIt() {
    Rig rig;
    rig.platform.forms.Then([](Form& form) {
      static_cast<TextEditForm&>(form).Edit = "Autumn Forging";
      return ModalResult::OK;
    });
    auto* label = rig.window->findChild<QLabel*>(QStringLiteral("lblCompetition"));
    QTest::mouseClick(label, Qt::RightButton);  // only the left button renames
    QCOMPARE(rig.platform.forms.Shown().size(), std::size_t{0});
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(rig.platform.forms.Shown(), std::vector<std::string>{"TextEditForm"});
    QCOMPARE(label->text(), QStringLiteral("Autumn Forging"));
  }

  void dataCheckShowsTheModelsMark() {
    Rig rig(true);
    rig.form.FormActivate({});
    QAction* dataCheck = rig.MenuAction(Command::DataCheck);
    dataCheck->trigger();
    QVERIFY(rig.competition.state.DataCheckMode);
    QVERIFY(dataCheck->isChecked());
    dataCheck->trigger();
    QVERIFY(!rig.competition.state.DataCheckMode);
    QVERIFY(!dataCheck->isChecked());
  }

  void closingAsksTheModel() {
    Rig rig(true);
    rig.window->show();
    rig.competition.state.UnsavedData = true;
    rig.platform.dialogs.AnswerSave(SaveChoice::Cancel);
    QVERIFY(!rig.window->close());
    QVERIFY(rig.window->isVisible());

    rig.platform.dialogs.AnswerSave(SaveChoice::Discard);
    rig.MenuAction(Command::Exit)->trigger();
    QVERIFY(rig.form.ExitRequested());
    QVERIFY(!rig.window->isVisible());
    QCOMPARE(rig.platform.dialogs.PendingAnswers(), std::size_t{0});
  }

  void showingTheWindowActivatesTheForm() {
    // Developer mode: no welcome screen, and the developer items come with activation.
    Rig rig(true);
    QVERIFY(!rig.MenuAction(Command::DataCheck)->isVisible());
    rig.window->show();
    QTRY_VERIFY(rig.MenuAction(Command::DataCheck)->isVisible());
    QVERIFY(rig.window->findChild<WelcomeScreen*>() == nullptr);
  }

  void firstActivationWelcomesWhileTheWorkAreaHides() {
    Rig rig;
    rig.window->show();
    auto* workArea = rig.window->findChild<QWidget*>(QStringLiteral("WorkArea"));
    QTRY_VERIFY(rig.window->findChild<WelcomeScreen*>() != nullptr);
    const auto* welcome = rig.window->findChild<WelcomeScreen*>();
    QVERIFY(welcome->isVisible());
    QCOMPARE(welcome->findChild<QLabel*>(QStringLiteral("WelcomeLabel"))->text(), QStringLiteral("Welcome to QUENCHEL "));
    QVERIFY(workArea->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(!workArea->isHidden(), 2 * WelcomeScreen::kShownMilliseconds);
    QTRY_VERIFY(rig.window->findChild<WelcomeScreen*>() == nullptr);
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::MainWindowTest)
#include "main_window_test.moc"
