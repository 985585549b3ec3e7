// Reading the old structure, whose records have 25 cell lines (3 for teams) and whose
// report records carry two free-text lines.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/file/file_test_support.h"
#include "file/competition_file.h"
#include "file/file_format.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using filetest::Lines;
using filetest::Row;
using filetest::RowsOf;

constexpr int kSections = 12;
constexpr std::size_t kTeam = 6;
constexpr std::size_t kReport = 4;

struct OldSection {
  std::string_view recordLine;
  std::string_view endLine;
};
constexpr OldSection kOldSections[kSections] = {
    {"Next Comp:", "End Comp"},         {"Next Class:", "End Class"},   {"Next Field:", "End Field"},
    {"Next Score:", "End Score"},       {"Next Report:", "End Reports"}, {"Next RepField:", "End RepField"},
    {"Next Team:", "End Team"},         {"Next Round:", "End Round"},   {"Next Horse:", "End Horse"},
    {"Next Forge:", "End Forge"},       {"Next Schedule:", "End ScheduleList"}, {"Next Label:", "End Label"}};

// An old-structure file: ten header lines, then twelve sections of a section line, three
// captions, the records and the end line.
struct OldFile {
  Lines header{"1", "2", "1", "400", "%5.1f", "Courier", "11", "8", "2", "3"};
  std::array<std::vector<Row>, kSections> records;
  Lines reportTexts{"End Reports", "Next Report:"};

  Lines Build() const {
    Lines lines = header;
    for (std::size_t s = 0; s < kSections; ++s) {
      lines.push_back("<---- section " + std::to_string(s + 1));
      for (const char* caption : {"caption one", "", "caption three"}) lines.emplace_back(caption);
      for (const Row& record : records[s]) {
        lines.emplace_back(kOldSections[s].recordLine);
        const std::size_t cells = s == kTeam ? 3 : 25;
        for (std::size_t c = 0; c < cells; ++c) lines.push_back(c < record.size() ? record[c] : "");
        if (s == kReport) lines.insert(lines.end(), reportTexts.begin(), reportTexts.end());
      }
      lines.emplace_back(kOldSections[s].endLine);
    }
    lines.emplace_back("End of File");
    return lines;
  }
};

Row Numbered(std::string_view prefix, std::size_t count) {
  Row row;
  for (std::size_t i = 0; i < count; ++i) row.push_back(std::string(prefix) + std::to_string(i));
  return row;
}

// A record as it comes back: its 25 cells, then "." in cell 25.
Row Padded(Row cells) {
  cells.resize(25);
  cells.emplace_back(".");
  return cells;
}

// A team record as it comes back: its 3 cells, then "." up to cell 25.
Row TeamPadded(Row cells) {
  cells.resize(26, ".");
  return cells;
}

OldFile OneRecordPerSection() {
  OldFile file;
  for (std::size_t s = 0; s < kSections; ++s) {
    Row record = Numbered("s" + std::to_string(s) + "c", 25);
    record[0] = std::to_string(s + 1);
    file.records[s].push_back(record);
  }
  return file;
}

int ReadOld(Competition& competition, const Lines& lines, ScriptedDialogs& dialogs) {
  return ReadOldCompetitionText(competition, filetest::JoinLines(lines), dialogs);
}

TEST(OldStructure, RecordsArePaddedWithDots) {
  OldFile file;
  Row competitor = Numbered("c", 25);
  competitor[0] = "501";
  file.records[0] = {competitor};
  Row report = Numbered("r", 25);
  report[0] = "1";
  report[11] = "";
  report[20] = "";
  file.records[kReport] = {report};
  file.records[5] = {Row{"1", "1", "Y"}};
  file.records[kTeam] = {Row{"Valley Forge", "1", "0"}, Row{"Anvil Boys", "2", "0"}};
  file.records[11] = {Row{"1", "L7160"}};

  Competition loaded;
  ScriptedDialogs dialogs;
  ASSERT_EQ(ReadOld(loaded, file.Build(), dialogs), 1);
  EXPECT_EQ(RowsOf(loaded.CompetitorList), std::vector<Row>{Padded(competitor)});
  // No report defaults, and the two free-text lines are skipped by position.
  EXPECT_EQ(RowsOf(loaded.ReportList), std::vector<Row>{Padded(report)});
  EXPECT_EQ(RowsOf(loaded.RepFieldList), std::vector<Row>{Padded({"1", "1", "Y"})});
  EXPECT_EQ(RowsOf(loaded.TeamList),
            (std::vector<Row>{TeamPadded({"Anvil Boys", "2", "0"}), TeamPadded({"Valley Forge", "1", "0"})}));
  EXPECT_EQ(RowsOf(loaded.LabelList), std::vector<Row>{Padded({"1", "L7160"})});
  for (int i = 0; i < kSections; ++i) {
    const DSList& list = loaded.List(Competition::FileOrder()[static_cast<std::size_t>(i)]);
    EXPECT_EQ((std::array{list.Title(1), list.Title(2), list.Title(3)}),
              (std::array<std::string, 3>{"caption one", "", "caption three"}));
  }
  EXPECT_EQ(loaded.BatchList.Title(1), Competition().BatchList.Title(1));
}

TEST(OldStructure, HeaderKeepsTheVersionAndTheLaterSettings) {
  Competition loaded;
  loaded.state.FileFormatVersion = "7";
  loaded.state.CompetitionTitle = "Kept";
  loaded.state.UnsavedData = true;
  const Settings before = loaded.settings;
  ScriptedDialogs dialogs;
  ASSERT_EQ(ReadOld(loaded, OneRecordPerSection().Build(), dialogs), 1);

  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_FALSE(loaded.state.UnsavedData);
  EXPECT_EQ(loaded.state.FileFormatVersion, "7");
  EXPECT_EQ(loaded.state.CompetitionTitle, "Kept");
  EXPECT_EQ(loaded.state.ActiveClass, 2);
  EXPECT_EQ(loaded.state.ActiveReport, 1);
  const Settings& s = loaded.settings;
  EXPECT_EQ(s.LowestCompetitorNumber, 400);
  EXPECT_EQ(s.ScoreFormat, "%5.1f");
  EXPECT_EQ(s.PrintFontName, "Courier");
  EXPECT_EQ(s.PrintFontSize, "11");
  EXPECT_EQ((std::array{s.LabelRows, s.LabelCols, s.LabelStart}), (std::array{8, 2, 3}));
  EXPECT_EQ((std::array{s.WebFontName, s.WebFontSize, s.WebFontColour, s.WebBackColour}),
            (std::array{before.WebFontName, before.WebFontSize, before.WebFontColour, before.WebBackColour}));
}

TEST(OldStructure, StrayLinesAreSkippedAndEqualKeysKeepFileOrder) {
  OldFile file;
  file.records[0] = {Row{"501", "first"}, Row{"500", "lowest"}, Row{"501", "second"}};
  Lines lines = file.Build();
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(filetest::IndexOf(lines, "End Comp")), "stray");
  Competition loaded;
  ScriptedDialogs dialogs;
  ASSERT_EQ(ReadOld(loaded, lines, dialogs), 1);
  std::vector<std::string> order;
  for (const DSNode& record : loaded.CompetitorList) order.push_back(record.CellString(1));
  EXPECT_EQ(order, (std::vector<std::string>{"lowest", "first", "second"}));
}

TEST(OldStructure, OverLongLinesStop) {
  struct Case {
    std::string_view anchor;
    std::size_t offset;
    std::size_t limit;
  };
  for (const Case& c : {Case{"Next Comp:", 1, 59}, Case{"Next Team:", 3, 59}, Case{"Next Report:", 26, 998},
                        Case{"End Comp", 1, 998}}) {
    SCOPED_TRACE(c.anchor);
    const Lines base = OneRecordPerSection().Build();
    const std::size_t at = filetest::IndexOf(base, c.anchor) + c.offset;
    for (const std::size_t length : {c.limit, c.limit + 1}) {
      Lines lines = base;
      lines[at].resize(length, 'x');
      Competition loaded;
      ScriptedDialogs dialogs;
      EXPECT_EQ(ReadOld(loaded, lines, dialogs), length == c.limit ? 1 : 0) << length;
    }
  }
}

TEST(OldStructure, FileCutShortAnywhereFails) {
  const std::string text = filetest::JoinLines(OneRecordPerSection().Build());
  const std::size_t complete = text.find("End Label") + std::string_view("End Label").size();
  std::vector<std::size_t> wrong;
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    Competition loaded;
    ScriptedDialogs dialogs;
    if (ReadOldCompetitionText(loaded, std::string_view(text).substr(0, cut), dialogs) != (cut >= complete ? 1 : 0))
      wrong.push_back(cut);
  }
  EXPECT_TRUE(wrong.empty()) << wrong.size() << " wrong results, the first at byte " << wrong.front();
}

TEST(OldStructure, StatusTextsNameEverySection) {
  filetest::TempFolder folder;
  const std::string path = folder.File("old.FCR");
  filetest::WriteBytes(path, filetest::WithCrLf(filetest::JoinLines(OneRecordPerSection().Build())));
  Competition loaded;
  std::vector<std::string> shown;
  loaded.onStatus = [&shown](std::string_view text) { shown.emplace_back(text); };
  ScriptedDialogs dialogs;
  ASSERT_EQ(LoadOldCompetitionFile(loaded, path, dialogs), 1);
  EXPECT_EQ(shown, (std::vector<std::string>{"Loading Dynamic Files......", "Loading Competitors", "Loading Classes",
                                             "Loading Field Names", "Loading Scores", "Loading Reports",
                                             "Loading Report Fields", "Loading Teams...", "Loading Rounds",
                                             "Loading horses", "Loading Forges", "Loading ScheduleList",
                                             "Loading Label List", ""}));
}

TEST(OldStructure, MissingFileFailsWithoutAMessage) {
  filetest::TempFolder folder;
  Competition loaded;
  loaded.state.UnsavedData = true;
  ScriptedDialogs dialogs;
  EXPECT_EQ(LoadOldCompetitionFile(loaded, folder.File("missing.FCR"), dialogs), 0);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(loaded.StatusText(), "Unable to Load Files");
  EXPECT_TRUE(loaded.state.UnsavedData);
}

}  // namespace
}  // namespace quenchel
