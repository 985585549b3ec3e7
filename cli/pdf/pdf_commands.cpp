// quenchel-cli built with Qt: the commands that print to PDF files.

#include <array>

#include "commands/report_command.h"
#include "exit_status.h"
#include "extra_commands.h"
#include "pdf/headless_gui.h"
#include "pdf/pdf_report_printer.h"
#include "pdf/print_lists_command.h"
#include "reports/report_page.h"

namespace quenchel {

namespace {

constexpr std::string_view kPrintListsUsage =
    "Usage: quenchel-cli print-lists [--old] [--list NAME] FILE --pdf OUT\n"
    "Prints one record list of the competition file FILE to the PDF file OUT as the list\n"
    "inspection window shows it: every record with its links and all 26 cells, under the\n"
    "list's three titles, on A4 pages at 600 dots per inch.\n"
    "\n"
    "Options:\n"
    "  --pdf OUT    the PDF file to write (needed)\n"
    "  --list NAME  the list to print, named as 'lists' names it (CompetitorList,\n"
    "               ClassList, FieldList, ScoreList ...); CompetitorList when not given\n"
    "  --old        read FILE in the old structure (records of 25 cell lines)\n"
    "  -h, --help   show this help\n";

int RunPrintLists(const CommandArguments& args, std::ostream& /*out*/, std::ostream& err) {
  const std::optional<std::string> pdf = args.Value("--pdf");
  if (!pdf) {
    err << "quenchel-cli print-lists: missing option '--pdf'\n" << kPrintListsUsage;
    return kExitUsage;
  }
  PrintListsRequest request;
  request.file = args.files[0];
  request.pdf = *pdf;
  if (const std::optional<std::string> list = args.Value("--list")) request.list = *list;
  request.structure = args.Has("--old") ? FileStructure::Old : FileStructure::Current;
  return RunPrintListsCommand(request, err);
}

std::string PrintReportPdfFile(const ReportPdfJob& job) {
  const HeadlessGui gui;
  return PrintReportToPdf(job.competition, ReportPrintout{job.report, job.table}, job.pdfFile, job.dialogs, job.clock)
      .error;
}

int RunReportWithPdf(const CommandArguments& args, std::ostream& out, std::ostream& err) {
  return RunReportArguments(args, out, err, &PrintReportPdfFile);
}

}  // namespace

std::span<const CliCommand> ExtraCommands() {
  static const std::array<CliCommand, 2> commands = {{
      {"print-lists", "print one record list of a competition file to a PDF file", kPrintListsUsage, {"--old"},
       {"--pdf", "--list"}, 1, RunPrintLists},
      // Takes the place of the tool's own `report`, which cannot print to PDF files.
      ReportCliCommand(&RunReportWithPdf),
  }};
  return commands;
}

}  // namespace quenchel
