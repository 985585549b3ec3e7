#pragma once
// The two row sorts of every grid window. Both order data rows 1
// to RowCount - 1 by the texts of one column; row 0 never moves, and tags stay with row
// positions. Numeric sorts read the texts with ScoreValue, so a text that is not a number
// shows "Input Error" / "Not a valid input" at every comparison and counts as 0; text
// sorts compare bytes, case-sensitively. `direction` "D" is descending, anything else
// ascending.

#include <string_view>

namespace quenchel {

class Dialogs;
class Grid;

// Exchange sort: passes comparing each row with the next until nothing moves. "D" puts
// larger values (or later texts) first for both kinds; equal rows keep their order. The
// sort state is not touched.
void SortGridRows(Grid& grid, int column, std::string_view direction, bool asText, bool keepColumn0,
                  Dialogs& dialogs);

// Gap sort: records the sort state, then sorts with gaps RowCount / 2, halved down to 1.
// Numeric "D" puts larger values first; text "D" puts the smaller text first (A to Z),
// anything else the larger. Equal rows may change their order.
void SortGridColumn(Grid& grid, int column, std::string_view direction, bool asText, bool keepColumn0,
                    Dialogs& dialogs);

}  // namespace quenchel
