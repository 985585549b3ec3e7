#include "print/program_printing.h"

#include "platform/qt_platform.h"

namespace quenchel {

ProgramPrinting::ProgramPrinting(Competition& competition, QtPlatform& platform)
    : preview(competition, state, platform.dialogs, platform.printing),
      printer(platform.printing.Printer()),
      dialog(platform.printing.Printer()),
      context{competition, state, platform.dialogs, platform.printing, platform.clock, preview, printer} {}

}  // namespace quenchel
