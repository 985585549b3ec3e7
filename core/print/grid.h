#pragma once
// A toolkit-free table of text cells, each with a 32-bit tag: the results table, the
// schedule's PlaceTable, the score grid and every list window are Grids. Row 0 is the
// heading row; data rows start at row 1. The tags of the heading row's first four cells
// hold the grid's state (sort direction, sort column, marked row, sort arrow); the tag
// of any other cell describes its check box.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenchel {

class Grid {
 public:
  Grid() : Grid(5, 5) {}
  Grid(int columns, int rows) { Resize(columns, rows); }

  // --- size ------------------------------------------------------------------------------
  int ColCount() const noexcept { return columns_; }
  int RowCount() const noexcept { return rows_; }
  // Changing a count keeps the cells that remain; new cells are empty with tag 0.
  void SetColCount(int columns) { Resize(columns, rows_); }
  void SetRowCount(int rows) { Resize(columns_, rows); }
  int FixedRows() const noexcept { return fixedRows_; }
  int FixedCols() const noexcept { return fixedCols_; }
  void SetFixedRows(int rows) noexcept { fixedRows_ = rows; }
  void SetFixedCols(int columns) noexcept { fixedCols_ = columns; }

  // --- cells -----------------------------------------------------------------------------
  // A cell outside the grid reads as the empty text with tag 0; writes there are ignored.
  std::string_view Cell(int column, int row) const noexcept;
  void SetCell(int column, int row, std::string_view text);
  std::uint32_t Tag(int column, int row) const noexcept;
  void SetTag(int column, int row, std::uint32_t tag) noexcept;
  bool Contains(int column, int row) const noexcept {
    return column >= 0 && row >= 0 && column < columns_ && row < rows_;
  }

  // --- columns ---------------------------------------------------------------------------
  // Width in the units of the surface that shows the grid; 0 hides the column.
  int ColWidth(int column) const noexcept;
  void SetColWidth(int column, int width) noexcept;
  // The width the grid shows its columns in, for spreading spare room over them.
  int ClientWidth() const noexcept { return clientWidth_; }
  void SetClientWidth(int width) noexcept { clientWidth_ = width; }

  // The grid's name, for the few rules that depend on which grid it is ("ScoreGrid").
  const std::string& Name() const noexcept { return name_; }
  void SetName(std::string_view name) { name_ = name; }

 private:
  struct CellData {
    std::string text;
    std::uint32_t tag = 0;
  };
  void Resize(int columns, int rows);
  std::size_t Index(int column, int row) const noexcept {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
  }

  int columns_ = 0;
  int rows_ = 0;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  int clientWidth_ = 0;
  std::string name_;
  std::vector<CellData> cells_;  // row by row
  std::vector<int> colWidths_;
};

}  // namespace quenchel
