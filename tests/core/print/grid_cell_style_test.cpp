// The common cell painter's rules: font, colours, frame, check box, text area and the
// sort arrow.

#include "print/grid_cell_style.h"

#include <gtest/gtest.h>

#include <vector>

#include "print/grid.h"
#include "print/grid_utils.h"

namespace quenchel {
namespace {

constexpr int kCheckWidth = 13;
constexpr int kCheckHeight = 13;

const SurfaceFont kGridFont{"Tahoma", 10, false, false, false};

CellStyle StyleOf(const Grid& grid, int column, int row, Rect cell, bool fixed = false, int alignment = 0) {
  return DrawGridCellStyle(grid, column, row, cell, fixed, alignment, kCheckWidth, kCheckHeight, kGridFont);
}

TEST(GridCellStyle, HeadingRowIsBoldAndOnePointSmaller) {
  Grid grid(4, 4);
  const CellStyle heading = StyleOf(grid, 1, 0, {0, 0, 60, 20}, true);
  EXPECT_EQ(heading.font, (SurfaceFont{"Tahoma", 9, true, false, false}));
  const CellStyle data = StyleOf(grid, 1, 1, {0, 20, 60, 20});
  EXPECT_EQ(data.font, kGridFont);
  SurfaceFont boldGridFont = kGridFont;
  boldGridFont.bold = true;
  const CellStyle notBold = DrawGridCellStyle(grid, 1, 2, {0, 40, 60, 20}, false, 0, 13, 13, boldGridFont);
  EXPECT_FALSE(notBold.font.bold);
}

TEST(GridCellStyle, BackgroundsByState) {
  Grid grid(4, 6);
  MarkRow(grid, 3, true);
  struct Case {
    int row;
    bool fixed;
    CellColourRole background;
    CellColourRole text;
    bool raised;
  };
  const Case cases[] = {
      {0, true, CellColourRole::FixedBackground, CellColourRole::ButtonText, true},
      {2, true, CellColourRole::FixedBackground, CellColourRole::ButtonText, true},
      {3, true, CellColourRole::FixedBackground, CellColourRole::ButtonText, true},  // fixed wins
      {3, false, CellColourRole::Highlight, CellColourRole::HighlightText, false},
      {1, false, CellColourRole::InfoBackground, CellColourRole::Text, false},
      {5, false, CellColourRole::InfoBackground, CellColourRole::Text, false},
      {2, false, CellColourRole::ThreeDLight, CellColourRole::Text, false},
      {4, false, CellColourRole::ThreeDLight, CellColourRole::Text, false},
  };
  for (const Case& c : cases) {
    const CellStyle style = StyleOf(grid, 1, c.row, {0, 20 * c.row, 60, 20}, c.fixed);
    EXPECT_EQ(style.background, c.background) << c.row << " fixed " << c.fixed;
    EXPECT_EQ(style.text, c.text) << c.row << " fixed " << c.fixed;
    EXPECT_EQ(style.raisedFrame, c.raised) << c.row << " fixed " << c.fixed;
  }
  const CellStyle frame = StyleOf(grid, 0, 1, {0, 20, 60, 20}, true);
  EXPECT_EQ(frame.frameLight, CellColourRole::ButtonHighlight);
  EXPECT_EQ(frame.frameDark, CellColourRole::ButtonShadow);
}

TEST(GridCellStyle, NoMarkedRowMeansAlternatingRowsOnly) {
  Grid grid(4, 4);
  EXPECT_EQ(StyleOf(grid, 1, 1, {0, 20, 60, 20}).background, CellColourRole::InfoBackground);
  MarkRow(grid, 2, true);
  EXPECT_EQ(StyleOf(grid, 3, 2, {0, 40, 60, 20}).background, CellColourRole::Highlight);
  MarkRow(grid, 2, false);
  EXPECT_EQ(StyleOf(grid, 3, 2, {0, 40, 60, 20}).background, CellColourRole::ThreeDLight);
}

TEST(GridCellStyle, CheckBoxRectangleAndTextAfterIt) {
  Grid grid(4, 4);
  SetCellCheckBox(grid, 2, 1, true, true);
  SetCellCheckBox(grid, 3, 1, true, false);
  const CellStyle checked = StyleOf(grid, 2, 1, {10, 20, 60, 20});
  ASSERT_TRUE(checked.checkBox);
  EXPECT_TRUE(checked.checked);
  // middle = 20 + 10 = 30: from (12, 30 - 6 - 2) to (12 + 13, 30 + 13).
  EXPECT_EQ(checked.checkBoxRect, Rect::FromEdges(12, 22, 25, 43));
  EXPECT_EQ(checked.checkBoxRect, (Rect{12, 22, 13, 21}));
  // The text area begins after the box, then moves 10 right and 2 down (left-aligned).
  EXPECT_EQ(checked.textRect, Rect::FromEdges(35, 22, 70, 40));

  const CellStyle unchecked = StyleOf(grid, 3, 1, {70, 20, 60, 21});
  ASSERT_TRUE(unchecked.checkBox);
  EXPECT_FALSE(unchecked.checked);
  EXPECT_EQ(unchecked.checkBoxRect, Rect::FromEdges(72, 22, 85, 43));  // middle 30

  EXPECT_FALSE(StyleOf(grid, 1, 1, {0, 20, 60, 20}).checkBox);
  // Row 0 and column 0 never show one, whatever their tags say.
  grid.SetTag(0, 1, 0x00010001u);
  EXPECT_FALSE(StyleOf(grid, 0, 1, {0, 20, 60, 20}).checkBox);
  grid.SetTag(2, 0, 1);  // the marked-row tag, not a check box
  EXPECT_FALSE(StyleOf(grid, 2, 0, {0, 0, 60, 20}, true).checkBox);
}

TEST(GridCellStyle, TextInsetsPerAlignment) {
  Grid grid(4, 4);
  const Rect cell{100, 40, 80, 20};
  struct Case {
    int row;
    int alignment;
    CellAlignment shown;
    Rect text;
  };
  const Case cases[] = {
      {1, 0, CellAlignment::Left, Rect::FromEdges(110, 42, 180, 60)},
      {1, 1, CellAlignment::Centre, Rect::FromEdges(100, 40, 180, 60)},
      {1, 2, CellAlignment::Right, Rect::FromEdges(100, 42, 170, 60)},
      {1, 7, CellAlignment::Left, Rect::FromEdges(110, 42, 180, 60)},
      {0, 1, CellAlignment::Left, Rect::FromEdges(110, 42, 180, 60)},  // row 0 always left
      {0, 2, CellAlignment::Left, Rect::FromEdges(110, 42, 180, 60)},
  };
  for (const Case& c : cases) {
    const CellStyle style = StyleOf(grid, 1, c.row, cell, c.row == 0, c.alignment);
    EXPECT_EQ(style.alignment, c.shown) << c.row << "/" << c.alignment;
    EXPECT_EQ(style.textRect, c.text) << c.row << "/" << c.alignment;
  }
}

TEST(GridCellStyle, SortArrowPointsUpWhenDescending) {
  Grid grid(4, 4);
  SetSortState(grid, 1, true);
  ShowSortArrow(grid, true);
  const CellStyle style = StyleOf(grid, 1, 0, {40, 0, 80, 20}, true);
  ASSERT_TRUE(style.sortArrow);
  // q = 5, m = 10, x0 = 40 + trunc(1.2 * 5) = 46.
  EXPECT_EQ(style.arrow, (std::vector<Point>{{46, 5}, {41, 15}, {46, 12}, {51, 15}}));
  EXPECT_EQ(style.arrowFill, (Rgb{255, 2, 5}));
  EXPECT_EQ(style.arrowOutline, CellColourRole::ButtonFace);
}

TEST(GridCellStyle, SortArrowPointsDownWhenAscending) {
  Grid grid(4, 4);
  SetSortState(grid, 2, false);
  ShowSortArrow(grid, true);
  const CellStyle style = StyleOf(grid, 2, 0, {40, 0, 80, 20}, true);
  ASSERT_TRUE(style.sortArrow);
  EXPECT_EQ(style.arrow, (std::vector<Point>{{46, 15}, {51, 5}, {46, 8}, {41, 5}}));

  // q = 6, m = 13, x0 = 10 + trunc(7.2) = 17.
  const CellStyle taller = StyleOf(grid, 2, 0, {10, 0, 50, 26}, true);
  EXPECT_EQ(taller.arrow, (std::vector<Point>{{17, 19}, {23, 7}, {17, 10}, {11, 7}}));
}

TEST(GridCellStyle, SortArrowOnlyInTheSortColumnOfRowZeroWhenShown) {
  Grid grid(4, 4);
  SetSortState(grid, 1, true);
  EXPECT_FALSE(StyleOf(grid, 1, 0, {40, 0, 80, 20}, true).sortArrow);  // hidden
  ShowSortArrow(grid, true);
  EXPECT_FALSE(StyleOf(grid, 2, 0, {120, 0, 80, 20}, true).sortArrow);  // other column
  EXPECT_FALSE(StyleOf(grid, 1, 1, {40, 20, 80, 20}).sortArrow);       // data row
  EXPECT_TRUE(StyleOf(grid, 1, 0, {40, 0, 80, 20}, true).arrow.size() == 4);
}

TEST(GridCellStyle, SortArrowFollowsTheCellsTop) {
  // A heading row drawn lower down (a scrolled view, an image) keeps its arrow inside.
  Grid grid(4, 4);
  SetSortState(grid, 1, true);
  ShowSortArrow(grid, true);
  const CellStyle style = StyleOf(grid, 1, 0, {40, 100, 80, 20}, true);
  EXPECT_EQ(style.arrow, (std::vector<Point>{{46, 105}, {41, 115}, {46, 112}, {51, 115}}));
}

}  // namespace
}  // namespace quenchel
