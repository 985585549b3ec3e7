// The report's print command: the printer, its page orientation, the print dialog's
// page range and every chosen page on its own sheet.

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/print_dialog.h"
#include "platform/printing.h"
#include "print/print_primitives.h"
#include "print/print_state.h"
#include "reports/report_columns.h"
#include "reports/report_page.h"
#include "store/competition.h"

namespace quenchel {
PageOrientation ReportOrientation(const DSNode& report) {
  return report.Cell(report_cell::kOrientation) == "P" ? PageOrientation::Portrait : PageOrientation::Landscape;
}

void PrintReportCommand(const PrintContext& context, PrintDialog& dialog, const ReportPrintout& printout,
                        int lastPage, int selectedPage) {
  if (!PrinterInstalled(context.printing, context.dialogs)) return;
  context.printing.SetOrientation(ReportOrientation(printout.report));

  PrintRequest request;
  request.copies = 1;
  request.pageNumbersEnabled = true;
  request.minPage = 1;
  request.maxPage = lastPage;
  request.fromPage = 1;
  request.toPage = lastPage;
  const std::optional<PrintRange> chosen = dialog.Ask(request);
  if (!chosen) return;

  int first = chosen->fromPage;
  int last = chosen->toPage;
  if (chosen->pages == PrintPages::Selection) first = last = selectedPage;
  first = std::max(first, 1);
  last = std::min(last, lastPage);
  if (first > last) return;

  PrintState& print = context.print;
  const bool wasPrinting = std::exchange(print.PrintToPrinter, true);
  context.printer.BeginDocument(printout.report.Cell(report_cell::kName));
  for (int page = first; page <= last; ++page) {
    RenderReportPage(context, printout, context.printer, page);
    if (page < last) context.printer.NewSheet();
  }
  context.printer.EndDocument();
  print.PrintToPrinter = wasPrinting;
}

}  // namespace quenchel
