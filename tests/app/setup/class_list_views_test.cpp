// The class list's and the change-class form's windows over their models: what they show,
// the clicks they forward and the results they close with.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "platform/scripted_platform.h"
#include "print/grid_view.h"
#include "setup/change_class_form.h"
#include "setup/change_class_form_view.h"
#include "setup/class_grid_form.h"
#include "setup/class_grid_form_view.h"
#include "store/competition.h"
#include "support/modal_window.h"

namespace quenchel {

namespace {

using apptest::Button;
using apptest::WhenOpen;

void SaveScreenshot(QWidget& window, const QString& name) {
  QVERIFY(!window.grab().isNull());
  QVERIFY(apptest::KeepScreenshot(window, name));
}

struct Rig {
  explicit Rig(bool withClasses = true)
      : grid(competition, platform.Get(), [this] { ++activeClassShown; }),
        change(competition, platform.dialogs, [this] { ++activeClassShown; }) {
    if (!withClasses) return;
    for (const auto& [number, name] :
         {std::pair{"1", "Shoeing"}, std::pair{"2", "Apprentice Shoeing"}, std::pair{"3", "Open Championship"}})
      competition.ClassList.AddSorted(MakeRecord({number, name, "5", "4", "6", "6", "Y", "00:50", "00:15", "", "", "Forge",
                                                  "", "1", "N", "00:15", "08:00", "18/04/2026"}));
  }
  Competition competition;
  ScriptedPlatform platform;
  int activeClassShown = 0;
  TClassGridForm grid;
  TChangeClassForm change;
};

}  // namespace

class ClassListViewsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void classListShowsTheNamesInOrderAndClosesWithCancel() {
    Rig rig;
    ClassGridFormView view(rig.grid);
    QString title;
    QStringList names;
    bool gridShown = false;
    QStringList missing;
    WhenOpen<ClassGridFormView>([&](ClassGridFormView& shown) {
      title = shown.windowTitle();
      auto* grid = shown.findChild<GridView*>();
      gridShown = grid->isVisible();
      for (int row = 0; row < grid->model()->rowCount(); ++row) names << grid->model()->index(row, 0).data().toString();
      for (const char* caption : {"Add", "Edit", "Delete", "Close"})
        if (Button(shown, caption) == nullptr || !Button(shown, caption)->isEnabled()) missing << caption;
      Button(shown, "Close")->click();
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(title, QStringLiteral("Classes"));
    QVERIFY(gridShown);
    QCOMPARE(names, (QStringList{"Class Name", "Apprentice Shoeing", "Open Championship", "Shoeing"}));
    QCOMPARE(missing, QStringList{});
  }

  void aClickedRowIsHighlightedAndDeleteRemovesItsClass() {
    Rig rig;
    rig.competition.state.ActiveClass = 3;
    rig.platform.dialogs.Answer(true);
    ClassGridFormView view(rig.grid);
    int selected = -1;
    QModelIndexList highlighted;
    int rowsAfter = 0;
    WhenOpen<ClassGridFormView>([&](ClassGridFormView& shown) {
      auto* grid = shown.findChild<GridView*>();
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 0)).center());
      selected = rig.grid.SelectedRow();
      highlighted = grid->selectionModel()->selectedIndexes();
      SaveScreenshot(shown, QStringLiteral("class_grid_form.png"));
      Button(shown, "Delete")->click();
      rowsAfter = grid->model()->rowCount();
      shown.reject();
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(selected, 2);
    QCOMPARE(highlighted.size(), 1);
    QCOMPARE(highlighted.front().row(), 2);
    QCOMPARE(rig.platform.dialogs.CountShown("Delete", "Delete Class No 3 Open Championship?"), 1);
    QCOMPARE(rig.competition.ClassList.Count(), 2);
    QCOMPARE(rig.competition.state.ActiveClass, 0);
    QCOMPARE(rig.activeClassShown, 1);
    QCOMPARE(rowsAfter, 3);
  }

  void aDoubleClickEditsTheClassUnderThePointer() {
    Rig rig;
    rig.platform.forms.Then([](Form& form) { return dynamic_cast<TClassEditForm&>(form).CloseClick(); });
    ClassGridFormView view(rig.grid);
    WhenOpen<ClassGridFormView>([&](ClassGridFormView& shown) {
      auto* grid = shown.findChild<GridView*>();
      const QPoint point = grid->visualRect(grid->model()->index(3, 0)).center();
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, point);
      QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, point);
      shown.reject();
    });
    view.Run();
    QCOMPARE(rig.platform.forms.Shown(), std::vector<std::string>{"TClassEditForm"});
    QCOMPARE(rig.grid.ClassForm().ClassNumber, std::string("1"));
  }

  void withoutClassesOnlyAddIsOffered() {
    Rig rig(false);
    ClassGridFormView view(rig.grid);
    bool gridShown = true;
    bool editEnabled = true;
    bool deleteEnabled = true;
    bool addEnabled = false;
    WhenOpen<ClassGridFormView>([&](ClassGridFormView& shown) {
      gridShown = shown.findChild<GridView*>()->isVisible();
      addEnabled = Button(shown, "Add")->isEnabled();
      editEnabled = Button(shown, "Edit")->isEnabled();
      deleteEnabled = Button(shown, "Delete")->isEnabled();
      shown.reject();
    });
    view.Run();
    QVERIFY(!gridShown);
    QVERIFY(addEnabled);
    QVERIFY(!editEnabled);
    QVERIFY(!deleteEnabled);
  }

  void changeClassListsTheNamesAlphabeticallyAndChoosingOneMakesItActive() {
    Rig rig;
    rig.competition.state.ActiveClass = 1;
    ChangeClassFormView view(rig.change);
    QString title;
    QStringList items;
    QString shownText;
    WhenOpen<ChangeClassFormView>([&](ChangeClassFormView& shown) {
      title = shown.windowTitle();
      auto* combo = shown.findChild<QComboBox*>(QStringLiteral("ActiveClassCB"));
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      shownText = combo->currentText();
      combo->setCurrentIndex(combo->findText(QStringLiteral("Open Championship")));
      SaveScreenshot(shown, QStringLiteral("change_class_form.png"));
      Button(shown, "OK")->click();
    });
    QCOMPARE(view.Run(), ModalResult::OK);
    QCOMPARE(title, QStringLiteral("Change Class"));
    QCOMPARE(items, (QStringList{"Apprentice Shoeing", "Open Championship", "Shoeing"}));
    QCOMPARE(shownText, QStringLiteral("Shoeing"));
    QCOMPARE(rig.competition.state.ActiveClass, 3);
    QCOMPARE(rig.activeClassShown, 2);  // on opening, and for the choice
    QVERIFY(rig.platform.dialogs.Messages().empty());
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::ClassListViewsTest)
#include "class_list_views_test.moc"
