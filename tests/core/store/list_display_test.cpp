// The record lists' grid displays: FillReportColumn, FillColumn, FillGrid, FillGridPlain
// and the diagnostic DumpToGrid.

#include "store/list_display.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "print/grid.h"
#include "print/surface.h"
#include "store/dslist.h"
#include "store/record.h"

namespace quenchel {
namespace {

class ByteMeasure final : public TextMeasure {
 public:
  int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * 7; }
};

using Texts = std::vector<std::string>;

Texts Row(const Grid& grid, int row) {
  Texts texts;
  for (int c = 0; c < grid.ColCount(); ++c) texts.emplace_back(grid.Cell(c, row));
  return texts;
}

Texts Column(const Grid& grid, int column) {
  Texts texts;
  for (int r = 0; r < grid.RowCount(); ++r) texts.emplace_back(grid.Cell(column, r));
  return texts;
}

std::string Hex(const void* address) {
  char text[32];
  std::snprintf(text, sizeof text, "%" PRIXPTR, reinterpret_cast<std::uintptr_t>(address));
  return text;
}

DSNode Report(std::string_view key, std::string_view name, std::string_view cell19 = {}) {
  DSNode record = MakeRecord({key, name});
  record.SetCell(19, cell19);
  return record;
}

// --- FillReportColumn -------------------------------------------------------------------------

TEST(FillReportColumn, NumbersTheReportsThatAreNotBatches) {
  DSList reports;
  reports.AddSorted(Report("1", "Results"));
  reports.AddSorted(Report("2", "Batch run", "Batch"));
  reports.AddSorted(Report("3", "Teams", "batch"));  // not exactly "Batch": shown
  reports.AddSorted(Report("4", "Another", "Batch"));
  reports.AddSorted(Report("5", "Points", "Batch "));
  Grid grid(2, 9);
  grid.SetCell(1, 0, "Report");
  FillReportColumn(reports, grid, 'b');
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Column(grid, 0), (Texts{"", "1", "2", "3"}));
  EXPECT_EQ(Column(grid, 1), (Texts{"Report", "Results", "Teams", "Points"}));

  FillReportColumn(reports, grid, 'a');
  EXPECT_EQ(Column(grid, 1), (Texts{"Report", "1", "3", "5"}));
}

TEST(FillReportColumn, TwoRowsWhenNothingIsShownAndLettersAToEOnly) {
  DSList reports;
  reports.AddSorted(Report("1", "Batch run", "Batch"));
  Grid grid(2, 7);
  FillReportColumn(reports, grid, 'b');
  EXPECT_EQ(grid.RowCount(), 2);

  DSList one;
  one.AddSorted(Report("1", "Results"));
  FillReportColumn(one, grid, 'b');
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Row(grid, 1), (Texts{"1", "Results"}));

  Grid untouched(2, 7);
  for (char letter : {'f', 'z', 'A', '\0'}) {
    FillReportColumn(one, untouched, letter);
    EXPECT_EQ(untouched.RowCount(), 7) << letter;
    EXPECT_EQ(untouched.Cell(1, 1), "") << letter;
  }
}

// --- FillColumn -------------------------------------------------------------------------------

TEST(FillColumn, OneColumnOfTheChosenCellAsWideAsTheGrid) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "Ann"}));
  list.AddSorted(MakeRecord({"2", "Bob"}));
  list.AddSorted(MakeRecord({"3", "Cy"}));
  Grid grid(5, 2);
  grid.SetCell(0, 0, "Name");
  grid.SetClientWidth(240);
  FillColumn(list, grid, 'b');
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Column(grid, 0), (Texts{"Name", "Ann", "Bob", "Cy"}));
  EXPECT_EQ(grid.ColWidth(0), 240);

  DSNode last = MakeRecord({"4"});
  last.SetCell(25, "zed");
  list.AddSorted(last);
  FillColumn(list, grid, 'z');
  EXPECT_EQ(Column(grid, 0), (Texts{"Name", "", "", "", "zed"}));
}

TEST(FillColumn, AtLeastTwoRowsAndLettersAToZOnly) {
  DSList empty;
  Grid grid(3, 6);
  FillColumn(empty, grid, 'a');
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 1);

  DSList one;
  one.AddSorted(MakeRecord({"7"}));
  FillColumn(one, grid, 'a');
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(0, 1), "7");

  Grid untouched(3, 6);
  FillColumn(one, untouched, '{');
  FillColumn(one, untouched, 'B');
  EXPECT_EQ(untouched.ColCount(), 3);
  EXPECT_EQ(untouched.RowCount(), 6);
}

// --- FillGrid ---------------------------------------------------------------------------------

TEST(FillGrid, NumberedRowsUnderTheHeadingRow) {
  DSList list;
  list.SetColumnCount(3);
  list.SetTitleRow(MakeRecord({"No.", "Name", "Team", "Hidden"}), 0);
  list.AddSorted(MakeRecord({"10", "Ann", "Red", "x"}));
  list.AddSorted(MakeRecord({"2", "Bob", "Blue"}));
  Grid grid(9, 9);
  grid.SetCell(0, 0, "corner");
  FillGrid(list, grid, ByteMeasure());
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(Row(grid, 0), (Texts{"", "No.", "Name", "Team"}));
  EXPECT_EQ(Row(grid, 1), (Texts{"1", "2", "Bob", "Blue"}));
  EXPECT_EQ(Row(grid, 2), (Texts{"2", "10", "Ann", "Red"}));
  // Fitted: column 0 is the row numbers plus 15, the others their widest text plus 5.
  EXPECT_EQ(grid.ColWidth(0), 7 + 15);
  EXPECT_EQ(grid.ColWidth(2), 28 + 5);
}

TEST(FillGrid, EmptyListLeavesTheHeadingRowOnly) {
  DSList list;
  Grid grid(3, 5);
  grid.SetCell(1, 1, "old");
  FillGrid(list, grid, ByteMeasure());
  EXPECT_EQ(grid.ColCount(), 27);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.Cell(1, 0), "a");
  EXPECT_EQ(grid.Cell(26, 0), "z");
}

// --- FillGridPlain ----------------------------------------------------------------------------

TEST(FillGridPlain, CellsWithoutNumbersAndOneFixedRow) {
  DSList list;
  list.SetColumnCount(2);
  list.SetTitleRow(MakeRecord({"Class", "Name"}), 0);
  list.AddSorted(MakeRecord({"1", "Novice"}));
  list.AddSorted(MakeRecord({"2", "Open"}));
  Grid grid(6, 8);
  grid.SetFixedRows(3);
  grid.SetCell(1, 2, "old");
  FillGridPlain(list, grid, ByteMeasure());
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(Row(grid, 0), (Texts{"Class", "Name"}));
  EXPECT_EQ(Row(grid, 1), (Texts{"1", "Novice"}));
  EXPECT_EQ(Row(grid, 2), (Texts{"2", "Open"}));
  EXPECT_EQ(grid.ColWidth(1), 42 + 5);
}

TEST(FillGridPlain, AtLeastTwoRows) {
  DSList list;
  Grid grid(3, 5);
  FillGridPlain(list, grid, ByteMeasure());
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 26);
}

// --- DumpToGrid -------------------------------------------------------------------------------

TEST(DumpToGrid, ShapeHeadingsAndLinks) {
  DSList list;
  const DSNode& first = list.AddSorted(MakeRecord({"1", "Ann"}));
  const DSNode& second = list.AddSorted(MakeRecord({"2", "Bob"}));
  const DSNode& third = list.AddSorted(MakeRecord({"3", "Cy"}));
  Grid grid;
  DumpToGrid(list, grid, ByteMeasure());

  EXPECT_EQ(grid.ColCount(), 30);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.FixedRows(), 2);
  EXPECT_EQ(grid.Cell(0, 0), "Buf");
  EXPECT_EQ(grid.Cell(1, 0), "This");
  EXPECT_EQ(grid.Cell(2, 0), "Next");
  EXPECT_EQ(grid.Cell(3, 0), "Before");
  EXPECT_EQ(grid.Cell(4, 0), "a");  // the list's first heading row
  EXPECT_EQ(grid.Cell(29, 0), "z");
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.Cell(c, 1), "") << c;
  for (int i = 0; i < 26; ++i) EXPECT_EQ(grid.Cell(4 + i, 1), std::string(1, static_cast<char>('A' + i)));

  const DSNode* records[] = {&first, &second, &third};
  for (int i = 0; i < 3; ++i) {
    const int row = 2 + i;
    EXPECT_EQ(grid.Cell(0, row), "0123456789012345678");
    EXPECT_EQ(grid.Cell(1, row), Hex(records[i]));
    EXPECT_EQ(grid.Cell(2, row), i < 2 ? Hex(records[i + 1]) : "0");
    EXPECT_EQ(grid.Cell(3, row), i > 0 ? Hex(records[i - 1]) : "0");
    EXPECT_EQ(grid.Cell(4, row), records[i]->Cell(0));
    EXPECT_EQ(grid.Cell(5, row), records[i]->Cell(1));
  }
  // Upper-case hexadecimal digits only.
  EXPECT_EQ(grid.Cell(1, 2).find_first_not_of("0123456789ABCDEF"), std::string_view::npos);
  EXPECT_GT(grid.ColWidth(1), 5);
}

TEST(DumpToGrid, SingleRecordHasNoLinksAndEmptyListThreeRows) {
  DSList list;
  list.AddSorted(MakeRecord({"1"}));
  Grid grid;
  DumpToGrid(list, grid, ByteMeasure());
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(2, 2), "0");
  EXPECT_EQ(grid.Cell(3, 2), "0");

  DSList empty;
  Grid old(30, 6);
  old.SetCell(1, 2, "stale");
  DumpToGrid(empty, old, ByteMeasure());
  EXPECT_EQ(old.RowCount(), 3);
  EXPECT_EQ(old.Cell(1, 2), "");  // row 2 emptied
}

}  // namespace
}  // namespace quenchel
