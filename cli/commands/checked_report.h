#pragma once
// A report's results table computed as the report window computes it, for the commands
// that print or publish it. Nobody is there to give a competitor a team name, so a
// report that would leave a competitor out is refused rather than shown incomplete.

#include <optional>

#include "reports/report_compute.h"

namespace quenchel {

class Competition;
class Dialogs;
class DSNode;

enum class ReportProblem {
  None,
  NoSuchReport,
  NotTrusted,       // "Report Not Trusted" / "Please check at Reports" was shown
  TeamNameMissing,  // the engine's "Team Name Missing!" was shown for each such competitor
};

struct CheckedReport {
  const DSNode* report = nullptr;  // the ReportList record; set unless NoSuchReport
  std::optional<ShownReport> shown;  // set exactly when there is no problem
  ReportProblem problem = ReportProblem::None;
};

// The table the report window shows for report `reportNo`: the heading row and every
// data row, the tie-break column removed unless the report shows it.
CheckedReport ComputeCheckedReport(Competition& competition, int reportNo, Dialogs& dialogs);

}  // namespace quenchel
