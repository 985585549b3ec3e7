#pragma once
// The grid conventions every grid window follows: the grid state kept in the
// heading row's tags, check boxes in the other tags, column fitting and the row
// utilities. The sorts are in grid_sort.h, the cell painter's rules in grid_cell_style.h.
//
// "Repaints" of the original are left to the views: after changing a grid, its window
// refreshes the view that shows it.

#include <cstdint>

#include "print/grid.h"
#include "print/rect.h"

namespace quenchel {

class TextMeasure;

// --- grid state in the heading tags -----------------------------------------------------
// Heading cell tags: column 0 the sort direction (1 descending), column 1 the sort column,
// column 2 the marked row (0 none), column 3 the sort arrow (non-zero shown). A grid of
// fewer than four columns has nowhere to keep the missing ones, so they read 0.
inline constexpr int kSortDirectionTag = 0;
inline constexpr int kSortColumnTag = 1;
inline constexpr int kMarkedRowTag = 2;
inline constexpr int kSortArrowTag = 3;

void SetSortState(Grid& grid, int column, bool descending);
int SortColumn(const Grid& grid) noexcept;
bool SortDescending(const Grid& grid) noexcept;
// Marks `row` (or unmarks the grid when `mark` is false), but only for a row from 1 to
// the row count; any other row changes nothing.
void MarkRow(Grid& grid, int row, bool mark);
int MarkedRow(const Grid& grid) noexcept;
void ShowSortArrow(Grid& grid, bool show);
bool SortArrowShown(const Grid& grid) noexcept;

// --- check boxes in the other tags ----------------------------------------------------------
// Low 16 bits: the cell shows a check box; high 16 bits: it is checked. Row 0 and column 0
// never show one (row 0's tags are the grid state), so writes there are ignored and
// reads give false.
inline constexpr std::uint32_t kCheckBoxBits = 0x0000FFFFu;
inline constexpr std::uint32_t kCheckedBits = 0xFFFF0000u;

void SetCellCheckBox(Grid& grid, int column, int row, bool hasBox, bool checked);
void SetCellChecked(Grid& grid, int column, int row, bool checked);
bool CellHasCheckBox(const Grid& grid, int column, int row) noexcept;
bool CellChecked(const Grid& grid, int column, int row) noexcept;

// --- widths -------------------------------------------------------------------------------
// every column to its texts (between 1 and 5 units wider than its widest
// text, column 0 ten more), spare client width spread over columns 1.., then the score
// grid hides column 1 and the PlaceTable (heading "id Class") column 0.
void FitColumnWidths(Grid& grid, const TextMeasure& measure);

// --- rows ---------------------------------------------------------------------------------
// Exchanges the texts of two rows (not their tags); with keepColumn0 column 0 stays.
// A row outside the grid (negative, or at or past the row count, where this grid holds
// no text) makes it do nothing.
void SwapGridRows(Grid& grid, int rowA, int rowB, bool keepColumn0);
// Empties every cell of the data rows; the row count, the heading row and all tags stay.
void ClearGrid(Grid& grid);
// The destination takes the source's counts, fixed rows and columns and every text;
// its own tags, widths and name stay where cells remain.
void CopyGrid(Grid& destination, const Grid& source);
// One row more at the end; the texts of `row` to the old last row move down by one and
// `row` is emptied. Tags stay with their positions.
void InsertGridRow(Grid& grid, int row);

// Where an editing control goes over a cell: `cell` relative to the grid, `gridLeft` the
// grid's left in the control's parent. The grid's top is not added (as in the original,
// whose editors sit over grids at the top of their panels).
Rect PlaceOverCell(Rect cell, int gridLeft) noexcept;

}  // namespace quenchel
