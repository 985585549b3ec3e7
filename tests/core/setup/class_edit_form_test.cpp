#include "setup/class_edit_form.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/scripted_platform.h"
#include "reports/rep_fields.h"
#include "schedule/schedule_cells.h"
#include "setup/class_forges_horses.h"
#include "setup/class_rounds_table.h"
#include "shell/get_date_form.h"
#include "shell/get_value_form.h"
#include "shell/question_radio_form.h"
#include "shell/text_edit_form.h"
#include "shell/time_form.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Kind = ScriptedDialogs::Kind;
using Shown = ScriptedDialogs::Shown;
using std::chrono::year;

Shown Info(std::string caption, std::string text) { return {Kind::Information, std::move(caption), std::move(text)}; }
Shown Question(std::string caption, std::string text) { return {Kind::Question, std::move(caption), std::move(text)}; }

const Shown kShoeingSettings =
    Info("Shoeing Class", "The standard settings for a Shoeing Class have been made. You can edit them if required.");
const Shown kAskDate = Info("Date of competition", "Please give the date this Class will take place.");
const Shown kAskName = Info("Class Name", "Please give this Class a Name (e.g. Class 1) and Short name (e.g. C1).");
const Shown kMayRemove =
    Question("Warning", "Some Competitors for this Class may be removed from the Schedule - Continue?");
const Shown kTimeError =
    Info("Time Error", "You can't set a time which is less than the Finish time of the round before!");

class ClassFormTest : public ::testing::Test {
 protected:
  // --- what the user does with the prompts the form opens -----------------------------
  template <class Prompt>
  void Then(std::function<ModalResult(Prompt&)> handle) {
    scripted.forms.Then([handle](Form& form) { return handle(dynamic_cast<Prompt&>(form)); });
  }
  void ChooseType(int type) {
    Then<QuestionRadioForm>([type](QuestionRadioForm& question) {
      EXPECT_EQ(question.Question, "Which type of Class?");
      EXPECT_EQ(question.ChoiceText(1), "Shoeing Class");
      EXPECT_EQ(question.ChoiceText(2), "Shoemaking Class");
      question.rg_OptionsClick(type);
      return ModalResult::OK;
    });
  }
  void PickDate(int y, unsigned m, unsigned d, ModalResult result = ModalResult::OK) {
    Then<GetDateForm>([=](GetDateForm& picker) {
      picker.CalendarClick(year{y} / m / d);
      return result;
    });
  }
  void PickTime(std::string time, std::string* heading = nullptr) {
    Then<TTimeForm>([time, heading](TTimeForm& picker) {
      if (heading != nullptr) *heading = picker.pnlTopCaption;
      picker.PickedTime = time;
      return ModalResult::OK;
    });
  }
  void EnterCount(int value, std::function<void(GetValueForm&)> check = {}) {
    Then<GetValueForm>([value, check](GetValueForm& prompt) {
      if (check) check(prompt);
      prompt.SetValue(value);
      return ModalResult::OK;
    });
  }

  // A new class as the class list adds it: standard settings of the type, dated
  // 18/04/2026, then named.
  void OpenNewClass(int type = 1) {
    ChooseType(type);
    PickDate(2026, 4, 18);
    form.Caption = TClassEditForm::kAddCaption;
    form.Reset();
    form.OpenAddMode();
  }
  void AddClass(std::string name, std::string shortName, int type = 1) {
    OpenNewClass(type);
    form.ClassName = std::move(name);
    form.ShortClassName = std::move(shortName);
    form.OKClick();
    form.StoreNewClass();
    scripted.dialogs.ClearMessages();
  }
  void EditClass(int classNo) {
    form.Caption = TClassEditForm::kEditCaption;
    form.Reset();
    form.LoadClass(classNo);
    scripted.dialogs.ClearMessages();
  }
  // Competitor `competitor` of the class placed in `round` at `fire` on a foot of `horse`.
  void Place(int competitor, int classNo, int round, int fire, int horse) {
    DSNode entry = MakeRecord(
        {std::to_string(competitor), std::to_string(classNo), std::to_string(round), std::to_string(fire), "", "Y"});
    entry.SetCell(schedule_cell::kHorseFoot, (horse < 10 ? " " : "") + std::to_string(horse) + " LF Horse");
    competition.ScheduleList.AddSorted(entry);
    DSNode* horseRecord = competition.HorseList.FindKey2(std::to_string(classNo), std::to_string(horse));
    if (horseRecord != nullptr) horseRecord->SetCell(horse_cell::kFirstFoot, std::to_string(competitor));
  }
  std::string Round(int column, int row) const { return std::string(form.RoundsGrid.Cell(column, row)); }
  const std::vector<Shown>& Messages() const { return scripted.dialogs.Messages(); }

  Competition competition;
  ScriptedPlatform scripted;
  Platform platform = scripted.Get();
  TClassEditForm form{competition, platform};
};

// --- Add mode -----------------------------------------------------------------------------

TEST_F(ClassFormTest, AddModeMakesAStandardShoeingClass) {
  competition.ClassList.AddSorted(MakeRecord({"1", "Open"}));
  competition.ClassList.AddSorted(MakeRecord({"3", "Novice"}));
  OpenNewClass(1);

  EXPECT_EQ(Messages(), (std::vector<Shown>{kShoeingSettings, kAskDate, kAskName}));
  EXPECT_EQ(scripted.forms.Shown(), (std::vector<std::string>{"QuestionRadioForm", "GetDateForm"}));
  EXPECT_EQ(form.ClassNumber, "2");
  EXPECT_EQ(form.NoScoreFields, "5");
  EXPECT_EQ(form.F[0], "Prep.");
  EXPECT_EQ(form.F[3], "Nail-Finish");
  EXPECT_EQ(form.F[4], "Specimen");
  EXPECT_EQ(form.lblDate, "18/04/2026");
  EXPECT_EQ(form.lblDayName, "Saturday");
  EXPECT_EQ(form.DispRounds, "4");
  EXPECT_EQ(Round(rounds_col::kStart, 2), "09:05");
  EXPECT_EQ(Round(rounds_col::kStartDateTime, 4), "18/04/2026 11:15");
  EXPECT_EQ(form.DispForges, "6");
  EXPECT_EQ(form.ForgesGrid.Cell(forges_col::kTitle, 6), "Forge 6");
  EXPECT_EQ(form.DispHorses, "6");
  ASSERT_EQ(form.HorsesGrid.RowCount(), 7);
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kName, 6), "Horse F");
  EXPECT_EQ(form.ActivePage(), TClassEditForm::kNameStep);
  EXPECT_EQ(form.ActiveControl(), TClassEditForm::kClassNameControl);

  form.ClassName = "Young Farriers";
  EXPECT_EQ(form.PageControlChange(TClassEditForm::kHorsesStep), TClassEditForm::kHorsesStep);
  EXPECT_EQ(form.lblHorsesRequired, "");
}

TEST_F(ClassFormTest, AddModeMakesAShoemakingClassWithNineHorses) {
  OpenNewClass(2);
  EXPECT_EQ(Messages().front(),
            Info("Shoemaking Class",
                 "The standard settings for a Shoeingmaking Class have been made. You need to edit the names of the "
                 "Specimen Shoes."));
  EXPECT_EQ(form.NoScoreFields, "2");
  EXPECT_EQ(form.F[1], "Specimen B");
  EXPECT_EQ(form.F[2], "");
  EXPECT_EQ(form.DispHorses, "9");
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kName, 9), "Horse I");
  form.ClassName = "Shoemaking";
  form.PageControlChange(TClassEditForm::kHorsesStep);
  EXPECT_EQ(form.lblHorsesRequired, "6 Horses Required");
}

TEST_F(ClassFormTest, AddModeWithTheQuestionAndDateUnansweredStillDatesTheClass) {
  Then<QuestionRadioForm>([](QuestionRadioForm&) { return ModalResult::OK; });
  Then<GetDateForm>([](GetDateForm&) { return ModalResult::Cancel; });
  form.Caption = TClassEditForm::kAddCaption;
  form.Reset();
  form.OpenAddMode();
  EXPECT_EQ(Messages(), (std::vector<Shown>{kAskDate, kAskName}));
  EXPECT_EQ(form.NoScoreFields, "");
  EXPECT_EQ(form.lblDate, "18/04/2026");  // the picker opens on today
  EXPECT_EQ(Round(rounds_col::kStartDateTime, 2), "18/04/2026 09:05");
  EXPECT_EQ(form.HorsesGrid.RowCount(), 10);
}

TEST_F(ClassFormTest, NewClassIsStoredInTheFiveLists) {
  AddClass("Open Shoeing", "OS");
  const DSNode* record = competition.ClassList.FindKey("1");
  ASSERT_NE(record, nullptr);
  const std::vector<std::pair<int, std::string>> cells{
      {1, "Open Shoeing"}, {2, "5"},      {3, "4"},           {4, "6"},      {5, "6"},  {6, "Y"},
      {7, "00:50"},        {8, "00:15"},  {10, "OS"},         {11, "Forge"}, {13, "1"}, {14, "N"},
      {15, "00:15"},       {16, "08:00"}, {17, "18/04/2026"}, {20, ""}};
  for (const auto& [cell, text] : cells) EXPECT_EQ(record->Cell(cell), text) << "cell " << cell;
  const DSNode* fields = competition.FieldList.FindKey("1");
  ASSERT_NE(fields, nullptr);
  EXPECT_EQ(fields->Cell(1), "5");
  EXPECT_EQ(fields->Cell(2), "Prep.");
  EXPECT_EQ(fields->Cell(7), "");
  EXPECT_EQ(fields->Cell(18), "Total");
  EXPECT_EQ(competition.RoundList.Count(), 4);
  const DSNode* round = competition.RoundList.FindKey2("1", "2");
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->Cell(2), "09:05");
  EXPECT_EQ(round->Cell(3), "09:55");
  EXPECT_EQ(round->Cell(4), "00:15");
  EXPECT_EQ(round->Cell(6), "18/04/2026 09:05");
  EXPECT_EQ(round->Cell(7), "18/04/2026 09:55");
  EXPECT_EQ(round->Cell(8), "18/04/2026");
  EXPECT_EQ(competition.RoundList.FindKey2("1", "4")->Cell(4), "");
  EXPECT_EQ(competition.ForgeList.Count(), 6);
  EXPECT_EQ(competition.ForgeList.FindKey2("1", "3")->Cell(2), "Forge 3");
  EXPECT_EQ(competition.HorseList.Count(), 6);
  const DSNode* horse = competition.HorseList.FindKey2("1", "5");
  EXPECT_EQ(horse->Cell(horse_cell::kName), "Horse E");
  EXPECT_EQ(horse->Cell(horse_cell::kForgeTitle), "Forge 5");
  EXPECT_EQ(horse->Cell(horse_cell::kFire), "5");
  EXPECT_TRUE(competition.state.UnsavedData);
}

TEST_F(ClassFormTest, OkAndCloseBothKeepTheClassAsUnsavedAndDropUnusedTitles) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Close");
    competition.state.UnsavedData = false;
    OpenNewClass();
    form.NoScoreFields = "3";
    EXPECT_EQ(ok ? form.OKClick() : form.CloseClick(), ok ? ModalResult::OK : ModalResult::Cancel);
    EXPECT_TRUE(competition.state.UnsavedData);
    EXPECT_EQ(form.F[2], "Fit");
    EXPECT_EQ(form.F[3], "");
  }
}

// --- steps --------------------------------------------------------------------------------

TEST_F(ClassFormTest, OtherStepsNeedAClassName) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  EXPECT_EQ(form.PageControlChange(TClassEditForm::kFieldsStep), TClassEditForm::kNameStep);
  EXPECT_EQ(Messages(),
            std::vector<Shown>{Info("Class Name not Entered", "You have not entered a name for this Class!")});
  EXPECT_EQ(form.ActiveControl(), TClassEditForm::kClassNameControl);
  form.ClassName = "Open";
  EXPECT_EQ(form.PageControlChange(TClassEditForm::kFieldsStep), TClassEditForm::kFieldsStep);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ClassFormTest, ShowingTheRoundsStepWorksTheTableOut) {
  OpenNewClass();
  form.ClassName = "Open";
  form.lblStartTime = "09:00";
  form.PageControlChange(TClassEditForm::kRoundsStep);
  EXPECT_EQ(Round(rounds_col::kStart, 2), "10:05");
}

TEST_F(ClassFormTest, SummarySaysWhatTheClassHolds) {
  AddClass("Open", "OS");
  Place(501, 1, 1, 1, 1);
  Place(502, 1, 2, 2, 2);
  competition.ScheduleList.AddSorted(MakeRecord({"503", "1", "", "", "", "N"}));
  EditClass(1);
  form.lblNoComps = "2";
  form.PageControlChange(TClassEditForm::kSummaryStep);
  const std::vector<std::pair<std::string, std::string>> expected{{"Information", ""},
                                                                  {"Competitors Active in Schedule", ": 2"},
                                                                  {"Competitor Capacity for class", ": 48"},
                                                                  {"Competitors per Forge", ": 2"},
                                                                  {"Rounds", ": 4"},
                                                                  {"Forges", ": 6"},
                                                                  {"Horses", ": 6"},
                                                                  {"", ""}};
  ASSERT_EQ(form.SumGrid.RowCount(), 8);
  ASSERT_EQ(form.SumGrid.ColCount(), 2);
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(form.SumGrid.Cell(0, row), expected[static_cast<std::size_t>(row)].first);
    EXPECT_EQ(form.SumGrid.Cell(1, row), expected[static_cast<std::size_t>(row)].second);
  }
}

TEST_F(ClassFormTest, HorsesRequiredLabelComparesPlacesWithFeet) {
  struct Case {
    const char *rounds, *forges, *comps, *horses, *label;
  };
  OpenNewClass();
  form.ClassName = "Open";
  for (const Case& c :
       {Case{"4", "6", "1", "6", ""}, Case{"4", "6", "1", "9", "6 Horses Required"},
        Case{"3", "5", "1", "3", "3 Horses Required"}, Case{"4", "6", "2", "12", ""}, Case{"0", "6", "1", "0", ""}}) {
    SCOPED_TRACE(std::string(c.rounds) + " " + c.forges + " " + c.comps + " " + c.horses);
    form.DispRounds = c.rounds;
    form.DispForges = c.forges;
    form.lblNoComps = c.comps;
    form.DispHorses = c.horses;
    form.PageControlChange(TClassEditForm::kHorsesStep);
    EXPECT_EQ(form.lblHorsesRequired, c.label);
  }
}

// --- fields of step 1 and 2 ------------------------------------------------------------------

TEST_F(ClassFormTest, LeavingADuplicatedNameSendsTheCursorBack) {
  AddClass("Open", "OS");
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  form.ClassName = "Open";
  form.ShortClassName = "OS";
  EXPECT_FALSE(form.ClassNameExit());
  EXPECT_EQ(form.ActiveControl(), TClassEditForm::kClassNameControl);
  EXPECT_FALSE(form.ShortClassNameExit());
  EXPECT_EQ(form.ActiveControl(), TClassEditForm::kShortClassNameControl);
  EXPECT_EQ(Messages(),
            (std::vector<Shown>{Info("Duplicate Class Name", "Class Name: 'Open' is duplicated"),
                                Info("Duplicate Short Class Name", "Short Class Name: 'OS' is duplicated")}));
  EXPECT_EQ(form.ClassName, "Open");
  form.ClassName = "Novice";
  EXPECT_TRUE(form.ClassNameExit());
}

TEST_F(ClassFormTest, ClassNumberIsCheckedOnlyInAddMode) {
  AddClass("Open", "OS");
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  form.ClassNumber = "1";
  form.ClassNumberExit();
  EXPECT_EQ(form.ClassNumber, "2");
  EXPECT_EQ(Messages(), std::vector<Shown>{Info("Duplicated Class Number",
                                                "This class number already in use - Next free number suggested")});
  EditClass(1);
  form.ClassNumberExit();
  EXPECT_FALSE(form.ClassNumberEnabled);
  EXPECT_EQ(form.ClassNumber, "1");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ClassFormTest, FieldCountOutsideTheRangeIsEmptied) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  for (const char* count : {"16", "0", "", "1"}) {
    form.NoScoreFields = count;
    form.NoScoreFieldsChange();
    EXPECT_EQ(form.NoScoreFields, count);
  }
  EXPECT_TRUE(Messages().empty());
  form.NoScoreFields = "17";
  form.NoScoreFieldsChange();
  EXPECT_EQ(form.NoScoreFields, "");
  EXPECT_EQ(form.VisibleFieldCount(), 0);
  EXPECT_EQ(Messages(), std::vector<Shown>{Info("Out of Range", "Range from 1 to 16 Score Fields")});
}

TEST_F(ClassFormTest, OnlyShownTitlesAreChecked) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  form.F[1] = "Prep.";
  form.FieldExit(1);
  form.FieldExit(7);  // beyond the five shown
  EXPECT_EQ(Messages(),
            std::vector<Shown>{Info("Duplicate Feild", "You have already entered\n a score field with this title!")});
}

TEST_F(ClassFormTest, ChangingTheFieldCountOfAStoredClassUpdatesItsReports) {
  AddClass("Open", "OS");
  SetRepFieldFlag(competition, 7, 1, 5, "Y");
  EditClass(1);
  form.NoScoreFields = "4";
  scripted.dialogs.Answer(false);
  form.NoScoreFieldsExit();
  EXPECT_EQ(form.NoScoreFields, "5");
  EXPECT_TRUE(IsRepFieldTrusted(competition, 7, 1));

  form.NoScoreFields = "4";
  scripted.dialogs.Answer(true);
  form.NoScoreFieldsExit();
  EXPECT_EQ(form.NoScoreFields, "4");
  EXPECT_FALSE(IsRepFieldTrusted(competition, 7, 1));
  EXPECT_EQ(GetRepFieldFlag(competition, 7, 1, 5), "N");
  EXPECT_EQ(Messages().size(), 3u);  // the question twice, the note once

  // Leaving it unchanged, or emptied after an out-of-range entry, changes nothing.
  scripted.dialogs.ClearMessages();
  SetRepFieldTrust(competition, 7, 1, true);
  form.NoScoreFieldsExit();
  form.NoScoreFields = "";
  form.NoScoreFieldsExit();
  EXPECT_EQ(form.NoScoreFields, "4");
  EXPECT_TRUE(IsRepFieldTrusted(competition, 7, 1));
  EXPECT_TRUE(Messages().empty());
  form.StoreExistingClass();
  EXPECT_EQ(competition.FieldList.FindKey("1")->Cell(1), "4");
  EXPECT_EQ(competition.FieldList.FindKey("1")->Cell(6), "");
}

TEST_F(ClassFormTest, FieldCountOfANewClassTouchesNoReport) {
  SetRepFieldFlag(competition, 7, 1, 5, "Y");
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  form.NoScoreFields = "2";
  form.NoScoreFieldsExit();
  EXPECT_TRUE(IsRepFieldTrusted(competition, 7, 1));
  EXPECT_TRUE(Messages().empty());
}

// --- setting buttons ----------------------------------------------------------------------------

TEST_F(ClassFormTest, FewerRoundsAskFirstWhenCompetitorsArePlaced) {
  AddClass("Open", "OS");
  Place(501, 1, 4, 2, 2);
  Place(502, 1, 2, 1, 1);
  EditClass(1);

  EnterCount(2, [](GetValueForm& prompt) {
    EXPECT_EQ(prompt.Heading, "Number of Rounds");
    EXPECT_EQ(prompt.InputText, "No Rounds");
    EXPECT_EQ(prompt.EditValue, "4");
  });
  scripted.dialogs.Answer(false);
  form.RoundsClick();
  EXPECT_EQ(form.DispRounds, "4");
  EXPECT_EQ(form.RoundsGrid.RowCount(), 5);
  EXPECT_EQ(competition.ScheduleList.FindKey2("501", "1")->Cell(schedule_cell::kInSched), "Y");
  EXPECT_EQ(Messages(), std::vector<Shown>{kMayRemove});

  EnterCount(2);
  scripted.dialogs.Answer(true);
  form.RoundsClick();
  EXPECT_EQ(form.DispRounds, "2");
  EXPECT_EQ(form.RoundsGrid.RowCount(), 3);
  EXPECT_EQ(Round(rounds_col::kChangeOver, 2), "");
  EXPECT_EQ(competition.ScheduleList.FindKey2("501", "1")->Cell(schedule_cell::kInSched), "N");
  EXPECT_EQ(competition.ScheduleList.FindKey2("502", "1")->Cell(schedule_cell::kInSched), "Y");
  // The foot the competitor left is free again, on the form as in the list.
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kFirstFoot, 2), "");
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kFirstFoot, 1), "502");

  form.StoreExistingClass();
  EXPECT_EQ(competition.RoundList.Count(), 2);
  EXPECT_EQ(competition.RoundList.FindKey2("1", "3"), nullptr);
  EXPECT_EQ(competition.HorseList.FindKey2("1", "2")->Cell(horse_cell::kFirstFoot), "");
  EXPECT_EQ(competition.HorseList.FindKey2("1", "1")->Cell(horse_cell::kFirstFoot), "502");
}

TEST_F(ClassFormTest, MoreRoundsNeedNoQuestionAndAreWorkedOut) {
  AddClass("Open", "OS");
  Place(501, 1, 4, 2, 2);
  EditClass(1);
  EnterCount(5);
  form.RoundsClick();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Round(rounds_col::kStart, 5), "12:20");
  EXPECT_EQ(Round(rounds_col::kChangeOver, 4), "00:15");
  EXPECT_EQ(Round(rounds_col::kDate, 5), "18/04/2026");
}

TEST_F(ClassFormTest, PromptsThatAreCancelledOrOutOfRangeChangeNothing) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  Then<GetValueForm>([](GetValueForm& prompt) {
    prompt.SetValue(2);
    return ModalResult::Cancel;
  });
  form.RoundsClick();
  EnterCount(-3);
  form.RoundsClick();
  Then<GetValueForm>([](GetValueForm& prompt) {
    prompt.EditValue = "many";  // not a number reads 0, so every horse would go
    return ModalResult::OK;
  });
  scripted.dialogs.Answer(false);
  form.HorsesClick();
  EXPECT_EQ(form.DispRounds, "4");
  EXPECT_EQ(form.RoundsGrid.RowCount(), 5);
  EXPECT_EQ(form.DispHorses, "6");
  EXPECT_EQ(form.HorsesGrid.RowCount(), 7);
  EXPECT_EQ(Messages(),
            std::vector<Shown>{Question(
                "Warning", "Any competitors found on horses being removed will have to be reschduled - Continue?")});
}

TEST_F(ClassFormTest, ForgesTakeTheirTitlesFromTheForgeType) {
  AddClass("Open", "OS");
  Place(501, 1, 1, 5, 5);
  EditClass(1);
  Then<GetValueForm>([](GetValueForm& prompt) {
    EXPECT_EQ(prompt.Heading, "Number of Forges");
    EXPECT_EQ(prompt.InputText, "No Forges");
    EXPECT_TRUE(prompt.ForgeTitlesVisible);
    prompt.SetValue(4);
    prompt.ForgeTitles = "Fire";
    return ModalResult::OK;
  });
  scripted.dialogs.Answer(true);
  form.ForgesClick();
  EXPECT_EQ(Messages(), std::vector<Shown>{kMayRemove});
  EXPECT_EQ(form.DispForges, "4");
  EXPECT_EQ(form.lblForgeTitles, "Fire");
  EXPECT_EQ(form.ForgesGrid.RowCount(), 5);
  EXPECT_EQ(form.ForgesGrid.Cell(forges_col::kTitle, 4), "Fire 4");
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kForgeTitle, 2), "Fire 2");
  EXPECT_EQ(competition.ScheduleList.FindKey2("501", "1")->Cell(schedule_cell::kInSched), "N");

  form.StoreExistingClass();
  EXPECT_EQ(competition.ForgeList.Count(), 4);
  EXPECT_EQ(competition.ForgeList.FindKey2("1", "1")->Cell(2), "Fire 1");
  EXPECT_EQ(competition.ClassList.FindKey("1")->Cell(20), "Fire");
}

TEST_F(ClassFormTest, RemovingHorsesNamesEveryCompetitorTakenOff) {
  AddClass("Open", "OS");
  competition.CompetitorList.AddSorted(MakeRecord({"501", "Ann", "Smith"}));
  Place(501, 1, 1, 5, 5);
  Place(502, 1, 1, 1, 1);
  EditClass(1);

  EnterCount(4, [](GetValueForm& prompt) {
    EXPECT_EQ(prompt.Heading, "Number Horses");
    EXPECT_EQ(prompt.InputText, "No Horses");
  });
  scripted.dialogs.Answer(false);
  form.HorsesClick();
  EXPECT_EQ(form.DispHorses, "6");
  EXPECT_EQ(competition.ScheduleList.FindKey2("501", "1")->Cell(schedule_cell::kInSched), "Y");

  EnterCount(4);
  scripted.dialogs.Answer(true);
  form.HorsesClick();
  const Shown ask =
      Question("Warning", "Any competitors found on horses being removed will have to be reschduled - Continue?");
  EXPECT_EQ(Messages(),
            (std::vector<Shown>{ask, ask, Info("Plese Note:", "Competitor 501 Ann Smith was removed from Schedule")}));
  EXPECT_EQ(form.DispHorses, "4");
  EXPECT_EQ(form.HorsesGrid.RowCount(), 5);
  EXPECT_EQ(competition.ScheduleList.FindKey2("501", "1")->Cell(schedule_cell::kInSched), "N");
  EXPECT_EQ(competition.ScheduleList.FindKey2("502", "1")->Cell(schedule_cell::kInSched), "Y");

  form.StoreExistingClass();
  EXPECT_EQ(competition.HorseList.Count(), 4);
  EXPECT_EQ(competition.HorseList.FindKey2("1", "1")->Cell(horse_cell::kFirstFoot), "502");
}

TEST_F(ClassFormTest, ChangingCompetitorsPerForgeTakesTheWholeClassOffTheSchedule) {
  AddClass("Open", "OS");
  Place(501, 1, 1, 1, 1);
  EditClass(1);
  EnterCount(2, [](GetValueForm& prompt) { EXPECT_EQ(prompt.Heading, "No. of Comps. per Round"); });
  scripted.dialogs.Answer(false);
  form.NoCompsClick();
  EXPECT_EQ(form.lblNoComps, "1");
  EnterCount(2);
  scripted.dialogs.Answer(true);
  form.NoCompsClick();
  EXPECT_EQ(form.lblNoComps, "2");
  const Shown ask = Question("Warning", "All Competitors for this Class will be removed from the Schedule - Continue?");
  EXPECT_EQ(Messages(),
            (std::vector<Shown>{ask, ask, Info("Please Note", "1 Competitor have been unallocated from Schedule")}));
  EXPECT_EQ(competition.ScheduleList.FindKey2("501", "1")->Cell(schedule_cell::kInSched), "N");
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kFirstFoot, 1), "");
}

TEST_F(ClassFormTest, TimeButtonsWarnAndWorkTheTableOut) {
  OpenNewClass();
  form.RoundsGrid.SetCell(rounds_col::kChangeOver, 1, "01:00");
  scripted.dialogs.ClearMessages();
  std::string heading;
  PickTime("01:00", &heading);
  form.DurationClick();
  EXPECT_EQ(heading, "Duration of Round");
  EXPECT_EQ(Round(rounds_col::kStart, 2), "10:00");

  PickTime("07:00", &heading);
  form.StartTimeClick();
  EXPECT_EQ(heading, "Start of First Round");
  EXPECT_EQ(form.lblStartTime, "07:00");
  EXPECT_EQ(Round(rounds_col::kStart, 2), "09:00");

  PickTime("00:30", &heading);
  form.ChangeOverClick();
  EXPECT_EQ(heading, "Change over time");
  EXPECT_EQ(Round(rounds_col::kChangeOver, 1), "00:30");
  EXPECT_EQ(Round(rounds_col::kChangeOver, 4), "");
  EXPECT_EQ(Round(rounds_col::kStart, 4), "11:30");

  PickTime("00:20", &heading);
  form.GetReadyClick();
  EXPECT_EQ(heading, "Get ready time before start of Round");
  EXPECT_EQ(form.lblPrepTime, "00:20");
  EXPECT_EQ(Messages(),
            (std::vector<Shown>{
                Info("Warning", "You will be updating all the start times in the table"),
                Info("Warning", "You will be updating all the change over times in the table and any date changes!")}));
}

TEST_F(ClassFormTest, DateButtonMovesEveryRound) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  PickDate(2026, 5, 2, ModalResult::Cancel);
  form.DateClick();
  EXPECT_EQ(form.lblDate, "18/04/2026");
  PickDate(2026, 5, 2);
  form.DateClick();
  EXPECT_EQ(form.lblDate, "02/05/2026");
  EXPECT_EQ(form.lblDayName, "Saturday");
  EXPECT_EQ(Round(rounds_col::kEndDateTime, 4), "02/05/2026 12:05");
  const Shown warning = Info("Warning", "You will be updating all the dates in the table");
  EXPECT_EQ(Messages(), (std::vector<Shown>{warning, warning}));
}

TEST_F(ClassFormTest, TickingAutoUpdateWorksTheTableOut) {
  OpenNewClass();
  form.lblStartTime = "10:00";
  form.AutoUpDateClick(false);
  EXPECT_EQ(Round(rounds_col::kStart, 1), "08:00");
  EXPECT_FALSE(form.AutoUpDate);
  form.AutoUpDateClick(true);
  EXPECT_EQ(Round(rounds_col::kStart, 1), "10:00");
}

// --- cells of the rounds table -----------------------------------------------------------------

TEST_F(ClassFormTest, StartOfTheFirstRoundIsTheClassStart) {
  OpenNewClass();
  std::string heading;
  PickTime("09:00", &heading);
  form.RoundsGridSelectCell(rounds_col::kStart, 1);
  EXPECT_EQ(heading, "Round 1");
  EXPECT_EQ(form.lblStartTime, "09:00");
  EXPECT_EQ(Round(rounds_col::kStart, 2), "10:05");
}

TEST_F(ClassFormTest, StartOfALaterRoundStaysWhereItIsPut) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  PickTime("11:00");
  form.RoundsGridSelectCell(rounds_col::kStart, 3);
  EXPECT_EQ(Round(rounds_col::kStart, 3), "11:00");
  EXPECT_EQ(Round(rounds_col::kChangeOver, 2), "01:05");
  EXPECT_EQ(Round(rounds_col::kStart, 4), "12:05");
  form.ClassName = "Open";
  form.PageControlChange(TClassEditForm::kRoundsStep);
  EXPECT_EQ(Round(rounds_col::kStart, 3), "11:00");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ClassFormTest, StartBeforeTheRoundBeforeFinishesIsRefused) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  PickTime("09:50");  // round 2 finishes 09:55
  form.RoundsGridSelectCell(rounds_col::kStart, 3);
  EXPECT_EQ(Messages(), std::vector<Shown>{kTimeError});
  EXPECT_EQ(Round(rounds_col::kStart, 3), "10:10");
  EXPECT_EQ(Round(rounds_col::kChangeOver, 2), "00:15");
}

TEST_F(ClassFormTest, DatesOfRoundsCannotGoBackwards) {
  OpenNewClass();
  scripted.dialogs.ClearMessages();
  PickDate(2026, 4, 19);
  form.RoundsGridSelectCell(rounds_col::kDate, 3);
  EXPECT_EQ(Round(rounds_col::kDate, 3), "19/04/2026");
  EXPECT_EQ(Round(rounds_col::kStart, 3), "10:10");
  EXPECT_EQ(Round(rounds_col::kDate, 4), "19/04/2026");
  EXPECT_EQ(Round(rounds_col::kChangeOver, 2), "24:15");

  PickDate(2026, 4, 17);
  form.RoundsGridSelectCell(rounds_col::kDate, 4);
  EXPECT_EQ(Messages(),
            std::vector<Shown>{Info("Date Error", "You can't select a date before the previous rounds date!")});
  EXPECT_EQ(Round(rounds_col::kDate, 4), "19/04/2026");

  PickDate(2026, 4, 20);
  form.RoundsGridSelectCell(rounds_col::kDate, 1);
  EXPECT_EQ(form.lblDate, "20/04/2026");
  EXPECT_EQ(Round(rounds_col::kDate, 2), "20/04/2026");
  EXPECT_EQ(Round(rounds_col::kDate, 3), "21/04/2026");
}

TEST_F(ClassFormTest, ChangeOverAndMessageCellsTakeWhatIsEntered) {
  OpenNewClass();
  PickTime("00:45");
  form.RoundsGridSelectCell(rounds_col::kChangeOver, 1);
  EXPECT_EQ(Round(rounds_col::kStart, 2), "09:35");
  Then<TextEditForm>([](TextEditForm& prompt) {
    EXPECT_EQ(prompt.Heading, "Change-over Message");
    prompt.Edit = "Lunch";
    return ModalResult::OK;
  });
  form.RoundsGridSelectCell(rounds_col::kMessage, 2);
  EXPECT_EQ(Round(rounds_col::kMessage, 2), "Lunch");
  form.RoundsGridSelectCell(rounds_col::kFinish, 2);
  form.RoundsGridSelectCell(rounds_col::kStart, 0);
  EXPECT_EQ(scripted.forms.UnexpectedForms(), 0);
}

// --- Edit mode ----------------------------------------------------------------------------------

TEST_F(ClassFormTest, EditModeLoadsWhatWasStored) {
  AddClass("Open", "OS");
  EditClass(1);
  form.RoundsGrid.SetCell(rounds_col::kMessage, 1, "Tea");
  form.lblChangeOverTime = "00:20";
  form.FootOrder = true;
  form.AutoUpDate = false;
  form.LocationCB = "Main Ring";
  form.StoreExistingClass();

  EditClass(1);
  EXPECT_EQ(form.ClassName, "Open");
  EXPECT_EQ(form.ShortClassName, "OS");
  EXPECT_EQ(form.ClassNumber, "1");
  EXPECT_FALSE(form.ClassNumberEnabled);
  EXPECT_EQ(form.NoScoreFields, "5");
  EXPECT_EQ(form.F[4], "Specimen");
  EXPECT_EQ(form.lblDate, "18/04/2026");
  EXPECT_EQ(form.lblChangeOverTime, "00:20");
  EXPECT_TRUE(form.FootOrder);
  EXPECT_FALSE(form.AutoUpDate);
  EXPECT_EQ(form.LocationCB, "Main Ring");
  EXPECT_EQ(Round(rounds_col::kMessage, 1), "Tea");
  EXPECT_EQ(Round(rounds_col::kStart, 2), "09:05");  // its own change-over was stored
  EXPECT_EQ(form.ForgesGrid.Cell(forges_col::kTitle, 2), "Forge 2");
  EXPECT_EQ(form.HorsesGrid.Cell(horses_col::kName, 3), "Horse C");
  EXPECT_EQ(scripted.forms.UnexpectedForms(), 0);

  form.Reset();
  EXPECT_NE(std::find(form.LocationItems.begin(), form.LocationItems.end(), "Main Ring"), form.LocationItems.end());
}

TEST_F(ClassFormTest, EditModeAsksForAMissingDate) {
  AddClass("Open", "OS");
  competition.ClassList.FindKey("1")->SetCell(17, "");
  competition.ClassList.FindKey("1")->SetCell(8, "later");
  competition.ForgeList.FindKey2("1", "2")->SetCell(2, "");
  std::string heading;
  Then<GetDateForm>([&heading](GetDateForm& picker) {
    heading = picker.Heading;
    picker.CalendarClick(year{2026} / 6 / 1);
    return ModalResult::OK;
  });
  form.Caption = TClassEditForm::kEditCaption;
  form.Reset();
  form.LoadClass(1);
  EXPECT_EQ(heading, "Date of Competion");
  EXPECT_EQ(Messages(), std::vector<Shown>{Info("Updating File", "Please set a date for this competition")});
  EXPECT_EQ(form.lblDate, "01/06/2026");
  EXPECT_EQ(form.lblPrepTime, "00:15");
  EXPECT_EQ(Round(rounds_col::kDate, 4), "01/06/2026");  // the rounds follow the class date
  EXPECT_EQ(form.ForgesGrid.Cell(forges_col::kTitle, 2), "Forge 2");
}

TEST_F(ClassFormTest, SavingAnExistingClassKeepsCellsTheFormDoesNotEdit) {
  AddClass("Open", "OS");
  competition.ClassList.FindKey("1")->SetCell(18, "1");
  competition.ClassList.FindKey("1")->SetCell(19, "0");
  competition.RoundList.FindKey2("1", "1")->SetCell(9, "kept");
  EditClass(1);
  form.ClassName = "Open Shoeing";
  form.StoreExistingClass();
  const DSNode* record = competition.ClassList.FindKey("1");
  EXPECT_EQ(record->Cell(1), "Open Shoeing");
  EXPECT_EQ(record->Cell(18), "1");
  EXPECT_EQ(record->Cell(19), "0");
  EXPECT_EQ(competition.RoundList.FindKey2("1", "1")->Cell(9), "kept");
  EXPECT_EQ(competition.ClassList.Count(), 1);
  EXPECT_EQ(competition.FieldList.Count(), 1);
  EXPECT_EQ(competition.RoundList.Count(), 4);
  EXPECT_EQ(competition.HorseList.Count(), 6);
}

TEST_F(ClassFormTest, StoredCountsFromAFileAreKeptWithinReach) {
  competition.ClassList.AddSorted(MakeRecord({"1", "Huge", "5", "99999999", "-4", "x"}));
  Then<GetDateForm>([](GetDateForm&) { return ModalResult::OK; });
  form.Caption = TClassEditForm::kEditCaption;
  form.Reset();
  form.LoadClass(1);
  EXPECT_EQ(form.DispRounds, std::to_string(TClassEditForm::kMaxCount));
  EXPECT_EQ(form.DispForges, "0");
  EXPECT_EQ(form.DispHorses, "0");
  EXPECT_EQ(form.RoundsGrid.RowCount(), TClassEditForm::kMaxCount + 1);
}

}  // namespace
}  // namespace quenchel
