#pragma once
// The parts every printed page shares. Each sets the
// printed font (PrintFontName at size S) itself and measures lineH on the surface.

#include <span>
#include <string>

#include "print/print_context.h"

namespace quenchel {

class Grid;
class Surface;

// The five heading lines (PrintTitle, CompetitionTitle, PrintSubTitle, an empty line,
// PrintTitleNote), centred, one lineH apart from y = 0. Leaves the font plain at size S
// and returns 3 × lineH, the y of the column headings.
int PageHeading(const PrintContext& context, Surface& surface, int page);

// The rule at PageHeight − 3 × lineH, the time printed (bold italic, S − 2, ending 5
// units before the right edge) and "Page n" (centred). Leaves the font plain at size S
// and returns PageHeight − 4 × lineH, the lowest y rows may use.
int PageFooter(const PrintContext& context, Surface& surface, int page);

// The grid's heading row in bold at (colX[c] + xOffset, y) for every column and its rule
// two lines lower. Leaves the font plain and returns y + 3 × lineH, the first row's y.
// colX holds at least ColCount entries.
int ColumnHeadingRow(const PrintContext& context, std::span<const int> colX, const Grid& grid, int y, int xOffset,
                     Surface& surface);

// "Page %d".
std::string PageNumberText(int page);

}  // namespace quenchel
