#include "print/printer_surface.h"

#include <QPrinter>

#include "platform/text_codec.h"

namespace quenchel {

PrinterSurface::PrinterSurface(QPrinter& printer) : QPainterSurface(printer), printer_(printer) {}

PrinterSurface::~PrinterSurface() {
  if (jobPainter_.isActive()) jobPainter_.end();
}

void PrinterSurface::BeginDocument(std::string_view title) {
  if (jobPainter_.isActive()) return;
  printer_.setDocName(FromCellText(title));
  if (jobPainter_.begin(&printer_)) UsePainter(&jobPainter_);
}

void PrinterSurface::EndDocument() {
  if (!jobPainter_.isActive()) return;
  UsePainter(nullptr);
  jobPainter_.end();
}

}  // namespace quenchel
