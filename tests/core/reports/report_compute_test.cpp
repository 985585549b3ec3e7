#include "reports/report_compute.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/report_columns.h"

namespace quenchel {
namespace {

using quenchel::testing::ColumnOf;
using quenchel::testing::ReportFixture;
using quenchel::testing::Rows;
using quenchel::testing::RowsOf;

constexpr std::string_view kMissingTeam = "Team Name Missing!";

class ReportComputeTest : public ReportFixture {
 protected:
  ShownReport Show(int report, const TeamNameRequest& request = {}) {
    std::optional<ShownReport> shown = ShowReport(competition, report, dialogs, request);
    EXPECT_TRUE(shown.has_value());
    return shown ? std::move(*shown) : ShownReport{};
  }
};

TEST_F(ReportComputeTest, IndividualReportRanksCompetitorsAndSharesPlaces) {
  AddClass(1, "Open");
  AddFieldTitles(1, {"Shoe", "Fit"});
  AddCompetitor(501, "Ann", "Ash");
  AddCompetitor(502, "Bob", "Birch");
  AddCompetitor(503, "Cat", "Cole");
  AddScore(501, 1, {{1, "4"}, {2, "4"}});
  AddScore(502, 1, {{1, "12.5"}, {2, "dnf"}});
  AddScore(503, 1, {{1, "6"}, {2, "6.5"}});
  AddScore(999, 1, {{1, "50"}});  // no such competitor: not counted
  AddReport(1, "I");
  Select(1, 1, {1, 2});

  const ShownReport shown = Show(1);
  EXPECT_EQ(shown.heading, "Results");
  EXPECT_EQ(RowsOf(shown.grid), (Rows{{"Ind.Pos.", "Name", " No.", "Shoe", "Fit", "Total"},
                                      {"1=", "Bob Birch", "502", "  12.5", "DNF", "  12.5"},
                                      {"1=", "Cat Cole", "503", "   6.0", "   6.5", "  12.5"},
                                      {"3 ", "Ann Ash", "501", "   4.0", "   4.0", "   8.0"}}));
  EXPECT_TRUE(shown.columns.keyLines.empty());
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ReportComputeTest, UnknownReportShowsNothing) {
  EXPECT_FALSE(ShowReport(competition, 4, dialogs).has_value());
}

TEST_F(ReportComputeTest, CompetitorInTwoClassesHasOneRowAndClassesRunInNameOrder) {
  AddClass(1, "Senior", "Sen");
  AddClass(2, "Junior", "Jun");
  AddFieldTitles(1, {"Shoe"});
  AddFieldTitles(2, {"Fit"});
  AddCompetitor(501, "Ann", "Ash");
  AddCompetitor(502, "Bob", "Birch");
  AddScore(501, 1, {{1, "3"}});
  AddScore(501, 2, {{1, "4"}});
  AddScore(502, 1, {{1, "5"}});
  DSNode& report = AddReport(1, "IT");
  report.SetCell(7, "Y");
  competition.CompetitorList.FindKey("501")->SetCell(3, "Reds");
  competition.CompetitorList.FindKey("502")->SetCell(3, "Blues");
  Select(1, 1, {1});
  Select(1, 2, {1});

  const ShownReport shown = Show(1);
  EXPECT_EQ(RowsOf(shown.grid), (Rows{{"Ind.Pos.", "Name", "No.", "Team", "Jun Fit", "Sen Shoe", "Grand-Total"},
                                      {"1 ", "Ann Ash", "501", "Reds", "   4.0", "   3.0", "   7.0"},
                                      {"2 ", "Bob Birch", "502", "Blues", "", "   5.0", "   5.0"}}));
}

TEST_F(ReportComputeTest, HiddenTieBreakColumnStillDecidesTheOrder) {
  AddClass(1, "Open");
  AddFieldTitles(1, {"Shoe", "Fit"});
  AddCompetitor(501, "Ann", "Ash");
  AddCompetitor(502, "Bob", "Birch");
  AddScore(501, 1, {{1, "5"}, {2, "5"}});
  AddScore(502, 1, {{1, "3"}, {2, "7"}});
  DSNode& report = AddReport(1, "I");
  report.SetCell(16, "Y");
  Select(1, 1, {1});
  Select(1, 1, {2}, "B");

  Grid grid;
  const ReportColumns columns = BuildReportColumns(competition, grid, report);
  EXPECT_EQ(columns.tieBreakColumn, 6);
  ComputeReport(competition, report, grid, columns, dialogs);
  EXPECT_EQ(RowsOf(grid), (Rows{{"Ind.Pos.", "Name", " No.", "Shoe", "Fit*", "Total"},
                                {"1 ", "Bob Birch", "502", "   3.0", "   7.0", "  10.0"},
                                {"2 ", "Ann Ash", "501", "   5.0", "   5.0", "  10.0"}}));

  report.SetCell(17, "Y");
  const ShownReport shown = Show(1);
  EXPECT_EQ(shown.grid.Cell(6, 0), "Tie Break(*)");
  EXPECT_EQ(ColumnOf(shown.grid, 6), (std::vector<std::string>{"   7.0", "   5.0"}));
}

TEST_F(ReportComputeTest, TieBreakFieldWithoutTieBreakCountsAsAPlainField) {
  AddClass(1, "Open");
  AddFieldTitles(1, {"Shoe"});
  AddCompetitor(501, "Ann", "Ash");
  AddCompetitor(502, "Bob", "Birch");
  AddScore(501, 1, {{1, "5"}});
  AddScore(502, 1, {{1, "5"}});
  DSNode& report = AddReport(1, "I");
  report.SetCell(17, "Y");  // column shown, tie-break not in use
  Select(1, 1, {1}, "B");

  const ShownReport shown = Show(1);
  EXPECT_EQ(RowsOf(shown.grid), (Rows{{"Ind.Pos.", "Name", " No.", "Shoe", "Total", "Tie Break(*)"},
                                      {"1=", "Ann Ash", "501", "   5.0", "   5.0", ""},
                                      {"1=", "Bob Birch", "502", "   5.0", "   5.0", ""}}));
}

TEST_F(ReportComputeTest, LetterHeadingsRunPastZAndExplainThemselvesInTheKey) {
  AddClass(1, "Alpha", "A1");
  AddClass(2, "Beta", "B2");
  AddFieldTitles(1, {"Shoe"});
  AddFieldTitles(2, {"Fit", "Finish"});
  DSNode& report = AddReport(1, "I");
  report.SetCell(10, "Y");
  report.SetCell(16, "Y");
  Select(1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
  Select(1, 2, {1}, "B");
  Select(1, 2, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});

  Grid grid;
  const ReportColumns columns = BuildReportColumns(competition, grid, report);
  ASSERT_EQ(grid.ColCount(), 3 + 29 + 2);
  EXPECT_EQ(columns.firstFieldColumn, 3);
  EXPECT_EQ(columns.totalColumn, 32);
  EXPECT_EQ(grid.Cell(3, 0), "   A ");
  EXPECT_EQ(grid.Cell(20, 0), "   R* ");
  EXPECT_EQ(grid.Cell(28, 0), "   Z ");
  EXPECT_EQ(grid.Cell(29, 0), "   [ ");
  EXPECT_EQ(grid.Cell(31, 0), "   ] ");
  EXPECT_EQ(grid.Cell(32, 0), "Total");
  ASSERT_EQ(columns.keyLines.size(), 31u);
  EXPECT_EQ(columns.keyLines.front(), "Key to Score fields");
  EXPECT_EQ(columns.keyLines[1], "   A - Alpha - Shoe");
  EXPECT_EQ(columns.keyLines[18], "   R* -  Beta - Fit (Tie Break)");
  EXPECT_EQ(columns.keyLines[19], "   S - Beta - Finish");
  EXPECT_EQ(columns.keyLines.back(), "End");
}

TEST_F(ReportComputeTest, DataCheckHeadingsShowClassAndFieldNumbers) {
  AddClass(3, "Open");
  AddReport(1, "I");
  Select(1, 3, {12});
  competition.state.DataCheckMode = true;
  Grid grid;
  BuildReportColumns(competition, grid, *competition.ReportList.First());
  EXPECT_EQ(grid.Cell(3, 0), "  3-12");
}

TEST_F(ReportComputeTest, TeamsDifferingOnlyInCaseAreSeparateAndSumTheirMembers) {
  AddClass(1, "Open");
  AddFieldTitles(1, {"Shoe", "Fit"});
  AddCompetitor(501, "Ann", "Ash", "Reds");
  AddCompetitor(502, "Bob", "Birch", "reds");
  AddCompetitor(503, "Cat", "Cole", "Reds");
  AddScore(501, 1, {{1, "4"}, {2, "1"}});
  AddScore(502, 1, {{1, "6"}, {2, "2"}});
  AddScore(503, 1, {{1, "3"}, {2, "dnf"}});
  AddReport(1, "T");
  Select(1, 1, {1, 2});

  const ShownReport shown = Show(1);
  EXPECT_EQ(RowsOf(shown.grid), (Rows{{"Team Pos.", "Team", "Shoe", "Fit", "Total"},
                                      {"1=", "Reds", "   7.0", "   1.0", "   8.0"},
                                      {"1=", "reds", "   6.0", "   2.0", "   8.0"}}));
}

class TeamAndIndividualTest : public ReportComputeTest {
 protected:
  void SetUp() override {
    AddClass(1, "Open");
    AddFieldTitles(1, {"Shoe"});
    AddCompetitor(501, "Ann", "Ash", "Ayr");
    AddCompetitor(502, "Bob", "Birch", "Ayr");
    AddCompetitor(503, "Cat", "Cole", "Bute");
    AddCompetitor(504, "Dan", "Dee", "Bute");
    AddScore(501, 1, {{1, "10"}});
    AddScore(502, 1, {{1, "7"}});
    AddScore(503, 1, {{1, "9"}});
    AddScore(504, 1, {{1, "4"}});
    AddReport(1, "TI");
    Select(1, 1, {1});
  }
};

TEST_F(TeamAndIndividualTest, TeamRowsCarryTheirBestMemberAndMembersFollowInRankingOrder) {
  competition.ReportList.First()->SetCell(15, "Y");
  const ShownReport shown = Show(1);
  EXPECT_EQ(RowsOf(shown.grid),
            (Rows{{"Team Pos.", "Team", "Ind.Pos.", "Ind.No.", "Name", "Ind Total", "Team Total"},
                  {"1 ", "Ayr", "1 ", "501", "Ann Ash", "  10.0", "  17.0"},
                  {"", "", "3 ", "502", "Bob Birch", "   7.0", ""},
                  {"", "", "", "", "", "", ""},
                  {"2 ", "Bute", "2 ", "503", "Cat Cole", "   9.0", "  13.0"},
                  {"", "", "4 ", "504", "Dan Dee", "   4.0", ""},
                  {"", "", "", "", "", "", ""}}));
}

TEST_F(TeamAndIndividualTest, WithoutIndividualPositionsThePlacesAreLeftOut) {
  const ShownReport shown = Show(1);
  EXPECT_EQ(RowsOf(shown.grid),
            (Rows{{"Team Pos.", "Team", "", "Ind.No.", "Name", "Ind Total", "Team Total"},
                  {"1 ", "Ayr", "", "501", "Ann Ash", "  10.0", "  17.0"},
                  {"", "", "", "502", "Bob Birch", "   7.0", ""},
                  {"", "", "", "", "", "", ""},
                  {"2 ", "Bute", "", "503", "Cat Cole", "   9.0", "  13.0"},
                  {"", "", "", "504", "Dan Dee", "   4.0", ""},
                  {"", "", "", "", "", "", ""}}));
}

TEST_F(TeamAndIndividualTest, TieBreakRanksMembersAndShowsOnTeamRows) {
  DSNode& report = *competition.ReportList.First();
  report.SetCell(16, "Y");
  report.SetCell(17, "Y");
  Select(1, 1, {2}, "B");
  competition.ScoreList.FindKey("502")->SetCell(3, "3");
  competition.ScoreList.FindKey("504")->SetCell(3, "4");
  competition.ScoreList.FindKey("503")->SetCell(2, "10");  // all but 504 total 10
  const ShownReport shown = Show(1);
  ASSERT_EQ(shown.grid.ColCount(), 8);
  EXPECT_EQ(shown.grid.Cell(7, 0), "Tie Break(*)");
  EXPECT_EQ(ColumnOf(shown.grid, 1), (std::vector<std::string>{"Ayr", "", "", "Bute", "", ""}));
  EXPECT_EQ(ColumnOf(shown.grid, 3), (std::vector<std::string>{"502", "501", "", "503", "504", ""}));
  EXPECT_EQ(ColumnOf(shown.grid, 7), (std::vector<std::string>{"   3.0", "", "", "   4.0", "", ""}));
}

class MissingTeamTest : public ReportComputeTest {
 protected:
  void SetUp() override {
    AddClass(1, "Open");
    AddFieldTitles(1, {"Shoe", "Fit"});
    AddCompetitor(501, "Ann", "Ash", "Reds");
    AddCompetitor(502, "Bob", "Birch");
    AddScore(501, 1, {{1, "4"}, {2, "1"}});
    AddScore(502, 1, {{1, "6"}, {2, "2"}});
    Select(1, 1, {1, 2});
  }
  static constexpr std::string_view kMessage =
      "502 Bob Birch is not in a Team !\nYou Must Give This Competitor\na Team Name for this Report";
};

TEST_F(MissingTeamTest, WithoutTheCompetitorFormTheCompetitorIsToldOnceAndLeftOut) {
  for (std::string_view layout : {"IT", "T", "TI"}) {
    competition.ReportList.Clear();
    dialogs.ClearMessages();
    AddReport(1, layout);
    const ShownReport shown = Show(1);
    EXPECT_EQ(dialogs.CountShown(kMissingTeam, kMessage), 1) << layout;
    EXPECT_EQ(dialogs.Messages().size(), 1u) << layout;
    EXPECT_EQ(ColumnOf(shown.grid, 1)[0], layout == "IT" ? "Ann Ash" : "Reds") << layout;
    EXPECT_EQ(shown.grid.RowCount(), layout == "TI" ? 3 : 2) << layout;
  }
  AddReport(2, "I");
  Select(2, 1, {1, 2});
  dialogs.ClearMessages();
  EXPECT_EQ(Show(2).grid.RowCount(), 3);  // an individual report needs no teams
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(MissingTeamTest, TheCompetitorFormGivesTheTeamAndTheRowCounts) {
  AddReport(1, "IT");
  int asked = 0;
  const ShownReport shown = Show(1, [&](DSNode& competitor) {
    ++asked;
    competitor.SetCell(3, "Blues");
    return true;
  });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(dialogs.CountShown(kMissingTeam, kMessage), 1);
  EXPECT_EQ(ColumnOf(shown.grid, 3), (std::vector<std::string>{"Blues", "Reds"}));
}

}  // namespace
}  // namespace quenchel
