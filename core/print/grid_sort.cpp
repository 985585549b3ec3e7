#include "print/grid_sort.h"

#include "print/grid.h"
#include "print/grid_utils.h"
#include "store/values.h"

namespace quenchel {

namespace {

// Compares the texts of one column in two rows: negative when row a's sorts before
// row b's, 0 when equal, positive after. Numbers compare by ScoreValue, which shows its
// message for every text that is not a number, at every comparison.
class RowComparer {
 public:
  RowComparer(const Grid& grid, int column, bool asText, Dialogs& dialogs)
      : grid_(grid), column_(column), asText_(asText), dialogs_(dialogs) {}

  int operator()(int rowA, int rowB) const {
    const std::string_view a = grid_.Cell(column_, rowA);
    const std::string_view b = grid_.Cell(column_, rowB);
    if (asText_) {
      // char_traits<char> compares as unsigned char: a plain byte-wise ordinal order.
      const int order = a.compare(b);
      return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    const double valueA = ScoreValue(a, dialogs_);
    const double valueB = ScoreValue(b, dialogs_);
    return valueA < valueB ? -1 : (valueA > valueB ? 1 : 0);
  }

 private:
  const Grid& grid_;
  int column_;
  bool asText_;
  Dialogs& dialogs_;
};

bool IsDescending(std::string_view direction) noexcept { return direction == "D"; }

}  // namespace

void SortGridRows(Grid& grid, int column, std::string_view direction, bool asText, bool keepColumn0,
                  Dialogs& dialogs) {
  const RowComparer compare(grid, column, asText, dialogs);
  // "D": the later of a pair must come first; otherwise the earlier.
  const int outOfOrder = IsDescending(direction) ? -1 : 1;
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int r = 1; r + 1 < grid.RowCount(); ++r) {
      if (compare(r, r + 1) == outOfOrder) {
        SwapGridRows(grid, r, r + 1, keepColumn0);
        exchanged = true;
      }
    }
  }
}

void SortGridColumn(Grid& grid, int column, std::string_view direction, bool asText, bool keepColumn0,
                    Dialogs& dialogs) {
  const bool descending = IsDescending(direction);
  SetSortState(grid, column, descending);
  const RowComparer compare(grid, column, asText, dialogs);
  // Numbers: "D" largest first. Texts the other way round: "D" smallest first (A to Z).
  const bool largerFirst = asText ? !descending : descending;
  const int outOfOrder = largerFirst ? -1 : 1;
  const int rows = grid.RowCount();
  for (int gap = rows / 2; gap > 0; gap /= 2) {
    for (int i = gap; i < rows; ++i) {
      // The walk goes on to the top even after a pair that is in order.
      for (int j = i - gap; j >= 1; j -= gap) {
        if (compare(j, j + gap) == outOfOrder) SwapGridRows(grid, j, j + gap, keepColumn0);
      }
    }
  }
}

}  // namespace quenchel
