#include "pdf/pdf_report_printer.h"

#include "pdf/pdf_document.h"
#include "print/print_context.h"
#include "reports/report_columns.h"
#include "reports/report_page.h"
#include "store/competition.h"

namespace quenchel {

PdfPrintResult PrintReportToPdf(Competition& competition, const ReportPrintout& printout,
                                const std::string& pdfFile, Dialogs& dialogs, const Clock& clock) {
  PdfDocument document(pdfFile, ReportOrientation(printout.report), printout.report.Cell(report_cell::kName));
  if (!document.OpenError().empty()) return PdfPrintResult{document.OpenError()};

  PrintState print;
  print.PrintToPrinter = true;
  PdfPrinting printing;
  PdfPageList pages(print, competition.state);
  const PrintContext context{competition, print, dialogs, printing, clock, pages, document.Page()};
  const int lastPage = CountReportPrinterPages(context, printout);
  // The document is abandoned, and its file removed, when there is nothing to print.
  if (lastPage < 1) return PdfPrintResult{"cannot write '" + pdfFile + "': the report has no page to print"};
  for (int page = 1; page <= lastPage; ++page) {
    RenderReportPage(context, printout, document.Page(), page);
    if (page < lastPage) document.Page().NewSheet();
  }
  return document.Finish();
}

}  // namespace quenchel
