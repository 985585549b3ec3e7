#include "schedule/schedule_records.h"

#include <string>

#include "platform/dialogs.h"
#include "schedule/schedule_cells.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// Unallocates every record of the class that `beyond` picks and answers how many.
template <typename Predicate>
int UnallocateWhere(Competition& competition, int classNo, Predicate beyond) {
  const std::string classText = std::to_string(classNo);
  int count = 0;
  for (DSNode& record : competition.ScheduleList) {
    if (record.Cell(schedule_cell::kClass) != classText || !beyond(record)) continue;
    Unallocate(competition, record);
    ++count;
  }
  return count;
}

}  // namespace

int CountAllocated(const Competition& competition, int classNo) {
  DSNode pattern;
  pattern.SetCell(schedule_cell::kClass, std::to_string(classNo));
  pattern.SetCell(schedule_cell::kInSched, "Y");
  return competition.ScheduleList.CountSame(pattern);
}

void Unallocate(Competition& competition, DSNode& record) {
  FreeFootOf(competition, record.Cell(schedule_cell::kHorseFoot), ReadInt(record.Cell(schedule_cell::kClass)),
             ReadInt(record.Cell(schedule_cell::kCompetitor)));
  record.SetCell(schedule_cell::kInSched, "N");
  for (const int cell : {schedule_cell::kRound, schedule_cell::kFire, schedule_cell::kStart,
                         schedule_cell::kFinish, schedule_cell::kHorseFoot})
    record.SetCell(cell, "");
  competition.state.UnsavedData = true;
}

int UnallocateClass(Competition& competition, Dialogs& dialogs, int classNo) {
  const int count = UnallocateWhere(competition, classNo, [](const DSNode&) { return true; });
  dialogs.ShowInfo("Please Note", std::to_string(count) + " Competitor have been unallocated from Schedule");
  return count;
}

int UnallocateBeyond(Competition& competition, int classNo, int rounds, int fires) {
  return UnallocateWhere(competition, classNo, [rounds, fires](const DSNode& record) {
    return ReadInt(record.Cell(schedule_cell::kRound)) > rounds || ReadInt(record.Cell(schedule_cell::kFire)) > fires;
  });
}

int UnallocateHorse(Competition& competition, int classNo, int horse) {
  return UnallocateWhere(competition, classNo, [horse](const DSNode& record) {
    const std::string_view foot = record.Cell(schedule_cell::kHorseFoot);
    return !foot.empty() && ReadInt(foot) == horse;
  });
}

}  // namespace quenchel
