// The fourteen lists of a competition: start-up captions, column counts and heading rows,
// and emptying a competition for New, Open and Restore.

#include "store/competition.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "platform/scripted_dialogs.h"
#include "store/dslist.h"
#include "store/record.h"

namespace quenchel {
namespace {

using Row = std::array<std::string_view, DSNode::kCellCount>;

struct StartupView {
  ListId list;
  std::string_view title1;
  std::string_view title3;
  int columnCount;
  Row upper;
  Row lower;
};

// Every heading written out in full, cell by cell.
const StartupView kStartupViews[] = {
    {ListId::Competitor, "Competitors", "", 12,
     {"No.", "First", "Last", "Team", "Striker", "Address", "", "", "", "", "Telephone", "Telephone",
      "Striker No", "<end>"},
     {"No.", "Name", "Name", "Team", "Striker", "Line 1", "Line 2", "Line 3", "Line 4", "Line 5", "Tel 1",
      "Tel 2", "Striker No", "<end>"}},
    {ListId::Team, "Teams", "", 1, {"Name", "Tie Break", "Total", "<end>"}, {"", "", "", "<end>"}},
    {ListId::Class, "Classs", "", 2,
     {"No.", "Name", "Fields", "Rounds", "Forges", "Horses", "AutoUpDate", "Duration", "Prep. Time",
      "Shoeing Class", "Short Title", "Location", "", "No. Comps Per Round", "Sort feet", "Change Over (D)",
      "Start Time", "Date", "Show Strikers", "Show Teams", "ForgeTitles"},
     {}},
    {ListId::Field, "Field Titles", "", 19,
     {"Class", "Fields", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field",
      "Field", "Field", "Field", "Field", "Field", "Field", "Total"},
     {"No.", "Active", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"}},
    {ListId::Round, "Rounds", "", 8,
     {"Class", "Round", "Start", "Finish", "Break Time", "Break Text", "Date/Time Start", "Date/Time End",
      "Date"},
     {"No.", "No.", "No.", "No.", "", "No."}},
    {ListId::Forge, "Forges", "", 6, {"Class", "Forge", "Title"}, {"No.", "No."}},
    {ListId::Horse, "Horses", "", 9, {"Class", "Horse", "Name", "Forge", "LF", "RF", "LH", "RH", "Forge"},
     {"", "Ref.No.", "", "No.", "", "", "", "", "Ref"}},
    {ListId::Score, "Scores", "All Classes", 20,
     {"Comp", "Class", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field",
      "Field", "Field", "Field", "Field", "Field", "Field", "Total", "Entered"},
     {"No.", "No.", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "Total",
      "Entered"}},
    {ListId::Report, "Reports", "", 2,
     {"No", "Name", "Title", "Tie Break Mess", "Sponsor", "Sort", "Ind/Team", "Short Cl Name", "Port/Land",
      "Heading", "Legend", "Rep Font", "Rep Font Size", "WP Font Colour", "WP Back Colour", "Team",
      "TieBreak Active", "Show Tie break", "WP Font Style", "WP Font Weight", "1-MAXBATCH Flag", "Pub/Pri Batch",
      "WP Font", "WP Font Size", ".y", ".z"},
     {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V",
      "W", "X", "Y", "Z"}},
    {ListId::RepField, "Report Field Names", "", 19,
     {"Rep", "Class", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field", "Field",
      "Field", "Field", "Field", "Field", "Field", "Field", ".s", ".t", ".u", ".v", ".w", "Trust", ".y", ".z"},
     {"No.", "No.", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
      "Total ", ".t", ".u", ".v", ".w", ".x", ".y", ".z"}},
    {ListId::Schedule, "Schedule List", "", 10,
     {"Comp No.", "Class", "Round", "Fire", "Active Striker", "In Sched", "Start", "Finish", "Horse & Foot",
      "TD Start", "TD Finish", "ScheduleList", "Multiple Comp none  2 3 4 etc", "ScheduleList", "ScheduleList",
      "ScheduleList", "ScheduleList", "ScheduleList", "ScheduleList"},
     {"", "", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"}},
    {ListId::Label, "Labels", "", 4,
     {"Label Report No.", "Label sheet type", "Labels down", "Labels across", "Start Label", "BigBox",
      "LabelLine1", "LabelLine2", "LabelLine3", "LabelLine4", "LabelLine5", "Side Margin", "Top Margin",
      "Hor Gap", "Ver Gap", "Label Width", "Label Height", "Sched/Add", "Sel. Round", "Sort Col", "U/D",
      "Repeat label", "Labels for all names", "Cm/Mm 0/1", "", "Layout grid"},
     {}},
};

void ExpectRow(const DSNode& actual, const Row& expected, std::string_view which) {
  for (int i = 0; i < DSNode::kCellCount; ++i)
    EXPECT_EQ(actual.Cell(i), expected[static_cast<std::size_t>(i)]) << which << " heading, cell " << i;
}

void ExpectStartupView(const Competition& competition, const StartupView& view) {
  const DSList& list = competition.List(view.list);
  SCOPED_TRACE(Competition::ListName(view.list));
  ScriptedDialogs dialogs;
  EXPECT_EQ(list.GetTitle(1, dialogs), view.title1);
  EXPECT_EQ(list.GetTitle(2, dialogs), "");
  EXPECT_EQ(list.GetTitle(3, dialogs), view.title3);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(list.GetColumnCount(), view.columnCount);
  ExpectRow(list.TitleRow(0), view.upper, "upper");
  ExpectRow(list.TitleRow(1), view.lower, "lower");
}

void ExpectNewListView(const DSList& list) {
  EXPECT_EQ(list.Title(1), "Title1");
  EXPECT_EQ(list.Title(2), "Title2");
  EXPECT_EQ(list.Title(3), "Title3");
  EXPECT_EQ(list.GetColumnCount(), 26);
  EXPECT_EQ(list.TitleRow(0).Cell(0), "a");
  EXPECT_EQ(list.TitleRow(0).Cell(25), "z");
  EXPECT_EQ(list.TitleRow(1).Cell(0), "a1");
  EXPECT_EQ(list.TitleRow(1).Cell(1), "b");
}

TEST(CompetitionStartup, TwelveShownListsHaveTheirCaptionsColumnsAndHeadings) {
  const Competition competition;
  for (const StartupView& view : kStartupViews) ExpectStartupView(competition, view);
}

TEST(CompetitionStartup, BatchAndUnusedListsKeepTheNewListValues) {
  const Competition competition;
  ExpectNewListView(competition.BatchList);
  ExpectNewListView(competition.UnusedList);
}

TEST(CompetitionStartup, EveryListStartsEmptyWithTheInitialState) {
  const Competition competition;
  for (ListId id : Competition::FileOrder()) EXPECT_TRUE(competition.List(id).Empty()) << Competition::ListName(id);
  EXPECT_FALSE(competition.state.UnsavedData);
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_EQ(competition.state.ActiveReport, 0);
  EXPECT_EQ(competition.state.CompetitionTitle, "Competition Title");
  EXPECT_EQ(competition.state.FileFormatVersion, "2");
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 500);
}

TEST(CompetitionStartup, ApplyingHeadingsAgainRestoresTheShownListsOnly) {
  Competition competition;
  for (ListId id : Competition::FileOrder()) {
    DSList& list = competition.List(id);
    list.SetTitleText(1, "From file");
    list.SetTitleText(2, "From file 2");
    list.SetTitleText(3, "From file 3");
    list.SetColumnCount(3);
    list.SetTitleRow(MakeRecord({"x"}), 0);
    list.SetTitleRow(MakeRecord({"y"}), 1);
  }
  competition.ScoreList.AddSorted(MakeRecord({"500", "1"}));

  competition.ApplyListHeadings();
  for (const StartupView& view : kStartupViews) ExpectStartupView(competition, view);
  for (const DSList* list : {&competition.BatchList, &competition.UnusedList}) {
    EXPECT_EQ(list->Title(1), "From file");
    EXPECT_EQ(list->Title(3), "From file 3");
    EXPECT_EQ(list->GetColumnCount(), 3);
    EXPECT_EQ(list->TitleRow(0).Cell(0), "x");
  }
  EXPECT_EQ(competition.ScoreList.Count(), 1);
}

TEST(CompetitionLists, IdsAndNamesPickTheirOwnList) {
  Competition competition;
  struct Case {
    ListId id;
    const DSList* list;
    std::string_view name;
  };
  const Case cases[] = {
      {ListId::Competitor, &competition.CompetitorList, "CompetitorList"},
      {ListId::Class, &competition.ClassList, "ClassList"},
      {ListId::Field, &competition.FieldList, "FieldList"},
      {ListId::Score, &competition.ScoreList, "ScoreList"},
      {ListId::Report, &competition.ReportList, "ReportList"},
      {ListId::RepField, &competition.RepFieldList, "RepFieldList"},
      {ListId::Team, &competition.TeamList, "TeamList"},
      {ListId::Round, &competition.RoundList, "RoundList"},
      {ListId::Horse, &competition.HorseList, "HorseList"},
      {ListId::Forge, &competition.ForgeList, "ForgeList"},
      {ListId::Schedule, &competition.ScheduleList, "ScheduleList"},
      {ListId::Label, &competition.LabelList, "LabelList"},
      {ListId::Batch, &competition.BatchList, "BatchList"},
      {ListId::Unused, &competition.UnusedList, "UnusedList"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(&competition.List(c.id), c.list) << c.name;
    EXPECT_EQ(&static_cast<const Competition&>(competition).List(c.id), c.list) << c.name;
    EXPECT_EQ(Competition::ListName(c.id), c.name);
  }
}

// --- ClearAllData ------------------------------------------------------------------------

class ClearAllDataTest : public testing::Test {
 protected:
  void SetUp() override {
    for (ListId id : Competition::FileOrder()) {
      DSList& list = competition.List(id);
      list.AddSorted(MakeRecord({"1", "one"}));
      list.AddSorted(MakeRecord({"2", "two"}));
    }
    competition.ScoreList.SetTitleText(2, "read from file");
    competition.BatchList.SetTitleText(1, "Batches");

    AppState& state = competition.state;
    state.UnsavedData = true;
    state.ActiveClass = 3;
    state.ActiveReport = 2;
    state.CompetitionTitle = "County Show";
    state.FileFormatVersion = "1";
    state.CurrentFileName = "show.FCR";
    state.OpenedFileName = "opened.FCR";
    state.LastSaveTime = "12:00";
    state.LastBackupText = "Backup 12:01";
    state.DataCheckMode = true;
    state.PrinterResolution = 600;
    state.ScreenResolution = 96;

    Settings& settings = competition.settings;
    settings.LowestCompetitorNumber = 700;
    settings.ScoreFormat = "%5.2f";
    settings.PrintFontName = "Times";
    settings.PrintFontSize = "10";
    settings.WebFontName = "Verdana";
    settings.WebFontSize = "14";
    settings.WebFontColour = "Black";
    settings.WebBackColour = "White";
    settings.LabelRows = 8;
    settings.LabelCols = 2;
    settings.LabelStart = 4;
  }

  Competition competition;
};

TEST_F(ClearAllDataTest, EmptiesEveryListButKeepsTheirCaptionsAndHeadings) {
  competition.ClearAllData();

  for (ListId id : Competition::FileOrder()) {
    const DSList& list = competition.List(id);
    EXPECT_TRUE(list.Empty()) << Competition::ListName(id);
    EXPECT_EQ(list.Count(), 0) << Competition::ListName(id);
    EXPECT_EQ(list.Find(MakeRecord({"1"})), nullptr) << Competition::ListName(id);
  }
  for (const StartupView& view : kStartupViews) {
    if (view.list == ListId::Score) continue;
    ExpectStartupView(competition, view);
  }
  EXPECT_EQ(competition.ScoreList.Title(1), "Scores");
  EXPECT_EQ(competition.ScoreList.Title(2), "read from file");
  EXPECT_EQ(competition.ScoreList.GetColumnCount(), 20);
  EXPECT_EQ(competition.BatchList.Title(1), "Batches");
}

TEST_F(ClearAllDataTest, ResetsTheCompetitionState) {
  competition.ClearAllData();

  EXPECT_FALSE(competition.state.UnsavedData);
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_EQ(competition.state.ActiveReport, 0);
  EXPECT_EQ(competition.state.CompetitionTitle, "");
  EXPECT_EQ(competition.settings.LowestCompetitorNumber, 500);
}

TEST_F(ClearAllDataTest, LeavesOtherSettingsTheVersionAndFileNamesAlone) {
  competition.ClearAllData();

  const AppState& state = competition.state;
  EXPECT_EQ(state.FileFormatVersion, "1");
  EXPECT_EQ(state.CurrentFileName, "show.FCR");
  EXPECT_EQ(state.OpenedFileName, "opened.FCR");
  EXPECT_EQ(state.LastSaveTime, "12:00");
  EXPECT_EQ(state.LastBackupText, "Backup 12:01");
  EXPECT_TRUE(state.DataCheckMode);
  EXPECT_EQ(state.PrinterResolution, 600);
  EXPECT_EQ(state.ScreenResolution, 96);

  const Settings& settings = competition.settings;
  EXPECT_EQ(settings.ScoreFormat, "%5.2f");
  EXPECT_EQ(settings.PrintFontName, "Times");
  EXPECT_EQ(settings.PrintFontSize, "10");
  EXPECT_EQ(settings.WebFontName, "Verdana");
  EXPECT_EQ(settings.WebFontSize, "14");
  EXPECT_EQ(settings.WebFontColour, "Black");
  EXPECT_EQ(settings.WebBackColour, "White");
  EXPECT_EQ(settings.LabelRows, 8);
  EXPECT_EQ(settings.LabelCols, 2);
  EXPECT_EQ(settings.LabelStart, 4);
}

TEST_F(ClearAllDataTest, ListsTakeNewRecordsAfterwards) {
  competition.ClearAllData();
  competition.CompetitorList.AddSorted(MakeRecord({"510"}));
  competition.CompetitorList.AddSorted(MakeRecord({"501"}));
  EXPECT_EQ(competition.CompetitorList.First()->Cell(0), "501");
  EXPECT_EQ(competition.CompetitorList.Count(), 2);
}

}  // namespace
}  // namespace quenchel
