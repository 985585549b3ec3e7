// The class form's window over its model: the six steps, the controls of each, and the
// events it forwards (typing, leaving fields, changing steps, the setting buttons, cells
// of the rounds table, closing).

#include "setup/class_edit_form_view.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <chrono>

#include "platform/scripted_platform.h"
#include "print/grid_view.h"
#include "setup/class_edit_form.h"
#include "shell/get_date_form.h"
#include "shell/get_value_form.h"
#include "shell/question_radio_form.h"
#include "shell/time_form.h"
#include "store/competition.h"
#include "support/modal_window.h"

namespace quenchel {

namespace {

using apptest::Button;
using apptest::WhenOpen;

// A new shoeing class, opened as the class list opens it.
struct Rig {
  Rig() {
    scripted.forms.Then([](Form& form) {
      dynamic_cast<QuestionRadioForm&>(form).rg_OptionsClick(1);
      return ModalResult::OK;
    });
    scripted.forms.Then([](Form& form) {
      dynamic_cast<GetDateForm&>(form).CalendarClick(std::chrono::year{2026} / 4 / 18);
      return ModalResult::OK;
    });
    form.Caption = TClassEditForm::kAddCaption;
    form.Reset();
    form.OpenAddMode();
    scripted.dialogs.ClearMessages();
  }
  Competition competition;
  ScriptedPlatform scripted;
  Platform platform = scripted.Get();
  TClassEditForm form{competition, platform};
};

QLineEdit* EditWithText(QWidget& window, const QString& text) {
  for (QLineEdit* edit : window.findChildren<QLineEdit*>())
    if (edit->text() == text) return edit;
  return nullptr;
}

// Typing goes to the focused control only in the active window.
void Activate(QWidget& window) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

QString Cell(GridView& grid, int row, int column) { return grid.model()->index(row, column).data().toString(); }

int VisibleTitleEdits(QTabWidget& steps) {
  int shown = 0;
  for (QLineEdit* edit : steps.widget(TClassEditForm::kFieldsStep)->findChildren<QLineEdit*>())
    if (!edit->isHidden()) ++shown;
  return shown - 1;  // the field count itself
}

}  // namespace

class ClassEditFormViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensOnStepOneWithSixSteps() {
    Rig rig;
    ClassEditFormView view(rig.form);
    QString title;
    QStringList steps;
    bool nameFocused = false;
    int titles = 0;
    QStringList missing;
    WhenOpen<ClassEditFormView>([&](ClassEditFormView& shown) {
      title = shown.windowTitle();
      for (int i = 0; i < shown.Steps().count(); ++i) steps << shown.Steps().tabText(i);
      QWidget* focused = shown.focusWidget();
      nameFocused = focused != nullptr && focused == shown.Steps().widget(0)->findChildren<QLineEdit*>().value(0);
      titles = VisibleTitleEdits(shown.Steps());
      for (const char* caption : {"&Rounds", "&Duration", "&No. Comps", "&Get ready time", "Start time",
                                  "Change over time", "Date", "&Edit Forges and Type", "&Horses", "&OK", "&Close"})
        if (Button(shown, caption) == nullptr) missing << caption;
      Button(shown, "&OK")->click();
    });
    QCOMPARE(view.Run(), ModalResult::OK);
    QCOMPARE(title, QStringLiteral("Add Class"));
    QCOMPARE(steps, (QStringList{"Step 1 - Class name", "Step 2 - Score fields", "Step 3 - (Schedule) Round times",
                                 "Step 4 - (Schedule) Forges", "Step 5 - (Schedule) Horses", "Step 6 - Summary"}));
    QVERIFY(nameFocused);
    QCOMPARE(titles, 5);
    QCOMPARE(missing, QStringList{});
    QVERIFY(rig.competition.state.UnsavedData);
  }

  void typingAndChangingStepsGoThroughTheModel() {
    Rig rig;
    ClassEditFormView view(rig.form);
    int refusedStep = -1;
    QString roundTwoStart;
    QString summaryRounds;
    int titles = 0;
    QString required;
    WhenOpen<ClassEditFormView>([&](ClassEditFormView& shown) {
      Activate(shown);
      QTabWidget& steps = shown.Steps();
      steps.setCurrentIndex(TClassEditForm::kSummaryStep);
      QApplication::processEvents();
      refusedStep = steps.currentIndex();
      QLineEdit* name = steps.widget(0)->findChildren<QLineEdit*>().value(0);
      QTest::keyClicks(name, "Open Shoeing");
      QTest::keyClick(name, Qt::Key_Return);  // on to the short name
      QTest::keyClicks(shown.focusWidget(), "OS");

      steps.setCurrentIndex(TClassEditForm::kFieldsStep);
      QLineEdit* count = EditWithText(shown, "5");
      count->selectAll();
      QTest::keyClicks(count, "3");
      titles = VisibleTitleEdits(steps);

      steps.setCurrentIndex(TClassEditForm::kRoundsStep);
      roundTwoStart = Cell(*steps.widget(TClassEditForm::kRoundsStep)->findChild<GridView*>(), 2, 1);
      steps.setCurrentIndex(TClassEditForm::kHorsesStep);
      for (QLabel* label : shown.findChildren<QLabel*>())
        if (label->text().endsWith("Horses Required")) required = label->text();
      steps.setCurrentIndex(TClassEditForm::kSummaryStep);
      summaryRounds = Cell(*steps.widget(TClassEditForm::kSummaryStep)->findChild<GridView*>(), 4, 1);
      Button(shown, "&Close")->click();
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(refusedStep, static_cast<int>(TClassEditForm::kNameStep));
    QCOMPARE(rig.scripted.dialogs.CountShown("Class Name not Entered", "You have not entered a name for this Class!"),
             1);
    QCOMPARE(rig.form.ClassName, std::string("Open Shoeing"));
    QCOMPARE(rig.form.ShortClassName, std::string("OS"));
    QCOMPARE(titles, 3);
    QCOMPARE(rig.form.F[3], std::string());  // Close drops the titles no longer shown
    QCOMPARE(roundTwoStart, QStringLiteral("09:05"));
    QCOMPARE(required, QString());
    QCOMPARE(summaryRounds, QStringLiteral(": 4"));
    QVERIFY(rig.competition.state.UnsavedData);
  }

  void settingButtonsAndRoundCellsOpenTheirPrompts() {
    Rig rig;
    rig.form.ClassName = "Open";
    rig.scripted.forms.Then([](Form& form) {
      dynamic_cast<GetValueForm&>(form).SetValue(5);
      return ModalResult::OK;
    });
    rig.scripted.forms.Then([](Form& form) {
      dynamic_cast<TTimeForm&>(form).PickedTime = "11:00";
      return ModalResult::OK;
    });
    ClassEditFormView view(rig.form);
    QString rounds;
    QString roundThreeStart;
    WhenOpen<ClassEditFormView>([&](ClassEditFormView& shown) {
      shown.Steps().setCurrentIndex(TClassEditForm::kRoundsStep);
      Button(shown, "&Rounds")->click();
      for (QLabel* label : shown.Steps().widget(TClassEditForm::kRoundsStep)->findChildren<QLabel*>())
        if (label->text() == "5") rounds = label->text();
      auto* grid = shown.Steps().widget(TClassEditForm::kRoundsStep)->findChild<GridView*>();
      const QRect cell = grid->visualRect(grid->model()->index(3, 1));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
      roundThreeStart = Cell(*grid, 3, 1);
      QTest::keyClick(&shown, Qt::Key_Escape);
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(rounds, QStringLiteral("5"));
    QCOMPARE(rig.form.RoundsGrid.RowCount(), 6);
    QCOMPARE(roundThreeStart, QStringLiteral("11:00"));
    QCOMPARE(rig.scripted.forms.UnexpectedForms(), 0);
    QVERIFY(rig.competition.state.UnsavedData);  // Escape closes as Close does
  }

  void leavingARepeatedNameReturnsToIt() {
    Rig rig;
    rig.competition.ClassList.AddSorted(MakeRecord({"7", "Open"}));
    ClassEditFormView view(rig.form);
    bool backInName = false;
    WhenOpen<ClassEditFormView>([&](ClassEditFormView& shown) {
      Activate(shown);
      QLineEdit* name = shown.Steps().widget(0)->findChildren<QLineEdit*>().value(0);
      QTest::keyClicks(name, "Open");
      QTest::keyClick(name, Qt::Key_Tab);
      backInName = shown.focusWidget() == name;
      shown.reject();
    });
    view.Run();
    QVERIFY(backInName);
    QCOMPARE(rig.scripted.dialogs.CountShown("Duplicate Class Name", "Class Name: 'Open' is duplicated"), 1);
  }

  // Pictures of every step, for looking at the layout: set QUENCHEL_SCREENSHOT_DIR.
  void picturesOfEveryStep() {
    const QString folder = qEnvironmentVariable("QUENCHEL_SCREENSHOT_DIR");
    if (folder.isEmpty()) QSKIP("QUENCHEL_SCREENSHOT_DIR not set");
    Rig rig;
    rig.form.ClassName = "Open Shoeing";
    rig.form.ShortClassName = "OS";
    rig.form.RoundsGrid.SetCell(4, 2, "Lunch");
    ClassEditFormView view(rig.form);
    bool saved = true;
    WhenOpen<ClassEditFormView>([&](ClassEditFormView& shown) {
      for (int step = 0; step < TClassEditForm::kStepCount; ++step) {
        shown.Steps().setCurrentIndex(step);
        QApplication::processEvents();
        saved = shown.grab().save(QDir(folder).filePath(QStringLiteral("class-step-%1.png").arg(step + 1))) && saved;
      }
      shown.reject();
    });
    view.Run();
    QVERIFY(saved);
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::ClassEditFormViewTest)
#include "class_edit_form_view_test.moc"
