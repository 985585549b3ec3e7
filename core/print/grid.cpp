#include "print/grid.h"

#include <algorithm>

namespace quenchel {

namespace {
constexpr int kDefaultColWidth = 64;
}

void Grid::Resize(int columns, int rows) {
  columns = std::max(columns, 0);
  rows = std::max(rows, 0);
  std::vector<CellData> cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(columns, columns_); ++c)
      cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(c)] =
          std::move(cells_[Index(c, r)]);
  cells_ = std::move(cells);
  colWidths_.resize(static_cast<std::size_t>(columns), kDefaultColWidth);
  columns_ = columns;
  rows_ = rows;
}

std::string_view Grid::Cell(int column, int row) const noexcept {
  return Contains(column, row) ? std::string_view(cells_[Index(column, row)].text) : std::string_view();
}

void Grid::SetCell(int column, int row, std::string_view text) {
  if (Contains(column, row)) cells_[Index(column, row)].text.assign(text);
}

std::uint32_t Grid::Tag(int column, int row) const noexcept {
  return Contains(column, row) ? cells_[Index(column, row)].tag : 0;
}

void Grid::SetTag(int column, int row, std::uint32_t tag) noexcept {
  if (Contains(column, row)) cells_[Index(column, row)].tag = tag;
}

int Grid::ColWidth(int column) const noexcept {
  return column >= 0 && column < columns_ ? colWidths_[static_cast<std::size_t>(column)] : 0;
}

void Grid::SetColWidth(int column, int width) noexcept {
  if (column >= 0 && column < columns_) colWidths_[static_cast<std::size_t>(column)] = width;
}

}  // namespace quenchel
