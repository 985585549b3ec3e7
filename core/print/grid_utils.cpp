#include "print/grid_utils.h"

#include <string>
#include <utility>

#include "print/surface.h"

namespace quenchel {

namespace {

constexpr int kStartWidth = 3;
constexpr int kRefitSlack = 10;    // a column is widened when a text comes this close
constexpr int kTextPadding = 5;    // ... to the text's width plus this
constexpr int kColumn0Extra = 10;  // ... and column 0 this much more
constexpr int kClientInset = 4;    // the grid's borders, not shared out

bool CanHoldCheckBox(const Grid& grid, int column, int row) noexcept {
  return column != 0 && row != 0 && grid.Contains(column, row);
}

}  // namespace

// --- grid state -----------------------------------------------------------------------------

void SetSortState(Grid& grid, int column, bool descending) {
  grid.SetTag(kSortColumnTag, 0, static_cast<std::uint32_t>(column));
  grid.SetTag(kSortDirectionTag, 0, descending ? 1u : 0u);
}

int SortColumn(const Grid& grid) noexcept { return static_cast<int>(grid.Tag(kSortColumnTag, 0)); }

bool SortDescending(const Grid& grid) noexcept { return grid.Tag(kSortDirectionTag, 0) == 1; }

void MarkRow(Grid& grid, int row, bool mark) {
  if (row < 1 || row > grid.RowCount()) return;
  grid.SetTag(kMarkedRowTag, 0, mark ? static_cast<std::uint32_t>(row) : 0u);
}

int MarkedRow(const Grid& grid) noexcept { return static_cast<int>(grid.Tag(kMarkedRowTag, 0)); }

void ShowSortArrow(Grid& grid, bool show) { grid.SetTag(kSortArrowTag, 0, show ? 1u : 0u); }

bool SortArrowShown(const Grid& grid) noexcept { return grid.Tag(kSortArrowTag, 0) != 0; }

// --- check boxes ----------------------------------------------------------------------------

void SetCellCheckBox(Grid& grid, int column, int row, bool hasBox, bool checked) {
  if (!CanHoldCheckBox(grid, column, row)) return;
  grid.SetTag(column, row, (hasBox ? 0x00000001u : 0u) | (checked ? 0x00010000u : 0u));
}

void SetCellChecked(Grid& grid, int column, int row, bool checked) {
  if (!CanHoldCheckBox(grid, column, row)) return;
  grid.SetTag(column, row, (grid.Tag(column, row) & kCheckBoxBits) | (checked ? 0x00010000u : 0u));
}

bool CellHasCheckBox(const Grid& grid, int column, int row) noexcept {
  return CanHoldCheckBox(grid, column, row) && (grid.Tag(column, row) & kCheckBoxBits) != 0;
}

bool CellChecked(const Grid& grid, int column, int row) noexcept {
  return CanHoldCheckBox(grid, column, row) && (grid.Tag(column, row) & kCheckedBits) != 0;
}

// --- widths ---------------------------------------------------------------------------------

void FitColumnWidths(Grid& grid, const TextMeasure& measure) {
  const int columns = grid.ColCount();
  for (int c = 0; c < columns; ++c) grid.SetColWidth(c, kStartWidth);

  // Row RowCount, one past the last, reads as empty text: it is what makes a column of
  // empty cells 5 wide (15 for column 0).
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r <= grid.RowCount(); ++r) {
      const int textWidth = measure.TextWidth(grid.Cell(c, r));
      if (textWidth + kRefitSlack > grid.ColWidth(c))
        grid.SetColWidth(c, textWidth + kTextPadding + (c == 0 ? kColumn0Extra : 0));
    }
  }

  if (columns > 1) {
    int sum = 0;
    for (int c = 0; c < columns; ++c) sum += grid.ColWidth(c);
    const int spare = (grid.ClientWidth() - kClientInset - sum) / (columns - 1);
    if (spare > 0)
      for (int c = 1; c < columns; ++c) grid.SetColWidth(c, grid.ColWidth(c) + spare);
  }

  if (grid.Name() == "ScoreGrid") grid.SetColWidth(1, 0);
  if (grid.Cell(0, 0) == "id Class") grid.SetColWidth(0, 0);
}

// --- rows -----------------------------------------------------------------------------------

void SwapGridRows(Grid& grid, int rowA, int rowB, bool keepColumn0) {
  if (rowA < 0 || rowB < 0 || rowA >= grid.RowCount() || rowB >= grid.RowCount()) return;
  if (rowA == rowB) return;
  for (int c = keepColumn0 ? 1 : 0; c < grid.ColCount(); ++c) {
    std::string a(grid.Cell(c, rowA));
    grid.SetCell(c, rowA, grid.Cell(c, rowB));
    grid.SetCell(c, rowB, a);
  }
}

void ClearGrid(Grid& grid) {
  for (int r = 1; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetCell(c, r, {});
}

void CopyGrid(Grid& destination, const Grid& source) {
  if (&destination == &source) return;
  destination.SetRowCount(source.RowCount());
  destination.SetColCount(source.ColCount());
  destination.SetFixedRows(source.FixedRows());
  destination.SetFixedCols(source.FixedCols());
  for (int r = 0; r < source.RowCount(); ++r)
    for (int c = 0; c < source.ColCount(); ++c) destination.SetCell(c, r, source.Cell(c, r));
}

void InsertGridRow(Grid& grid, int row) {
  const int oldLast = grid.RowCount() - 1;
  grid.SetRowCount(grid.RowCount() + 1);
  for (int r = oldLast; r >= row && r >= 0; --r)
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetCell(c, r + 1, grid.Cell(c, r));
  for (int c = 0; c < grid.ColCount(); ++c) grid.SetCell(c, row, {});
}

Rect PlaceOverCell(Rect cell, int gridLeft) noexcept {
  return Rect{cell.left + gridLeft + 2, cell.top + 2, cell.width, cell.height};
}

}  // namespace quenchel
