#include "setup/class_field_count.h"

#include <vector>

#include "platform/dialogs.h"
#include "reports/rep_fields.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// The reports that select fields of the class, in list order.
std::vector<int> ReportsOfClass(const Competition& competition, int classNo) {
  std::vector<int> reports;
  for (const DSNode& record : competition.RepFieldList)
    if (ReadInt(record.Cell(1)) == classNo) reports.push_back(ReadInt(record.Cell(0)));
  return reports;
}

bool UsesAnyField(const Competition& competition, int report, int classNo, int first, int last) {
  for (int field = first; field <= last; ++field)
    if (GetRepFieldFlag(competition, report, classNo, field) != "N") return true;
  return false;
}

}  // namespace

int ChangeScoreFieldCount(Competition& competition, Dialogs& dialogs, int classNo, int from, int to) {
  if (to == from) return from;
  const std::vector<int> reports = ReportsOfClass(competition, classNo);
  const auto markUntrusted = [&] {
    for (const int report : reports) SetRepFieldTrust(competition, report, classNo, false);
  };
  if (to > from) {
    markUntrusted();
    if (!reports.empty())
      dialogs.ShowInfo("Please Note:",
                       "Reports for this Class (Marked by a Red box) will now be out of date and maked as 'Not "
                       "trusted' - You should check them at Reports!");
    return to;
  }
  bool affected = false;
  for (const int report : reports) affected = affected || UsesAnyField(competition, report, classNo, to + 1, from);
  if (!affected) {
    markUntrusted();
    return to;
  }
  if (!dialogs.AskYesNo("Warning", "There are Reports that WILL be affeted by these changes, Continue?")) return from;
  markUntrusted();
  for (const int report : reports)
    for (int field = to + 1; field <= from; ++field) SetRepFieldFlag(competition, report, classNo, field, "N");
  dialogs.ShowInfo("Please Note",
                   "Reports for this Class (Marked by a Red box) may need revising - You should check them!");
  return to;
}

}  // namespace quenchel
