#pragma once
// Filling a results table from the score records: one row per competitor ("I", "IT"),
// per team ("T"), or per team followed by its members ("TI"); then ranking it.

#include <functional>
#include <optional>
#include <string>

#include "print/grid.h"
#include "reports/report_columns.h"

namespace quenchel {

class Competition;
class Dialogs;
class DSNode;

// Asked to give a competitor without a team a team name (the competitor form). Returns
// true when the competitor now has one. Without a handler the competitor is left out.
// It may change any cell of the competitor but its number; it must not add or remove
// records, nor change score records, while the table is computed.
using TeamNameRequest = std::function<bool(DSNode& competitor)>;

// Fills rows 1.. of `grid`, laid out by BuildReportColumns, ranks them and, unless the
// report shows it, removes the tie-break column. ClassList is sorted by name first.
void ComputeReport(Competition& competition, const DSNode& report, Grid& grid, const ReportColumns& columns,
                   Dialogs& dialogs, const TeamNameRequest& requestTeamName = {});

struct ShownReport {
  std::string heading;  // the report title
  Grid grid;
  ReportColumns columns;
};

// Looks the report up by number and builds its table; none when there is no such report.
std::optional<ShownReport> ShowReport(Competition& competition, int reportNo, Dialogs& dialogs,
                                      const TeamNameRequest& requestTeamName = {});

}  // namespace quenchel
