#include "commands/checked_report.h"

#include "platform/dialogs.h"
#include "reports/active_report_form.h"
#include "reports/rep_fields.h"
#include "store/competition.h"

namespace quenchel {

CheckedReport ComputeCheckedReport(Competition& competition, int reportNo, Dialogs& dialogs) {
  CheckedReport checked;
  checked.report = FindReport(competition, reportNo);
  if (checked.report == nullptr) {
    checked.problem = ReportProblem::NoSuchReport;
    return checked;
  }
  if (!IsReportTrusted(competition, reportNo)) {
    dialogs.ShowInfo(kReportNotTrustedCaption, kReportNotTrustedText);
    checked.problem = ReportProblem::NotTrusted;
    return checked;
  }
  // The engine has told the user by the time it asks; the refusal leaves the competitor
  // out, and a table without them is no result to publish.
  bool teamNameMissing = false;
  const TeamNameRequest refuse = [&teamNameMissing](DSNode&) {
    teamNameMissing = true;
    return false;
  };
  std::optional<ShownReport> shown = ShowReport(competition, reportNo, dialogs, refuse);
  if (teamNameMissing) {
    checked.problem = ReportProblem::TeamNameMissing;
    return checked;
  }
  checked.shown = std::move(shown);
  return checked;
}

}  // namespace quenchel
