#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/scripted_platform.h"
#include "shell/about_form.h"
#include "shell/get_date_form.h"
#include "shell/get_value_form.h"
#include "shell/question_radio_form.h"
#include "shell/text_edit_form.h"
#include "shell/time_form.h"

namespace quenchel {
namespace {

using namespace std::chrono_literals;

// --- time picker -------------------------------------------------------------------------

struct OpeningCase {
  const char* picked;
  const char* field;
  const char* summary;
  int days, hours, minutes;
};

class TimePickerOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(TimePickerOpening, ReadsTheTimeByPositionAndSummarisesIt) {
  const OpeningCase& c = GetParam();
  TTimeForm form;
  form.PickedTime = c.picked;
  form.FormShow();
  EXPECT_EQ(form.Time(), c.field);
  EXPECT_EQ(form.lblDayHourMinute(), c.summary);
  EXPECT_EQ(form.DayCount(), c.days);
  EXPECT_EQ(form.HourCount(), c.hours);
  EXPECT_EQ(form.MinuteCount(), c.minutes);
  // Opening only reads the shared time; it changes with clicks.
  EXPECT_EQ(form.PickedTime, c.picked);
}

INSTANTIATE_TEST_SUITE_P(Times, TimePickerOpening,
                         ::testing::Values(OpeningCase{"08:30", "08:30", "0 Day(s),   8:30", 0, 8, 30},
                                           OpeningCase{"36:00", "36:00", "1 Day(s),   12:0", 1, 12, 0},
                                           OpeningCase{"26:05", "26:05", "1 Day(s),   2:5", 1, 2, 5},
                                           OpeningCase{"8:30", "08:00", "0 Day(s),   8:0", 0, 8, 0},
                                           OpeningCase{"", "00:00", "0 Day(s),   0:0", 0, 0, 0},
                                           OpeningCase{" 9:07", "09:07", "0 Day(s),   9:7", 0, 9, 7},
                                           OpeningCase{"ab:cd", "00:00", "0 Day(s),   0:0", 0, 0, 0},
                                           OpeningCase{"96:59", "96:59", "4 Day(s),   0:59", 4, 0, 59}));

TEST(TimePicker, OffersHoursUpTo96AndEveryMinuteWithNothingSelected) {
  TTimeForm form;
  form.FormShow();
  ASSERT_EQ(form.HoursLB().size(), 97u);
  EXPECT_EQ(form.HoursLB().front(), "00");
  EXPECT_EQ(form.HoursLB()[7], "07");
  EXPECT_EQ(form.HoursLB().back(), "96");
  ASSERT_EQ(form.MinsLB().size(), 60u);
  EXPECT_EQ(form.MinsLB().back(), "59");
  EXPECT_EQ(form.HoursLBIndex(), -1);
  EXPECT_EQ(form.MinsLBIndex(), -1);
  EXPECT_EQ(form.Caption, "Time");
  EXPECT_EQ(form.pnlTopCaption, "Time");
}

TEST(TimePicker, EveryClickUpdatesTheSharedTimeTheFieldAndTheSummary) {
  TTimeForm form;
  form.PickedTime = "8:30";
  form.FormShow();

  form.MinsLBClick(45);  // the hour read on opening is kept
  EXPECT_EQ(form.PickedTime, "08:45");
  EXPECT_EQ(form.Time(), "08:45");

  form.HoursLBClick(96);
  form.MinsLBClick(0);
  EXPECT_EQ(form.PickedTime, "96:00");
  EXPECT_EQ(form.Time(), "96:00");
  EXPECT_EQ(form.lblDayHourMinute(), "4 Day(s),   0:0");
  EXPECT_EQ(form.HoursLBIndex(), 96);
  EXPECT_EQ(form.MinsLBIndex(), 0);

  form.HoursLBClick(97);
  form.MinsLBClick(-1);
  EXPECT_EQ(form.PickedTime, "96:00");

  form.FormShow();  // reopening clears the selection and reads the time handed back
  EXPECT_EQ(form.HoursLBIndex(), -1);
  EXPECT_EQ(form.Time(), "96:00");
}

TEST(TimePicker, CallerReadsTheTimeHoweverThePickerClosed) {
  ScriptedFormHost host;
  host.Then([](Form& shown) {
    auto& picker = dynamic_cast<TTimeForm&>(shown);
    picker.FormShow();
    picker.HoursLBClick(1);
    return ModalResult::Cancel;
  });
  TTimeForm form;
  form.PickedTime = "00:50";
  host.ShowModal(form);
  EXPECT_EQ(form.PickedTime, "01:50");
  EXPECT_EQ(host.Shown(), std::vector<std::string>{"TTimeForm"});
}

// --- text and number prompts -------------------------------------------------------------

TEST(TextPrompt, EnterReturnsTheTypedText) {
  TextEditForm form;
  EXPECT_EQ(form.Heading, "Enter Text");
  form.FormActivate();
  EXPECT_EQ(form.ActiveControl(), "Edit");
  form.Edit = "Spring Show";
  EXPECT_EQ(form.EditKeyPress('a'), ModalResult::None);
  EXPECT_EQ(form.EditKeyPress('\r'), ModalResult::OK);
  EXPECT_EQ(form.Edit, "Spring Show");
}

TEST(TextPrompt, ClearEmptiesTheEditAndGivesItTheCursor) {
  TextEditForm form;
  form.Edit = "Spring Show";
  form.ClearClick();
  EXPECT_EQ(form.Edit, "");
  EXPECT_EQ(form.ActiveControl(), "Edit");
}

struct ValueCase {
  const char* typed;
  int value;
};

class NumberPromptValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(NumberPromptValue, ReadsAWholeNumberOrZero) {
  GetValueForm form;
  form.EditValue = GetParam().typed;
  EXPECT_EQ(form.Value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberPromptValue,
                         ::testing::Values(ValueCase{"12", 12}, ValueCase{" 42 ", 42}, ValueCase{"-3", -3},
                                           ValueCase{"+7", 7}, ValueCase{"", 0}, ValueCase{"   ", 0},
                                           ValueCase{"abc", 0}, ValueCase{"12abc", 0}, ValueCase{"1.5", 0},
                                           ValueCase{"+-4", 0}, ValueCase{"99999999999", 0},
                                           ValueCase{"2147483647", 2147483647}));

TEST(NumberPrompt, StartsAsInputWithTheForgeFieldHiddenAndEnterCloses) {
  GetValueForm form;
  EXPECT_EQ(form.Caption, "Input");
  EXPECT_FALSE(form.ForgeTitlesVisible);
  EXPECT_EQ(GetValueForm::kForgeTitlesLabel, "Type of Forge");
  EXPECT_EQ(form.EditValueKeyPress('\r'), ModalResult::OK);
  EXPECT_EQ(form.EditValueKeyPress('5'), ModalResult::None);
  form.SetValue(4);
  EXPECT_EQ(form.EditValue, "4");
}

// --- question ----------------------------------------------------------------------------

TEST(Question, AnswersTheNumberOfTheCheckedVisibleChoice) {
  QuestionRadioForm form;
  EXPECT_EQ(form.Caption, "Question?");
  form.Question = "Print which sheet?";
  form.SetChoiceCount(3);
  form.SetChoiceText(1, "All");
  form.SetChoiceText(2, "Active class");
  form.SetChoiceText(3, "None");
  EXPECT_EQ(form.Answer(), 0);

  form.rg_OptionsClick(2);
  EXPECT_EQ(form.Answer(), 2);
  EXPECT_EQ(form.ChoiceText(2), "Active class");
  form.rg_OptionsClick(4);  // hidden
  form.rg_OptionsClick(0);
  EXPECT_EQ(form.Answer(), 2);
  EXPECT_TRUE(form.ChoiceVisible(3));
  EXPECT_FALSE(form.ChoiceVisible(4));
}

TEST(Question, ChoiceCountStaysWithinOneToFourAndHidesAnAnswerBeyondIt) {
  QuestionRadioForm form;
  form.SetChoiceCount(7);
  EXPECT_EQ(form.ChoiceCount(), 4);
  form.rg_OptionsClick(4);
  form.SetChoiceCount(2);
  EXPECT_EQ(form.Answer(), 0);
  form.SetChoiceCount(0);
  EXPECT_EQ(form.ChoiceCount(), 1);
  form.SetChoiceText(5, "ignored");
  EXPECT_EQ(form.ChoiceText(5), "");
}

// --- about box and date picker -----------------------------------------------------------

TEST(AboutBox, ShowsProductVersionAndReleaseDate) {
  const About1 about;
  EXPECT_EQ(about.Caption(), "QUENCHEL ");
  EXPECT_EQ(about.Heading(), "QUENCHEL v3.0.0");
  EXPECT_EQ(about.BuildDate(), "Build Date: 12/03/2024 ");
}

TEST(DatePicker, ShowsTheChosenDateAndItsDayName) {
  GetDateForm form;
  form.SetToday(LocalDateTime{2026, 4, 18, 9, 30, 0});
  EXPECT_EQ(form.DateText(), "18/04/2026");
  EXPECT_EQ(form.DayNameText(), "Saturday");

  form.CalendarClick(2024y / std::chrono::February / 29);
  EXPECT_EQ(form.DateText(), "29/02/2024");
  EXPECT_EQ(form.DayNameText(), "Thursday");
  EXPECT_EQ(form.Date(), 2024y / std::chrono::February / 29);
}

TEST(DatePicker, KeepsItsDateWhenGivenOneThatDoesNotExist) {
  GetDateForm form;
  form.SetDate(2025y / std::chrono::March / 1);
  form.CalendarClick(2023y / std::chrono::February / 29);
  form.SetToday(LocalDateTime{2025, 13, 1});
  EXPECT_EQ(form.DateText(), "01/03/2025");
  EXPECT_EQ(form.OKClick(), ModalResult::OK);
  EXPECT_EQ(form.CancelClick(), ModalResult::Cancel);
}

// --- hosting -----------------------------------------------------------------------------

TEST(SmallDialogs, NameThemselvesForTheHost) {
  TextEditForm text;
  GetValueForm value;
  QuestionRadioForm question;
  About1 about;
  TTimeForm time;
  GetDateForm date;
  ScriptedFormHost host;
  for (Form* form : std::vector<Form*>{&text, &value, &question, &about, &time, &date}) {
    host.Then([](Form&) { return ModalResult::OK; });
    host.ShowModal(*form);
  }
  EXPECT_EQ(host.Shown(), (std::vector<std::string>{"TextEditForm", "GetValueForm", "QuestionRadioForm", "About1",
                                                    "TTimeForm", "GetDateForm"}));
}

}  // namespace
}  // namespace quenchel
