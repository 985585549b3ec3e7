#pragma once
// The results engine exactly as first written: for every class, every selected field and
// every competitor it walks all score records, looks rows up by scanning the table, and
// ranks with an exchange sort in full passes. It is slow on purpose: tests compare the
// engine against it, and the benchmarks measure the engine's speed-up over it.

#include <string_view>

#include "reports/report_compute.h"

namespace quenchel {
class Grid;
}

namespace quenchel::testsupport {

// Same contract as ComputeReport.
void LiteralComputeReport(Competition& competition, const DSNode& report, Grid& grid, const ReportColumns& columns,
                          Dialogs& dialogs, const TeamNameRequest& requestTeamName = {});

// Same contracts as SortReportRows and AssignPositions.
void LiteralSortReportRows(Grid& grid, int totalColumn, int tieBreakColumn, std::string_view direction,
                           Dialogs& dialogs);
void LiteralAssignPositions(Grid& grid, int totalColumn, int tieBreakColumn, Dialogs& dialogs);

}  // namespace quenchel::testsupport
