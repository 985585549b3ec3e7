#pragma once
// The printer as a surface: the document begins a painter on the printer and ends it, so
// a print job is exactly the pages drawn between the two.

#include <QPainter>

#include "print/qpainter_surface.h"

class QPrinter;

namespace quenchel {

class PrinterSurface final : public QPainterSurface {
 public:
  explicit PrinterSurface(QPrinter& printer);
  ~PrinterSurface() override;
  PrinterSurface(const PrinterSurface&) = delete;
  PrinterSurface& operator=(const PrinterSurface&) = delete;

  // The print job takes `title` as its document name.
  void BeginDocument(std::string_view title) override;
  void EndDocument() override;

  // False when the printer refused to begin the document (nothing can be drawn then).
  bool Printing() const noexcept { return jobPainter_.isActive(); }

 private:
  QPrinter& printer_;
  QPainter jobPainter_;
};

}  // namespace quenchel
