// The competition file as the writer lays it out, the upgrade question for version "1"
// competitions, the status texts, and saves that fail.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

#include "core/file/file_test_support.h"
#include "file/atomic_file.h"
#include "file/competition_file.h"
#include "file/file_format.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using filetest::IndexOf;
using filetest::Lines;
using filetest::SplitLines;
using Kind = ScriptedDialogs::Kind;

constexpr std::string_view kUpgradeCaption = "File is an earlier version";
constexpr std::string_view kUpgradeText = "Do you want to save with the new file structure, which saves Batch Print?";

// What each section looks like in the file, in file order.
struct SectionLayout {
  ListId list;
  int dashes;
  std::string_view name;
  std::size_t length;
  std::string_view recordLine;
  std::string_view endLine;
};
constexpr SectionLayout kLayout[] = {
    {ListId::Competitor, 55, " Competitor Names", 73, "Next Comp:", "End Comp"},
    {ListId::Class, 58, "Class Definitions", 76, "Next Class:", "End Class"},
    {ListId::Field, 58, " Field Defs.", 71, "Next Field:", "End Field"},
    {ListId::Score, 58, " Scores", 66, "Next Score:", "End Score"},
    {ListId::Report, 58, " Reports", 67, "Next Report:", "End Reports"},
    {ListId::RepField, 58, " RepFields", 69, "Next RepField:", "End RepField"},
    {ListId::Team, 58, " Team Names", 70, "Next Team:", "End Team"},
    {ListId::Round, 58, " Rounds", 66, "Next Round:", "End Round"},
    {ListId::Horse, 57, " Horses", 65, "Next Horse:", "End Horse"},
    {ListId::Forge, 58, " Forges", 66, "Next Forge:", "End Forge"},
    {ListId::Schedule, 58, " ScheduleList", 72, "Next Schedule:", "End ScheduleList"},
    {ListId::Label, 58, " Label List", 70, "Next Label:", "End Label"},
    {ListId::Batch, 58, " Batch List", 70, "Next Batch:", "End Batch"},
    {ListId::Unused, 58, " Unused List", 71, "Next Unused:", "End Unused"},
};

std::string SectionLine(const SectionLayout& section) {
  return "<" + std::string(static_cast<std::size_t>(section.dashes), '-') + std::string(section.name);
}

// The file text split into lines, after checking that every line ends with this
// platform's line end and nothing else does.
Lines WrittenLines(Competition& competition) {
  const std::string text = CompetitionFileText(competition);
  const Lines lines = SplitLines(text);
  EXPECT_EQ(filetest::JoinLines(lines, kLineEnd), text);
  return lines;
}

Lines HeaderOf(const Lines& lines, std::size_t count) {
  return Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size())));
}

// Records every save; answers as told.
class ScriptedWriter final : public FileWriter {
 public:
  explicit ScriptedWriter(bool succeed) : succeed_(succeed) {}
  WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) override {
    paths.push_back(path);
    texts.emplace_back(bytes);
    return {succeed_, succeed_ ? "" : "disk full"};
  }
  std::vector<std::string> paths;
  std::vector<std::string> texts;

 private:
  bool succeed_;
};

// --- layout ----------------------------------------------------------------------------

TEST(FileLayout, EmptyCompetitionWritesNinetyThreeLines) {
  Competition competition;
  const Lines lines = WrittenLines(competition);
  ASSERT_EQ(lines.size(), 93u);
  EXPECT_EQ(HeaderOf(lines, 22),
            (Lines{"2", "0", "0", "500", "%6.1f", "Arial", "8", "7", "3", "1", "Competition Title", "Arial", "20",
                   "Blue", "Yellow Light", "6", "7", "8", "9", "10", "11", "12"}));
  for (std::size_t i = 0; i < std::size(kLayout); ++i) {
    SCOPED_TRACE(Competition::ListName(kLayout[i].list));
    const std::size_t at = 22 + 5 * i;
    const DSList& list = competition.List(kLayout[i].list);
    EXPECT_EQ(lines[at], SectionLine(kLayout[i]));
    EXPECT_EQ(lines[at].size(), kLayout[i].length);
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                    lines.begin() + static_cast<std::ptrdiff_t>(at) + 5),
              (Lines{list.Title(1), list.Title(2), list.Title(3), std::string(kLayout[i].endLine)}));
  }
  EXPECT_EQ(lines.back(), "End of File");
}

TEST(FileLayout, OneCompetitorRecordTakesTwentySevenLines) {
  Competition competition;
  competition.CompetitorList.AddSorted(MakeRecord({"501", "Ann", "Smith"}));
  const Lines lines = WrittenLines(competition);
  ASSERT_EQ(lines.size(), 93u + 27u);

  Lines expected{"<" + std::string(55, '-') + " Competitor Names", "Competitors", "", "", "Next Comp:", "501", "Ann",
                 "Smith"};
  expected.insert(expected.end(), 23, "");
  for (const std::string& line :
       {std::string("End Comp"), "<" + std::string(58, '-') + "Class Definitions", std::string("Classs"),
        std::string(), std::string(), std::string("End Class")})
    expected.push_back(line);
  EXPECT_EQ(Lines(lines.begin() + 22, lines.begin() + 22 + static_cast<std::ptrdiff_t>(expected.size())), expected);
  EXPECT_EQ(lines[lines.size() - 2], "End Unused");
  EXPECT_EQ(lines.back(), "End of File");
}

TEST(FileLayout, EverySectionHoldsItsOwnListsRecords) {
  Competition competition;
  filetest::OneRecordInEveryList(competition);
  const Lines lines = WrittenLines(competition);
  ASSERT_EQ(lines.size(), 93u + 14u * 27u);
  for (const SectionLayout& section : kLayout) {
    SCOPED_TRACE(Competition::ListName(section.list));
    const std::size_t at = IndexOf(lines, SectionLine(section));
    ASSERT_LT(at + 31, lines.size());
    EXPECT_EQ(lines[at + 4], section.recordLine);
    EXPECT_EQ(lines[at + 5], "1");
    EXPECT_EQ(lines[at + 6], Competition::ListName(section.list));
    EXPECT_EQ(lines[at + 7], "x");
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(at) + 8,
                    lines.begin() + static_cast<std::ptrdiff_t>(at) + 31),
              Lines(23, ""));
    EXPECT_EQ(lines[at + 31], section.endLine);
  }
}

TEST(FileLayout, HeaderCarriesEverySettingAtItsLine) {
  Competition competition;
  filetest::FillEveryList(competition);
  competition.state.ActiveClass = -4;
  EXPECT_EQ(HeaderOf(WrittenLines(competition), 23),
            (Lines{"2", "-4", "2", "100", "%6.2f", "Times New Roman", "10", "8", "2", "5", "County Show 2024", "2Tone",
                   "30", "4 Greens", "5 Shades", "6", "7", "8", "9", "10", "11", "12", SectionLine(kLayout[0])}));
}

TEST(FileLayout, TextsAreKeptToLinesTheReaderAccepts) {
  Competition competition;
  competition.state.CompetitionTitle = std::string(1500, 't');
  competition.settings.PrintFontName = "Arial\nNarrow";
  competition.CompetitorList.SetTitleText(1, "Line one\r\nLine two");
  competition.ClassList.SetTitleText(3, std::string(kMaxTextLine + 1, 'c'));
  competition.CompetitorList.AddSorted(MakeRecord({"501", "Ann\nMarie", "Smith\r"}));

  const Lines lines = WrittenLines(competition);
  ASSERT_EQ(lines.size(), 93u + 27u);
  EXPECT_EQ(lines[5], "Arial Narrow");
  EXPECT_EQ(lines[10], std::string(kMaxTextLine, 't'));
  EXPECT_EQ(lines[23], "Line one  Line two");
  EXPECT_EQ(lines[27], "501");
  EXPECT_EQ(lines[28], "Ann Marie");
  EXPECT_EQ(lines[29], "Smith ");
  EXPECT_EQ(lines[IndexOf(lines, "Classs") + 2], std::string(kMaxTextLine, 'c'));

  Competition reread;
  ScriptedDialogs dialogs;
  ASSERT_EQ(ReadCompetitionText(reread, CompetitionFileText(competition), dialogs), 1);
  EXPECT_EQ(reread.state.CompetitionTitle, std::string(kMaxTextLine, 't'));
  EXPECT_EQ(reread.CompetitorList.First()->Cell(1), "Ann Marie");
}

// --- versions --------------------------------------------------------------------------

struct VersionCase {
  std::string_view version;
  std::size_t headerLines;
  std::size_t sections;
};

void PrintTo(const VersionCase& c, std::ostream* out) { *out << '"' << c.version << '"'; }

class FileStructure : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FileStructure, FollowsTheVersion) {
  const VersionCase& c = GetParam();
  Competition competition;
  competition.state.FileFormatVersion = std::string(c.version);
  ScriptedDialogs dialogs;
  ScriptedWriter writer(true);
  ASSERT_EQ(SaveCompetitionFile(competition, "show.FCR", dialogs, writer), 1);
  EXPECT_TRUE(dialogs.Messages().empty());

  const Lines lines = SplitLines(writer.texts.at(0));
  ASSERT_EQ(lines.size(), c.headerLines + 5 * c.sections + 1);
  EXPECT_EQ(lines[0], c.version);
  EXPECT_EQ(lines[c.headerLines], SectionLine(kLayout[0]));
  EXPECT_EQ(lines[lines.size() - 2], kLayout[c.sections - 1].endLine);
  EXPECT_EQ(lines.back(), "End of File");
  EXPECT_EQ(competition.state.FileFormatVersion, c.version);
}

INSTANTIATE_TEST_SUITE_P(Versions, FileStructure,
                         ::testing::Values(VersionCase{"2", 22, 14}, VersionCase{"3", 22, 12},
                                           VersionCase{"02", 22, 12}, VersionCase{"0", 10, 12},
                                           VersionCase{"abc", 10, 12}, VersionCase{"-1", 10, 12},
                                           VersionCase{"01", 10, 12}));

TEST(EarlierVersionSave, AnsweredNoKeepsTheEarlierStructure) {
  Competition competition;
  filetest::FillEveryList(competition);
  competition.state.FileFormatVersion = "1";
  ScriptedDialogs dialogs;
  dialogs.Answer(false);
  ScriptedWriter writer(true);

  ASSERT_EQ(SaveCompetitionFile(competition, "show.FCR", dialogs, writer), 1);
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<ScriptedDialogs::Shown>{{Kind::Question, std::string(kUpgradeCaption),
                                                  std::string(kUpgradeText)}}));
  EXPECT_EQ(competition.state.FileFormatVersion, "1");
  const Lines lines = SplitLines(writer.texts.at(0));
  ASSERT_EQ(lines.size(), 10u + 12u * (5u + 2u * 27u) + 1u);
  EXPECT_EQ(HeaderOf(lines, 11),
            (Lines{"1", "3", "2", "100", "%6.2f", "Times New Roman", "10", "8", "2", "5", SectionLine(kLayout[0])}));
  EXPECT_EQ(lines[lines.size() - 2], "End Label");
  EXPECT_EQ(lines.back(), "End of File");
}

TEST(EarlierVersionSave, AnsweredYesWritesTheCurrentStructure) {
  Competition upgraded;
  Competition current;
  filetest::FillEveryList(upgraded);
  filetest::FillEveryList(current);
  upgraded.state.FileFormatVersion = "1";
  ScriptedDialogs dialogs;
  dialogs.Answer(true);
  ScriptedWriter writer(true);

  ASSERT_EQ(SaveCompetitionFile(upgraded, "show.FCR", dialogs, writer), 1);
  EXPECT_EQ(dialogs.CountShown(kUpgradeCaption, kUpgradeText), 1);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(upgraded.state.FileFormatVersion, "2");
  EXPECT_EQ(writer.texts.at(0), CompetitionFileText(current));
}

TEST(EarlierVersionSave, StaysUpgradedWhenTheSaveFails) {
  Competition competition;
  competition.state.FileFormatVersion = "1";
  ScriptedDialogs dialogs;
  dialogs.Answer(true);
  ScriptedWriter writer(false);

  EXPECT_EQ(SaveCompetitionFile(competition, "show.FCR", dialogs, writer), 0);
  EXPECT_EQ(competition.state.FileFormatVersion, "2");
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<ScriptedDialogs::Shown>{
                {Kind::Question, std::string(kUpgradeCaption), std::string(kUpgradeText)},
                {Kind::Information, "Save Error", "Unable to save Files"}}));
}

// --- status texts ----------------------------------------------------------------------

std::vector<std::string> SaveStatusTexts(std::string_view version) {
  Competition competition;
  competition.state.FileFormatVersion = std::string(version);
  std::vector<std::string> shown;
  competition.onStatus = [&shown](std::string_view text) { shown.emplace_back(text); };
  ScriptedDialogs dialogs;
  dialogs.Answer(false);
  ScriptedWriter writer(true);
  EXPECT_EQ(SaveCompetitionFile(competition, "show.FCR", dialogs, writer), 1);
  return shown;
}

TEST(SaveStatus, ShowsEverySectionInOrderThenClears) {
  const std::vector<std::string> sections{
      "Saving Competitor Name", "Saving Classes", "Saving Score Fields", "Saving Scores",   "Saving Reps",
      "Saving RepFields",       "Saving Teams",   "Saving Rounds",       "Saving Horses",   "Saving Forges",
      "Saving ScheduleList",    "Saving Label List", "Saving Batch List", "Saving Unused List"};

  std::vector<std::string> expected{"Saving Dynamic Files......"};
  expected.insert(expected.end(), sections.begin(), sections.end());
  expected.emplace_back("");
  EXPECT_EQ(SaveStatusTexts("2"), expected);

  expected = {"Saving Dynamic Files......"};
  expected.insert(expected.end(), sections.begin(), sections.begin() + 12);
  expected.emplace_back("");
  EXPECT_EQ(SaveStatusTexts("1"), expected);
}

// --- failures --------------------------------------------------------------------------

TEST(SaveFailure, ReportsOnceAndChangesNothing) {
  Competition competition;
  filetest::FillEveryList(competition);
  competition.state.UnsavedData = true;
  const std::string before = CompetitionFileText(competition);
  ScriptedDialogs dialogs;
  ScriptedWriter writer(false);

  EXPECT_EQ(SaveCompetitionFile(competition, "show.FCR", dialogs, writer), 0);
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<ScriptedDialogs::Shown>{{Kind::Information, "Save Error", "Unable to save Files"}}));
  EXPECT_EQ(competition.StatusText(), "Unable to Save Files");
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_EQ(CompetitionFileText(competition), before);
}

TEST(SaveSuccess, HandsTheWholeTextToTheWriterAndLeavesUnsavedDataAlone) {
  Competition competition;
  filetest::FillEveryList(competition);
  competition.state.UnsavedData = true;
  ScriptedDialogs dialogs;
  ScriptedWriter writer(true);

  EXPECT_EQ(SaveCompetitionFile(competition, "shows/county.FCR", dialogs, writer), 1);
  EXPECT_EQ(competition.StatusText(), "");
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_TRUE(competition.state.UnsavedData);
  EXPECT_EQ(writer.paths, std::vector<std::string>{"shows/county.FCR"});
  EXPECT_EQ(writer.texts, std::vector<std::string>{CompetitionFileText(competition)});
}

// Names in the folder left by an interrupted save.
std::vector<std::string> Temporaries(const filetest::TempFolder& folder) {
  std::vector<std::string> found;
  for (const std::string& name : folder.Entries())
    if (name.find(".~saving-") != std::string::npos) found.push_back(name);
  return found;
}

void ExpectSaveErrorShownOnce(const ScriptedDialogs& dialogs, const Competition& competition) {
  EXPECT_EQ(dialogs.CountShown("Save Error", "Unable to save Files"), 1);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(competition.StatusText(), "Unable to Save Files");
}

TEST(DiskSave, ReplacesTheOldFileAndLeavesNothingElse) {
  filetest::TempFolder folder;
  const std::string path = folder.File("show.FCR");
  filetest::WriteBytes(path, "an older competition\n");
  Competition competition;
  filetest::FillEveryList(competition);
  ScriptedDialogs dialogs;

  ASSERT_EQ(SaveCompetitionFile(competition, path, dialogs), 1);
  EXPECT_EQ(ReadWholeFile(path), CompetitionFileText(competition));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"show.FCR"});
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(DiskSave, MissingFolderFails) {
  filetest::TempFolder folder;
  Competition competition;
  ScriptedDialogs dialogs;

  EXPECT_EQ(SaveCompetitionFile(competition, folder.File("missing/show.FCR"), dialogs), 0);
  ExpectSaveErrorShownOnce(dialogs, competition);
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(DiskSave, TargetThatCannotBeReplacedFailsWithoutLeftovers) {
  filetest::TempFolder folder;
  const std::string path = folder.File("show.FCR");
  std::filesystem::create_directory(path);
  Competition competition;
  ScriptedDialogs dialogs;

  EXPECT_EQ(SaveCompetitionFile(competition, path, dialogs), 0);
  ExpectSaveErrorShownOnce(dialogs, competition);
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_TRUE(Temporaries(folder).empty());
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"show.FCR"});
}

#ifndef _WIN32
// Lowers the file size limit for its lifetime, so that writes past it fail (EFBIG).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    active_ = ::getrlimit(RLIMIT_FSIZE, &previous_) == 0;
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    active_ = active_ && ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    if (active_) ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool Active() const noexcept { return active_; }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = SIG_DFL;
  bool active_ = false;
};

TEST(DiskSave, WriteErrorAfterCreationKeepsTheOldFile) {
  filetest::TempFolder folder;
  const std::string path = folder.File("show.FCR");
  const std::string old = "an older competition\n";
  filetest::WriteBytes(path, old);
  Competition competition;
  filetest::FillEveryList(competition);
  ASSERT_GT(CompetitionFileText(competition).size(), 4096u);
  ScriptedDialogs dialogs;

  int result = -1;
  {
    FileSizeLimit limit(1024);
    if (!limit.Active()) GTEST_SKIP() << "cannot lower the file size limit";
    result = SaveCompetitionFile(competition, path, dialogs);
  }
  EXPECT_EQ(result, 0);
  ExpectSaveErrorShownOnce(dialogs, competition);
  EXPECT_EQ(ReadWholeFile(path), old);
  EXPECT_TRUE(Temporaries(folder).empty());
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"show.FCR"});
}
#endif

}  // namespace
}  // namespace quenchel
