#pragma once
// The print dialog as Qt's print dialog on the program's one printer, so the copies and
// pages chosen are the ones the printer prints.

#include <QPointer>
#include <QWidget>

#include "platform/print_dialog.h"

class QPrinter;

namespace quenchel {

class QtPrintDialog final : public PrintDialog {
 public:
  explicit QtPrintDialog(QPrinter& printer) : printer_(printer) {}

  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  // With page numbers enabled the dialog also offers the selection (the page the preview
  // shows); without them only all pages.
  std::optional<PrintRange> Ask(const PrintRequest& request) override;

 private:
  QPrinter& printer_;
  QPointer<QWidget> parent_;
};

}  // namespace quenchel
