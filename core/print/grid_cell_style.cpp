#include "print/grid_cell_style.h"

#include "print/grid.h"
#include "print/grid_utils.h"

namespace quenchel {

namespace {

constexpr int kBoxInset = 2;        // check box from the cell's left edge
constexpr int kTextTopInset = 2;

CellAlignment AlignmentFor(int row, int alignment) noexcept {
  if (row == 0) return CellAlignment::Left;
  switch (alignment) {
    case 1: return CellAlignment::Centre;
    case 2: return CellAlignment::Right;
    default: return CellAlignment::Left;
  }
}

std::vector<Point> SortArrow(Rect cell, bool descending) {
  const int q = cell.height / 4;
  const int m = cell.top + cell.height / 2;
  const int x0 = cell.left + static_cast<int>(1.2 * q);
  if (descending) return {{x0, m - q}, {x0 - q, m + q}, {x0, m + q / 2}, {x0 + q, m + q}};  // points up
  return {{x0, m + q}, {x0 + q, m - q}, {x0, m - q / 2}, {x0 - q, m - q}};                  // points down
}

}  // namespace

CellStyle DrawGridCellStyle(const Grid& grid, int column, int row, Rect cell, bool fixed, int alignment,
                            int checkMarkWidth, int checkMarkHeight, const SurfaceFont& gridFont) {
  CellStyle style;

  style.font = gridFont;
  style.font.bold = row == 0;
  if (row == 0) style.font.size -= 1;

  if (fixed) {
    style.background = CellColourRole::FixedBackground;
    style.text = CellColourRole::ButtonText;
    style.raisedFrame = true;
  } else if (MarkedRow(grid) != 0 && MarkedRow(grid) == row) {
    style.background = CellColourRole::Highlight;
    style.text = CellColourRole::HighlightText;
  } else {
    style.background = row % 2 != 0 ? CellColourRole::InfoBackground : CellColourRole::ThreeDLight;
    style.text = CellColourRole::Text;
  }

  int textLeft = cell.left;
  int textTop = cell.top;
  int textRight = cell.Right();
  const int textBottom = cell.Bottom();

  if (CellHasCheckBox(grid, column, row)) {
    const int middle = cell.top + cell.height / 2;
    style.checkBox = true;
    style.checked = CellChecked(grid, column, row);
    style.checkBoxRect = Rect::FromEdges(cell.left + kBoxInset, middle - checkMarkHeight / 2 - 2,
                                         cell.left + kBoxInset + checkMarkWidth, middle + checkMarkHeight);
    textLeft = cell.left + kBoxInset + checkMarkWidth;
  }

  style.alignment = AlignmentFor(row, alignment);
  switch (style.alignment) {
    case CellAlignment::Left:
      textLeft += kGridTextSideInset;
      textTop += kTextTopInset;
      break;
    case CellAlignment::Right:
      textRight -= kGridTextSideInset;
      textTop += kTextTopInset;
      break;
    case CellAlignment::Centre:
      break;
  }
  style.textRect = Rect::FromEdges(textLeft, textTop, textRight, textBottom);

  if (row == 0 && column == SortColumn(grid) && SortArrowShown(grid)) {
    style.sortArrow = true;
    style.arrow = SortArrow(cell, grid.Tag(kSortDirectionTag, 0) == 1);
  }
  return style;
}

}  // namespace quenchel
