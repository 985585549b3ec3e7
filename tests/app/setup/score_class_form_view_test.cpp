// The list inspection view's window over its model: the buttons, the titles and the grid
// following the shown list, and the events it forwards.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/modal_window.h"
#include "platform/scripted_platform.h"
#include "print/grid_table_model.h"
#include "print/grid_view.h"
#include "setup/score_class_form.h"
#include "setup/score_class_form_view.h"
#include "store/competition.h"

namespace quenchel {

namespace {

using apptest::Button;
using apptest::WhenOpen;

QStringList Labels(QWidget& window) {
  QStringList texts;
  for (QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

struct Rig {
  Rig() : form(competition, dialogs, printing, [this](const Grid&, const PrintHeadings& headings) {
            printedTitles << QString::fromStdString(headings.title);
          }) {
    competition.ClassList.AddSorted(MakeRecord({"1", "Open Championship"}));
    competition.CompetitorList.AddSorted(MakeRecord({"501", "Sean"}));
    competition.CompetitorList.AddSorted(MakeRecord({"502", "Aoife"}));
  }
  Competition competition;
  ScriptedDialogs dialogs;
  FakePrinting printing;
  QStringList printedTitles;
  TScoreClassForm form;
};

}  // namespace

class ScoreClassFormViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensOnTheClassListWithEveryButton() {
    Rig rig;
    ScoreClassFormView view(rig.form);
    QString title;
    QStringList labels;
    QStringList missing;
    int rows = 0;
    WhenOpen<ScoreClassFormView>([&](ScoreClassFormView& shown) {
      title = shown.windowTitle();
      labels = Labels(shown);
      for (const char* caption : {"Score", "Competitors", "Teams", "Classes", "Field", "Reports", "RepFields",
                                     "Rounds", "Forges", "Horses", "Schedule", "Labels", "Batch", "Sort", "Print",
                                     "Printer Setup", "&OK"})
        if (Button(shown, caption) == nullptr) missing << caption;
      rows = shown.findChild<GridView*>()->model()->rowCount();
      Button(shown, "&OK")->click();
    });
    QCOMPARE(view.Run(), ModalResult::OK);
    QCOMPARE(title, QStringLiteral("Program Class Form"));
    QCOMPARE(missing, QStringList{});
    QVERIFY(labels.contains("Classs"));
    QCOMPARE(rows, 3);
  }

  void buttonsShowTheirListsAndForwardTheCommands() {
    Rig rig;
    rig.competition.CompetitorList.SetTitleText(1, "Competitors");
    ScoreClassFormView view(rig.form);
    int rows = 0;
    QString firstName;
    WhenOpen<ScoreClassFormView>([&](ScoreClassFormView& shown) {
      Button(shown, "Competitors")->click();
      GridView* grid = shown.findChild<GridView*>();
      rows = grid->model()->rowCount();
      Button(shown, "Sort")->click();
      firstName = grid->model()->index(2, 5).data().toString();
      Button(shown, "Print")->click();
      Button(shown, "Printer Setup")->click();
      shown.reject();
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(rows, 4);
    QCOMPARE(firstName, QStringLiteral("Aoife"));
    QCOMPARE(rig.printedTitles, QStringList{"Competitors"});
    QCOMPARE(rig.printing.setupShown, 1);
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::ScoreClassFormViewTest)
#include "score_class_form_view_test.moc"
