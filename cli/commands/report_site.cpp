#include "commands/report_site.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "commands/open_competition.h"
#include "commands/checked_report.h"
#include "commands/site_file_names.h"
#include "commands/site_index.h"
#include "error_keeping_writer.h"
#include "exit_status.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "reports/report_columns.h"
#include "reports/web_page.h"
#include "store/competition.h"
#include "store/cell_text.h"

namespace quenchel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCommand = "quenchel-cli report";

// Windows-1252 bytes of a report name, printed as they stand like every other message.
std::string ReportLabel(const DSNode& report) {
  return std::string(report.Cell(report_cell::kNumber)) + " '" + std::string(report.Cell(report_cell::kName)) + "'";
}

std::string IndexTitle(const DSNode& report, int reportNo) {
  if (!report.Cell(report_cell::kTitle).empty()) return std::string(report.Cell(report_cell::kTitle));
  if (!report.Cell(report_cell::kName).empty()) return std::string(report.Cell(report_cell::kName));
  return "Report " + std::to_string(reportNo);
}

// Writes the lines to the file, telling the reason when it cannot.
bool SavePage(Competition& competition, Dialogs& dialogs, const fs::path& path, const WebPageLines& lines,
              std::ostream& err) {
  ErrorKeepingWriter keeping(DefaultFileWriter());
  if (SaveWebPage(competition, dialogs, keeping, path.string(), lines) == 1) return true;
  if (!keeping.Error().empty()) err << kCommand << ": " << keeping.Error() << '\n';
  return false;
}

}  // namespace

int RunReportSiteCommand(const ReportSiteRequest& request, std::ostream& err, Dialogs& dialogs, const Clock& clock) {
  Competition competition;
  if (!OpenCompetition(competition, request.file, FileStructure::Current, dialogs)) return kExitFailure;
  if (competition.ReportList.Count() == 0) {
    dialogs.ShowInfo("Reports", "There are no Reports");
    return kExitFailure;
  }

  const fs::path folder(request.folder);
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    err << kCommand << ": cannot create the folder '" << request.folder << "': " << error.message() << '\n';
    return kExitFailure;
  }

  // The numbers first: computing a report reorders the class list, not the report list,
  // but the loop should not depend on that. A number given twice names the first report
  // of that number, as everywhere else, so it gets one page.
  std::vector<int> numbers;
  for (const DSNode& report : competition.ReportList) {
    const int number = ReadInt(report.Cell(report_cell::kNumber));
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) numbers.push_back(number);
  }

  bool complete = true;
  UniqueFileNames names;
  std::vector<SitePage> written;
  for (const int number : numbers) {
    const CheckedReport checked = ComputeCheckedReport(competition, number, dialogs);
    if (!checked.shown) {
      err << kCommand << ": left out report " << ReportLabel(*checked.report) << '\n';
      complete = false;
      continue;
    }
    const DSNode& report = *checked.report;
    const std::string fileName =
        names.Claim(SafeFileStem(report.Cell(report_cell::kName), number), kWebPageExtension);
    const WebPageLines page = BuildReportWebPage(
        checked.shown->grid,
        {report, competition.state.CompetitionTitle, checked.shown->columns.keyLines, clock.Now()});
    if (!SavePage(competition, dialogs, folder / fileName, page, err)) {
      complete = false;
      continue;
    }
    written.push_back({IndexTitle(report, number), fileName});
  }

  const WebPageLines index = BuildSiteIndex(competition.state.CompetitionTitle, competition.settings, written);
  if (!SavePage(competition, dialogs, folder / kSiteIndexName, index, err)) return kExitFailure;
  return complete ? kExitSuccess : kExitFailure;
}

}  // namespace quenchel
