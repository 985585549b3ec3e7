#pragma once
// Everything the logic asks of the platform, handed around as one bundle.

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/font_dialog.h"
#include "platform/form_host.h"
#include "platform/printing.h"

namespace quenchel {

struct Platform {
  Dialogs& dialogs;
  FileDialogs& files;
  FontDialog& fonts;
  Printing& printing;
  Clock& clock;
  FormHost& forms;
};

}  // namespace quenchel
