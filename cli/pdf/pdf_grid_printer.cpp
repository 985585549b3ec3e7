#include "pdf/pdf_grid_printer.h"

#include "pdf/pdf_document.h"
#include "print/print_context.h"
#include "store/competition.h"

namespace quenchel {

PdfPrintResult PrintGridToPdf(Competition& competition, const Grid& grid, const PrintHeadings& headings,
                              const std::string& pdfFile, Dialogs& dialogs, const Clock& clock) {
  PdfDocument document(pdfFile, PageOrientation::Portrait, headings.title);
  if (!document.OpenError().empty()) return PdfPrintResult{document.OpenError()};

  PrintState print;
  print.PrintToPrinter = true;
  print.PrintTitle = headings.title;
  print.PrintSubTitle = headings.subTitle;
  print.PrintTitleNote = headings.titleNote;
  PdfPrinting printing;
  PdfPageList pages(print, competition.state);
  const PrintContext context{competition, print, dialogs, printing, clock, pages, document.Page()};
  PrintGridPages(context, grid, document.Page(), 0);
  return document.Finish();
}

}  // namespace quenchel
