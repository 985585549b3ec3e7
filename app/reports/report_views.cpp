#include "reports/report_views.h"

#include "reports/active_report_form.h"
#include "reports/active_report_form_view.h"
#include "shell/register_view.h"

namespace quenchel {

void RegisterReportViews(QtFormHost& host) { RegisterView<ActiveReportFormView, TActiveReportGridForm>(host); }

}  // namespace quenchel
