#include "reports/report_ranking.h"

#include <string>

#include "print/grid.h"
#include "print/grid_utils.h"
#include "store/values.h"

namespace quenchel {
namespace {

double ValueAt(const Grid& grid, int column, int row, Dialogs& dialogs) {
  return ScoreValue(grid.Cell(column, row), dialogs);
}

// True when row `lower` should come before row `upper` but does not.
bool OutOfOrder(const Grid& grid, int upper, int lower, int totalColumn, int tieBreakColumn,
                bool descending, Dialogs& dialogs) {
  const double totalUpper = ValueAt(grid, totalColumn, upper, dialogs);
  const double totalLower = ValueAt(grid, totalColumn, lower, dialogs);
  if (totalUpper != totalLower) return descending ? totalUpper < totalLower : totalUpper > totalLower;
  if (tieBreakColumn == 0) return false;
  const double tieUpper = ValueAt(grid, tieBreakColumn, upper, dialogs);
  const double tieLower = ValueAt(grid, tieBreakColumn, lower, dialogs);
  return descending ? tieUpper < tieLower : tieUpper > tieLower;
}

bool Ties(const Grid& grid, int rowA, int rowB, int totalColumn, int tieBreakColumn, Dialogs& dialogs) {
  if (ValueAt(grid, totalColumn, rowA, dialogs) != ValueAt(grid, totalColumn, rowB, dialogs)) return false;
  return tieBreakColumn == 0 ||
         ValueAt(grid, tieBreakColumn, rowA, dialogs) == ValueAt(grid, tieBreakColumn, rowB, dialogs);
}

}  // namespace

void SortReportRows(Grid& grid, int totalColumn, int tieBreakColumn, std::string_view direction,
                    Dialogs& dialogs) {
  const bool descending = direction == "D";
  const int last = grid.RowCount() - 1;
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int row = 1; row < last; ++row) {
      if (OutOfOrder(grid, row, row + 1, totalColumn, tieBreakColumn, descending, dialogs)) {
        SwapGridRows(grid, row, row + 1, true);
        exchanged = true;
      }
    }
  }
  AssignPositions(grid, totalColumn, tieBreakColumn, dialogs);
}

void AssignPositions(Grid& grid, int totalColumn, int tieBreakColumn, Dialogs& dialogs) {
  const int last = grid.RowCount() - 1;
  int place = 0;
  bool tiesWithBefore = false;
  for (int row = 1; row <= last; ++row) {
    if (!tiesWithBefore) place = row;
    const bool tiesWithAfter = row < last && Ties(grid, row, row + 1, totalColumn, tieBreakColumn, dialogs);
    grid.SetCell(0, row, std::to_string(place) + ((tiesWithBefore || tiesWithAfter) ? "=" : " "));
    tiesWithBefore = tiesWithAfter;
  }
}

}  // namespace quenchel
