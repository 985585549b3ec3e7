#include "pdf/pdf_grid_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/printing.h"
#include "platform/text_codec.h"
#include "print/page_list.h"
#include "print/print_state.h"
#include "print/qpainter_surface.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// The PDF file stands in for an installed printer.
class PdfPrinting final : public Printing {
 public:
  bool HasPrinter() const override { return true; }
  int PrinterResolution() const override { return kPdfResolution; }
  void ShowPrinterSetup() override {}
};

// Printing without a preview: the page is the PDF page.
class PdfPageList final : public PageList {
 public:
  PdfPageList(PrintState& print, AppState& state) : print_(print), state_(state) {}

  void PreviewPageSetup(int printerPageWidth, int printerPageHeight) override {
    state_.PrinterResolution = kPdfResolution;
    print_.PageWidth = printerPageWidth;
    print_.PageHeight = printerPageHeight;
  }
  void NewPageList() override {}
  void PageBegins(int /*page*/) override {}

 private:
  PrintState& print_;
  AppState& state_;
};

// The margins a printer's unprintable edge would leave.
constexpr double kMarginMillimetres = 10.0;

}  // namespace

PdfPrintResult PrintGridToPdf(Competition& competition, const Grid& grid, const PrintHeadings& headings,
                              const std::string& pdfFile, Dialogs& dialogs, const Clock& clock) {
  const QString fileName = QFile::decodeName(QByteArray::fromStdString(pdfFile));
  const auto failed = [&fileName, &pdfFile](std::string why) {
    QFile::remove(fileName);
    return PdfPrintResult{"cannot write '" + pdfFile + "': " + why};
  };

  {
    QPdfWriter writer(fileName);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                               kMarginMillimetres),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("quenchel-cli"));
    writer.setTitle(FromCellText(headings.title));

    QPainter painter;
    if (!painter.begin(&writer)) return PdfPrintResult{"cannot write '" + pdfFile + "': the file cannot be created"};
    QPainterSurface surface(painter);

    PrintState print;
    print.PrintToPrinter = true;
    print.PrintTitle = headings.title;
    print.PrintSubTitle = headings.subTitle;
    print.PrintTitleNote = headings.titleNote;
    PdfPrinting printing;
    PdfPageList pages(print, competition.state);
    const PrintContext context{competition, print, dialogs, printing, clock, pages, surface};
    PrintGridPages(context, grid, surface, 0);
    if (!painter.end()) return failed("the file could not be completed");
  }
  const QFileInfo written(fileName);
  if (!written.exists() || written.size() == 0) return failed("nothing was written");
  return {};
}

}  // namespace quenchel
