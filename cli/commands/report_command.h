#pragma once
// `quenchel-cli report FILE [--report N] [--html OUT] [--pdf OUT]`: a report's results
// table as the report window shows it, one tab-separated line per row, and on request
// its web page and its printed pages. `report FILE --all --html-dir DIR` publishes every
// trusted report instead (report_site.h).

#include <optional>
#include <ostream>
#include <string>

#include "cli_command.h"
#include "report_pdf_printer.h"

namespace quenchel {

class Clock;
class Dialogs;
class Grid;

struct ReportRequest {
  std::string file;
  std::optional<int> report;  // the file's active report when not given
  std::string html;           // the web page to write; none when empty
  std::string pdf;            // the PDF file to print to; none when empty
};

// Prints the table on `out`. Answers kExitFailure, with the reason on `err` or in a
// message, when the file cannot be read, the report does not exist or is not trusted, a
// competitor of a team report has no team (nothing is printed or written then), or the
// web page or the PDF file cannot be written. `printPdf` is none where the tool was
// built without PDF printing; asking for a PDF file is then a usage error.
int RunReportCommand(const ReportRequest& request, std::ostream& out, std::ostream& err, Dialogs& dialogs,
                     const Clock& clock, ReportPdfPrinter printPdf);

// Row 0 (the headings) and every data row, the cells joined by TABs and escaped as
// `lists` escapes them.
void WriteReportTable(const Grid& table, std::ostream& out);

// The command from its parsed arguments, with the console's messages and the clock.
int RunReportArguments(const CommandArguments& args, std::ostream& out, std::ostream& err,
                       ReportPdfPrinter printPdf);

// The command's entry in the tool's table, running `run`. The build with PDF printing
// offers the same entry with a runner that passes its printer.
CliCommand ReportCliCommand(int (*run)(const CommandArguments& args, std::ostream& out, std::ostream& err));
// The entry of the tool's own table: without a PDF printer.
CliCommand OwnReportCliCommand();

}  // namespace quenchel
