#pragma once
// The printers as Qt sees them. One QPrinter lives for the whole run, so the page set-up
// chosen here is the one every printout uses.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/printing.h"

class QPrinter;

namespace quenchel {

class QtPrinting final : public Printing {
 public:
  QtPrinting();
  ~QtPrinting() override;

  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  // Always true: where no system printer exists, printing goes to a PDF file.
  bool HasPrinter() const override { return true; }
  int PrinterResolution() const override;
  void ShowPrinterSetup() override;
  void SetOrientation(PageOrientation orientation) override;

  QPrinter& Printer() noexcept { return *printer_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPointer<QWidget> parent_;
};

}  // namespace quenchel
