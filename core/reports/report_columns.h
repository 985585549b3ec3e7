#pragma once
// The column layout of a results table: the identity columns of the report's template,
// one column per selected score field of each class, the total and the tie-break column,
// and with letter headings the key that explains the letters.

#include <string>
#include <vector>

#include "reports/report_cells.h"

namespace quenchel {

class Competition;
class Dialogs;
class DSNode;
class Grid;

struct ReportColumns {
  int firstFieldColumn = 0;  // 0 for the team-and-individual template, which has none
  int totalColumn = 0;
  // The last column while the table is built; ComputeReport then removes it unless the
  // report shows it.
  int tieBreakColumn = 0;
  // "Key to Score fields", one line per lettered column (at most 99), "End"; empty
  // with field-title headings.
  std::vector<std::string> keyLines;
};

// Clears the grid and writes the heading row for the report's template and selections.
// Classes are taken in class-name order (ClassList is sorted by name first), the order
// the rows are filled in too.
ReportColumns BuildReportColumns(Competition& competition, Grid& grid, const DSNode& report);

// The value of score field 1..17 of a score record as shown in a results table.
std::string FormatFieldValue(const Competition& competition, const DSNode& score, int field, Dialogs& dialogs);

}  // namespace quenchel
