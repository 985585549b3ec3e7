// Loading a class into the class form and storing the form's class in the five lists.

#include <algorithm>
#include <vector>

#include "platform/platform.h"
#include "schedule/schedule_cells.h"
#include "store/date_values.h"
#include "setup/class_edit_form.h"
#include "setup/class_forges_horses.h"
#include "setup/class_rounds_table.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/time_values.h"

namespace quenchel {

namespace {

// ClassList cells.
namespace class_cell {
inline constexpr int kNumber = 0;
inline constexpr int kName = 1;
inline constexpr int kFieldCount = 2;
inline constexpr int kRounds = 3;
inline constexpr int kForges = 4;
inline constexpr int kHorses = 5;
inline constexpr int kAutoUpDate = 6;
inline constexpr int kDuration = 7;
inline constexpr int kPrepTime = 8;
inline constexpr int kShortName = 10;
inline constexpr int kLocation = 11;
inline constexpr int kCompsPerForge = 13;
inline constexpr int kFootOrder = 14;
inline constexpr int kChangeOver = 15;
inline constexpr int kStartTime = 16;
inline constexpr int kDate = 17;
inline constexpr int kForgeTitles = 20;
}  // namespace class_cell

// RoundList cells 2 to 8, by the rounds-table column they come from.
constexpr std::array<std::pair<int, int>, 7> kRoundCells{{
    {2, rounds_col::kStart},
    {3, rounds_col::kFinish},
    {4, rounds_col::kChangeOver},
    {5, rounds_col::kMessage},
    {6, rounds_col::kStartDateTime},
    {7, rounds_col::kEndDateTime},
    {8, rounds_col::kDate},
}};

// HorseList cells 2 to 8, by the horses-table column they come from.
constexpr std::array<std::pair<int, int>, 7> kHorseCells{{
    {horse_cell::kName, horses_col::kName},
    {horse_cell::kForgeTitle, horses_col::kForgeTitle},
    {horse_cell::kFirstFoot, horses_col::kFirstFoot},
    {horse_cell::kFirstFoot + 1, horses_col::kFirstFoot + 1},
    {horse_cell::kFirstFoot + 2, horses_col::kFirstFoot + 2},
    {horse_cell::kFirstFoot + 3, horses_col::kFirstFoot + 3},
    {horse_cell::kFire, horses_col::kForgeNumber},
}};

constexpr int kFieldListTotalCell = 18;

const DSNode* FindClass(const Competition& competition, int classNo) {
  for (const DSNode& record : competition.ClassList)
    if (ReadInt(record.Cell(class_cell::kNumber)) == classNo) return &record;
  return nullptr;
}

std::string CountText(std::string_view cell) {
  return std::to_string(std::clamp(ReadInt(cell), 0, TClassEditForm::kMaxCount));
}

// With `existing`, a copy of the stored row with these keys, so that cells the form does
// not show are kept; otherwise (or when there is none) an empty record with the keys.
DSNode StoredOrNew(const DSList& list, std::string_view key0, std::string_view key1, bool existing) {
  const DSNode* stored = existing ? list.FindKey2(key0, key1) : nullptr;
  DSNode record = stored != nullptr ? *stored : DSNode();
  record.SetCell(0, key0);
  record.SetCell(1, key1);
  return record;
}

void Store(DSList& list, const DSNode& record, bool existing) {
  if (existing)
    list.Update2(record);
  else
    list.AddSorted(record);
}

// Rows of the class numbered above `count`.
void RemoveRowsBeyond(DSList& list, int classNo, int count) {
  std::vector<DSNode*> beyond;
  for (DSNode& record : list)
    if (ReadInt(record.Cell(0)) == classNo && ReadInt(record.Cell(1)) > count) beyond.push_back(&record);
  for (DSNode* record : beyond) list.Remove(record);
}

}  // namespace

void TClassEditForm::LoadClass(int classNo) {
  const DSNode* found = FindClass(competition_, classNo);
  if (found == nullptr) return;
  const DSNode record = *found;
  ClassName = record.Cell(class_cell::kName);
  ShortClassName = record.Cell(class_cell::kShortName);
  ClassNumber = record.Cell(class_cell::kNumber);
  NoScoreFields = record.Cell(class_cell::kFieldCount);
  DispRounds = CountText(record.Cell(class_cell::kRounds));
  DispForges = CountText(record.Cell(class_cell::kForges));
  DispHorses = CountText(record.Cell(class_cell::kHorses));
  const std::string_view prepTime = record.Cell(class_cell::kPrepTime);
  lblPrepTime = IsValidTime(prepTime) ? prepTime : "00:15";
  lblNoComps = CountText(record.Cell(class_cell::kCompsPerForge));
  if (IsValidTime(record.Cell(class_cell::kChangeOver))) lblChangeOverTime = record.Cell(class_cell::kChangeOver);
  if (IsValidTime(record.Cell(class_cell::kStartTime))) lblStartTime = record.Cell(class_cell::kStartTime);
  if (ParseDate(record.Cell(class_cell::kDate))) {
    SetClassDate(record.Cell(class_cell::kDate));
  } else {
    platform_.dialogs.ShowInfo("Updating File", "Please set a date for this competition");
    AskClassDate(kDateHeading, false);
  }
  Duration = record.Cell(class_cell::kDuration);
  LocationCB = record.Cell(class_cell::kLocation);
  FootOrder = record.CellIs(class_cell::kFootOrder, "Y");
  lblForgeTitles = record.Cell(class_cell::kForgeTitles);
  if (const DSNode* fields = competition_.FieldList.FindKey(ClassNumber))
    for (int i = 0; i < kMaxScoreFields; ++i) F[static_cast<std::size_t>(i)] = fields->Cell(i + 2);
  LoadRounds();
  Recalculate();
  LoadForges();
  LoadHorses();
  AutoUpDate = record.CellIs(class_cell::kAutoUpDate, "Y");
  loadedFieldCount_ = VisibleFieldCount();
  ClassNumberEnabled = false;
  activePage_ = kNameStep;
  activeControl_ = kClassNameControl;
}

void TClassEditForm::LoadRounds() {
  SetRoundRows(RoundsGrid, RoundCount());
  for (int row = 1; row <= RoundCount(); ++row) {
    if (const DSNode* round = competition_.RoundList.FindKey2(ClassNumber, std::to_string(row)))
      for (const auto& [cell, column] : kRoundCells) RoundsGrid.SetCell(column, row, round->Cell(cell));
    if (!ParseDate(RoundsGrid.Cell(rounds_col::kDate, row))) RoundsGrid.SetCell(rounds_col::kDate, row, lblDate);
  }
}

void TClassEditForm::LoadForges() {
  BuildForgeRows(ForgesGrid, ForgeCount(), "");
  for (int row = 1; row <= ForgeCount(); ++row) {
    const DSNode* forge = competition_.ForgeList.FindKey2(ClassNumber, std::to_string(row));
    if (forge != nullptr && !forge->Cell(2).empty()) ForgesGrid.SetCell(forges_col::kTitle, row, forge->Cell(2));
  }
}

void TClassEditForm::LoadHorses() {
  BuildHorseRows(HorsesGrid, HorseCount(), ForgesGrid);
  for (int row = 1; row <= HorseCount(); ++row)
    if (const DSNode* horse = competition_.HorseList.FindKey2(ClassNumber, std::to_string(row)))
      for (const auto& [cell, column] : kHorseCells) HorsesGrid.SetCell(column, row, horse->Cell(cell));
}

void TClassEditForm::FillClassRecord(DSNode& record) const {
  record.SetCell(class_cell::kNumber, ClassNumber);
  record.SetCell(class_cell::kName, ClassName);
  record.SetCell(class_cell::kFieldCount, std::to_string(VisibleFieldCount()));
  record.SetCell(class_cell::kRounds, std::to_string(RoundCount()));
  record.SetCell(class_cell::kForges, std::to_string(ForgeCount()));
  record.SetCell(class_cell::kHorses, std::to_string(HorseCount()));
  record.SetCell(class_cell::kAutoUpDate, AutoUpDate ? "Y" : "N");
  record.SetCell(class_cell::kDuration, Duration);
  record.SetCell(class_cell::kPrepTime, lblPrepTime);
  record.SetCell(class_cell::kShortName, ShortClassName);
  record.SetCell(class_cell::kLocation, LocationCB);
  record.SetCell(class_cell::kCompsPerForge, std::to_string(CompsPerForge()));
  record.SetCell(class_cell::kFootOrder, FootOrder ? "Y" : "N");
  record.SetCell(class_cell::kChangeOver, lblChangeOverTime);
  record.SetCell(class_cell::kStartTime, lblStartTime);
  record.SetCell(class_cell::kDate, lblDate);
}

DSNode TClassEditForm::FieldRecord() const {
  const DSNode* stored = competition_.FieldList.FindKey(ClassNumber);
  DSNode record = stored != nullptr ? *stored : DSNode();
  record.SetCell(0, ClassNumber);
  record.SetCell(1, std::to_string(VisibleFieldCount()));
  for (int i = 0; i < kMaxScoreFields; ++i)
    record.SetCell(i + 2, i < VisibleFieldCount() ? std::string_view(F[static_cast<std::size_t>(i)]) : "");
  record.SetCell(kFieldListTotalCell, "Total");
  return record;
}

void TClassEditForm::StoreNewClass() {
  DSNode record;
  FillClassRecord(record);
  competition_.ClassList.AddSorted(record);
  competition_.FieldList.AddSorted(FieldRecord());
  StoreRows(false);
}

void TClassEditForm::StoreExistingClass() {
  const DSNode* stored = FindClass(competition_, ClassNumberValue());
  // Cells the form does not edit (the schedule's display settings) stay as they were.
  DSNode record = stored != nullptr ? *stored : DSNode();
  FillClassRecord(record);
  record.SetCell(class_cell::kForgeTitles, lblForgeTitles);
  competition_.ClassList.Update(record);
  competition_.FieldList.Update(FieldRecord());
  StoreRows(true);
  const int classNo = ClassNumberValue();
  RemoveRowsBeyond(competition_.RoundList, classNo, RoundCount());
  RemoveRowsBeyond(competition_.ForgeList, classNo, ForgeCount());
  RemoveRowsBeyond(competition_.HorseList, classNo, HorseCount());
}

void TClassEditForm::StoreRows(bool existing) {
  for (int row = 1; row <= RoundCount() && row < RoundsGrid.RowCount(); ++row) {
    DSNode round = StoredOrNew(competition_.RoundList, ClassNumber, std::to_string(row), existing);
    for (const auto& [cell, column] : kRoundCells) round.SetCell(cell, RoundsGrid.Cell(column, row));
    Store(competition_.RoundList, round, existing);
  }
  for (int row = 1; row <= ForgeCount() && row < ForgesGrid.RowCount(); ++row) {
    DSNode forge = StoredOrNew(competition_.ForgeList, ClassNumber, std::to_string(row), existing);
    forge.SetCell(2, ForgesGrid.Cell(forges_col::kTitle, row));
    Store(competition_.ForgeList, forge, existing);
  }
  for (int row = 1; row <= HorseCount() && row < HorsesGrid.RowCount(); ++row) {
    const bool known = existing && competition_.HorseList.FindKey2(ClassNumber, std::to_string(row)) != nullptr;
    DSNode horse = StoredOrNew(competition_.HorseList, ClassNumber, std::to_string(row), existing);
    for (const auto& [cell, column] : kHorseCells) {
      // Who shoes which foot is kept by the schedule in the stored horse.
      const bool foot = cell >= horse_cell::kFirstFoot && cell < horse_cell::kFirstFoot + 4;
      if (!(foot && known)) horse.SetCell(cell, HorsesGrid.Cell(column, row));
    }
    Store(competition_.HorseList, horse, existing);
  }
}

}  // namespace quenchel
