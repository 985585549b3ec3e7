// Competition files as earlier versions of the program left them, opened and saved again;
// the saved files are compared byte for byte with the expected files beside them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file/file_test_support.h"
#include "file/atomic_file.h"
#include "file/competition_file.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using filetest::FixturePath;
using filetest::ReadFixture;
using filetest::WithPlatformLineEnds;

// Opens a golden file into a cleared competition, as the Open command does.
int Open(Competition& competition, std::string_view name, ScriptedDialogs& dialogs) {
  competition.ClearAllData();
  return LoadCompetitionFile(competition, FixturePath(name), dialogs);
}

std::string SavedText(Competition& competition, ScriptedDialogs& dialogs) {
  filetest::TempFolder folder;
  const std::string path = folder.File("saved.FCR");
  EXPECT_EQ(SaveCompetitionFile(competition, path, dialogs), 1);
  return ReadWholeFile(path).value_or("");
}

std::vector<std::string> FirstNames(const Competition& competition) {
  std::vector<std::string> names;
  for (const DSNode& record : competition.CompetitorList) names.push_back(record.CellString(1));
  return names;
}

TEST(GoldenFiles, VersionZeroWarnsAndReadsByPosition) {
  Competition competition;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Open(competition, "v0.FCR", dialogs), 1);
  EXPECT_EQ(dialogs.Messages().size(), 2u);
  EXPECT_EQ(dialogs.CountShown("Warning",
                               "File version '0' is before 2006 and not a not for the latest version of Quenchel"),
            1);
  EXPECT_EQ(dialogs.CountShown("Important!",
                               "You may have to set a date for each class before using this file.\n"
                               " Go to Set Up-->Classes and Edit Class and enter the date when requested."),
            1);
  EXPECT_EQ(competition.state.FileFormatVersion, "0");
  EXPECT_EQ(FirstNames(competition), (std::vector<std::string>{"Ann", "Dan"}));
  EXPECT_EQ(competition.LabelList.Count(), 1);
}

TEST(GoldenFiles, VersionOneSavedAgainKeepsItsStructureWhenAskedTo) {
  Competition competition;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Open(competition, "v1.FCR", dialogs), 1);
  EXPECT_EQ(dialogs.CountShown("Please Note", "The file you are opening is an earler file version."), 1);
  EXPECT_EQ(competition.state.FileFormatVersion, "1");
  dialogs.Answer(false);
  EXPECT_EQ(SavedText(competition, dialogs), WithPlatformLineEnds(ReadFixture("v1.expected.FCR")));
  EXPECT_EQ(dialogs.Messages().size(), 2u);
}

TEST(GoldenFiles, VersionOneSavedAgainWithTheNewStructure) {
  Competition competition;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Open(competition, "v1.FCR", dialogs), 1);
  dialogs.Answer(true);
  EXPECT_EQ(SavedText(competition, dialogs), WithPlatformLineEnds(ReadFixture("v1-upgraded.expected.FCR")));
  EXPECT_EQ(competition.state.FileFormatVersion, "2");
}

TEST(GoldenFiles, PlaceholdersOfTheEarlierLayoutGiveTheDefaults) {
  Competition competition;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Open(competition, "v2-placeholders.FCR", dialogs), 1);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(competition.state.CompetitionTitle, "Spring Show");
  EXPECT_EQ(competition.settings.WebFontName, "Arial Narrow");
  EXPECT_EQ(competition.settings.WebFontSize, "20");
  EXPECT_EQ(competition.settings.WebFontColour, "Black");
  EXPECT_EQ(competition.settings.WebBackColour, "Yellow Light");
  EXPECT_EQ(competition.BatchList.Count(), 1);
  EXPECT_EQ(SavedText(competition, dialogs), WithPlatformLineEnds(ReadFixture("v2-placeholders.expected.FCR")));
}

TEST(GoldenFiles, OldStructureSavedAgainInTheCurrentStructure) {
  Competition competition;
  competition.ClearAllData();
  ScriptedDialogs dialogs;
  ASSERT_EQ(LoadOldCompetitionFile(competition, FixturePath("old25.FCR"), dialogs), 1);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(SavedText(competition, dialogs), WithPlatformLineEnds(ReadFixture("old25.expected.FCR")));
}

TEST(GoldenFiles, DamagedFileKeepsWhatWasReadBeforeTheDamage) {
  Competition competition;
  ScriptedDialogs dialogs;
  competition.ClearAllData();
  competition.state.UnsavedData = true;
  EXPECT_EQ(LoadCompetitionFile(competition, FixturePath("damaged.FCR"), dialogs), 0);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_EQ(FirstNames(competition), (std::vector<std::string>{"Ann", "Dan"}));
  EXPECT_EQ(competition.ScoreList.Count(), 2);
  EXPECT_EQ(competition.ReportList.Count(), 0);
  EXPECT_EQ(competition.TeamList.Count(), 0);
}

}  // namespace
}  // namespace quenchel
