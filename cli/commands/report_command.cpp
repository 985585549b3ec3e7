#include "commands/report_command.h"

#include <charconv>

#include "cell_escape.h"
#include "commands/open_competition.h"
#include "commands/report_site.h"
#include "commands/checked_report.h"
#include "console_dialogs.h"
#include "error_keeping_writer.h"
#include "exit_status.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "print/grid.h"
#include "reports/web_page.h"
#include "store/competition.h"

namespace quenchel {

namespace {

constexpr std::string_view kCommand = "quenchel-cli report";

constexpr std::string_view kReportUsage =
    "Usage: quenchel-cli report [--report N] [--html OUT] [--pdf OUT] FILE\n"
    "       quenchel-cli report --all --html-dir DIR FILE\n"
    "Prints the results table of a report of the competition file FILE as the report window\n"
    "shows it: the headings, then one line per row, the cells separated by TABs. TABs,\n"
    "backslashes and line breaks inside texts are written as \\t, \\\\, \\r and \\n.\n"
    "\n"
    "Options:\n"
    "  --report N      the report numbered N; the file's active report when not given\n"
    "  --html OUT      also write the report's web page to OUT (\".htm\" is added to a name\n"
    "                  without an extension)\n"
    "  --pdf OUT       also print every page of the report to the PDF file OUT\n"
    "  --all           publish every trusted report instead of printing one\n"
    "  --html-dir DIR  with --all: the folder (made when missing) that gets one web page per\n"
    "                  report, named after the report, and an index.html linking them\n"
    "  -h, --help      show this help\n"
    "\n"
    "Exit status 1 when FILE cannot be read, the report does not exist or is not trusted, a\n"
    "competitor of a team report has no team (nothing is printed then), or a file cannot be\n"
    "written. With --all also when some report was left out; the pages of the others and the\n"
    "index are written all the same.\n";

int UsageError(std::ostream& err, std::string_view message) {
  err << kCommand << ": " << message << '\n' << kReportUsage;
  return kExitUsage;
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

bool SaveReportPage(Competition& competition, const CheckedReport& checked, const std::string& fileName,
                    Dialogs& dialogs, const Clock& clock, std::ostream& err) {
  const WebPageLines page =
      BuildReportWebPage(checked.shown->grid, {*checked.report, competition.state.CompetitionTitle,
                                             checked.shown->columns.keyLines, clock.Now()});
  ErrorKeepingWriter keeping(DefaultFileWriter());
  if (SaveWebPage(competition, dialogs, keeping, fileName, page) == 1) return true;
  if (!keeping.Error().empty()) err << kCommand << ": " << keeping.Error() << '\n';
  return false;
}

void NoReport(std::ostream& err, const ReportRequest& request, int reportNo) {
  if (!request.report && reportNo == 0)
    err << kCommand << ": " << request.file << " has no active report; choose one with --report N\n";
  else
    err << kCommand << ": " << request.file << " has no report " << reportNo << '\n';
}

int RunOwnReport(const CommandArguments& args, std::ostream& out, std::ostream& err) {
  return RunReportArguments(args, out, err, nullptr);
}

}  // namespace

void WriteReportTable(const Grid& table, std::ostream& out) {
  for (int row = 0; row < table.RowCount(); ++row) {
    for (int column = 0; column < table.ColCount(); ++column) {
      if (column > 0) out << '\t';
      out << EscapeCellText(table.Cell(column, row));
    }
    out << '\n';
  }
}

int RunReportCommand(const ReportRequest& request, std::ostream& out, std::ostream& err, Dialogs& dialogs,
                     const Clock& clock, ReportPdfPrinter printPdf) {
  if (!request.pdf.empty() && printPdf == nullptr)
    return UsageError(err, "option '--pdf' needs the build with PDF printing");

  Competition competition;
  if (!OpenCompetition(competition, request.file, FileStructure::Current, dialogs)) return kExitFailure;
  const int reportNo = request.report.value_or(competition.state.ActiveReport);
  const CheckedReport checked = ComputeCheckedReport(competition, reportNo, dialogs);
  if (checked.problem == ReportProblem::NoSuchReport) NoReport(err, request, reportNo);
  if (!checked.shown) return kExitFailure;

  WriteReportTable(checked.shown->grid, out);
  bool written = true;
  if (!request.html.empty())
    written = SaveReportPage(competition, checked, request.html, dialogs, clock, err) && written;
  if (!request.pdf.empty()) {
    const std::string error =
        printPdf({competition, *checked.report, checked.shown->grid, request.pdf, dialogs, clock});
    if (!error.empty()) {
      err << kCommand << ": " << error << '\n';
      written = false;
    }
  }
  return written ? kExitSuccess : kExitFailure;
}

int RunReportArguments(const CommandArguments& args, std::ostream& out, std::ostream& err,
                       ReportPdfPrinter printPdf) {
  const std::optional<std::string> report = args.Value("--report");
  const std::optional<std::string> html = args.Value("--html");
  const std::optional<std::string> pdf = args.Value("--pdf");
  const std::optional<std::string> folder = args.Value("--html-dir");

  if (args.Has("--all")) {
    if (!folder) return UsageError(err, "option '--all' needs '--html-dir DIR'");
    if (folder->empty()) return UsageError(err, "an output file name is empty");
    const std::string_view combined = report ? "--report" : html ? "--html" : pdf ? "--pdf" : "";
    if (!combined.empty())
      return UsageError(err, "option '--all' cannot be combined with '" + std::string(combined) + "'");
    ConsoleDialogs dialogs(err);
    const SystemClock clock;
    return RunReportSiteCommand({args.files[0], *folder}, err, dialogs, clock);
  }
  if (folder) return UsageError(err, "option '--html-dir' needs '--all'");

  ReportRequest request{args.files[0], std::nullopt, html.value_or(""), pdf.value_or("")};
  if (report) {
    request.report = WholeNumber(*report);
    if (!request.report) return UsageError(err, "option '--report' needs a report number, not '" + *report + "'");
  }
  if ((html && html->empty()) || (pdf && pdf->empty())) return UsageError(err, "an output file name is empty");
  ConsoleDialogs dialogs(err);
  const SystemClock clock;
  return RunReportCommand(request, out, err, dialogs, clock, printPdf);
}

CliCommand ReportCliCommand(int (*run)(const CommandArguments& args, std::ostream& out, std::ostream& err)) {
  return {"report",
          "print a report's results table; write its web page, its PDF or the results site",
          kReportUsage,
          {"--all"},
          {"--report", "--html", "--pdf", "--html-dir"},
          1,
          run};
}

CliCommand OwnReportCliCommand() { return ReportCliCommand(&RunOwnReport); }

}  // namespace quenchel
