#include "platform/qt_print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace quenchel {

namespace {

QAbstractPrintDialog::PrintRange ToQtRange(PrintPages pages) {
  switch (pages) {
    case PrintPages::Range: return QAbstractPrintDialog::PageRange;
    case PrintPages::Selection: return QAbstractPrintDialog::Selection;
    case PrintPages::All: break;
  }
  return QAbstractPrintDialog::AllPages;
}

PrintPages FromQtRange(QPrinter::PrintRange range) {
  switch (range) {
    case QPrinter::PageRange: return PrintPages::Range;
    case QPrinter::Selection:
    case QPrinter::CurrentPage: return PrintPages::Selection;
    case QPrinter::AllPages: break;
  }
  return PrintPages::All;
}

}  // namespace

std::optional<PrintRange> QtPrintDialog::Ask(const PrintRequest& request) {
  printer_.setCopyCount(std::max(1, request.copies));
  QPrintDialog dialog(&printer_, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageNumbersEnabled);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, request.pageNumbersEnabled);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (request.pageNumbersEnabled) {
    const int minPage = request.minPage;
    const int maxPage = std::max(request.minPage, request.maxPage);
    dialog.setMinMax(minPage, maxPage);
    const int fromPage = std::clamp(request.fromPage, minPage, maxPage);
    printer_.setFromTo(fromPage, std::clamp(request.toPage, fromPage, maxPage));
    dialog.setPrintRange(ToQtRange(request.pages));
  } else {
    printer_.setFromTo(0, 0);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  PrintRange chosen;
  chosen.copies = printer_.copyCount();
  chosen.pages = FromQtRange(printer_.printRange());
  if (chosen.pages == PrintPages::Range) {
    chosen.fromPage = printer_.fromPage();
    chosen.toPage = printer_.toPage();
  } else {
    chosen.fromPage = request.fromPage;
    chosen.toPage = request.toPage;
  }
  return chosen;
}

}  // namespace quenchel
