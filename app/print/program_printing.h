#pragma once
// The printing side of the window program, made once for the run: the print state, the
// print preview, the printer's page as a surface and the print dialog, bound together as
// the PrintContext every printout is given.

#include <QWidget>

#include "platform/qt_print_dialog.h"
#include "print/print_context.h"
#include "print/print_preview_form.h"
#include "print/print_state.h"
#include "print/printer_surface.h"

namespace quenchel {

class Competition;
struct QtPlatform;

struct ProgramPrinting {
  ProgramPrinting(Competition& competition, QtPlatform& platform);
  ProgramPrinting(const ProgramPrinting&) = delete;
  ProgramPrinting& operator=(const ProgramPrinting&) = delete;

  // The window the print dialog is modal to.
  void SetParentWindow(QWidget* parent) { dialog.SetParentWindow(parent); }

  PrintState state;
  TPrintPreviewForm preview;
  PrinterSurface printer;
  QtPrintDialog dialog;
  PrintContext context;
};

}  // namespace quenchel
