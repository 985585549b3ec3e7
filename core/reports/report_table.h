#pragma once
// The rows of a results table while they are filled and ranked, before the grid gets
// them. Rows are numbered from 1, as the grid's data rows are; a cell outside the table
// is ignored, as the grid ignores it. Cells refer to kept texts rather than holding them,
// so a table of thousands of rows and columns stays cheap to fill and to reorder.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_sums.h"
#include "reports/text_store.h"

namespace quenchel {

class Grid;

class ReportTable {
 public:
  using TextRow = std::vector<std::string>;

  // `expectedRows` only reserves room.
  ReportTable(int columns, int expectedRows, ReportSums& sums, TextStore& texts);

  int Rows() const noexcept { return static_cast<int>(order_.size()); }
  // Adds an empty row at the end and returns its number.
  int AddRow();
  void Set(int column, int row, std::string_view text);
  void Set(int column, int row, std::string&& text);
  void Set(int column, int row, const ShownScore& value);
  // The cell becomes the written sum of its value and the shown value.
  void Add(int column, int row, const ShownScore& value);

  // Orders the rows as SortReportRows orders a grid's rows and writes the places into
  // column 0.
  void Rank(int totalColumn, int tieBreakColumn, bool descending);

  // Rows 1.. of the grid, which must be empty, become the table's rows; the grid keeps
  // its heading row and its column count.
  void WriteTo(Grid& grid) const;
  // The written cells, row by row.
  std::vector<TextRow> TextRows() const;

 private:
  std::optional<std::size_t> IndexOf(int column, int row) const noexcept;  // in cells_; none outside
  TableCell* CellAt(int column, int row) noexcept;
  const TableCell* CellAt(int column, int row) const noexcept;

  int columns_;
  ReportSums& sums_;
  TextStore& texts_;
  std::vector<TableCell> cells_;    // row by row, in the order the rows were added
  std::vector<std::size_t> order_;  // the stored row of each row number; ranking reorders it
};

// Rows 1.. of the grid become `rows`, cut or padded to the grid's column count.
void WriteGridRows(Grid& grid, const std::vector<ReportTable::TextRow>& rows);

}  // namespace quenchel
