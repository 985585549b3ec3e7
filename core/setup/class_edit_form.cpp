#include "setup/class_edit_form.h"

#include <algorithm>

#include "platform/platform.h"
#include "schedule/schedule_records.h"
#include "store/date_values.h"
#include "setup/class_field_count.h"
#include "setup/class_forges_horses.h"
#include "setup/class_form_checks.h"
#include "setup/class_rounds_table.h"
#include "shell/get_date_form.h"
#include "shell/question_radio_form.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/time_values.h"

namespace quenchel {

namespace {

void ClearAllCells(Grid& grid) {
  for (int row = 0; row < grid.RowCount(); ++row)
    for (int column = 0; column < grid.ColCount(); ++column) grid.SetCell(column, row, "");
}

struct ClassType {
  std::string_view name;
  std::string_view settingsMade;  // the message once its settings are made
  std::vector<std::string_view> titles;
};

const std::array<ClassType, 2>& ClassTypes() {
  static const std::array<ClassType, 2> types{{
      {"Shoeing Class",
       "The standard settings for a Shoeing Class have been made. You can edit them if required.",
       {"Prep.", "Shoe", "Fit", "Nail-Finish", "Specimen"}},
      {"Shoemaking Class",
       "The standard settings for a Shoeingmaking Class have been made. You need to edit the names of the "
       "Specimen Shoes.",
       {"Specimen A", "Specimen B"}},
  }};
  return types;
}

constexpr int kShoeingType = 1;
constexpr int kShoemakingHorses = 9;
constexpr int kNewClassRounds = 4;
constexpr int kNewClassForges = 6;

constexpr std::array<std::string_view, 6> kSummaryLabels{"Competitors Active in Schedule",
                                                         "Competitor Capacity for class",
                                                         "Competitors per Forge",
                                                         "Rounds",
                                                         "Forges",
                                                         "Horses"};

}  // namespace

TClassEditForm::TClassEditForm(Competition& competition, Platform& platform)
    : competition_(competition), platform_(platform) {
  RoundsGrid.SetName("RoundsGrid");
  ForgesGrid.SetName("ForgesGrid");
  HorsesGrid.SetName("HorsesGrid");
  SumGrid.SetName("SumGrid");
  Reset();
}

int TClassEditForm::VisibleFieldCount() const noexcept {
  return std::clamp(ReadInt(NoScoreFields), 0, kMaxScoreFields);
}
int TClassEditForm::ClassNumberValue() const noexcept { return ReadInt(ClassNumber); }
int TClassEditForm::RoundCount() const noexcept { return std::clamp(ReadInt(DispRounds), 0, kMaxCount); }
int TClassEditForm::ForgeCount() const noexcept { return std::clamp(ReadInt(DispForges), 0, kMaxCount); }
int TClassEditForm::HorseCount() const noexcept { return std::clamp(ReadInt(DispHorses), 0, kMaxCount); }
int TClassEditForm::CompsPerForge() const noexcept { return std::clamp(ReadInt(lblNoComps), 0, kMaxCount); }

void TClassEditForm::Reset() {
  ClassName.clear();
  ShortClassName.clear();
  LocationCB = kDefaultLocation;
  ClassNumber.clear();
  ClassNumberEnabled = true;
  NoScoreFields.clear();
  F.fill({});
  Duration = "00:50";
  lblChangeOverTime = "00:15";
  lblStartTime = "08:00";
  lblPrepTime = "00:15";
  lblNoComps = "1";
  DispForges = "6";
  DispRounds = "6";
  DispHorses = "9";
  lblDate.clear();
  lblDayName.clear();
  lblForgeTitles.clear();
  lblHorsesRequired.clear();
  AutoUpDate = true;
  FootOrder = false;
  SetRoundRows(RoundsGrid, 0);
  ResetForgeRows(ForgesGrid);
  ResetHorseRows(HorsesGrid);
  SumGrid.SetColCount(2);
  SumGrid.SetRowCount(1);
  ClearAllCells(SumGrid);
  loadedFieldCount_ = 0;
  activePage_ = kNameStep;
  activeControl_ = kClassNameControl;
  FillLocationItems();
}

void TClassEditForm::FillLocationItems() {
  LocationItems.assign(1, std::string(kDefaultLocation));
  for (const DSNode& record : competition_.ClassList) {
    const std::string location = record.CellString(11);
    if (!location.empty() && std::find(LocationItems.begin(), LocationItems.end(), location) == LocationItems.end())
      LocationItems.push_back(location);
  }
}

void TClassEditForm::OpenAddMode() {
  ClassNumber = std::to_string(LowestFreeClassNumber(competition_));
  DispRounds = std::to_string(kNewClassRounds);
  SetRoundRows(RoundsGrid, kNewClassRounds);
  DispForges = std::to_string(kNewClassForges);
  lblForgeTitles = LocationCB;
  BuildForgeRows(ForgesGrid, kNewClassForges, lblForgeTitles);

  QuestionRadioForm question;
  question.Question = "Which type of Class?";
  question.SetChoiceCount(static_cast<int>(ClassTypes().size()));
  for (std::size_t i = 0; i < ClassTypes().size(); ++i)
    question.SetChoiceText(static_cast<int>(i) + 1, ClassTypes()[i].name);
  platform_.forms.ShowModal(question);
  if (question.Answer() >= 1) {
    const ClassType& type = ClassTypes()[static_cast<std::size_t>(question.Answer() - 1)];
    NoScoreFields = std::to_string(type.titles.size());
    for (std::size_t i = 0; i < type.titles.size(); ++i) F[i] = type.titles[i];
    platform_.dialogs.ShowInfo(type.name, type.settingsMade);
    DispHorses = std::to_string(question.Answer() == kShoeingType ? RoundCount() * 6 / 4 : kShoemakingHorses);
  }
  // Every class needs its horse rows, whichever type it is.
  BuildHorseRows(HorsesGrid, HorseCount(), ForgesGrid);

  platform_.dialogs.ShowInfo("Date of competition", "Please give the date this Class will take place.");
  AskClassDate(kDateHeading, false);

  SetRounds(kNewClassRounds);
  for (int row = 1; row <= kNewClassRounds; ++row) RoundsGrid.SetCell(rounds_col::kDate, row, lblDate);
  Recalculate();

  platform_.dialogs.ShowInfo("Class Name", "Please give this Class a Name (e.g. Class 1) and Short name (e.g. C1).");
  activePage_ = kNameStep;
  activeControl_ = kClassNameControl;
}

void TClassEditForm::Recalculate() {
  RecalculateRounds(RoundsGrid, RoundTimes{lblStartTime, Duration, lblChangeOverTime, lblDate});
}

void TClassEditForm::SetRounds(int rounds) {
  DispRounds = std::to_string(rounds);
  SetRoundRows(RoundsGrid, rounds);
  // New rounds carry the class date until the table works out their own.
  for (int row = 1; row <= rounds; ++row)
    if (RoundsGrid.Cell(rounds_col::kDate, row).empty()) RoundsGrid.SetCell(rounds_col::kDate, row, lblDate);
}

void TClassEditForm::SetClassDate(std::string_view date) {
  lblDate = date;
  const auto parsed = ParseDate(date);
  lblDayName = parsed ? DayName(*parsed) : std::string();
}

bool TClassEditForm::AskClassDate(std::string_view heading, bool keepOnCancel) {
  GetDateForm picker;
  picker.Heading = heading;
  if (const auto current = ParseDate(lblDate))
    picker.SetDate(*current);
  else
    picker.SetToday(platform_.clock.Now());
  const bool chosen = platform_.forms.ShowModal(picker) == ModalResult::OK;
  // A class cannot do without a date: where none is set yet, the picker's date stands.
  if (!chosen && keepOnCancel) return false;
  const std::string date = picker.DateText();
  if (date == lblDate) return false;
  SetClassDate(date);
  return true;
}

int TClassEditForm::PageControlChange(int page) {
  if (page < 0 || page >= kStepCount) return activePage_;
  if (page != kNameStep && ClassName.empty()) {
    platform_.dialogs.ShowInfo("Class Name not Entered", "You have not entered a name for this Class!");
    page = kNameStep;
  }
  activePage_ = page;
  switch (page) {
    case kNameStep:
      activeControl_ = kClassNameControl;
      break;
    case kRoundsStep:
      Recalculate();
      break;
    case kHorsesStep:
      ShowHorsesRequired();
      break;
    case kSummaryStep:
      ShowSummary();
      break;
    default:
      break;
  }
  return activePage_;
}

void TClassEditForm::ShowHorsesRequired() {
  const long long places = static_cast<long long>(RoundCount()) * ForgeCount() * CompsPerForge();
  lblHorsesRequired = places == 4LL * HorseCount() ? std::string() : std::to_string(places / 4) + " Horses Required";
}

void TClassEditForm::ShowSummary() {
  SumGrid.SetColCount(2);
  SumGrid.SetRowCount(8);
  ClearAllCells(SumGrid);
  SumGrid.SetCell(0, 0, "Information");
  const long long capacity = static_cast<long long>(RoundCount()) * ForgeCount() * CompsPerForge();
  const std::array<long long, 6> values{CountAllocated(competition_, ClassNumberValue()),
                                        capacity,
                                        CompsPerForge(),
                                        RoundCount(),
                                        ForgeCount(),
                                        HorseCount()};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    SumGrid.SetCell(0, row, kSummaryLabels[i]);
    SumGrid.SetCell(1, row, ": " + std::to_string(values[i]));
  }
}

bool TClassEditForm::ClassNameExit() {
  if (CheckClassName(competition_, platform_.dialogs, ClassName, ClassNumberValue()) != NameCheck::Duplicate)
    return true;
  activeControl_ = kClassNameControl;
  return false;
}

bool TClassEditForm::ShortClassNameExit() {
  if (CheckShortClassName(competition_, platform_.dialogs, ShortClassName, ClassNumberValue()) != NameCheck::Duplicate)
    return true;
  activeControl_ = kShortClassNameControl;
  return false;
}

void TClassEditForm::ClassNumberExit() {
  if (EditMode() || !ClassNumberEnabled) return;
  ClassNumber = CheckClassNumber(competition_, platform_.dialogs, ClassNumber);
}

void TClassEditForm::NoScoreFieldsChange() {
  const int count = ReadInt(NoScoreFields);
  if (count < 0 || count > kMaxScoreFields) {
    platform_.dialogs.ShowInfo("Out of Range", "Range from 1 to 16 Score Fields");
    NoScoreFields.clear();
  }
}

void TClassEditForm::NoScoreFieldsExit() {
  if (!EditMode()) return;
  const int count = ReadInt(NoScoreFields);
  // An emptied count (after an out-of-range entry) is no request to drop every field.
  if (count < 1 || count > kMaxScoreFields) {
    NoScoreFields = std::to_string(loadedFieldCount_);
    return;
  }
  loadedFieldCount_ =
      ChangeScoreFieldCount(competition_, platform_.dialogs, ClassNumberValue(), loadedFieldCount_, count);
  NoScoreFields = std::to_string(loadedFieldCount_);
}

void TClassEditForm::FieldExit(int index) {
  if (index < 0 || index >= VisibleFieldCount()) return;
  CheckFieldTitle(platform_.dialogs, std::span<const std::string>(F.data(), F.size()), index);
}

void TClassEditForm::EmptyUnusedTitles() {
  for (int i = VisibleFieldCount(); i < kMaxScoreFields; ++i) F[static_cast<std::size_t>(i)].clear();
}

ModalResult TClassEditForm::OKClick() {
  EmptyUnusedTitles();
  competition_.state.UnsavedData = true;
  return ModalResult::OK;
}

ModalResult TClassEditForm::CloseClick() {
  EmptyUnusedTitles();
  // The class list stores the class after Close as well, so the change is unsaved data.
  competition_.state.UnsavedData = true;
  return ModalResult::Cancel;
}

}  // namespace quenchel
