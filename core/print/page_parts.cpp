#include "print/page_parts.h"

#include <string>

#include "platform/clock.h"
#include "print/grid.h"
#include "print/print_primitives.h"
#include "print/print_state.h"
#include "store/competition.h"

namespace quenchel {

namespace {

void CentredLine(const PrintContext& context, Surface& surface, int y, std::string_view text) {
  TextOutAngle(surface, CentredX(context, surface, text), y, 0, text);
}

}  // namespace

std::string PageNumberText(int page) { return "Page " + std::to_string(page); }

int PageHeading(const PrintContext& context, Surface& surface, int /*page*/) {
  const int lineH = SetPrintFont(context, surface).lineH;

  SetPrintFontStyle(context, surface, 4, true, false);
  CentredLine(context, surface, 0, context.print.PrintTitle);
  SetPrintFontStyle(context, surface, 2, true, false);
  CentredLine(context, surface, lineH, context.competition.state.CompetitionTitle);
  CentredLine(context, surface, 2 * lineH, context.print.PrintSubTitle);
  SetPrintFontStyle(context, surface, 2, false, true);
  CentredLine(context, surface, 4 * lineH, context.print.PrintTitleNote);

  SetPrintFontStyle(context, surface, 0, false, false);
  return 3 * lineH;
}

int PageFooter(const PrintContext& context, Surface& surface, int page) {
  const int lineH = SetPrintFont(context, surface).lineH;
  const int footerTop = context.print.PageHeight - 3 * lineH;

  DrawLine(context, 1, footerTop, context.print.PageWidth, footerTop, surface);

  SetPrintFontStyle(context, surface, -2, true, true);
  const std::string printed = "Printed : " + PrintTimeStamp(context.clock.Now());
  TextOutAngle(surface, context.print.PageWidth - 5 - surface.TextWidth(printed), footerTop + lineH, 0, printed);

  SetPrintFontStyle(context, surface, 0, false, false);
  CentredLine(context, surface, footerTop + 2 * lineH, PageNumberText(page));
  return footerTop - lineH;
}

int ColumnHeadingRow(const PrintContext& context, std::span<const int> colX, const Grid& grid, int y, int xOffset,
                     Surface& surface) {
  const int lineH = SetPrintFont(context, surface).lineH;

  SetPrintFontStyle(context, surface, 0, true, false);
  for (int c = 0; c < grid.ColCount() && static_cast<std::size_t>(c) < colX.size(); ++c)
    TextOutAngle(surface, colX[static_cast<std::size_t>(c)] + xOffset, y, 0, grid.Cell(c, 0));
  SetPrintFontStyle(context, surface, 0, false, false);

  DrawLine(context, 1, y + 2 * lineH, context.print.PageWidth, y + 2 * lineH, surface);
  return y + 3 * lineH;
}

}  // namespace quenchel
