// Reading competition files of versions "0", "1" and "2": round trips, the version rules,
// the header defaults, report corrections, and files that are damaged or cut short.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file/file_test_support.h"
#include "file/competition_file.h"
#include "file/file_format.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using filetest::AddRecordBefore;
using filetest::CellsOf;
using filetest::IndexOf;
using filetest::JoinLines;
using filetest::Lines;
using filetest::Row;
using filetest::RowsOf;
using filetest::SplitLines;
using Kind = ScriptedDialogs::Kind;
using Messages = std::vector<ScriptedDialogs::Shown>;

// The file text of a competition, as lines to edit.
Lines LinesOf(Competition& competition) { return SplitLines(CompetitionFileText(competition)); }

Lines EmptyFileLines() {
  Competition competition;
  return LinesOf(competition);
}

int Read(Competition& competition, const Lines& lines, ScriptedDialogs& dialogs) {
  return ReadCompetitionText(competition, JoinLines(lines), dialogs);
}

void ExpectSameLists(const Competition& actual, const Competition& expected, int sections = kListCount) {
  for (int i = 0; i < sections; ++i) {
    const ListId id = Competition::FileOrder()[static_cast<std::size_t>(i)];
    SCOPED_TRACE(Competition::ListName(id));
    for (int title = 1; title <= 3; ++title) EXPECT_EQ(actual.List(id).Title(title), expected.List(id).Title(title));
    EXPECT_EQ(RowsOf(actual.List(id)), RowsOf(expected.List(id)));
  }
}

// --- round trip ------------------------------------------------------------------------

TEST(RoundTrip, EveryListCaptionAndSettingComesBack) {
  Competition original;
  filetest::FillEveryList(original);
  // Changing a key in place leaves the record where it stands; the file comes back in
  // key order.
  original.CompetitorList.First()->SetCell(0, "30");
  // A report record as earlier versions left it, with the cells the reader defaults empty.
  original.ReportList.AddSorted(MakeRecord({"5", "bare report"}));

  filetest::TempFolder folder;
  const std::string path = folder.File("show.FCR");
  ScriptedDialogs dialogs;
  ASSERT_EQ(SaveCompetitionFile(original, path, dialogs), 1);
  Competition loaded;
  loaded.ClearAllData();
  ASSERT_EQ(LoadCompetitionFile(loaded, path, dialogs), 1);
  EXPECT_TRUE(dialogs.Messages().empty());

  for (ListId id : Competition::FileOrder()) {
    SCOPED_TRACE(Competition::ListName(id));
    const DSList& before = original.List(id);
    const DSList& after = loaded.List(id);
    for (int title = 1; title <= 3; ++title) EXPECT_EQ(after.Title(title), before.Title(title));
    std::vector<Row> expected = RowsOf(before);
    if (id == ListId::Competitor) std::swap(expected[0], expected[1]);
    if (id == ListId::Report) {
      Row& bare = expected[0];
      for (const auto& [cell, value] : {std::pair<int, std::string>{11, "Arial Narrow"}, {12, "10"}, {13, "Black"},
                                        {14, "Yellow Light"}, {18, "Italic OFF"}, {19, "Bold"},
                                        {20, std::string(41, 'N')}, {22, "Arial Narrow"}, {23, "20"}})
        bare[static_cast<std::size_t>(cell)] = value;
    }
    EXPECT_EQ(RowsOf(after), expected);
  }
  EXPECT_EQ(filetest::SettingsTuple(loaded.settings), filetest::SettingsTuple(original.settings));
  EXPECT_EQ(loaded.state.ActiveClass, 3);
  EXPECT_EQ(loaded.state.ActiveReport, 2);
  EXPECT_EQ(loaded.state.CompetitionTitle, "County Show 2024");
  EXPECT_EQ(loaded.state.FileFormatVersion, "2");

  // From then on a save and a load change nothing.
  Competition again;
  ASSERT_EQ(ReadCompetitionText(again, CompetitionFileText(loaded), dialogs), 1);
  EXPECT_EQ(CompetitionFileText(again), CompetitionFileText(loaded));
}

TEST(RoundTrip, LineEndsMakeNoDifference) {
  Competition original;
  filetest::FillEveryList(original);
  const std::string lf = CompetitionFileText(original);
  Lines lines = SplitLines(lf);
  std::string mixed;
  for (std::size_t i = 0; i < lines.size(); ++i) mixed += lines[i] + (i % 2 ? "\r\n" : "\n");

  for (const std::string& text : {filetest::WithCrLf(lf), mixed}) {
    Competition loaded;
    ScriptedDialogs dialogs;
    ASSERT_EQ(ReadCompetitionText(loaded, text, dialogs), 1);
    ExpectSameLists(loaded, original);
    EXPECT_EQ(filetest::SettingsTuple(loaded.settings), filetest::SettingsTuple(original.settings));
    EXPECT_EQ(loaded.state.CompetitionTitle, original.state.CompetitionTitle);
  }
}

// --- versions --------------------------------------------------------------------------

enum class Notes { None, BeforeDates, Earlier };

struct VersionCase {
  std::string_view firstLine;
  std::string_view writtenAs;  // the structure of the file behind the first line
  std::string_view version;    // FileFormatVersion afterwards
  Notes notes;
  bool readsWebHeader;
  bool readsBatches;
};

Messages NotesShown(Notes notes) {
  switch (notes) {
    case Notes::BeforeDates:
      return {{Kind::Information, "Warning",
               "File version '0' is before 2006 and not a not for the latest version of Quenchel"},
              {Kind::Information, "Important!",
               "You may have to set a date for each class before using this file.\n"
               " Go to Set Up-->Classes and Edit Class and enter the date when requested."}};
    case Notes::Earlier:
      return {{Kind::Information, "Please Note", "The file you are opening is an earler file version."}};
    case Notes::None:
      break;
  }
  return {};
}

void PrintTo(const VersionCase& c, std::ostream* out) { *out << '"' << c.firstLine << '"'; }

class ReadVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ReadVersion, ReadsTheStructureOfItsVersion) {
  const VersionCase& c = GetParam();
  Competition source;
  filetest::OneRecordInEveryList(source);
  // A report record complete enough for the reader to leave it as it is.
  DSNode& report = *source.ReportList.First();
  for (int cell = 11; cell <= 23; ++cell) report.SetCell(cell, "set");
  report.SetCell(20, std::string(41, 'Y'));
  source.state.CompetitionTitle = "From the file";
  source.settings.LabelStart = 4;
  source.state.FileFormatVersion = std::string(c.writtenAs);
  Lines lines = LinesOf(source);
  lines[0] = std::string(c.firstLine);

  Competition loaded;
  loaded.state.CompetitionTitle = "Kept";
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  EXPECT_EQ(loaded.state.FileFormatVersion, c.version);
  EXPECT_EQ(dialogs.Messages(), NotesShown(c.notes));
  EXPECT_EQ(loaded.settings.LabelStart, 4);
  EXPECT_EQ(loaded.state.CompetitionTitle, c.readsWebHeader ? "From the file" : "Kept");
  ExpectSameLists(loaded, source, kVersion1Sections);
  EXPECT_EQ(loaded.BatchList.Count(), c.readsBatches ? 1 : 0);
  EXPECT_EQ(loaded.UnusedList.Count(), c.readsBatches ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ReadVersion,
    ::testing::Values(VersionCase{"2", "2", "2", Notes::None, true, true},
                      VersionCase{"02", "2", "2", Notes::None, true, true},
                      VersionCase{"1", "1", "1", Notes::Earlier, false, false},
                      VersionCase{"0", "0", "0", Notes::BeforeDates, false, false},
                      VersionCase{"abc", "0", "0", Notes::BeforeDates, false, false},
                      VersionCase{"-1", "0", "-1", Notes::None, false, false},
                      // Later versions have the long header but only twelve sections are read.
                      VersionCase{"3", "2", "3", Notes::None, true, false}));

// --- header ----------------------------------------------------------------------------

struct WebLineCase {
  std::size_t index;  // 0-based line of the file
  std::string_view text;
  std::string Settings::*setting;
  std::string_view expected;
};

void PrintTo(const WebLineCase& c, std::ostream* out) { *out << "line " << c.index + 1 << " \"" << c.text << '"'; }

class WebHeaderLine : public ::testing::TestWithParam<WebLineCase> {};

TEST_P(WebHeaderLine, PlaceholderOrEmptyGivesTheDefault) {
  const WebLineCase& c = GetParam();
  Lines lines = EmptyFileLines();
  lines[c.index] = std::string(c.text);
  Competition loaded;
  loaded.settings.*c.setting = "before";
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  EXPECT_EQ(loaded.settings.*c.setting, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines12To15, WebHeaderLine,
    ::testing::Values(WebLineCase{11, "2", &Settings::WebFontName, "Arial Narrow"},
                      WebLineCase{11, "", &Settings::WebFontName, "Arial Narrow"},
                      WebLineCase{11, "2Tone", &Settings::WebFontName, "2Tone"},
                      WebLineCase{11, "3", &Settings::WebFontName, "3"},
                      WebLineCase{12, "3", &Settings::WebFontSize, "20"},
                      WebLineCase{12, "", &Settings::WebFontSize, "20"},
                      WebLineCase{12, "30", &Settings::WebFontSize, "30"},
                      WebLineCase{13, "4", &Settings::WebFontColour, "Black"},
                      WebLineCase{13, "", &Settings::WebFontColour, "Black"},
                      WebLineCase{13, "4 Greens", &Settings::WebFontColour, "4 Greens"},
                      WebLineCase{14, "5", &Settings::WebBackColour, "Yellow Light"},
                      WebLineCase{14, "", &Settings::WebBackColour, "Yellow Light"},
                      WebLineCase{14, "5 Shades", &Settings::WebBackColour, "5 Shades"}));

TEST(Header, ValuesAreReadAsTheirLinesAllow) {
  Lines lines = EmptyFileLines();
  lines[1] = "12abc";
  lines[2] = "abc";
  lines[3] = " 42";
  lines[4] = "%6.1f and far too long for its holder";
  lines[7] = "-3";
  for (std::size_t reserved = 15; reserved < 22; ++reserved) lines[reserved] = "anything";
  Competition loaded;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  EXPECT_EQ(loaded.state.ActiveClass, 12);
  EXPECT_EQ(loaded.state.ActiveReport, 0);
  EXPECT_EQ(loaded.settings.LowestCompetitorNumber, 42);
  EXPECT_EQ(loaded.settings.ScoreFormat, "%6.1f and far too l");
  EXPECT_EQ(loaded.settings.LabelRows, -3);
}

// --- records ---------------------------------------------------------------------------

struct CorrectionCase {
  int cell;
  std::string stored;
  std::string expected;
};

void PrintTo(const CorrectionCase& c, std::ostream* out) { *out << "cell " << c.cell << " \"" << c.stored << '"'; }

class ReportCorrection : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(ReportCorrection, AppliesToReportRecordsOnly) {
  const CorrectionCase& c = GetParam();
  Row report(26, "set");
  report[0] = "1";
  report[20] = std::string(41, 'Y');
  report[static_cast<std::size_t>(c.cell)] = c.stored;
  Lines lines = EmptyFileLines();
  AddRecordBefore(lines, "End Reports", "Next Report:", report);
  AddRecordBefore(lines, "End RepField", "Next RepField:", report);

  Competition loaded;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  ASSERT_EQ(loaded.ReportList.Count(), 1);
  EXPECT_EQ(loaded.ReportList.First()->Cell(c.cell), c.expected);
  EXPECT_EQ(loaded.RepFieldList.First()->Cell(c.cell), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ReportCorrection,
    ::testing::Values(CorrectionCase{11, "", "Arial Narrow"}, CorrectionCase{11, "Verdana", "Verdana"},
                      CorrectionCase{12, "", "10"}, CorrectionCase{13, "", "Black"},
                      CorrectionCase{14, "", "Yellow Light"}, CorrectionCase{18, "", "Italic OFF"},
                      CorrectionCase{19, "", "Bold"}, CorrectionCase{22, "", "Arial Narrow"},
                      CorrectionCase{23, "", "20"}, CorrectionCase{23, "12", "12"},
                      CorrectionCase{20, "", std::string(41, 'N')},
                      CorrectionCase{20, std::string(39, 'Y'), std::string(41, 'N')},
                      CorrectionCase{20, std::string(40, 'Y'), std::string(40, 'Y')},
                      CorrectionCase{15, "", ""}, CorrectionCase{21, "", ""}));

TEST(Records, LinesBetweenRecordsAreSkipped) {
  Lines lines = EmptyFileLines();
  AddRecordBefore(lines, "End Comp", "Next Comp:", {"501", "Ann"});
  for (const char* stray : {"", "garbage", "next comp:", "Next Comp: ", "End Comp ", "End Class"})
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(IndexOf(lines, "End Comp")), stray);
  AddRecordBefore(lines, "End Comp", "Next Comp:", {"502", "Dan"});
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(IndexOf(lines, "End Unused")), "stray");
  AddRecordBefore(lines, "End Unused", "Next Unused:", {"7"});

  Competition loaded;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  EXPECT_EQ(RowsOf(loaded.CompetitorList),
            (std::vector<Row>{CellsOf(MakeRecord({"501", "Ann"})), CellsOf(MakeRecord({"502", "Dan"}))}));
  EXPECT_EQ(loaded.ClassList.Count(), 0);
  EXPECT_EQ(loaded.UnusedList.Count(), 1);
}

TEST(Records, SameKeysAllLoadInFileOrder) {
  Lines lines = EmptyFileLines();
  for (const Row& record : {Row{"501", "first"}, Row{"500", "lowest"}, Row{"501", "second"}, Row{"501", "third"}})
    AddRecordBefore(lines, "End Comp", "Next Comp:", record);
  Competition loaded;
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  std::vector<std::string> order;
  for (const DSNode& record : loaded.CompetitorList) order.push_back(record.CellString(1));
  EXPECT_EQ(order, (std::vector<std::string>{"lowest", "first", "second", "third"}));
}

TEST(Records, ReadingAddsToWhatTheListsHold) {
  Competition loaded;
  loaded.CompetitorList.AddSorted(MakeRecord({"503", "already here"}));
  Lines lines = EmptyFileLines();
  AddRecordBefore(lines, "End Comp", "Next Comp:", {"501", "Ann"});
  ScriptedDialogs dialogs;
  ASSERT_EQ(Read(loaded, lines, dialogs), 1);
  EXPECT_EQ(loaded.CompetitorList.Count(), 2);
  EXPECT_EQ(loaded.CompetitorList.First()->Cell(0), "501");
}

// --- limits ----------------------------------------------------------------------------

struct LongLineCase {
  std::string_view where;
  std::string_view anchor;  // the line found first ...
  std::size_t offset;       // ... and how far after it the long line goes
  bool insert;              // inserted there rather than replacing the line
  std::size_t limit;
};

class LongLine : public ::testing::TestWithParam<LongLineCase> {};

TEST_P(LongLine, AtTheLimitReadsAndBeyondStops) {
  const LongLineCase& c = GetParam();
  Lines base = EmptyFileLines();
  AddRecordBefore(base, "End Comp", "Next Comp:", {"501", "Ann"});
  AddRecordBefore(base, "End Unused", "Next Unused:", {"1", "", "last"});
  const std::size_t at = IndexOf(base, c.anchor) + c.offset;
  ASSERT_LT(at, base.size());

  for (const std::size_t length : {c.limit, c.limit + 1}) {
    SCOPED_TRACE(length);
    Lines lines = base;
    std::string line = c.insert ? "stray" : lines[at];
    line.resize(length, 'x');
    if (c.insert) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    else lines[at] = line;
    Competition loaded;
    ScriptedDialogs dialogs;
    EXPECT_EQ(Read(loaded, lines, dialogs), length == c.limit ? 1 : 0);
    EXPECT_TRUE(dialogs.Messages().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LongLine,
    ::testing::Values(LongLineCase{"version line", "2", 0, false, 998}, LongLineCase{"header line", "2", 5, false, 998},
                      LongLineCase{"competition title", "Competition Title", 0, false, 998},
                      LongLineCase{"caption", "Competitors", 0, false, 998},
                      LongLineCase{"stray line", "End Comp", 0, true, 998},
                      LongLineCase{"first cell", "Next Comp:", 1, false, 59},
                      LongLineCase{"last cell of the file", "Next Unused:", 26, false, 59}),
    [](const ::testing::TestParamInfo<LongLineCase>& info) {
      std::string name(info.param.where);
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(Limits, TwentyThousandCompetitorLinesAreExamined) {
  constexpr int kLimit = 20000;
  const Lines empty = EmptyFileLines();
  const auto endComp = empty.begin() + static_cast<std::ptrdiff_t>(IndexOf(empty, "End Comp"));
  const std::string before = JoinLines(Lines(empty.begin(), endComp));
  const std::string after = JoinLines(Lines(endComp, empty.end()));
  const std::string record = "Next Comp:\n7\n" + std::string(25, '\n');
  auto withCompetitorLines = [&](int recordCount, bool stray) {
    std::string text = before;
    for (int n = 0; n < recordCount; ++n) text += record;
    if (stray) text += "stray\n";
    return text + after;
  };
  ScriptedDialogs dialogs;

  Competition full;
  EXPECT_EQ(ReadCompetitionText(full, withCompetitorLines(kLimit, false), dialogs), 1);
  EXPECT_EQ(full.CompetitorList.Count(), kLimit);
  Competition fullWithStray;
  EXPECT_EQ(ReadCompetitionText(fullWithStray, withCompetitorLines(kLimit, true), dialogs), 0);
  Competition oneShort;
  EXPECT_EQ(ReadCompetitionText(oneShort, withCompetitorLines(kLimit - 1, true), dialogs), 1);
  EXPECT_EQ(oneShort.CompetitorList.Count(), kLimit - 1);
  EXPECT_TRUE(dialogs.Messages().empty());

  // Other sections have no such limit.
  Lines strayClasses = empty;
  strayClasses.insert(strayClasses.begin() + static_cast<std::ptrdiff_t>(IndexOf(strayClasses, "End Class")),
                      kLimit + 1, "stray");
  Competition classes;
  EXPECT_EQ(Read(classes, strayClasses, dialogs), 1);
}

// --- damaged files ---------------------------------------------------------------------

TEST(Damage, FileCutShortAnywhereFailsAndNeverHangs) {
  Competition source;
  filetest::OneRecordInEveryList(source);
  const std::string lf = CompetitionFileText(source);
  for (const std::string& text : {lf, filetest::WithCrLf(lf)}) {
    const std::size_t complete = text.find("End Unused") + std::string_view("End Unused").size();
    std::vector<std::size_t> wrong;
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
      Competition loaded;
      ScriptedDialogs dialogs;
      const int result = ReadCompetitionText(loaded, std::string_view(text).substr(0, cut), dialogs);
      if (result != (cut >= complete ? 1 : 0) || !dialogs.Messages().empty()) wrong.push_back(cut);
    }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " wrong results, the first at byte " << wrong.front();
  }
}

TEST(Damage, EmptyFileFailsWithoutMessages) {
  filetest::TempFolder folder;
  const std::string path = folder.File("empty.FCR");
  filetest::WriteBytes(path, "");
  Competition loaded;
  ScriptedDialogs dialogs;
  EXPECT_EQ(LoadCompetitionFile(loaded, path, dialogs), 0);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(loaded.state.FileFormatVersion, "2");
}

TEST(Damage, UnsavedDataIsClearedOnlyBySuccess) {
  Lines lines = EmptyFileLines();
  Competition loaded;
  loaded.state.UnsavedData = true;
  ScriptedDialogs dialogs;
  EXPECT_EQ(Read(loaded, Lines(lines.begin(), lines.end() - 3), dialogs), 0);
  EXPECT_TRUE(loaded.state.UnsavedData);
  EXPECT_EQ(Read(loaded, lines, dialogs), 1);
  EXPECT_FALSE(loaded.state.UnsavedData);
}

TEST(OpenFailure, ReportsTheMissingFileOnce) {
  filetest::TempFolder folder;
  for (const std::string& name : {folder.File("missing.FCR"), folder.Path().string()}) {
    SCOPED_TRACE(name);
    Competition loaded;
    loaded.CompetitorList.AddSorted(MakeRecord({"501"}));
    loaded.state.UnsavedData = true;
    ScriptedDialogs dialogs;
    EXPECT_EQ(LoadCompetitionFile(loaded, name, dialogs), 0);
    EXPECT_EQ(dialogs.Messages(),
              (Messages{{Kind::Information, "QUENCHEL File Loading Error", "Unable to find file : " + name}}));
    EXPECT_EQ(loaded.StatusText(), "Unable to Load Files");
    EXPECT_EQ(loaded.CompetitorList.Count(), 1);
    EXPECT_TRUE(loaded.state.UnsavedData);
  }
}

// --- status texts ----------------------------------------------------------------------

std::vector<std::string> LoadStatusTexts(std::string_view version) {
  Competition source;
  source.state.FileFormatVersion = std::string(version);
  for (DSList* list : {&source.CompetitorList, &source.CompetitorList, &source.ClassList, &source.FieldList,
                       &source.ScoreList, &source.ReportList, &source.RepFieldList, &source.TeamList,
                       &source.RoundList, &source.HorseList, &source.BatchList})
    list->AddSorted(MakeRecord({"1"}));
  filetest::TempFolder folder;
  const std::string path = folder.File("show.FCR");
  filetest::WriteBytes(path, CompetitionFileText(source));

  Competition loaded;
  std::vector<std::string> shown;
  loaded.onStatus = [&shown](std::string_view text) { shown.emplace_back(text); };
  ScriptedDialogs dialogs;
  EXPECT_EQ(LoadCompetitionFile(loaded, path, dialogs), 1);
  return shown;
}

TEST(LoadStatus, CountsRecordsAndNamesSections) {
  const std::vector<std::string> twelve{
      "Loading Dynamic Files......", "Loading Competitors0", "Loading Competitors1", "Loading Classes0",
      "Loading Field Names",         "Loading Field Names0", "Loading Scores0",      "Loading Reports",
      "Loading Reports0",            "Loading Report Fields0", "Loading Teams",      "Loading Teams0",
      "Loading Rounds",              "Loading horses",       "Loading Forges",       "Loading ScheduleList",
      "Loading Label List"};
  std::vector<std::string> expected = twelve;
  for (const char* text : {"Loading Batch List", "Loading Unused List", ""}) expected.emplace_back(text);
  EXPECT_EQ(LoadStatusTexts("2"), expected);

  expected = twelve;
  expected.emplace_back("");
  EXPECT_EQ(LoadStatusTexts("1"), expected);
}

}  // namespace
}  // namespace quenchel
