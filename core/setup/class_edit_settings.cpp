// The class form's setting buttons and the prompts behind the cells of its rounds table.

#include <optional>

#include "platform/platform.h"
#include "schedule/schedule_cells.h"
#include "schedule/schedule_records.h"
#include "store/date_values.h"
#include "setup/class_edit_form.h"
#include "setup/class_forges_horses.h"
#include "setup/class_rounds_table.h"
#include "shell/get_date_form.h"
#include "shell/get_value_form.h"
#include "shell/text_edit_form.h"
#include "shell/time_form.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// The number prompt; none when it was cancelled or the number is not a count the form
// can hold.
std::optional<int> AskCount(FormHost& forms, GetValueForm& prompt, std::string_view heading, std::string_view caption,
                            int current) {
  prompt.Heading = heading;
  prompt.InputText = caption;
  prompt.SetValue(current);
  if (forms.ShowModal(prompt) != ModalResult::OK) return std::nullopt;
  const int value = prompt.Value();
  if (value < 0 || value > TClassEditForm::kMaxCount) return std::nullopt;
  return value;
}

std::optional<int> AskCount(FormHost& forms, std::string_view heading, std::string_view caption, int current) {
  GetValueForm prompt;
  return AskCount(forms, prompt, heading, caption, current);
}

std::string RoundHeading(int row) { return "Round " + std::to_string(row); }

std::string DisplayName(const Competition& competition, std::string_view competitor) {
  const DSNode* record = competition.CompetitorList.FindKey(competitor);
  return record == nullptr ? std::string() : record->CellString(1) + " " + record->CellString(2);
}

}  // namespace

bool TClassEditForm::PickTime(std::string_view heading, std::string& time) {
  TTimeForm picker;
  picker.pnlTopCaption = heading;
  picker.PickedTime = time;
  platform_.forms.ShowModal(picker);  // the picked time stands however the picker closed
  if (picker.PickedTime == time) return false;
  time = picker.PickedTime;
  return true;
}

bool TClassEditForm::ConfirmRemovalFromSchedule() {
  if (CountAllocated(competition_, ClassNumberValue()) == 0) return true;
  return platform_.dialogs.AskYesNo("Warning",
                                    "Some Competitors for this Class may be removed from the Schedule - Continue?");
}

void TClassEditForm::RefreshHorseFeet() {
  for (int row = 1; row < HorsesGrid.RowCount(); ++row) {
    const DSNode* horse = competition_.HorseList.FindKey2(ClassNumber, std::to_string(row));
    if (horse == nullptr) continue;
    for (int foot = 0; foot < 4; ++foot)
      HorsesGrid.SetCell(horses_col::kFirstFoot + foot, row, horse->Cell(horse_cell::kFirstFoot + foot));
  }
}

void TClassEditForm::ReportHorsesRemoved(int firstRemoved, int lastRemoved) {
  const int classNo = ClassNumberValue();
  for (int horse = firstRemoved; horse <= lastRemoved; ++horse) {
    for (const DSNode& record : competition_.ScheduleList) {
      const std::string_view foot = record.Cell(schedule_cell::kHorseFoot);
      if (ReadInt(record.Cell(schedule_cell::kClass)) != classNo || foot.empty() || ReadInt(foot) != horse) continue;
      const std::string competitor = record.CellString(schedule_cell::kCompetitor);
      platform_.dialogs.ShowInfo(
          "Plese Note:",
          "Competitor " + competitor + " " + DisplayName(competition_, competitor) + " was removed from Schedule");
    }
    UnallocateHorse(competition_, classNo, horse);
  }
}

void TClassEditForm::RoundsClick() {
  const auto rounds = AskCount(platform_.forms, "Number of Rounds", "No Rounds", RoundCount());
  if (!rounds || *rounds == RoundCount()) return;
  if (*rounds < RoundCount()) {
    if (!ConfirmRemovalFromSchedule()) return;
    UnallocateBeyond(competition_, ClassNumberValue(), *rounds, ForgeCount());
    RefreshHorseFeet();
  }
  SetRounds(*rounds);
  Recalculate();
}

void TClassEditForm::ForgesClick() {
  GetValueForm prompt;
  prompt.ForgeTitles = lblForgeTitles;
  prompt.ForgeTitlesVisible = true;
  const auto forges = AskCount(platform_.forms, prompt, "Number of Forges", "No Forges", ForgeCount());
  if (!forges) return;
  if (*forges < ForgeCount()) {
    if (!ConfirmRemovalFromSchedule()) return;
    UnallocateBeyond(competition_, ClassNumberValue(), RoundCount(), *forges);
    RefreshHorseFeet();
  }
  lblForgeTitles = prompt.ForgeTitles;
  DispForges = std::to_string(*forges);
  BuildForgeRows(ForgesGrid, *forges, lblForgeTitles);
  UpdateHorseForgeTitles(HorsesGrid, ForgesGrid);
  Recalculate();
}

void TClassEditForm::HorsesClick() {
  const int before = HorseCount();
  const auto horses = AskCount(platform_.forms, "Number Horses", "No Horses", before);
  if (!horses) return;
  if (*horses < before) {
    if (!platform_.dialogs.AskYesNo(
            "Warning", "Any competitors found on horses being removed will have to be reschduled - Continue?"))
      return;
    ReportHorsesRemoved(*horses + 1, before);
  }
  DispHorses = std::to_string(*horses);
  BuildHorseRows(HorsesGrid, *horses, ForgesGrid);
  ShowHorsesRequired();
  Recalculate();
}

void TClassEditForm::NoCompsClick() {
  const auto comps = AskCount(platform_.forms, "No. of Comps. per Round", "No Rounds", CompsPerForge());
  if (!comps || *comps == CompsPerForge()) return;
  // The places on a forge change, so nobody of the class keeps a place.
  if (CountAllocated(competition_, ClassNumberValue()) > 0) {
    if (!platform_.dialogs.AskYesNo("Warning",
                                    "All Competitors for this Class will be removed from the Schedule - Continue?"))
      return;
    UnallocateClass(competition_, platform_.dialogs, ClassNumberValue());
    RefreshHorseFeet();
  }
  lblNoComps = std::to_string(*comps);
  Recalculate();
}

void TClassEditForm::DurationClick() {
  if (PickTime("Duration of Round", Duration)) Recalculate();
}

void TClassEditForm::GetReadyClick() {
  if (PickTime("Get ready time before start of Round", lblPrepTime)) Recalculate();
}

void TClassEditForm::StartTimeClick() {
  platform_.dialogs.ShowInfo("Warning", "You will be updating all the start times in the table");
  if (PickTime("Start of First Round", lblStartTime)) Recalculate();
}

void TClassEditForm::ChangeOverClick() {
  platform_.dialogs.ShowInfo("Warning",
                             "You will be updating all the change over times in the table and any date changes!");
  PickTime("Change over time", lblChangeOverTime);
  // Also when the default stays: every round goes back to it.
  for (int row = 1; row < RoundsGrid.RowCount(); ++row)
    RoundsGrid.SetCell(rounds_col::kChangeOver, row, lblChangeOverTime);
  Recalculate();
}

void TClassEditForm::DateClick() {
  platform_.dialogs.ShowInfo("Warning", "You will be updating all the dates in the table");
  if (AskClassDate(kDateHeading, true)) Recalculate();
}

void TClassEditForm::AutoUpDateClick(bool checked) {
  AutoUpDate = checked;
  if (checked) Recalculate();
}

void TClassEditForm::RoundsGridSelectCell(int column, int row) {
  if (row < 1 || row >= RoundsGrid.RowCount()) return;
  switch (column) {
    case rounds_col::kStart:
      EditRoundStart(row);
      break;
    case rounds_col::kChangeOver:
      EditRoundChangeOver(row);
      break;
    case rounds_col::kMessage:
      EditRoundMessage(row);
      break;
    case rounds_col::kDate:
      EditRoundDate(row);
      break;
    default:
      break;
  }
}

// A later round is moved by the change-over before it, so that working the table out
// again keeps it where it was put.
void TClassEditForm::EditRoundStart(int row) {
  std::string start(RoundsGrid.Cell(rounds_col::kStart, row));
  TTimeForm picker;
  picker.pnlTopCaption = RoundHeading(row);
  picker.PickedTime = start;
  platform_.forms.ShowModal(picker);
  if (picker.PickedTime == start) return;
  if (row == 1) {
    lblStartTime = picker.PickedTime;
    Recalculate();
    return;
  }
  const int gap =
      MinutesAfterRoundBefore(RoundsGrid, row, picker.PickedTime, RoundsGrid.Cell(rounds_col::kDate, row), Duration);
  const auto changeOver = ChangeOverText(gap);
  if (!changeOver) {
    platform_.dialogs.ShowInfo("Time Error",
                               "You can't set a time which is less than the Finish time of the round before!");
    return;
  }
  RoundsGrid.SetCell(rounds_col::kChangeOver, row - 1, *changeOver);
  Recalculate();
}

void TClassEditForm::EditRoundChangeOver(int row) {
  std::string changeOver(RoundsGrid.Cell(rounds_col::kChangeOver, row));
  if (!PickTime(RoundHeading(row), changeOver)) return;
  RoundsGrid.SetCell(rounds_col::kChangeOver, row, changeOver);
  Recalculate();
}

void TClassEditForm::EditRoundMessage(int row) {
  TextEditForm prompt;
  prompt.Heading = "Change-over Message";
  prompt.Edit = RoundsGrid.Cell(rounds_col::kMessage, row);
  platform_.forms.ShowModal(prompt);
  RoundsGrid.SetCell(rounds_col::kMessage, row, prompt.Edit);
  Recalculate();
}

void TClassEditForm::EditRoundDate(int row) {
  GetDateForm picker;
  picker.Heading = RoundHeading(row);
  const std::string current(RoundsGrid.Cell(rounds_col::kDate, row));
  if (const auto date = ParseDate(current))
    picker.SetDate(*date);
  else
    picker.SetToday(platform_.clock.Now());
  if (platform_.forms.ShowModal(picker) != ModalResult::OK || picker.DateText() == current) return;
  const std::string date = picker.DateText();
  if (row == 1) {
    SetClassDate(date);
    Recalculate();
    return;
  }
  const auto before = ParseDate(RoundsGrid.Cell(rounds_col::kDate, row - 1));
  if (before && DaysBetween(*before, picker.Date()) < 0) {
    platform_.dialogs.ShowInfo("Date Error", "You can't select a date before the previous rounds date!");
    return;
  }
  const int gap = MinutesAfterRoundBefore(RoundsGrid, row, RoundsGrid.Cell(rounds_col::kStart, row), date, Duration);
  if (gap < 0) {
    platform_.dialogs.ShowInfo("Time Error",
                               "You can't set a time which is less than the Finish time of the round before!");
    return;
  }
  // Beyond what a change-over can hold the round stays where it is.
  if (const auto changeOver = ChangeOverText(gap)) {
    RoundsGrid.SetCell(rounds_col::kChangeOver, row - 1, *changeOver);
    Recalculate();
  }
}

}  // namespace quenchel
