#pragma once
// The display operations of a record list: they fill a grid from a list. The
// fitting ones measure texts through the grid's TextMeasure.

namespace quenchel {

class DSList;
class Grid;
class TextMeasure;

// Letters 'a' to 'e' only (anything else does nothing). Two rows, then for every record
// whose cell 19 is not exactly "Batch", row r (from 1): column 0 the number r, column 1
// the chosen cell. Ends with r + 1 rows, at least 2.
void FillReportColumn(const DSList& list, Grid& grid, char letter);

// Letters 'a' to 'z' only (anything else does nothing). One column; row r (from 1) the
// chosen cell of the r-th record; records + 1 rows, at least 2; column 0 as wide as the
// grid's client width.
void FillColumn(const DSList& list, Grid& grid, char letter);

// ColumnCount + 1 columns: row 0 the first heading row after an empty corner, row r the
// number r and the cells of the r-th record; records + 1 rows; widths fitted.
void FillGrid(const DSList& list, Grid& grid, const TextMeasure& measure);

// ColumnCount columns: row 0 the first heading row, row r the cells of the r-th record;
// records + 1 rows, at least 2; one fixed row; widths fitted.
void FillGridPlain(const DSList& list, Grid& grid, const TextMeasure& measure);

// The diagnostic view: 30 columns "Buf", "This", "Next", "Before" and the 26 cells; row 1
// the letters "A" to "Z" over the cells; from row 2 one row per record with its identity
// and links in upper-case hexadecimal ("0" for none). Records + 2 rows, at least 3; two
// fixed rows; widths fitted.
void DumpToGrid(const DSList& list, Grid& grid, const TextMeasure& measure);

}  // namespace quenchel
