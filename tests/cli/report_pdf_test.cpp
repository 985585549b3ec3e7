// quenchel-cli report --pdf run in-process: every page of a report on its own sheet, in
// the report's orientation, and the reports and files it cannot print.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_app.h"
#include "cli_run.h"
#include "core/reports/report_fixture.h"
#include "extra_commands.h"
#include "file/competition_file.h"
#include "pdf/headless_gui.h"
#include "pdf/pdf_report_printer.h"
#include "platform/clock.h"
#include "reports/report_compute.h"
#include "reports/report_page.h"
#include "support/temp_folder.h"

namespace quenchel {
namespace {

using clitest::CliRun;
using clitest::Contains;
using clitest::PdfPages;
using clitest::ReadFile;

namespace fs = std::filesystem;

const std::string kSample = clitest::SamplePath();

CliRun RunTool(const std::vector<std::string>& args) { return clitest::RunTool(args, ExtraCommands()); }


constexpr std::string_view kPortraitA4 = "/MediaBox [0 0 595.000000 842.000000]";
constexpr std::string_view kLandscapeA4 = "/MediaBox [0 0 842.000000 595.000000]";

// One class and many competitors: a report over several pages.
class ReportPdfTest : public testing::ReportFixture {
 protected:
  ReportPdfTest() {
    AddClass(1, "Open");
    AddFieldTitles(1, {"Shoe", "Fit"});
    for (int number = 500; number < 620; ++number) {
      AddCompetitor(number, "Farrier", "Number " + std::to_string(number));
      AddScore(number, 1, {{1, std::to_string(number % 10)}, {2, "5"}});
    }
    AddReport(1, "I");
    Select(1, 1, {1, 2});
    competition.state.ActiveReport = 1;
  }

  std::string Save(std::string_view orientation) {
    competition.ReportList.FindKey("1")->SetCell(8, orientation);
    ScriptedDialogs quiet;
    const std::string path = folder.File("show-" + std::string(orientation) + ".FCR");
    EXPECT_EQ(SaveCompetitionFile(competition, path, quiet), 1);
    return path;
  }

  testsupport::TempFolder folder;
};

TEST_F(ReportPdfTest, SampleReportPrintsItsTableAndItsPage) {
  const std::string pdf = folder.File("open.pdf");
  const CliRun run = RunTool({"report", kSample, "--pdf", pdf});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, RunTool({"report", kSample}).out) << "the table is printed as without --pdf";
  const std::string written = ReadFile(pdf);
  EXPECT_EQ(written.rfind("%PDF", 0), 0u);
  EXPECT_EQ(PdfPages(written), 1);
  EXPECT_TRUE(Contains(written, kPortraitA4)) << "the sample's report is portrait";
}

TEST_F(ReportPdfTest, EveryPageOnItsOwnSheetLandscapeUnlessPortrait) {
  const std::string portrait = folder.File("portrait.pdf");
  const std::string landscape = folder.File("landscape.pdf");
  ASSERT_EQ(RunTool({"report", Save("P"), "--pdf", portrait}).status, 0);
  ASSERT_EQ(RunTool({"report", Save("L"), "--pdf", landscape}).status, 0);

  const std::string tall = ReadFile(portrait);
  const std::string wide = ReadFile(landscape);
  EXPECT_TRUE(Contains(tall, kPortraitA4));
  EXPECT_FALSE(Contains(tall, kLandscapeA4));
  EXPECT_TRUE(Contains(wide, kLandscapeA4));
  EXPECT_FALSE(Contains(wide, kPortraitA4));
  // 120 rows: more than one page even on the tall sheet, more pages on the wide one.
  EXPECT_GE(PdfPages(tall), 2);
  EXPECT_GT(PdfPages(wide), PdfPages(tall));
}

TEST_F(ReportPdfTest, APdfThatCannotBeWrittenFailsWithItsName) {
  const std::string pdf = folder.File("no-such-folder/out.pdf");
  const CliRun run = RunTool({"report", kSample, "--pdf", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "quenchel-cli report: cannot write '" + pdf + "': the file cannot be created\n");
  EXPECT_FALSE(fs::exists(folder.File("no-such-folder")));
}

// A table the printed page cannot hold shows its message once and leaves no file.
TEST_F(ReportPdfTest, ATableOfTooManyColumnsWritesNoFile) {
  for (int classNo = 2; classNo <= 7; ++classNo) {
    AddClass(classNo, "Class " + std::to_string(classNo));
    Select(1, classNo, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
  }
  std::optional<ShownReport> shown = ShowReport(competition, 1, dialogs);
  ASSERT_TRUE(shown.has_value());
  ASSERT_GT(shown->grid.ColCount(), 99);

  const HeadlessGui gui;
  const FixedClock clock(LocalDateTime{2026, 5, 16, 17, 30, 5});
  const std::string pdf = folder.File("wide.pdf");
  const PdfPrintResult printed =
      PrintReportToPdf(competition, ReportPrintout{*competition.ReportList.FindKey("1"), shown->grid}, pdf, dialogs,
                       clock);
  EXPECT_FALSE(printed.Ok());
  const ScriptedDialogs::Shown tooWide{ScriptedDialogs::Kind::Information, "Error",
                                      "Too many columns in table (max 99)"};
  EXPECT_EQ(dialogs.Messages(), std::vector<ScriptedDialogs::Shown>{tooWide});
  EXPECT_FALSE(fs::exists(pdf));
}

TEST(ReportPdfUsageTest, TheBuildWithPdfOffersOneReportCommand) {
  const CliRun tool = RunTool({"--help"});
  std::size_t listed = 0;
  for (std::size_t at = tool.out.find("\n  report "); at != std::string::npos;
       at = tool.out.find("\n  report ", at + 1))
    ++listed;
  EXPECT_EQ(listed, 1u) << tool.out;
  const CliRun help = RunTool({"report", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(Contains(help.out, "  --pdf OUT "));
}

}  // namespace
}  // namespace quenchel
