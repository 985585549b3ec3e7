#include "store/list_display.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "print/grid.h"
#include "print/grid_utils.h"
#include "store/dslist.h"

namespace quenchel {

namespace {

constexpr std::string_view kBatchReport = "Batch";
constexpr int kDumpLinkColumns = 4;  // Buf, This, Next, Before
constexpr int kDumpColumns = kDumpLinkColumns + DSNode::kCellCount;

void EmptyRow(Grid& grid, int row) {
  for (int c = 0; c < grid.ColCount(); ++c) grid.SetCell(c, row, {});
}

// A record's identity as the dump shows it: its address in upper-case hexadecimal, "0"
// for none.
std::string Identity(const DSNode* node) {
  if (node == nullptr) return "0";
  char text[2 * sizeof(std::uintptr_t) + 1];
  std::snprintf(text, sizeof text, "%" PRIXPTR, reinterpret_cast<std::uintptr_t>(node));
  return text;
}

}  // namespace

void FillReportColumn(const DSList& list, Grid& grid, char letter) {
  if (letter < 'a' || letter > 'e') return;
  const int cell = letter - 'a';
  grid.SetRowCount(2);
  int row = 0;
  for (const DSNode& node : list) {
    if (node.Cell(19) == kBatchReport) continue;
    ++row;
    if (row >= grid.RowCount()) grid.SetRowCount(row + 1);
    grid.SetCell(0, row, std::to_string(row));
    grid.SetCell(1, row, node.Cell(cell));
  }
}

void FillColumn(const DSList& list, Grid& grid, char letter) {
  if (letter < 'a' || letter > 'z') return;
  const int cell = letter - 'a';
  grid.SetColCount(1);
  grid.SetRowCount(std::max(2, list.Count() + 1));
  int row = 0;
  for (const DSNode& node : list) grid.SetCell(0, ++row, node.Cell(cell));
  grid.SetColWidth(0, grid.ClientWidth());
}

void FillGrid(const DSList& list, Grid& grid, const TextMeasure& measure) {
  grid.SetColCount(list.GetColumnCount() + 1);
  const DSNode& heading = list.TitleRow(0);
  grid.SetCell(0, 0, {});
  for (int i = 0; i < DSNode::kCellCount; ++i) grid.SetCell(i + 1, 0, heading.Cell(i));
  EmptyRow(grid, 1);
  grid.SetRowCount(list.Count() + 1);
  int row = 0;
  for (const DSNode& node : list) {
    ++row;
    grid.SetCell(0, row, std::to_string(row));
    for (int i = 0; i < DSNode::kCellCount; ++i) grid.SetCell(i + 1, row, node.Cell(i));
  }
  FitColumnWidths(grid, measure);
}

void FillGridPlain(const DSList& list, Grid& grid, const TextMeasure& measure) {
  grid.SetColCount(list.GetColumnCount());
  grid.SetRowCount(std::max(2, list.Count() + 1));
  grid.SetFixedRows(1);
  const DSNode& heading = list.TitleRow(0);
  for (int i = 0; i < DSNode::kCellCount; ++i) grid.SetCell(i, 0, heading.Cell(i));
  int row = 0;
  for (const DSNode& node : list) {
    EmptyRow(grid, ++row);
    for (int i = 0; i < DSNode::kCellCount; ++i) grid.SetCell(i, row, node.Cell(i));
  }
  FitColumnWidths(grid, measure);
}

void DumpToGrid(const DSList& list, Grid& grid, const TextMeasure& measure) {
  grid.SetColCount(kDumpColumns);
  grid.SetRowCount(std::max(3, list.Count() + 2));
  grid.SetFixedRows(2);

  const DSNode& heading = list.TitleRow(0);
  grid.SetCell(0, 0, "Buf");
  grid.SetCell(1, 0, "This");
  grid.SetCell(2, 0, "Next");
  grid.SetCell(3, 0, "Before");
  for (int i = 0; i < DSNode::kCellCount; ++i) {
    grid.SetCell(kDumpLinkColumns + i, 0, heading.Cell(i));
    grid.SetCell(kDumpLinkColumns + i, 1, std::string(1, static_cast<char>('A' + i)));
  }
  EmptyRow(grid, 2);

  int row = 1;
  for (const DSNode& node : list) {
    ++row;
    grid.SetCell(0, row, node.Buf());
    grid.SetCell(1, row, Identity(&node));
    grid.SetCell(2, row, Identity(list.Next(&node)));
    grid.SetCell(3, row, Identity(list.Before(&node)));
    for (int i = 0; i < DSNode::kCellCount; ++i) grid.SetCell(kDumpLinkColumns + i, row, node.Cell(i));
  }
  FitColumnWidths(grid, measure);
}

}  // namespace quenchel
