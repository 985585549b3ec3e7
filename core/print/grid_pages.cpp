#include "print/grid_pages.h"

#include <algorithm>
#include <cmath>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/print_dialog.h"
#include "print/grid.h"
#include "print/layout_only_surface.h"
#include "print/page_list.h"
#include "print/page_parts.h"
#include "print/print_primitives.h"
#include "print/print_state.h"

namespace quenchel {

std::optional<std::vector<int>> GridColumnPositions(const Grid& grid, const Surface& surface, int pxX) {
  const int columns = grid.ColCount();
  if (columns <= 0) return std::nullopt;
  std::vector<int> colX(static_cast<std::size_t>(columns) + 1, 0);
  colX[0] = pxX;
  for (int c = 1; c <= columns; ++c) {
    int widest = 0;
    for (int r = 0; r < grid.RowCount(); ++r) widest = std::max(widest, surface.TextWidth(grid.Cell(c - 1, r)));
    colX[static_cast<std::size_t>(c)] = colX[static_cast<std::size_t>(c) - 1] + widest + pxX;
  }
  return colX;
}

std::string GridJobTitle(const LocalDateTime& when) { return "Quenchel Document" + PrintTimeStamp(when); }

void PrintGridPages(const PrintContext& context, const Grid& grid, Surface& surface, int wanted) {
  PrintState& print = context.print;
  print.JobTitle = GridJobTitle(context.clock.Now());
  context.pages.PreviewPageSetup(context.printer.Width(), context.printer.Height());
  context.pages.NewPageList();

  int page = 1;
  const PrintMetrics metrics = SetPrintFont(context, surface);
  const int lineH = metrics.lineH;

  const std::optional<std::vector<int>> columns = GridColumnPositions(grid, surface, metrics.pxX);
  if (!columns) {
    context.dialogs.ShowInfo(kColumnTableCaption, kColumnTableText);
    return;
  }
  const std::vector<int>& colX = *columns;
  const int tableWidth = colX.back();

  // Bands side by side: as many tables as fit across, the spare room shared between them;
  // a single band (also one wider than the page) is centred.
  const int bands = std::max(1, tableWidth > 0 ? print.PageWidth / tableWidth : 1);
  double margin = static_cast<double>(print.PageWidth - bands * tableWidth) / bands;
  if (margin < 0) margin = 1.0;
  if (bands == 1 || margin > 2.0) margin /= 2;
  double xOffset = margin;

  LayoutOnlySurface layoutOnly(surface);
  const auto target = [&]() -> Surface& { return wanted == 0 || wanted == page ? surface : layoutOnly; };

  int top = PageHeading(context, target(), page);
  context.pages.PageBegins(1);
  int y = ColumnHeadingRow(context, colX, grid, top, static_cast<int>(xOffset), target());
  int limit = PageFooter(context, target(), page);

  for (int r = 1; r < grid.RowCount(); ++r) {
    if (wanted == 0 || wanted == page) {
      for (int c = 0; c < grid.ColCount(); ++c)
        TextOutAngle(surface, static_cast<int>(colX[static_cast<std::size_t>(c)] + xOffset), y, 0, grid.Cell(c, r));
    }
    y += lineH;
    // A full band moves on only when rows remain: the last row filling a page must not
    // leave an empty band or an empty page behind it.
    const bool rowsRemain = r + 1 < grid.RowCount();
    if (rowsRemain && y + lineH > limit) {
      if (print.PageWidth > xOffset + 2.0 * tableWidth) {
        xOffset += tableWidth;
        y = ColumnHeadingRow(context, colX, grid, top, static_cast<int>(xOffset), target());
      } else {
        ++page;
        if (print.PrintToPrinter) surface.NewSheet();
        xOffset = margin;
        top = PageHeading(context, target(), page);
        context.pages.PageBegins(page);
        y = ColumnHeadingRow(context, colX, grid, top, static_cast<int>(xOffset), target());
        limit = PageFooter(context, target(), page);
      }
    }
  }
}

void PrintGridCommand(const PrintContext& context, PrintDialog& dialog, const Grid& grid,
                      const PrintHeadings& headings) {
  if (!PrinterInstalled(context.printing, context.dialogs)) return;
  PrintState& print = context.print;
  print.PrintToPrinter = true;
  context.pages.NewPageList();
  print.PrintTitle = headings.title;
  print.PrintSubTitle = headings.subTitle;
  print.PrintTitleNote = headings.titleNote;

  PrintRequest request;
  request.copies = 1;
  if (dialog.Ask(request)) {
    context.printer.BeginDocument(GridJobTitle(context.clock.Now()));
    PrintGridPages(context, grid, context.printer, 0);
    context.printer.EndDocument();
  }
  print.PrintToPrinter = false;
}

}  // namespace quenchel
