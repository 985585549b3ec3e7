// quenchel-cli report run in-process: the table as the report window shows it, the
// reports it refuses, the web page and the results site with its file names and index.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_app.h"
#include "cli_run.h"
#include "commands/report_command.h"
#include "commands/report_site.h"
#include "commands/site_file_names.h"
#include "core/reports/report_fixture.h"
#include "file/competition_file.h"
#include "platform/clock.h"
#include "platform/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace quenchel {
namespace {

using clitest::CliRun;
using clitest::Contains;
using clitest::ReadFile;
using clitest::RunTool;

namespace fs = std::filesystem;
using Shown = ScriptedDialogs::Shown;
using Kind = ScriptedDialogs::Kind;

const std::string kSample = clitest::SamplePath();
const LocalDateTime kCreated{2026, 5, 16, 17, 30, 5};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// One class with two fields; Ann and Bob tie on the total and the tie-break (field 2)
// decides. Report 1 (active) hides the tie-break column, report 2 shows it.
class ReportCommandTest : public testing::ReportFixture {
 protected:
  ReportCommandTest() {
    AddClass(1, "Open");
    AddFieldTitles(1, {"Shoe", "Fit"});
    AddCompetitor(501, "Ann", "O\tBrien", "Reds");
    AddCompetitor(502, "Bob", "Birch", "Blues");
    AddScore(501, 1, {{1, "4"}, {2, "6"}});
    AddScore(502, 1, {{1, "6"}, {2, "4"}});
    for (const int number : {1, 2}) {
      DSNode& report = AddReport(number, "I");
      report.SetCell(16, "Y");
      Select(number, 1, {1});
      Select(number, 1, {2}, "B");
    }
    competition.ReportList.FindKey("2")->SetCell(17, "Y");
    competition.ReportList.FindKey("2")->SetCell(2, "Tie Breaks Shown");
    competition.state.ActiveReport = 1;
    competition.state.CompetitionTitle = "Spring Show";
  }

  std::string Save(std::string_view name = "show.FCR") {
    ScriptedDialogs quiet;
    const std::string path = folder.File(name);
    EXPECT_EQ(SaveCompetitionFile(competition, path, quiet), 1);
    return path;
  }

  int Run(const ReportRequest& request) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = RunReportCommand(request, outStream, errStream, dialogs, clock, nullptr);
    out = outStream.str();
    err = errStream.str();
    return status;
  }

  testsupport::TempFolder folder;
  FixedClock clock{kCreated};
  std::string out;
  std::string err;
};

const std::string kReportOne =
    "Ind.Pos.\tName\t No.\tShoe\tFit*\tTotal\n"
    "1 \tAnn O\\tBrien\t501\t   4.0\t   6.0\t  10.0\n"
    "2 \tBob Birch\t502\t   6.0\t   4.0\t  10.0\n";

TEST_F(ReportCommandTest, PrintsTheActiveOrTheChosenReportAsTheWindowShowsIt) {
  const std::string file = Save();

  const CliRun active = RunTool({"report", file});
  EXPECT_EQ(active.status, 0);
  EXPECT_EQ(active.out, kReportOne) << "tie-break column removed, TAB in a name escaped";
  EXPECT_EQ(active.err, "");

  const CliRun second = RunTool({"report", "--report", "2", file});
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.out,
            "Ind.Pos.\tName\t No.\tShoe\tFit*\tTotal\tTie Break(*)\n"
            "1 \tAnn O\\tBrien\t501\t   4.0\t   6.0\t  10.0\t   6.0\n"
            "2 \tBob Birch\t502\t   6.0\t   4.0\t  10.0\t   4.0\n");
}

TEST_F(ReportCommandTest, SampleReportsPrintTheirHeadingsAndEveryRow) {
  const CliRun individual = RunTool({"report", kSample});
  ASSERT_EQ(individual.status, 0) << individual.err;
  EXPECT_EQ(FirstLine(individual.out), "Ind.Pos.\tName\t No.\tFoot Prep\tShoe\tFit\tFinish*\tTotal\tTie Break(*)");
  EXPECT_TRUE(Contains(individual.out, "\tDNF\tDNF\t  13.5\t   0.0\n"));

  const CliRun team = RunTool({"report", kSample, "--report", "2"});
  ASSERT_EQ(team.status, 0) << team.err;
  EXPECT_EQ(FirstLine(team.out).rfind("Team Pos.\tTeam\t", 0), 0u);
  EXPECT_TRUE(Contains(team.out, "1 \tUlster Anvil\t"));
}

// Each refusal prints no table, writes no page, leaves the file as it was and shows its
// message once.
TEST_F(ReportCommandTest, RefusesMissingUntrustedAndIncompleteReports) {
  DSNode& untrusted = AddReport(3, "I");
  Select(3, 1, {1});
  SetRepFieldTrust(competition, 3, 1, false);
  untrusted.SetCell(1, "Draft");
  AddReport(4, "IT");
  Select(4, 1, {1});
  AddCompetitor(503, "Cat", "Cole");
  AddCompetitor(504, "Dan", "Dee");
  AddScore(503, 1, {{1, "5"}});
  AddScore(504, 1, {{1, "7"}});
  const std::string file = Save();
  competition.state.ActiveReport = 0;
  const std::string noActive = Save("no-active.FCR");
  const std::string missing = folder.File("missing.FCR");
  const std::string bytes = ReadFile(file);
  const std::string page = folder.File("page.htm");

  const std::string teamText = " is not in a Team !\nYou Must Give This Competitor\na Team Name for this Report";
  struct Case {
    std::string name;
    ReportRequest request;
    std::vector<Shown> messages;
    std::string err;
  };
  const std::vector<Case> cases = {
      {"unreadable file",
       {missing, std::nullopt, page, ""},
       {{Kind::Information, "QUENCHEL File Loading Error", "Unable to find file : " + missing},
        {Kind::Information, "File Load Error", "Unable to Load file! "}},
       ""},
      {"no such report", {file, 9, page, ""}, {}, "quenchel-cli report: " + file + " has no report 9\n"},
      {"no active report",
       {noActive, std::nullopt, page, ""},
       {},
       "quenchel-cli report: " + noActive + " has no active report; choose one with --report N\n"},
      {"not trusted", {file, 3, page, ""}, {{Kind::Information, "Report Not Trusted", "Please check at Reports"}}, ""},
      {"competitors without a team",
       {file, 4, page, ""},
       {{Kind::Information, "Team Name Missing!", "503 Cat Cole" + teamText},
        {Kind::Information, "Team Name Missing!", "504 Dan Dee" + teamText}},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.ClearMessages();
    EXPECT_EQ(Run(c.request), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, c.err);
    EXPECT_EQ(dialogs.Messages(), c.messages);
    EXPECT_FALSE(fs::exists(page));
  }
  EXPECT_EQ(ReadFile(file), bytes);

  // On the console every box is one "Caption: text" line.
  const CliRun console = RunTool({"report", file, "--report", "3"});
  EXPECT_EQ(console.status, 1);
  EXPECT_EQ(console.err, "Report Not Trusted: Please check at Reports\n");
}

TEST_F(ReportCommandTest, HtmlWritesThePageOfTheShownTable) {
  const std::string file = Save();

  ASSERT_EQ(Run({file, 2, folder.File("second"), ""}), 0) << err;
  EXPECT_EQ(out, RunTool({"report", file, "--report", "2"}).out) << "the table is printed too";
  const std::string second = ReadFile(folder.File("second.htm"));
  EXPECT_TRUE(Contains(second, "<Title>Tie Breaks Shown</title>\r\n"));
  EXPECT_TRUE(Contains(second, "<td><p>Tie Break(*)&nbsp;&nbsp;</p></td>\r\n"));
  EXPECT_TRUE(Contains(second, "<h2 align=\"center\">File created : 16/05/2026 17:30:05</h2></td>\r\n"));
  EXPECT_TRUE(second.ends_with("</html>\r\n"));

  ASSERT_EQ(Run({file, std::nullopt, folder.File("first.html"), ""}), 0) << err;
  const std::string first = ReadFile(folder.File("first.html"));
  EXPECT_TRUE(Contains(first, "<td><p>Total&nbsp;&nbsp;</p></td>\r\n")) << "the total is the last column";
  EXPECT_FALSE(Contains(first, "Tie Break"));
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ReportCommandTest, AnUnwritablePageFailsAfterPrintingTheTable) {
  const std::string file = Save();
  const std::string page = folder.File("no-such-folder/page.htm");

  EXPECT_EQ(Run({file, std::nullopt, page, ""}), 1);
  EXPECT_EQ(out, kReportOne);
  EXPECT_EQ(dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "Save Error", "Unable to save as HTML"}}));
  EXPECT_EQ(err.rfind("quenchel-cli report: ", 0), 0u) << err;
  EXPECT_TRUE(Contains(err, "no-such-folder")) << "the reason names the place";
  EXPECT_FALSE(fs::exists(folder.File("no-such-folder")));
}

TEST(ReportUsageTest, CommandLineErrorsExitTwoAndDoNothing) {
  const testsupport::TempFolder folder;
  const std::string pdf = folder.File("out.pdf");
  struct Case {
    std::vector<std::string> args;
    std::string firstLine;
  };
  const std::vector<Case> cases = {
      {{"report"}, "quenchel-cli report: missing file argument"},
      {{"report", kSample, "--all"}, "quenchel-cli report: option '--all' needs '--html-dir DIR'"},
      {{"report", kSample, "--html-dir", folder.File("site")},
       "quenchel-cli report: option '--html-dir' needs '--all'"},
      {{"report", kSample, "--all", "--html-dir", folder.File("site"), "--pdf", pdf},
       "quenchel-cli report: option '--all' cannot be combined with '--pdf'"},
      {{"report", kSample, "--report", "first"},
       "quenchel-cli report: option '--report' needs a report number, not 'first'"},
      {{"report", kSample, "--html", ""}, "quenchel-cli report: an output file name is empty"},
      // The tool without Qt has no PDF printer.
      {{"report", kSample, "--pdf", pdf}, "quenchel-cli report: option '--pdf' needs the build with PDF printing"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CliRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(FirstLine(run.err), c.firstLine);
    EXPECT_TRUE(Contains(run.err, "Usage: quenchel-cli report"));
  }
  EXPECT_TRUE(folder.Entries().empty());

  const CliRun help = RunTool({"report", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(FirstLine(help.out), "Usage: quenchel-cli report [--report N] [--html OUT] [--pdf OUT] FILE");
}

TEST(SiteFileNamesTest, ReportNamesBecomeSafeFileNames) {
  struct Case {
    std::string name;
    std::string stem;
  };
  const std::vector<Case> cases = {
      {"Open Results", "Open Results"},
      {"A/B\\C:D*E?F\"G<H>I|J\tK", "A_B_C_D_E_F_G_H_I_J_K"},
      {"  Final.. ", "Final"},
      {".hidden", "_hidden"},
      {"..", "report-7"},
      {"", "report-7"},
      {"CON", "_CON"},
      {"lpt1.day one", "_lpt1.day one"},
      {"Console", "Console"},
      {"Caf\xE9 \x80", "Caf\xC3\xA9 \xE2\x82\xAC"},  // Windows-1252 becomes UTF-8
      {std::string(100, 'x'), std::string(80, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SafeFileStem(c.name, 7), c.stem);
  }

  UniqueFileNames names;
  EXPECT_EQ(names.Claim("Results-2", ".htm"), "Results-2.htm");
  EXPECT_EQ(names.Claim("Results", ".htm"), "Results.htm");
  EXPECT_EQ(names.Claim("results", ".htm"), "results-3.htm") << "letter case does not tell files apart";
  EXPECT_EQ(names.Claim("Results", ".htm"), "Results-4.htm");

  EXPECT_EQ(FileNameLink("Caf\xC3\xA9 #1&2.htm"), "Caf%C3%A9%20%231%262.htm");
}

class ReportSiteTest : public ReportCommandTest {
 protected:
  int RunSite(const std::string& file, const fs::path& site) {
    std::ostringstream errStream;
    const int status = RunReportSiteCommand({file, site.string()}, errStream, dialogs, clock);
    err = errStream.str();
    return status;
  }
};

TEST_F(ReportSiteTest, WritesEveryTrustedReportAndAnIndexLinkingThem) {
  competition.ReportList.FindKey("1")->SetCell(1, "Open Results");
  competition.ReportList.FindKey("1")->SetCell(2, "Open & <Novice>");
  competition.ReportList.FindKey("2")->SetCell(1, "open results");
  AddReport(3, "I").SetCell(1, "Draft");
  Select(3, 1, {1});
  SetRepFieldTrust(competition, 3, 1, false);
  AddReport(4, "I").SetCell(1, "Day 1: Shoe/Fit?");
  DSNode& unnamed = AddReport(5, "I");
  unnamed.SetCell(1, "");
  unnamed.SetCell(2, "");
  const std::string file = Save();
  const fs::path site = folder.Path() / "site" / "2026";

  EXPECT_EQ(RunSite(file, site), 1) << "a report was left out";
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<Shown>{{Kind::Information, "Report Not Trusted", "Please check at Reports"}}));
  EXPECT_EQ(err, "quenchel-cli report: left out report 3 'Draft'\n");

  std::vector<std::string> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(site)) entries.push_back(entry.path().filename());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"Day 1_ Shoe_Fit_.htm", "Open Results.htm", "index.html",
                                               "open results-2.htm", "report-5.htm"}));

  const std::string index = ReadFile((site / "index.html").string());
  EXPECT_TRUE(Contains(index, "<meta charset=\"utf-8\">\r\n<title>Spring Show</title>\r\n"));
  EXPECT_TRUE(Contains(index,
                       "<ul>\r\n"
                       "<li><a href=\"Open%20Results.htm\">Open &amp; &lt;Novice&gt;</a></li>\r\n"
                       "<li><a href=\"open%20results-2.htm\">Tie Breaks Shown</a></li>\r\n"
                       "<li><a href=\"Day%201_%20Shoe_Fit_.htm\">Results</a></li>\r\n"
                       "<li><a href=\"report-5.htm\">Report 5</a></li>\r\n"
                       "</ul>\r\n"))
      << index;

  // A page of the site is the page the single report command writes.
  ASSERT_EQ(Run({file, 2, folder.File("single.htm"), ""}), 0) << err;
  EXPECT_EQ(ReadFile((site / "open results-2.htm").string()), ReadFile(folder.File("single.htm")));
}

TEST_F(ReportSiteTest, SampleSiteIsCompleteAndAFileWithoutReportsWritesNothing) {
  const fs::path site = folder.Path() / "sample";
  const CliRun run = RunTool({"report", kSample, "--all", "--html-dir", site.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(fs::exists(site / "Open Championship Results.htm"));
  EXPECT_TRUE(fs::exists(site / "Team Championship.htm"));
  EXPECT_TRUE(Contains(ReadFile((site / "index.html").string()),
                       "<li><a href=\"Team%20Championship.htm\">Team Championship</a></li>"));

  competition.ReportList.Clear();
  competition.RepFieldList.Clear();
  const std::string empty = Save("empty.FCR");
  EXPECT_EQ(RunSite(empty, folder.Path() / "none"), 1);
  EXPECT_EQ(dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "Reports", "There are no Reports"}}));
  EXPECT_FALSE(fs::exists(folder.Path() / "none"));
}

}  // namespace
}  // namespace quenchel
