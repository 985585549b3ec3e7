// quenchel-cli print-lists run in-process: the sample's lists printed to PDF files, long
// lists over several pages, and the files it cannot read or write.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_app.h"
#include "cli_run.h"
#include "extra_commands.h"
#include "file/competition_file.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"
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


class PrintListsTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
};

TEST_F(PrintListsTest, PrintsTheSamplesCompetitorsToAPdfFile) {
  const std::string pdf = folder.File("competitors.pdf");
  const CliRun run = RunTool({"print-lists", kSample, "--pdf", pdf});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::string written = ReadFile(pdf);
  EXPECT_EQ(written.rfind("%PDF", 0), 0u);
  EXPECT_GT(written.size(), 10'000u);
  EXPECT_EQ(PdfPages(written), 1);
}

TEST_F(PrintListsTest, AnyListByItsNameAndLongListsOverSeveralPages) {
  Competition big;
  big.ClearAllData();
  big.state.CompetitionTitle = "Winter Show";
  for (int number = 500; number < 700; ++number)
    big.CompetitorList.AddSorted(MakeRecord({std::to_string(number), "Farrier", "Number " + std::to_string(number)}));
  ScriptedDialogs quiet;
  const std::string file = folder.File("big.FCR");
  ASSERT_EQ(SaveCompetitionFile(big, file, quiet), 1);

  const std::string competitors = folder.File("competitors.pdf");
  ASSERT_EQ(RunTool({"print-lists", "--pdf", competitors, file}).status, 0);
  // About sixty rows a page at 8 points on A4.
  EXPECT_GE(PdfPages(ReadFile(competitors)), 3);

  const std::string classes = folder.File("classes.pdf");
  const CliRun run = RunTool({"print-lists", file, "--list", "ClassList", "--pdf", classes});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfPages(ReadFile(classes)), 1);
}

TEST_F(PrintListsTest, AFileThatCannotBeReadFailsAndWritesNothing) {
  const std::string pdf = folder.File("out.pdf");
  const CliRun run = RunTool({"print-lists", folder.File("missing.FCR"), "--pdf", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.err, "File Load Error: Unable to Load file! ")) << run.err;
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(PrintListsTest, APdfThatCannotBeWrittenFailsWithItsName) {
  const std::string pdf = folder.File("no-such-folder/out.pdf");
  const CliRun run = RunTool({"print-lists", kSample, "--pdf", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.err, "quenchel-cli print-lists: cannot write '" + pdf + "'")) << run.err;
  EXPECT_FALSE(fs::exists(pdf));
}

TEST(PrintListsUsageTest, CommandLineErrorsExitTwo) {
  struct Case {
    std::vector<std::string> args;
    std::string firstLine;
  };
  const std::vector<Case> cases = {
      {{"print-lists", "a.FCR"}, "quenchel-cli print-lists: missing option '--pdf'"},
      {{"print-lists", "a.FCR", "--pdf"}, "quenchel-cli print-lists: option '--pdf' needs a value"},
      {{"print-lists", "--pdf", "out.pdf"}, "quenchel-cli print-lists: missing file argument"},
      {{"print-lists", "a.FCR", "b.FCR", "--pdf", "out.pdf"}, "quenchel-cli print-lists: unexpected argument 'b.FCR'"},
      {{"print-lists", "a.FCR", "--pdf", "out.pdf", "--list", "Competitors"},
       "quenchel-cli print-lists: unknown list 'Competitors' (one of CompetitorList, ClassList, FieldList, "
       "ScoreList, ReportList, RepFieldList, TeamList, RoundList, HorseList, ForgeList, ScheduleList, LabelList, "
       "BatchList, UnusedList)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CliRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLine);
  }
}

TEST(PrintListsUsageTest, HelpNamesTheCommand) {
  const CliRun tool = RunTool({"--help"});
  EXPECT_TRUE(Contains(tool.out, "  print-lists  print one record list of a competition file to a PDF file\n"));
  const CliRun command = RunTool({"print-lists", "--help"});
  EXPECT_EQ(command.status, 0);
  EXPECT_EQ(command.out.rfind("Usage: quenchel-cli print-lists [--old] [--list NAME] FILE --pdf OUT\n", 0), 0u);
}

}  // namespace
}  // namespace quenchel
