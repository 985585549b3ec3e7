#include "setup/class_grid_form.h"

#include <string>
#include <utility>

#include "print/grid_utils.h"
#include "setup/class_lookup.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/list_display.h"

namespace quenchel {

namespace {

// Removes every record whose cell 0 is the key.
void DeleteAllWithKey(DSList& list, const DSNode& pattern) {
  while (list.Exists(&pattern)) list.Delete(&pattern);
}

bool HasEntries(const Competition& competition, int classNo) {
  for (const DSNode& score : competition.ScoreList)
    if (ReadInt(score.Cell(1)) == classNo) return true;
  return false;
}

// The record the class look-up by name finds.
DSNode* FirstClassNamed(Competition& competition, std::string_view name) {
  for (DSNode& record : competition.ClassList)
    if (record.Cell(1) == name) return &record;
  return nullptr;
}

}  // namespace

TClassGridForm::TClassGridForm(Competition& competition, Platform platform, std::function<void()> showActiveClass)
    : competition_(competition), platform_(platform), showActiveClass_(std::move(showActiveClass)),
      classForm_(competition, platform_) {
  grid_.SetFixedCols(0);
  grid_.SetCell(0, 0, kGridHeading);
}

void TClassGridForm::FormActivate() { Refill(); }

void TClassGridForm::Refill() {
  competition_.ClassList.SortByCell1('b');
  haveClasses_ = !competition_.ClassList.Empty();
  gridVisible_ = haveClasses_;
  ClearGrid(grid_);
  FillColumn(competition_.ClassList, grid_, 'b');
  if (selectedRow_ > competition_.ClassList.Count()) selectedRow_ = 0;
}

void TClassGridForm::ClassGridMouseDown(std::optional<int> row) {
  selectedRow_ = row.value_or(0);
  if (selectedRow_ < 0 || selectedRow_ >= grid_.RowCount()) selectedRow_ = 0;
}

std::optional<std::string> TClassGridForm::SelectedName() const {
  // The row count stays at 2 or more, so an empty row 1 is no class when there is none.
  if (selectedRow_ < 1 || selectedRow_ > competition_.ClassList.Count()) return std::nullopt;
  return std::string(grid_.Cell(0, selectedRow_));
}

// --- Add ---------------------------------------------------------------------------------

bool TClassGridForm::NewNameAccepted() {
  const std::string name = classForm_.LongName();
  if (name.empty()) return false;
  const int number = classForm_.ClassNumberValue();
  for (const DSNode& record : competition_.ClassList) {
    if (ReadInt(record.Cell(0)) == number || record.Cell(1) != name) continue;
    platform_.dialogs.ShowInfo("Duplicate Class Name", "Class Name: '" + name + "' is duplicated");
    return false;
  }
  return true;
}

void TClassGridForm::AddClick() {
  classForm_.Caption = TClassEditForm::kAddCaption;
  platform_.dialogs.ShowInfo("Add New Class Wizard",
                             "A new class will be created with default settings - Edit to suit your needs");
  classForm_.Reset();
  classForm_.OpenAddMode();
  platform_.forms.ShowModal(classForm_);  // either button stores what was entered
  if (NewNameAccepted()) {
    classForm_.StoreNewClass();
    if (competition_.state.ActiveClass == 0) {
      competition_.state.ActiveClass = ReadInt(competition_.ClassList.First()->Cell(0));
      showActiveClass_();
    }
  }
  Refill();
}

// --- Edit --------------------------------------------------------------------------------

void TClassGridForm::EditClick() {
  classForm_.Caption = TClassEditForm::kEditCaption;
  classForm_.Reset();
  const std::optional<std::string> name = SelectedName();
  const int classNo = name ? ClassNumberByName(competition_, *name) : 0;
  if (classNo != 0) {
    classForm_.LoadClass(classNo);
    platform_.forms.ShowModal(classForm_);
    classForm_.StoreExistingClass();
    showActiveClass_();
  } else {
    platform_.dialogs.ShowInfo("Class not selected", "You have not selected a class to edit!   ");
  }
  Refill();
}

// --- Delete ------------------------------------------------------------------------------

void TClassGridForm::DeleteClick() {
  const std::optional<std::string> name = SelectedName();
  DSNode* record = name ? FirstClassNamed(competition_, *name) : nullptr;
  if (record == nullptr) return;
  const int classNo = ReadInt(record->Cell(0));
  const std::string which = std::string(record->Cell(0)) + " " + std::string(record->Cell(1));
  if (HasEntries(competition_, classNo)) {
    platform_.dialogs.ShowInfo("Delete", "Score Found for Class No " + which + " - Can't delete!");
    return;
  }
  if (!platform_.dialogs.AskYesNo("Delete", "Delete Class No " + which + "?")) return;
  DeleteClass(*record);
  Refill();
  if (competition_.ClassList.Empty()) competition_.state.ActiveClass = 0;
  showActiveClass_();
}

void TClassGridForm::DeleteClass(DSNode& record) {
  const int classNo = ReadInt(record.Cell(0));
  if (competition_.state.ActiveClass == classNo) competition_.state.ActiveClass = 0;
  DSNode pattern;
  pattern.SetCell(0, std::to_string(classNo));
  if (competition_.FieldList.Find(pattern) != nullptr) competition_.FieldList.Delete(&pattern);
  DeleteAllWithKey(competition_.RoundList, pattern);
  DeleteAllWithKey(competition_.ForgeList, pattern);
  DeleteAllWithKey(competition_.HorseList, pattern);
  competition_.ClassList.Remove(&record);
  // The lists changed, so the competition now differs from its file.
  competition_.state.UnsavedData = true;
}

}  // namespace quenchel
