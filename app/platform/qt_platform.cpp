#include "platform/qt_platform.h"

namespace quenchel {

void QtPlatform::SetParentWindow(QWidget* parent) {
  dialogs.SetParentWindow(parent);
  files.SetParentWindow(parent);
  fonts.SetParentWindow(parent);
  printing.SetParentWindow(parent);
  forms.SetParentWindow(parent);
}

}  // namespace quenchel
