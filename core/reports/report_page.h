#pragma once
// A results table laid out on printed pages: the page heading (which pre-printed paper
// may leave blank), staggered column headings, one line per data row, the key to the
// lettered columns on the last page, and a footer on every page.

#include <string>
#include <vector>

#include "platform/printing.h"
#include "print/print_context.h"

namespace quenchel {

class DSNode;
class Grid;
class PrintDialog;
class Surface;

// What a report's pages are drawn from: the report's ReportList record and the table
// as the report window shows it (tie-break column already removed when hidden).
struct ReportPrintout {
  const DSNode& report;
  const Grid& table;
};

// Portrait when the report says "P", landscape otherwise.
PageOrientation ReportOrientation(const DSNode& report);

// Lays out the whole report from page 1 and draws only page `page` on the canvas.
// Tells the context's page list the printer's page size and every page that begins,
// so the preview learns the page count from it.
void RenderReportPage(const PrintContext& context, const ReportPrintout& printout, Surface& canvas, int page);

// The pages a report has on the printer's page (lays it out without drawing).
int CountReportPrinterPages(const PrintContext& context, const ReportPrintout& printout);

// The print command: printer check, orientation from the report, one copy, the print
// dialog offering pages 1 to `lastPage` and the selection `selectedPage`; every chosen
// page rendered on the printer, a new sheet between pages.
void PrintReportCommand(const PrintContext& context, PrintDialog& dialog, const ReportPrintout& printout,
                        int lastPage, int selectedPage);

}  // namespace quenchel
