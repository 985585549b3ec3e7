#pragma once
// Ranking the rows of a results table: data rows 1.. ordered by their total and, on equal
// totals, by their tie-break value, then column 0 given the place ("1 ", "2=").
// A tie-break column of 0 means there is none. `direction` "D" ranks the highest total
// first, anything else the lowest; the tie-break follows the same direction.

#include <string_view>

namespace quenchel {

class Dialogs;
class Grid;

// A stable sort, so entries that stay equal keep the order they were created in. Each
// total and tie-break cell is read once (a cell that is not a number shows "Input Error"
// once). Column 0 stays; then the places are written.
void SortReportRows(Grid& grid, int totalColumn, int tieBreakColumn, std::string_view direction,
                    Dialogs& dialogs);

// Standard competition ranking (1, 2, 2, 4); "=" marks every row that ties with a
// neighbour, a blank the others.
void AssignPositions(Grid& grid, int totalColumn, int tieBreakColumn, Dialogs& dialogs);

}  // namespace quenchel
