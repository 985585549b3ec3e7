#include "reports/report_table.h"

#include <algorithm>
#include <utility>

#include "print/grid.h"
#include "reports/rank_order.h"

namespace quenchel {

ReportTable::ReportTable(int columns, int expectedRows, ReportSums& sums, TextStore& texts)
    : columns_(std::max(columns, 0)), sums_(sums), texts_(texts) {
  cells_.reserve(static_cast<std::size_t>(std::max(expectedRows, 0)) * static_cast<std::size_t>(columns_));
  order_.reserve(static_cast<std::size_t>(std::max(expectedRows, 0)));
}

int ReportTable::AddRow() {
  order_.push_back(order_.size());
  cells_.resize(cells_.size() + static_cast<std::size_t>(columns_));
  return Rows();
}

std::optional<std::size_t> ReportTable::IndexOf(int column, int row) const noexcept {
  if (column < 0 || column >= columns_ || row < 1 || row > Rows()) return std::nullopt;
  const std::size_t stored = order_[static_cast<std::size_t>(row - 1)];
  return stored * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

const TableCell* ReportTable::CellAt(int column, int row) const noexcept {
  const std::optional<std::size_t> index = IndexOf(column, row);
  return index ? &cells_[*index] : nullptr;
}

TableCell* ReportTable::CellAt(int column, int row) noexcept {
  const std::optional<std::size_t> index = IndexOf(column, row);
  return index ? &cells_[*index] : nullptr;
}

void ReportTable::Set(int column, int row, std::string_view text) {
  if (TableCell* cell = CellAt(column, row)) *cell = TableCell{texts_.Keep(text)};
}

void ReportTable::Set(int column, int row, std::string&& text) {
  if (TableCell* cell = CellAt(column, row)) *cell = TableCell{texts_.Keep(std::move(text))};
}

void ReportTable::Set(int column, int row, const ShownScore& value) {
  TableCell* cell = CellAt(column, row);
  if (cell == nullptr) return;
  if (!value.lasting) {
    *cell = TableCell{texts_.Keep(std::string_view(value.text))};
  } else {
    *cell = TableCell{value.text.empty() ? nullptr : &value.text};
  }
}

void ReportTable::Add(int column, int row, const ShownScore& value) {
  if (TableCell* cell = CellAt(column, row)) {
    sums_.Add(*cell, value);
  } else {
    // The grid would have read the missing cell as empty and dropped the sum, but the
    // value is still read.
    TableCell scratch;
    sums_.Add(scratch, value);
  }
}

void ReportTable::Rank(int totalColumn, int tieBreakColumn, bool descending) {
  const bool useTieBreak = tieBreakColumn != 0;
  std::vector<RankKey> keys(order_.size());
  // A single row is compared with nothing, so its cells are not read.
  if (order_.size() > 1) {
    for (std::size_t i = 0; i < order_.size(); ++i) {
      const int row = static_cast<int>(i) + 1;
      if (const TableCell* total = CellAt(totalColumn, row)) keys[i].total = sums_.Value(*total);
      if (useTieBreak) {
        if (const TableCell* tie = CellAt(tieBreakColumn, row)) keys[i].tieBreak = sums_.Value(*tie);
      }
    }
  }
  const std::vector<std::size_t> ranking = RankOrder(keys, useTieBreak, descending);
  std::vector<std::size_t> order;
  std::vector<RankKey> rankedKeys;
  order.reserve(order_.size());
  rankedKeys.reserve(order_.size());
  for (const std::size_t index : ranking) {
    order.push_back(order_[index]);
    rankedKeys.push_back(keys[index]);
  }
  order_ = std::move(order);
  std::vector<std::string> places = PlaceTexts(rankedKeys, useTieBreak);
  for (std::size_t i = 0; i < places.size(); ++i) Set(0, static_cast<int>(i) + 1, std::move(places[i]));
}

void ReportTable::WriteTo(Grid& grid) const {
  grid.SetRowCount(Rows() + 1);
  const int columns = std::min(columns_, grid.ColCount());
  for (int row = 1; row <= Rows(); ++row) {
    for (int column = 0; column < columns; ++column) {
      const TableCell& cell = *CellAt(column, row);
      if (cell.carried) {
        grid.SetCell(column, row, sums_.Text(cell));
      } else if (cell.text != nullptr) {
        grid.SetCell(column, row, *cell.text);
      }
    }
  }
}

std::vector<ReportTable::TextRow> ReportTable::TextRows() const {
  std::vector<TextRow> rows;
  rows.reserve(order_.size());
  for (int row = 1; row <= Rows(); ++row) {
    TextRow& texts = rows.emplace_back();
    texts.reserve(static_cast<std::size_t>(columns_));
    for (int column = 0; column < columns_; ++column) texts.push_back(sums_.Text(*CellAt(column, row)));
  }
  return rows;
}

void WriteGridRows(Grid& grid, const std::vector<ReportTable::TextRow>& rows) {
  grid.SetRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int columns = std::min(static_cast<int>(rows[i].size()), grid.ColCount());
    for (int column = 0; column < columns; ++column) {
      grid.SetCell(column, static_cast<int>(i) + 1, rows[i][static_cast<std::size_t>(column)]);
    }
  }
}

}  // namespace quenchel
