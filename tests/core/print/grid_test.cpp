// The grid conventions: state tags, check boxes, column fitting, the two sorts and the
// row utilities.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scripted_dialogs.h"
#include "print/grid.h"
#include "print/grid_sort.h"
#include "print/grid_utils.h"
#include "print/surface.h"

namespace quenchel {
namespace {

constexpr std::string_view kInputError = "Input Error";
constexpr std::string_view kNotValid = "Not a valid input";

// A fixed number of units per byte, so widths can be worked out by hand.
class ByteMeasure final : public TextMeasure {
 public:
  explicit ByteMeasure(int unitsPerByte = 7) : units_(unitsPerByte) {}
  int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * units_; }

 private:
  int units_;
};

using Texts = std::vector<std::string>;

// A grid with a heading row and one data row per entry of `column1`: column 0 holds the
// row numbers, column 1 the given texts, column 2 a label "r<row>" to follow each row.
Grid RowsGrid(std::initializer_list<std::string_view> column1) {
  Grid grid(3, static_cast<int>(column1.size()) + 1);
  grid.SetCell(0, 0, "No");
  grid.SetCell(1, 0, "Value");
  grid.SetCell(2, 0, "Label");
  int row = 0;
  for (std::string_view text : column1) {
    ++row;
    grid.SetCell(0, row, std::to_string(row));
    grid.SetCell(1, row, text);
    grid.SetCell(2, row, "r" + std::to_string(row));
  }
  return grid;
}

Texts Column(const Grid& grid, int column) {
  Texts texts;
  for (int r = 1; r < grid.RowCount(); ++r) texts.emplace_back(grid.Cell(column, r));
  return texts;
}

Texts Widths(const Grid& grid) {
  Texts widths;
  for (int c = 0; c < grid.ColCount(); ++c) widths.push_back(std::to_string(grid.ColWidth(c)));
  return widths;
}

// --- state tags -------------------------------------------------------------------------

TEST(GridState, SortStateLivesInTheFirstTwoHeadingTags) {
  Grid grid(5, 3);
  SetSortState(grid, 4, true);
  EXPECT_EQ(grid.Tag(0, 0), 1u);
  EXPECT_EQ(grid.Tag(1, 0), 4u);
  EXPECT_EQ(SortColumn(grid), 4);
  EXPECT_TRUE(SortDescending(grid));
  SetSortState(grid, 2, false);
  EXPECT_EQ(grid.Tag(0, 0), 0u);
  EXPECT_EQ(SortColumn(grid), 2);
  EXPECT_FALSE(SortDescending(grid));
}

TEST(GridState, SortArrowTagIsOneOrZero) {
  Grid grid(5, 3);
  EXPECT_FALSE(SortArrowShown(grid));
  ShowSortArrow(grid, true);
  EXPECT_EQ(grid.Tag(3, 0), 1u);
  EXPECT_TRUE(SortArrowShown(grid));
  ShowSortArrow(grid, false);
  EXPECT_EQ(grid.Tag(3, 0), 0u);
}

TEST(GridState, MarkRowOnlyForRowsFromOneToTheRowCount) {
  Grid grid(4, 5);
  MarkRow(grid, 3, true);
  EXPECT_EQ(MarkedRow(grid), 3);
  EXPECT_EQ(grid.Tag(2, 0), 3u);
  MarkRow(grid, 0, true);  // row 0: nothing
  EXPECT_EQ(MarkedRow(grid), 3);
  MarkRow(grid, 6, true);  // beyond the row count: nothing
  EXPECT_EQ(MarkedRow(grid), 3);
  MarkRow(grid, -1, false);
  EXPECT_EQ(MarkedRow(grid), 3);
  MarkRow(grid, 5, true);  // the row count itself is still accepted
  EXPECT_EQ(MarkedRow(grid), 5);
  MarkRow(grid, 2, false);  // unmarking sets 0, whichever valid row is given
  EXPECT_EQ(MarkedRow(grid), 0);
  MarkRow(grid, 9, false);
  MarkRow(grid, 1, true);
  MarkRow(grid, 9, false);  // out of range: not even unmarking
  EXPECT_EQ(MarkedRow(grid), 1);
}

TEST(GridState, CheckBoxTagHalves) {
  Grid grid(4, 4);
  SetCellCheckBox(grid, 2, 1, true, false);
  EXPECT_EQ(grid.Tag(2, 1), 0x00000001u);
  EXPECT_TRUE(CellHasCheckBox(grid, 2, 1));
  EXPECT_FALSE(CellChecked(grid, 2, 1));

  SetCellChecked(grid, 2, 1, true);
  EXPECT_EQ(grid.Tag(2, 1), 0x00010001u);
  EXPECT_TRUE(CellChecked(grid, 2, 1));
  SetCellChecked(grid, 2, 1, false);
  EXPECT_EQ(grid.Tag(2, 1), 0x00000001u);

  SetCellCheckBox(grid, 3, 2, true, true);
  EXPECT_EQ(grid.Tag(3, 2), 0x00010001u);
  SetCellCheckBox(grid, 3, 2, false, false);
  EXPECT_EQ(grid.Tag(3, 2), 0u);
  EXPECT_FALSE(CellHasCheckBox(grid, 3, 2));

  // Any non-zero bits of a half count, as tags may come from elsewhere.
  grid.SetTag(1, 3, 0x00200000u);
  EXPECT_FALSE(CellHasCheckBox(grid, 1, 3));
  EXPECT_TRUE(CellChecked(grid, 1, 3));
  grid.SetTag(1, 3, 0x00008000u);
  EXPECT_TRUE(CellHasCheckBox(grid, 1, 3));
  // SetCellChecked keeps the low half as it is.
  SetCellChecked(grid, 1, 3, true);
  EXPECT_EQ(grid.Tag(1, 3), 0x00018000u);
}

TEST(GridState, HeadingRowAndColumnZeroNeverShowCheckBoxes) {
  Grid grid(5, 4);
  SetSortState(grid, 3, true);
  ShowSortArrow(grid, true);
  MarkRow(grid, 2, true);
  for (int c = 0; c < 4; ++c) {
    EXPECT_FALSE(CellHasCheckBox(grid, c, 0)) << c;
    SetCellCheckBox(grid, c, 0, true, true);
    SetCellChecked(grid, c, 0, false);
  }
  // The grid state survived: the heading tags were not written.
  EXPECT_EQ(SortColumn(grid), 3);
  EXPECT_TRUE(SortDescending(grid));
  EXPECT_TRUE(SortArrowShown(grid));
  EXPECT_EQ(MarkedRow(grid), 2);

  SetCellCheckBox(grid, 0, 2, true, true);
  EXPECT_EQ(grid.Tag(0, 2), 0u);
  grid.SetTag(0, 2, 0x00010001u);
  EXPECT_FALSE(CellHasCheckBox(grid, 0, 2));
  EXPECT_FALSE(CellChecked(grid, 0, 2));
}

// --- fitting widths -----------------------------------------------------------------------

TEST(FitColumnWidths, TextsPlusPaddingAndEmptyColumns) {
  Grid grid(3, 3);
  grid.SetCell(0, 1, "1");
  grid.SetCell(0, 2, "12");
  grid.SetCell(2, 0, "abc");
  grid.SetCell(2, 1, "a");
  FitColumnWidths(grid, ByteMeasure());
  // Column 0: 14 + 5 + 10; column 1 empty: 5; column 2: 21 + 5.
  EXPECT_EQ(Widths(grid), (Texts{"29", "5", "26"}));
}

TEST(FitColumnWidths, EmptyGridGivesFiveAndFifteen) {
  Grid grid(4, 2);
  FitColumnWidths(grid, ByteMeasure());
  EXPECT_EQ(Widths(grid), (Texts{"15", "5", "5", "5"}));
}

TEST(FitColumnWidths, WidthDependsOnTheOrderOfTheRows) {
  // A text within 10 units of the width set by a wider one above it still resets the
  // width to its own plus 5: 10 units then 7 ends at 12, not 15.
  Grid grid(2, 3);
  grid.SetCell(1, 1, "aaaaaaaaaa");
  grid.SetCell(1, 2, "aaaaaaa");
  FitColumnWidths(grid, ByteMeasure(1));
  EXPECT_EQ(grid.ColWidth(1), 12);
  grid.SetCell(1, 1, "aaaaaaa");
  grid.SetCell(1, 2, "aaaaaaaaaa");
  FitColumnWidths(grid, ByteMeasure(1));
  EXPECT_EQ(grid.ColWidth(1), 15);
}

TEST(FitColumnWidths, SpareClientWidthGoesToColumnsFromOne) {
  Grid grid(3, 3);
  grid.SetCell(0, 1, "1");
  grid.SetCell(0, 2, "12");
  grid.SetCell(2, 0, "abc");
  grid.SetClientWidth(100);
  FitColumnWidths(grid, ByteMeasure());
  // spare = (100 - 4 - (29 + 5 + 26)) / 2 = 18
  EXPECT_EQ(Widths(grid), (Texts{"29", "23", "44"}));

  grid.SetClientWidth(65);  // (65 - 4 - 60) / 2 = 0: no spare
  FitColumnWidths(grid, ByteMeasure());
  EXPECT_EQ(Widths(grid), (Texts{"29", "5", "26"}));
  grid.SetClientWidth(10);  // negative: no spare
  FitColumnWidths(grid, ByteMeasure());
  EXPECT_EQ(Widths(grid), (Texts{"29", "5", "26"}));
}

TEST(FitColumnWidths, OneColumnGridGetsNoSpare) {
  Grid grid(1, 3);
  grid.SetCell(0, 1, "abc");
  grid.SetClientWidth(500);
  FitColumnWidths(grid, ByteMeasure());
  EXPECT_EQ(grid.ColWidth(0), 21 + 15);
}

TEST(FitColumnWidths, ScoreGridHidesColumnOneAndPlaceTableColumnZero) {
  Grid score(3, 2);
  score.SetName("ScoreGrid");
  score.SetClientWidth(100);
  FitColumnWidths(score, ByteMeasure());
  // The spare is shared out before column 1 is hidden: (100 - 4 - 25) / 2 = 35.
  EXPECT_EQ(Widths(score), (Texts{"15", "0", "40"}));

  Grid place(3, 2);
  place.SetCell(0, 0, "id Class");
  FitColumnWidths(place, ByteMeasure());
  EXPECT_EQ(Widths(place), (Texts{"0", "5", "5"}));

  Grid other(3, 2);
  other.SetCell(0, 0, "id class");  // exact text only
  other.SetName("Scoregrid");
  FitColumnWidths(other, ByteMeasure());
  EXPECT_EQ(Widths(other), (Texts{"71", "5", "5"}));
}

// --- exchange sort ------------------------------------------------------------------------

struct SortCase {
  std::string_view direction;
  bool asText;
  Texts expected;  // column 1 after the sort
};

TEST(SortGridRows, LargerOrLaterFirstWithDForBothKinds) {
  const SortCase cases[] = {
      {"D", false, {"10", "9", "2", "", "-1"}},
      {"A", false, {"-1", "", "2", "9", "10"}},
      {"", false, {"-1", "", "2", "9", "10"}},
      {"d", false, {"-1", "", "2", "9", "10"}},  // only "D" is descending
      {"D", true, {"9", "2", "10", "-1", ""}},
      {"A", true, {"", "-1", "10", "2", "9"}},
  };
  for (const SortCase& c : cases) {
    ScriptedDialogs dialogs;
    Grid grid = RowsGrid({"9", "", "10", "-1", "2"});
    SortGridRows(grid, 1, c.direction, c.asText, false, dialogs);
    EXPECT_EQ(Column(grid, 1), c.expected) << c.direction << " text " << c.asText;
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(grid.Cell(1, 0), "Value");  // row 0 never moves
  }
}

TEST(SortGridRows, TextSortIsByteWiseAndCaseSensitive) {
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"b", "B", "a", "A", "\xE9", "Z"});
  SortGridRows(grid, 1, "A", true, false, dialogs);
  EXPECT_EQ(Column(grid, 1), (Texts{"A", "B", "Z", "a", "b", "\xE9"}));
}

TEST(SortGridRows, EqualRowsKeepTheirOrder) {
  for (std::string_view direction : {"D", "A"}) {
    ScriptedDialogs dialogs;
    Grid grid = RowsGrid({"2", "1", "2", "1", "2", "1.0"});
    SortGridRows(grid, 1, direction, false, true, dialogs);
    if (direction == "D") {
      EXPECT_EQ(Column(grid, 2), (Texts{"r1", "r3", "r5", "r2", "r4", "r6"}));
    } else {
      EXPECT_EQ(Column(grid, 2), (Texts{"r2", "r4", "r6", "r1", "r3", "r5"}));
    }
    EXPECT_EQ(Column(grid, 0), (Texts{"1", "2", "3", "4", "5", "6"}));  // column 0 kept
  }
}

TEST(SortGridRows, LeavesTheSortStateAlone) {
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"2", "1"});
  SetSortState(grid, 2, false);
  SortGridRows(grid, 1, "D", false, false, dialogs);
  EXPECT_EQ(SortColumn(grid), 2);
  EXPECT_FALSE(SortDescending(grid));
}

TEST(SortGridRows, NotANumberShowsTheMessageAtEveryComparison) {
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"1", "x", "2"});
  SortGridRows(grid, 1, "A", false, false, dialogs);
  // Pass 1: (1, x) exchanged, (1, 2) in order; pass 2: (x, 1), (1, 2) in order. The text x
  // counts as 0 and took part in two comparisons.
  EXPECT_EQ(Column(grid, 1), (Texts{"x", "1", "2"}));
  EXPECT_EQ(dialogs.CountShown(kInputError, kNotValid), 2);
  EXPECT_EQ(dialogs.Messages().size(), 2u);
}

// --- gap sort -------------------------------------------------------------------------------

TEST(SortGridColumn, NumbersLargestFirstWithDTextsAToZWithD) {
  const SortCase cases[] = {
      {"D", false, {"10", "9", "2", "", "-1"}},
      {"A", false, {"-1", "", "2", "9", "10"}},
      {"D", true, {"", "-1", "10", "2", "9"}},
      {"A", true, {"9", "2", "10", "-1", ""}},
      {"x", true, {"9", "2", "10", "-1", ""}},
  };
  for (const SortCase& c : cases) {
    ScriptedDialogs dialogs;
    Grid grid = RowsGrid({"9", "", "10", "-1", "2"});
    SortGridColumn(grid, 1, c.direction, c.asText, false, dialogs);
    EXPECT_EQ(Column(grid, 1), c.expected) << c.direction << " text " << c.asText;
    EXPECT_EQ(grid.Cell(1, 0), "Value");
  }
}

TEST(SortGridColumn, NamesAToZWithD) {
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"Smith", "Brown", "Young", "Adams", "Jones"});
  SortGridColumn(grid, 1, "D", true, false, dialogs);
  EXPECT_EQ(Column(grid, 1), (Texts{"Adams", "Brown", "Jones", "Smith", "Young"}));
  SortGridColumn(grid, 1, "A", true, false, dialogs);
  EXPECT_EQ(Column(grid, 1), (Texts{"Young", "Smith", "Jones", "Brown", "Adams"}));
}

TEST(SortGridColumn, RecordsTheSortState) {
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"2", "1"});
  SortGridColumn(grid, 2, "D", true, false, dialogs);
  EXPECT_EQ(SortColumn(grid), 2);
  EXPECT_TRUE(SortDescending(grid));
  SortGridColumn(grid, 1, "A", false, false, dialogs);
  EXPECT_EQ(SortColumn(grid), 1);
  EXPECT_FALSE(SortDescending(grid));
}

TEST(SortGridColumn, ExactOrderOfTheGapSortWhereEqualRowsChangeOrder) {
  // Rows 1..5 hold 5 3 5 1 3 (labels r1..r5), ascending numbers, RowCount 6.
  // Gap 3: (1,4) 5 > 1 exchanged -> r4 r2 r3 r1 r5; (2,5) 3 = 3 stays.
  // Gap 1: i=2: (1,2) in order. i=3: (2,3), (1,2) in order. i=4: (3,4) 5 = 5, (2,3),
  // (1,2) in order. i=5: (4,5) 5 > 3 exchanged -> r4 r2 r3 r5 r1; (3,4) 5 > 3 exchanged
  // -> r4 r2 r5 r3 r1; (2,3) 3 = 3, (1,2) in order.
  // The two 5s were r1 before r3 and end r3 before r1.
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"5", "3", "5", "1", "3"});
  SortGridColumn(grid, 1, "A", false, true, dialogs);
  EXPECT_EQ(Column(grid, 1), (Texts{"1", "3", "3", "5", "5"}));
  EXPECT_EQ(Column(grid, 2), (Texts{"r4", "r2", "r5", "r3", "r1"}));
  EXPECT_EQ(Column(grid, 0), (Texts{"1", "2", "3", "4", "5"}));  // column 0 kept

  // Without keeping column 0 the row numbers travel with their rows.
  Grid moving = RowsGrid({"5", "3", "5", "1", "3"});
  SortGridColumn(moving, 1, "A", false, false, dialogs);
  EXPECT_EQ(Column(moving, 0), (Texts{"4", "2", "5", "3", "1"}));
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(SortGridColumn, TagsStayWithRowPositions) {
  ScriptedDialogs dialogs;
  Grid grid = RowsGrid({"3", "1", "2"});
  SetCellCheckBox(grid, 2, 2, true, true);
  SortGridColumn(grid, 1, "A", false, false, dialogs);
  EXPECT_EQ(Column(grid, 2), (Texts{"r2", "r3", "r1"}));
  EXPECT_TRUE(CellHasCheckBox(grid, 2, 2));
  EXPECT_TRUE(CellChecked(grid, 2, 2));
  EXPECT_FALSE(CellHasCheckBox(grid, 2, 1));
  EXPECT_FALSE(CellHasCheckBox(grid, 2, 3));
}

TEST(SortGridColumn, NotANumberShowsTheMessagePerTextAndComparison) {
  ScriptedDialogs dialogs;
  // RowCount 3: one gap of 1 and a single comparison of rows 1 and 2, both not numbers.
  Grid grid = RowsGrid({"x", "y"});
  SortGridColumn(grid, 1, "D", false, false, dialogs);
  EXPECT_EQ(dialogs.CountShown(kInputError, kNotValid), 2);
  EXPECT_EQ(Column(grid, 1), (Texts{"x", "y"}));  // both 0: in order

  ScriptedDialogs more;
  // RowCount 4: gap 2 compares (1,3), 1 and 2; gap 1 compares (1,2), 1 and x, which are
  // exchanged, then (2,3), 1 and 2, and (1,2) again, x and 1: x took part twice.
  Grid three = RowsGrid({"1", "x", "2"});
  SortGridColumn(three, 1, "A", false, false, more);
  EXPECT_EQ(Column(three, 1), (Texts{"x", "1", "2"}));
  EXPECT_EQ(more.CountShown(kInputError, kNotValid), 2);
}

TEST(SortGrids, GridsWithoutDataRowsAreLeftAlone) {
  ScriptedDialogs dialogs;
  Grid heading(3, 1);
  heading.SetCell(1, 0, "x");
  SortGridRows(heading, 1, "D", false, false, dialogs);
  SortGridColumn(heading, 1, "D", false, false, dialogs);
  EXPECT_EQ(heading.Cell(1, 0), "x");
  Grid one = RowsGrid({"x"});
  SortGridColumn(one, 1, "D", false, false, dialogs);
  SortGridRows(one, 1, "D", false, false, dialogs);
  EXPECT_TRUE(dialogs.Messages().empty());
}

// --- row utilities ------------------------------------------------------------------------

TEST(SwapGridRows, ExchangesTextsNotTags) {
  Grid grid = RowsGrid({"a", "b", "c"});
  grid.SetTag(1, 1, 7);
  SwapGridRows(grid, 1, 3, false);
  EXPECT_EQ(Column(grid, 1), (Texts{"c", "b", "a"}));
  EXPECT_EQ(Column(grid, 0), (Texts{"3", "2", "1"}));
  EXPECT_EQ(grid.Tag(1, 1), 7u);
  EXPECT_EQ(grid.Tag(1, 3), 0u);

  SwapGridRows(grid, 1, 3, true);
  EXPECT_EQ(Column(grid, 1), (Texts{"a", "b", "c"}));
  EXPECT_EQ(Column(grid, 0), (Texts{"3", "2", "1"}));  // column 0 stayed
}

TEST(SwapGridRows, NothingHappensBeyondTheRowCount) {
  for (int beyond : {4, 5, 40, -1}) {
    Grid grid = RowsGrid({"a", "b", "c"});
    SwapGridRows(grid, 2, beyond, false);
    SwapGridRows(grid, beyond, 1, true);
    EXPECT_EQ(Column(grid, 1), (Texts{"a", "b", "c"})) << beyond;
    EXPECT_EQ(Column(grid, 0), (Texts{"1", "2", "3"})) << beyond;
  }
}

TEST(ClearGrid, KeepsHeadingRowCountAndTags) {
  Grid grid = RowsGrid({"a", "b"});
  SetSortState(grid, 1, true);
  MarkRow(grid, 2, true);
  SetCellCheckBox(grid, 1, 1, true, true);
  ClearGrid(grid);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(1, 0), "Value");
  for (int r = 1; r < 3; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid.Cell(c, r), "") << c << "," << r;
  EXPECT_EQ(SortColumn(grid), 1);
  EXPECT_EQ(MarkedRow(grid), 2);
  EXPECT_TRUE(CellChecked(grid, 1, 1));
}

TEST(CopyGrid, TakesCountsFixedAndTexts) {
  Grid source = RowsGrid({"a", "b", "c"});
  source.SetFixedRows(2);
  source.SetFixedCols(0);
  source.SetTag(1, 1, 9);
  Grid destination(7, 1);
  destination.SetCell(5, 0, "gone");
  destination.SetTag(1, 0, 4);
  CopyGrid(destination, source);
  EXPECT_EQ(destination.ColCount(), 3);
  EXPECT_EQ(destination.RowCount(), 4);
  EXPECT_EQ(destination.FixedRows(), 2);
  EXPECT_EQ(destination.FixedCols(), 0);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(destination.Cell(c, r), source.Cell(c, r)) << c << "," << r;
  EXPECT_EQ(destination.Tag(1, 1), 0u);  // texts only
  EXPECT_EQ(destination.Tag(1, 0), 4u);
}

TEST(InsertGridRow, MovesRowsDownAndEmptiesTheRow) {
  Grid grid = RowsGrid({"a", "b", "c"});
  grid.SetTag(1, 2, 5);
  InsertGridRow(grid, 2);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(Column(grid, 1), (Texts{"a", "", "b", "c"}));
  EXPECT_EQ(Column(grid, 0), (Texts{"1", "", "2", "3"}));
  EXPECT_EQ(grid.Tag(1, 2), 5u);  // tags stay with positions

  InsertGridRow(grid, 5);  // at the end: just one more empty row
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(Column(grid, 1), (Texts{"a", "", "b", "c", ""}));
}

TEST(PlaceOverCell, AddsTheGridsLeftAndTwoButNotTheGridsTop) {
  EXPECT_EQ(PlaceOverCell(Rect{30, 40, 64, 20}, 100), (Rect{132, 42, 64, 20}));
  EXPECT_EQ(PlaceOverCell(Rect{0, 0, 10, 5}, 0), (Rect{2, 2, 10, 5}));
}

}  // namespace
}  // namespace quenchel
