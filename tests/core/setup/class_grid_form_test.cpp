#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_platform.h"
#include "setup/class_edit_form.h"
#include "setup/class_grid_form.h"
#include "shell/get_date_form.h"
#include "shell/main_form.h"
#include "shell/question_radio_form.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Kind = ScriptedDialogs::Kind;
using Shown = ScriptedDialogs::Shown;

std::vector<std::string> Names(const DSList& list) {
  std::vector<std::string> names;
  for (const DSNode& record : list) names.emplace_back(record.Cell(1));
  return names;
}

std::vector<std::string> Keys(const DSList& list) {
  std::vector<std::string> keys;
  for (const DSNode& record : list) keys.push_back(std::string(record.Cell(0)) + "/" + std::string(record.Cell(1)));
  return keys;
}

// The class list over a competition, with the main window beside it so that the heading
// it shows for the active class can be checked.
class ClassGridFormTest : public ::testing::Test {
 protected:
  ClassGridFormTest()
      : main(competition, platform.Get()),
        form(competition, platform.Get(), [this] {
          ++activeClassShown;
          main.ShowActiveClass(competition.state.ActiveClass);
        }) {}

  // Class 1 "Shoeing", 12 "Apprentice" and 3 "Open", with their score-field titles,
  // rounds, forges and horses; a competitor is entered in class 3 only.
  void AddThreeClasses() {
    for (const auto& [number, name] : {std::pair{"1", "Shoeing"}, std::pair{"12", "Apprentice"}, std::pair{"3", "Open"}}) {
      competition.ClassList.AddSorted(MakeRecord({number, name, "2", "2", "2", "2", "Y", "00:50", "00:15", "", "",
                                                  "Forge", "", "1", "N", "00:15", "08:00", "18/04/2026"}));
      competition.FieldList.AddSorted(MakeRecord({number, "2", "Specimen A", "Specimen B"}));
      for (const char* n : {"1", "2"}) {
        competition.RoundList.AddSorted(MakeRecord({number, n, "08:00", "08:50"}));
        competition.ForgeList.AddSorted(MakeRecord({number, n, "Forge"}));
        competition.HorseList.AddSorted(MakeRecord({number, n, "Horse"}));
      }
    }
    competition.ScoreList.AddSorted(MakeRecord({"501", "3"}));
    competition.ScheduleList.AddSorted(MakeRecord({"501", "3", "", "", "", "N"}));
    competition.ReportList.AddSorted(MakeRecord({"1", "Report on 1"}));
    competition.RepFieldList.AddSorted(MakeRecord({"1", "1"}));
  }
  void Select(std::string_view name) {
    for (int row = 1; row < form.ClassGrid().RowCount(); ++row)
      if (form.ClassGrid().Cell(0, row) == name) return form.ClassGridMouseDown(row);
    FAIL() << "no row shows " << name;
  }
  // Scripts the prompts of a new class's opening (a shoeing class) and then the class
  // form itself, where the user types `name` and presses OK.
  void ScriptAddedClass(std::string name) {
    platform.forms.Then([](Form& shown) {
      auto& question = dynamic_cast<QuestionRadioForm&>(shown);
      question.rg_OptionsClick(1);
      return question.OKClick();
    });
    platform.forms.Then([](Form& shown) { return dynamic_cast<GetDateForm&>(shown).OKClick(); });
    platform.forms.Then([name](Form& shown) {
      auto& classForm = dynamic_cast<TClassEditForm&>(shown);
      classForm.ClassName = name;
      classForm.ShortClassName = name.substr(0, 2);
      return classForm.OKClick();
    });
  }
  int CountShown(std::string_view caption, std::string_view text) const {
    return platform.dialogs.CountShown(caption, text);
  }

  Competition competition;
  ScriptedPlatform platform;
  TMainForm main;
  int activeClassShown = 0;
  TClassGridForm form;
};

// --- opening and selecting ------------------------------------------------------------------

TEST_F(ClassGridFormTest, OpeningPutsTheClassesInNameOrderAndShowsThem) {
  AddThreeClasses();
  form.FormActivate();
  EXPECT_EQ(Names(competition.ClassList), (std::vector<std::string>{"Apprentice", "Open", "Shoeing"}));
  EXPECT_EQ(form.ClassGrid().ColCount(), 1);
  EXPECT_EQ(form.ClassGrid().RowCount(), 4);
  EXPECT_EQ(form.ClassGrid().Cell(0, 1), "Apprentice");
  EXPECT_EQ(form.ClassGrid().Cell(0, 3), "Shoeing");
  EXPECT_TRUE(form.GridVisible());
  EXPECT_TRUE(form.AddEnabled());
  EXPECT_TRUE(form.EditEnabled());
  EXPECT_TRUE(form.DeleteEnabled());
  EXPECT_EQ(form.SelectedRow(), 0);
}

TEST_F(ClassGridFormTest, WithoutClassesTheGridIsHiddenAndOnlyAddWorks) {
  form.FormActivate();
  EXPECT_FALSE(form.GridVisible());
  EXPECT_TRUE(form.AddEnabled());
  EXPECT_FALSE(form.EditEnabled());
  EXPECT_FALSE(form.DeleteEnabled());
}

TEST_F(ClassGridFormTest, AClickOutsideTheRowsSelectsTheHeading) {
  AddThreeClasses();
  form.FormActivate();
  form.ClassGridMouseDown(2);
  EXPECT_EQ(form.SelectedRow(), 2);
  form.ClassGridMouseDown(std::nullopt);
  EXPECT_EQ(form.SelectedRow(), 0);
  form.ClassGridMouseDown(9);
  EXPECT_EQ(form.SelectedRow(), 0);
}

// --- delete ---------------------------------------------------------------------------------

TEST_F(ClassGridFormTest, DeleteRemovesExactlyTheClassAndItsFieldsRoundsForgesAndHorses) {
  AddThreeClasses();
  competition.state.ActiveClass = 3;
  form.FormActivate();
  Select("Shoeing");
  platform.dialogs.Answer(true);
  form.DeleteClick();

  EXPECT_EQ(platform.dialogs.Messages(), (std::vector<Shown>{{Kind::Question, "Delete", "Delete Class No 1 Shoeing?"}}));
  EXPECT_EQ(Names(competition.ClassList), (std::vector<std::string>{"Apprentice", "Open"}));
  EXPECT_EQ(Keys(competition.FieldList), (std::vector<std::string>{"3/2", "12/2"}));
  EXPECT_EQ(Keys(competition.RoundList), (std::vector<std::string>{"3/1", "3/2", "12/1", "12/2"}));
  EXPECT_EQ(Keys(competition.ForgeList), Keys(competition.RoundList));
  EXPECT_EQ(Keys(competition.HorseList), Keys(competition.RoundList));
  // Records that only refer to the class by number in other lists stay.
  EXPECT_EQ(competition.ScoreList.Count(), 1);
  EXPECT_EQ(competition.ScheduleList.Count(), 1);
  EXPECT_EQ(competition.ReportList.Count(), 1);
  EXPECT_EQ(competition.RepFieldList.Count(), 1);

  EXPECT_EQ(form.ClassGrid().RowCount(), 3);
  EXPECT_EQ(competition.state.ActiveClass, 3);
  EXPECT_EQ(activeClassShown, 1);
  EXPECT_EQ(main.ActiveClassLabel(), "Open");
  // The lists changed, so the competition must not count as saved.
  EXPECT_TRUE(competition.state.UnsavedData);
}

TEST_F(ClassGridFormTest, DeletingTheActiveClassLeavesNoActiveClass) {
  AddThreeClasses();
  competition.state.ActiveClass = 12;
  main.ShowActiveClass(12);
  form.FormActivate();
  Select("Apprentice");
  platform.dialogs.Answer(true);
  form.DeleteClick();
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_EQ(main.ActiveClassLabel(), "Class Name Here");
  EXPECT_EQ(competition.ClassList.FindKey("12"), nullptr);
}

TEST_F(ClassGridFormTest, AClassWithAnEnteredCompetitorIsNotDeleted) {
  AddThreeClasses();
  form.FormActivate();
  Select("Open");
  form.DeleteClick();
  EXPECT_EQ(platform.dialogs.Messages(),
            (std::vector<Shown>{{Kind::Information, "Delete", "Score Found for Class No 3 Open - Can't delete!"}}));
  EXPECT_EQ(competition.ClassList.Count(), 3);
  EXPECT_EQ(competition.FieldList.Count(), 3);
  EXPECT_EQ(competition.RoundList.Count(), 6);
  EXPECT_EQ(competition.HorseList.Count(), 6);
  EXPECT_EQ(activeClassShown, 0);
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(ClassGridFormTest, AnsweringNoOrSelectingNoClassDeletesNothing) {
  AddThreeClasses();
  form.FormActivate();
  form.DeleteClick();  // nothing selected
  EXPECT_TRUE(platform.dialogs.Messages().empty());

  Select("Shoeing");
  platform.dialogs.Answer(false);
  form.DeleteClick();
  EXPECT_EQ(CountShown("Delete", "Delete Class No 1 Shoeing?"), 1);
  EXPECT_EQ(competition.ClassList.Count(), 3);
  EXPECT_EQ(competition.RoundList.Count(), 6);
  EXPECT_EQ(activeClassShown, 0);
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(ClassGridFormTest, DeletingTheLastClassHidesTheGridAndDisablesEditAndDelete) {
  competition.ClassList.AddSorted(MakeRecord({"1", "Shoeing"}));
  competition.state.ActiveClass = 1;
  form.FormActivate();
  Select("Shoeing");
  platform.dialogs.Answer(true);
  form.DeleteClick();
  EXPECT_TRUE(competition.ClassList.Empty());
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_FALSE(form.GridVisible());
  EXPECT_FALSE(form.EditEnabled());
  EXPECT_FALSE(form.DeleteEnabled());
  EXPECT_EQ(form.SelectedRow(), 0);
  EXPECT_EQ(main.ActiveClassLabel(), "Class Name Here");
}

// --- add ------------------------------------------------------------------------------------

TEST_F(ClassGridFormTest, TheFirstClassAddedBecomesActiveAndIsShownInTheMainWindow) {
  form.FormActivate();
  ScriptAddedClass("Open Shoeing");
  form.AddClick();

  EXPECT_EQ(CountShown("Add New Class Wizard",
                       "A new class will be created with default settings - Edit to suit your needs"),
            1);
  EXPECT_EQ(form.ClassForm().Caption, "Add Class");
  EXPECT_EQ(platform.forms.UnexpectedForms(), 0);
  ASSERT_EQ(competition.ClassList.Count(), 1);
  EXPECT_EQ(competition.ClassList.First()->Cell(1), "Open Shoeing");
  EXPECT_EQ(competition.FieldList.Count(), 1);
  EXPECT_EQ(competition.RoundList.Count(), 4);
  EXPECT_EQ(competition.state.ActiveClass, 1);
  EXPECT_EQ(activeClassShown, 1);
  EXPECT_EQ(main.ActiveClassLabel(), "Open Shoeing");
  EXPECT_TRUE(form.GridVisible());
  EXPECT_TRUE(form.EditEnabled());
  EXPECT_EQ(form.ClassGrid().Cell(0, 1), "Open Shoeing");
}

TEST_F(ClassGridFormTest, AddingAnotherClassKeepsTheActiveClass) {
  AddThreeClasses();
  competition.state.ActiveClass = 3;
  form.FormActivate();
  ScriptAddedClass("Novice");
  form.AddClick();
  EXPECT_EQ(competition.ClassList.Count(), 4);
  EXPECT_EQ(competition.state.ActiveClass, 3);
  EXPECT_EQ(activeClassShown, 0);
  EXPECT_EQ(form.ClassGrid().Cell(0, 2), "Novice");
}

TEST_F(ClassGridFormTest, ANewClassNamedLikeAnotherIsRefusedWithItsMessage) {
  AddThreeClasses();
  form.FormActivate();
  ScriptAddedClass("Open");
  form.AddClick();
  EXPECT_EQ(CountShown("Duplicate Class Name", "Class Name: 'Open' is duplicated"), 1);
  EXPECT_EQ(competition.ClassList.Count(), 3);
  EXPECT_EQ(competition.FieldList.Count(), 3);
  EXPECT_EQ(competition.RoundList.Count(), 6);
  EXPECT_EQ(competition.ForgeList.Count(), 6);
  EXPECT_EQ(competition.HorseList.Count(), 6);
}

TEST_F(ClassGridFormTest, ANewClassWithoutANameIsDroppedSilently) {
  form.FormActivate();
  ScriptAddedClass("");
  form.AddClick();
  EXPECT_TRUE(competition.ClassList.Empty());
  EXPECT_TRUE(competition.RoundList.Empty());
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_EQ(CountShown("Duplicate Class Name", "Class Name: '' is duplicated"), 0);
  EXPECT_FALSE(form.GridVisible());
}

// --- edit -----------------------------------------------------------------------------------

TEST_F(ClassGridFormTest, EditLoadsTheSelectedClassAndStoresItBack) {
  AddThreeClasses();
  competition.state.ActiveClass = 1;
  main.ShowActiveClass(1);
  form.FormActivate();
  Select("Shoeing");
  std::string loadedNumber;
  platform.forms.Then([&](Form& shown) {
    auto& classForm = dynamic_cast<TClassEditForm&>(shown);
    loadedNumber = classForm.ClassNumber;
    classForm.ClassName = "Advanced Shoeing";
    return classForm.OKClick();
  });
  form.EditClick();

  EXPECT_EQ(form.ClassForm().Caption, "Edit Class");
  EXPECT_EQ(loadedNumber, "1");
  EXPECT_EQ(competition.ClassList.FindKey("1")->Cell(1), "Advanced Shoeing");
  EXPECT_EQ(competition.ClassList.Count(), 3);
  EXPECT_EQ(activeClassShown, 1);
  EXPECT_EQ(main.ActiveClassLabel(), "Advanced Shoeing");
  EXPECT_EQ(Names(competition.ClassList), (std::vector<std::string>{"Advanced Shoeing", "Apprentice", "Open"}));
  EXPECT_EQ(form.ClassGrid().Cell(0, 1), "Advanced Shoeing");
}

TEST_F(ClassGridFormTest, EditWithoutASelectedClassSaysSo) {
  AddThreeClasses();
  form.FormActivate();
  form.EditClick();
  EXPECT_EQ(platform.dialogs.Messages(),
            (std::vector<Shown>{{Kind::Information, "Class not selected", "You have not selected a class to edit!   "}}));
  EXPECT_TRUE(platform.forms.Shown().empty());
  EXPECT_EQ(activeClassShown, 0);
}

TEST_F(ClassGridFormTest, DoubleClickEditsTheClickedClass) {
  AddThreeClasses();
  form.FormActivate();
  form.ClassGridMouseDown(2);
  platform.forms.Then([](Form& shown) { return dynamic_cast<TClassEditForm&>(shown).CloseClick(); });
  form.ClassGridDblClick();
  EXPECT_EQ(platform.forms.Shown(), std::vector<std::string>{"TClassEditForm"});
  EXPECT_EQ(form.ClassForm().ClassNumber, "3");
}

}  // namespace
}  // namespace quenchel
