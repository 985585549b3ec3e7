#pragma once
// A PDF file written as a printer would print a job: A4 at 600 dots per inch with the
// margins of a printer's unprintable edge, in the page orientation asked for, and the
// printer and page list that printouts expect. Needs a QGuiApplication (HeadlessGui).

#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "pdf/pdf_grid_printer.h"
#include "platform/printing.h"
#include "print/page_list.h"
#include "print/print_state.h"
#include "print/qpainter_surface.h"

namespace quenchel {

struct AppState;

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

  void PreviewPageSetup(int printerPageWidth, int printerPageHeight) override;
  void NewPageList() override {}
  void PageBegins(int /*page*/) override {}

 private:
  PrintState& print_;
  AppState& state_;
};

class PdfDocument {
 public:
  // `title` is competition text (Windows-1252), the document's title.
  PdfDocument(const std::string& pdfFile, PageOrientation orientation, std::string_view title);
  // A document not finished is abandoned: its file is removed.
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  // Why nothing can be drawn (the file cannot be created); empty when the page is ready.
  const std::string& OpenError() const noexcept { return openError_; }
  // The current sheet; its NewSheet() starts the next one.
  QPainterSurface& Page() { return *surface_; }

  // Completes the file; a file that could not be written completely is removed.
  PdfPrintResult Finish();

 private:
  PdfPrintResult Failed(std::string_view why);

  std::string path_;
  QString fileName_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  std::optional<QPainterSurface> surface_;
  std::string openError_;
  bool finished_ = false;
};

}  // namespace quenchel
