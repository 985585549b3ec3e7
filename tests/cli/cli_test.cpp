// quenchel-cli run in-process: exact listing output, conversion, reading errors and the
// command line itself.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_app.h"
#include "cli_run.h"
#include "file/competition_file.h"
#include "file/file_format.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using clitest::CliRun;
using clitest::ReadFile;
using clitest::RunTool;

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// A record line of the listing: the given cells, then empty cells up to 26.
std::string RecordLine(const std::vector<std::string>& cells) {
  std::string line;
  for (int i = 0; i < DSNode::kCellCount; ++i) {
    if (i > 0) line += '\t';
    if (i < static_cast<int>(cells.size())) line += cells[static_cast<std::size_t>(i)];
  }
  return line + '\n';
}

// A file in the old structure: 10 header lines, 12 sections whose records have 25 cell
// lines (team records 3, report records two extra lines), one competitor.
std::string OldStructureText() {
  std::string text = "1\n0\n0\n500\n%6.1f\nArial\n8\n7\n3\n1\n";
  for (int i = 0; i < kVersion1Sections; ++i) {
    const SectionFormat& section = Sections()[static_cast<std::size_t>(i)];
    text += section.sectionLine + "\nT1\nT2\nT3\n";
    if (section.list == ListId::Competitor) {
      text += std::string(section.recordLine) + "\n501\nSean\nMurphy\n";
      for (int cell = 3; cell < kOldCellLines; ++cell) text += "\n";
    }
    text += std::string(section.endLine) + "\n";
  }
  return text;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("quenchel-cli-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(std::string_view name) const { return (folder_ / name).string(); }

  // One class, one competitor and a team caption, with TABs and backslashes in texts.
  std::string SaveSmallCompetition(std::string_view name, std::string_view version = "2") {
    Competition competition;
    competition.ClearAllData();
    competition.state.FileFormatVersion = std::string(version);
    competition.state.CompetitionTitle = "Spring\tShow \\ 2026";
    competition.state.ActiveClass = 1;
    competition.settings.LowestCompetitorNumber = 100;
    competition.ClassList.AddSorted(MakeRecord({"1", "Open\\Class"}));
    competition.CompetitorList.AddSorted(MakeRecord({"500", "Ann", "O\tBrien"}));
    competition.TeamList.SetTitleText(2, "North\tEast");
    ScriptedDialogs dialogs;
    const std::string path = PathOf(name);
    EXPECT_EQ(SaveCompetitionFile(competition, path, dialogs), 1);
    return path;
  }

  fs::path folder_;
};

TEST_F(CliTest, ListsPrintsSettingsAndEveryListWithEscapedTexts) {
  const std::string file = SaveSmallCompetition("small.FCR");
  const CliRun run = RunTool({"lists", file});

  const std::string expected =
      "FileFormatVersion\t2\n"
      "ActiveClass\t1\n"
      "ActiveReport\t0\n"
      "LowestCompetitorNumber\t100\n"
      "ScoreFormat\t%6.1f\n"
      "PrintFontName\tArial\n"
      "PrintFontSize\t8\n"
      "LabelRows\t7\n"
      "LabelCols\t3\n"
      "LabelStart\t1\n"
      "CompetitionTitle\tSpring\\tShow \\\\ 2026\n"
      "WebFontName\tArial\n"
      "WebFontSize\t20\n"
      "WebFontColour\tBlue\n"
      "WebBackColour\tYellow Light\n"
      "[CompetitorList]\tCompetitors\t\t\n" +
      RecordLine({"500", "Ann", "O\\tBrien"}) +
      "[ClassList]\tClasss\t\t\n" +
      RecordLine({"1", "Open\\\\Class"}) +
      "[FieldList]\tField Titles\t\t\n"
      "[ScoreList]\tScores\t\tAll Classes\n"
      "[ReportList]\tReports\t\t\n"
      "[RepFieldList]\tReport Field Names\t\t\n"
      "[TeamList]\tTeams\tNorth\\tEast\t\n"
      "[RoundList]\tRounds\t\t\n"
      "[HorseList]\tHorses\t\t\n"
      "[ForgeList]\tForges\t\t\n"
      "[ScheduleList]\tSchedule List\t\t\n"
      "[LabelList]\tLabels\t\t\n"
      "[BatchList]\tTitle1\tTitle2\tTitle3\n"
      "[UnusedList]\tTitle1\tTitle2\tTitle3\n";
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
}

TEST_F(CliTest, ListsOfAnUnreadableFileFailsWithTheOpenCommandsMessages) {
  const std::string missing = PathOf("missing.FCR");
  const std::string damaged = PathOf("damaged.FCR");
  const std::string whole = ReadFile(SaveSmallCompetition("whole.FCR"));
  WriteFile(damaged, whole.substr(0, whole.size() / 2));
  const std::string loadError = "File Load Error: Unable to Load file! \n";

  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const Case cases[] = {
      {{"lists", missing}, "QUENCHEL File Loading Error: Unable to find file : " + missing + "\n" + loadError},
      {{"lists", damaged}, loadError},
      // The old-structure reader shows nothing of its own.
      {{"lists", "--old", missing}, loadError},
      {{"convert", missing, PathOf("out.FCR")},
       "QUENCHEL File Loading Error: Unable to find file : " + missing + "\n" + loadError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliRun run = RunTool(c.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_FALSE(fs::exists(PathOf("out.FCR")));
}

TEST_F(CliTest, ConvertWritesTheSameCompetition) {
  const std::string in = SaveSmallCompetition("in.FCR");
  const std::string out = PathOf("out.FCR");

  const CliRun convert = RunTool({"convert", in, out});
  EXPECT_EQ(convert.status, 0);
  EXPECT_EQ(convert.out, "");
  EXPECT_EQ(convert.err, "");
  EXPECT_EQ(ReadFile(out), ReadFile(in));
  EXPECT_EQ(RunTool({"lists", out}).out, RunTool({"lists", in}).out);
}

TEST_F(CliTest, ConvertOfAVersionOneFileUpgradesOnlyWhenAsked) {
  const std::string in = SaveSmallCompetition("v1.FCR", "1");
  ASSERT_EQ(FirstLine(ReadFile(in)), "1");
  const std::string notes =
      "Please Note: The file you are opening is an earler file version.\n"
      "File is an earlier version: Do you want to save with the new file structure, which saves Batch Print?\n";

  const CliRun kept = RunTool({"convert", in, PathOf("kept.FCR")});
  EXPECT_EQ(kept.status, 0);
  EXPECT_EQ(kept.err, notes);
  EXPECT_EQ(ReadFile(PathOf("kept.FCR")), ReadFile(in));

  const CliRun upgraded = RunTool({"convert", "--upgrade", in, PathOf("new.FCR")});
  EXPECT_EQ(upgraded.status, 0);
  EXPECT_EQ(upgraded.err, notes);
  const std::string text = ReadFile(PathOf("new.FCR"));
  EXPECT_EQ(FirstLine(text), "2");
  EXPECT_NE(text.find("End Unused"), std::string::npos);

  const CliRun listed = RunTool({"lists", PathOf("new.FCR")});
  EXPECT_EQ(FirstLine(listed.out), "FileFormatVersion\t2");
  EXPECT_NE(listed.out.find(RecordLine({"500", "Ann", "O\\tBrien"})), std::string::npos);
}

TEST_F(CliTest, OldStructureIsReadWithTheOldOptionBeforeOrAfterTheFile) {
  const std::string old = PathOf("old.FCR");
  WriteFile(old, OldStructureText());
  // Cells 3 to 24 are empty lines in the file; cell 25, which old records lack, reads ".".
  const std::string record = "501\tSean\tMurphy" + std::string(22, '\t') + "\t.\n";

  const CliRun listed = RunTool({"lists", old, "--old"});
  ASSERT_EQ(listed.status, 0) << listed.err;
  EXPECT_NE(listed.out.find("[CompetitorList]\tT1\tT2\tT3\n" + record), std::string::npos);

  const std::string out = PathOf("converted.FCR");
  ASSERT_EQ(RunTool({"convert", "--old", old, out}).status, 0);
  // The old reader keeps the version the competition had, the start-up "2".
  EXPECT_EQ(FirstLine(ReadFile(out)), "2");
  EXPECT_NE(RunTool({"lists", out}).out.find(record), std::string::npos);
}

TEST_F(CliTest, ConvertToAnUnwritablePlaceFailsAndLeavesNoFile) {
  const std::string in = SaveSmallCompetition("in.FCR");
  const std::string out = PathOf("no-such-folder/out.FCR");

  const CliRun run = RunTool({"convert", in, out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("Save Error: Unable to save Files\nquenchel-cli convert: ", 0), 0u) << run.err;
  EXPECT_NE(run.err.find(out), std::string::npos) << "the reason names the file";
  EXPECT_FALSE(fs::exists(PathOf("no-such-folder")));
}

TEST_F(CliTest, DoubleDashEndsTheOptions) {
  SaveSmallCompetition("-dash.FCR");
  const fs::path previous = fs::current_path();
  fs::current_path(folder_);  // a relative name is the only way to start with "-"
  const CliRun afterDashes = RunTool({"lists", "--", "-dash.FCR"});
  const CliRun asOption = RunTool({"lists", "-dash.FCR"});
  fs::current_path(previous);
  EXPECT_EQ(afterDashes.status, 0) << afterDashes.err;
  EXPECT_EQ(asOption.status, 2);
}

// The sample is written by the program's writer; reading it must neither complain nor
// change a byte (the reader fills empty report cells, so the sample must carry them).
TEST_F(CliTest, SampleCompetitionReadsBackUnchanged) {
  const std::string sample = std::string(QUENCHEL_EXAMPLES_DIR) + "/spring-show.FCR";
  const CliRun listed = RunTool({"lists", sample});
  ASSERT_EQ(listed.status, 0) << listed.err;
  EXPECT_EQ(listed.err, "");
  EXPECT_NE(listed.out.find("CompetitionTitle\tSpring Show 2026\n"), std::string::npos);

  const std::string copy = PathOf("copy.FCR");
  ASSERT_EQ(RunTool({"convert", sample, copy}).status, 0);
  EXPECT_EQ(ReadFile(copy), ReadFile(sample));
}

TEST(CliUsageTest, UsageErrorsExitTwoWithUsageOnStderr) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"bogus"},
      {"--bogus"},
      {"lists"},
      {"lists", "a.FCR", "b.FCR"},
      {"lists", "--upgrade", "a.FCR"},
      {"lists", "-x", "a.FCR"},
      {"convert", "a.FCR"},
      {"convert", "a.FCR", "b.FCR", "c.FCR"},
      {"convert", "a.FCR", "b.FCR", "--force"},
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun run = RunTool(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Usage: quenchel-cli"), std::string::npos);
  }
  EXPECT_EQ(FirstLine(RunTool({"lists", "--upgrade", "a.FCR"}).err), "quenchel-cli lists: unknown option '--upgrade'");
  EXPECT_EQ(FirstLine(RunTool({"bogus"}).err), "quenchel-cli: unknown command 'bogus'");
}

TEST(CliUsageTest, HelpPrintsUsageOnStdout) {
  const std::vector<std::vector<std::string>> cases = {
      {"--help"}, {"-h"}, {"lists", "--help"}, {"convert", "-h"}, {"convert", "in.FCR", "--help"},
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun run = RunTool(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Usage: quenchel-cli", 0), 0u);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(FirstLine(RunTool({"convert", "--help"}).out), "Usage: quenchel-cli convert [--old] [--upgrade] IN OUT");
}

}  // namespace
}  // namespace quenchel
