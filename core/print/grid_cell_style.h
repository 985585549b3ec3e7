#pragma once
// The common cell painter's rules as data: for one cell, what a
// painter fills, frames, checks, writes and where. The Qt delegate paints from it; the
// colour roles stand for the system colours and map to the palette there.

#include <vector>

#include "print/rect.h"
#include "print/surface.h"

namespace quenchel {

class Grid;

enum class CellColourRole {
  FixedBackground,  // the grid's fixed colour (the button face by default)
  ButtonText,
  ButtonFace,
  ButtonHighlight,  // raised frame, top and left
  ButtonShadow,     // raised frame, bottom and right
  Highlight,        // the marked row
  HighlightText,
  InfoBackground,   // odd data rows (the tooltip background)
  ThreeDLight,      // even data rows
  Text,             // the grid's own text colour
};

// Left-aligned text stands this far from the cell's left edge, right-aligned text this
// far from its right edge.
inline constexpr int kGridTextSideInset = 10;

enum class CellAlignment { Left = 0, Centre = 1, Right = 2 };

struct CellStyle {
  SurfaceFont font;
  CellColourRole background = CellColourRole::InfoBackground;
  CellColourRole text = CellColourRole::Text;

  // A frame of width 1 just inside the cell: `frameLight` top and left, `frameDark`
  // bottom and right.
  bool raisedFrame = false;
  CellColourRole frameLight = CellColourRole::ButtonHighlight;
  CellColourRole frameDark = CellColourRole::ButtonShadow;

  bool checkBox = false;
  bool checked = false;
  Rect checkBoxRect;

  // The text goes on one line, vertically centred in `textRect`.
  Rect textRect;
  CellAlignment alignment = CellAlignment::Left;

  // Drawn after the text: a closed polygon filled with `arrowFill`, outlined in
  // `arrowOutline`. Empty when the cell shows no arrow.
  bool sortArrow = false;
  std::vector<Point> arrow;
  Rgb arrowFill{255, 2, 5};
  CellColourRole arrowOutline = CellColourRole::ButtonFace;
};

// `cell` is the cell's rectangle, `fixed` whether it is a fixed cell, `alignment` 0 left,
// 1 centred, 2 right (row 0 is always left), `checkMarkWidth` and `checkMarkHeight` the
// platform's check-mark size, `gridFont` the grid's font and size.
//
// The sort arrow's y positions are measured from the cell's top. The original measured
// them from the grid's top, where its heading row always stands; the two agree there, and
// this way the arrow stays in its cell when the heading row is drawn anywhere else.
CellStyle DrawGridCellStyle(const Grid& grid, int column, int row, Rect cell, bool fixed, int alignment,
                            int checkMarkWidth, int checkMarkHeight, const SurfaceFont& gridFont = {});

}  // namespace quenchel
