#pragma once
// The generic grid layout and the "print a grid" command that the
// competitor list and the list inspection view use.

#include <optional>
#include <string>
#include <vector>

#include "print/print_context.h"

namespace quenchel {

class Grid;
class PrintDialog;
class Surface;
struct LocalDateTime;

// colX of the generic layout: colX[0] = pxX, colX[c] = colX[c − 1] + w[c − 1] + pxX, where
// w[c] is the widest text of column c (heading row included) in the surface's font; the
// last entry, colX[ColCount], is the table width. Nothing for a grid without columns.
std::optional<std::vector<int>> GridColumnPositions(const Grid& grid, const Surface& surface, int pxX);

// "Quenchel Document" directly followed by the time stamp.
std::string GridJobTitle(const LocalDateTime& when);

// Lays the grid out from page 1 in bands across the page and draws only page `wanted`
// (every page when wanted is 0, each on its own sheet while printing). Tells the page
// list the printer's page size and every page that begins.
void PrintGridPages(const PrintContext& context, const Grid& grid, Surface& surface, int wanted);

// The three heading lines a printout sets before it renders.
struct PrintHeadings {
  std::string title;
  std::string subTitle;
  std::string titleNote;
};

// Prints every page of the grid on the printer after the print dialog (one copy). Does
// nothing without a printer; PrintToPrinter is false afterwards in every case.
void PrintGridCommand(const PrintContext& context, PrintDialog& dialog, const Grid& grid,
                      const PrintHeadings& headings);

}  // namespace quenchel
