#include "platform/qt_printing.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>

namespace quenchel {

QtPrinting::QtPrinting() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtPrinting::~QtPrinting() = default;

int QtPrinting::PrinterResolution() const { return printer_->resolution(); }

void QtPrinting::ShowPrinterSetup() {
  QPageSetupDialog dialog(printer_.get(), parent_);
  dialog.exec();
}

void QtPrinting::SetOrientation(PageOrientation orientation) {
  printer_->setPageOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                        : QPageLayout::Landscape);
}

}  // namespace quenchel
