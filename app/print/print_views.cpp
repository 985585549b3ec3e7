#include "print/print_views.h"

#include "print/print_preview_form.h"
#include "print/print_preview_view.h"
#include "shell/register_view.h"

namespace quenchel {

void RegisterPrintViews(QtFormHost& host) { RegisterView<PrintPreviewView, TPrintPreviewForm>(host); }

}  // namespace quenchel
