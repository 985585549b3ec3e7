#pragma once
// The Qt side of every platform interface, handed to the logic as one bundle.

#include <QWidget>

#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_file_dialogs.h"
#include "platform/qt_font_dialog.h"
#include "platform/qt_form_host.h"
#include "platform/qt_printing.h"

namespace quenchel {

struct QtPlatform {
  QtDialogs dialogs;
  QtFileDialogs files;
  QtFontDialog fonts;
  QtPrinting printing;
  SystemClock clock;
  QtFormHost forms;

  Platform Get() { return Platform{dialogs, files, fonts, printing, clock, forms}; }
  // The window every dialog is modal to.
  void SetParentWindow(QWidget* parent);
};

}  // namespace quenchel
