#include "setup/class_rounds_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/date_values.h"
#include "setup/class_forges_horses.h"

namespace quenchel {
namespace {

struct RoundRow {
  std::string start, finish, changeOver, date, startDateTime, endDateTime;
  bool operator==(const RoundRow&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RoundRow& row) {
  return out << row.start << " | " << row.finish << " | " << row.changeOver << " | " << row.date << " | "
             << row.startDateTime << " | " << row.endDateTime;
}

std::vector<RoundRow> Rows(const Grid& grid) {
  std::vector<RoundRow> rows;
  for (int row = 1; row < grid.RowCount(); ++row)
    rows.push_back({std::string(grid.Cell(rounds_col::kStart, row)), std::string(grid.Cell(rounds_col::kFinish, row)),
                    std::string(grid.Cell(rounds_col::kChangeOver, row)),
                    std::string(grid.Cell(rounds_col::kDate, row)),
                    std::string(grid.Cell(rounds_col::kStartDateTime, row)),
                    std::string(grid.Cell(rounds_col::kEndDateTime, row))});
  return rows;
}

Grid Table(int rounds, const RoundTimes& times) {
  Grid grid;
  SetRoundRows(grid, rounds);
  RecalculateRounds(grid, times);
  return grid;
}

TEST(RoundsTable, NewShoeingClassRunsFiftyMinuteRoundsWithFifteenMinuteChangeOvers) {
  const Grid grid = Table(4, {"08:00", "00:50", "00:15", "18/04/2026"});
  EXPECT_EQ(grid.Cell(0, 0), "Round");
  EXPECT_EQ(grid.Cell(rounds_col::kEndDateTime, 0), "End Date/Time");
  EXPECT_EQ(grid.Cell(rounds_col::kRound, 4), "4");
  const std::vector<RoundRow> expected{
      {"08:00", "08:50", "00:15", "18/04/2026", "18/04/2026 08:00", "18/04/2026 08:50"},
      {"09:05", "09:55", "00:15", "18/04/2026", "18/04/2026 09:05", "18/04/2026 09:55"},
      {"10:10", "11:00", "00:15", "18/04/2026", "18/04/2026 10:10", "18/04/2026 11:00"},
      {"11:15", "12:05", "", "18/04/2026", "18/04/2026 11:15", "18/04/2026 12:05"},
  };
  EXPECT_EQ(Rows(grid), expected);
}

TEST(RoundsTable, ChangeOverReachingMidnightMovesTheFollowingRoundsToTheNextDay) {
  const Grid grid = Table(3, {"22:30", "01:00", "00:30", "30/04/2026"});
  const std::vector<RoundRow> expected{
      {"22:30", "23:30", "00:30", "30/04/2026", "30/04/2026 22:30", "30/04/2026 23:30"},
      {"00:00", "01:00", "00:30", "01/05/2026", "01/05/2026 00:00", "01/05/2026 01:00"},
      {"01:30", "02:30", "", "01/05/2026", "01/05/2026 01:30", "01/05/2026 02:30"},
  };
  EXPECT_EQ(Rows(grid), expected);
}

TEST(RoundsTable, RoundCrossingMidnightEndsOnTheNextDayAndSoDoesWhatFollows) {
  const Grid grid = Table(2, {"23:30", "00:50", "00:15", "31/12/2026"});
  const std::vector<RoundRow> expected{
      {"23:30", "00:20", "00:15", "31/12/2026", "31/12/2026 23:30", "01/01/2027 00:20"},
      {"00:35", "01:25", "", "01/01/2027", "01/01/2027 00:35", "01/01/2027 01:25"},
  };
  EXPECT_EQ(Rows(grid), expected);
}

TEST(RoundsTable, KeepsEachRoundsOwnChangeOverAndNeverGivesTheLastOne) {
  Grid grid;
  SetRoundRows(grid, 3);
  grid.SetCell(rounds_col::kChangeOver, 1, "01:00");
  grid.SetCell(rounds_col::kChangeOver, 3, "00:45");
  RecalculateRounds(grid, {"08:00", "00:50", "00:15", "18/04/2026"});
  const std::vector<RoundRow> rows = Rows(grid);
  EXPECT_EQ(rows[1].start, "09:50");
  EXPECT_EQ(rows[1].changeOver, "00:15");
  EXPECT_EQ(rows[2].start, "10:55");
  EXPECT_EQ(rows[2].changeOver, "");
}

TEST(RoundsTable, WithoutAValidDateOnlyTheFirstRoundIsWorkedOut) {
  const Grid grid = Table(2, {"08:00", "00:50", "00:15", ""});
  const std::vector<RoundRow> expected{
      {"08:00", "08:50", "00:15", "", "", ""},
      {"", "", "", "", "", ""},
  };
  EXPECT_EQ(Rows(grid), expected);
}

TEST(RoundsTable, ChangingTheNumberOfRoundsKeepsTheRowsThatRemain) {
  Grid grid = Table(4, {"08:00", "00:50", "00:15", "18/04/2026"});
  grid.SetCell(rounds_col::kMessage, 2, "Lunch");
  SetRoundRows(grid, 2);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(rounds_col::kMessage, 2), "Lunch");
  SetRoundRows(grid, 3);
  EXPECT_EQ(grid.Cell(rounds_col::kRound, 3), "3");
  EXPECT_EQ(grid.Cell(rounds_col::kStart, 3), "");
}

TEST(RoundsTable, MinutesAfterTheRoundBeforeCountDaysBetweenThem) {
  const Grid grid = Table(2, {"23:00", "00:50", "00:15", "18/04/2026"});  // round 1 ends 23:50
  struct Case {
    const char* start;
    const char* date;
    int minutes;
  };
  for (const Case& c : {Case{"23:50", "18/04/2026", 0}, Case{"23:40", "18/04/2026", -10},
                        Case{"08:00", "19/04/2026", 8 * 60 + 10}, Case{"23:55", "", 5}}) {
    SCOPED_TRACE(std::string(c.start) + " " + c.date);
    EXPECT_EQ(MinutesAfterRoundBefore(grid, 2, c.start, c.date, "00:50"), c.minutes);
  }
  EXPECT_EQ(ChangeOverText(8 * 60 + 10), "08:10");
  EXPECT_EQ(ChangeOverText(30 * 60), "30:00");
  EXPECT_EQ(ChangeOverText(99 * 60 + 59), "99:59");
  EXPECT_FALSE(ChangeOverText(100 * 60));
  EXPECT_FALSE(ChangeOverText(-1));
}

TEST(DateValues, ReadOnlyRealDatesInDayMonthYear) {
  EXPECT_EQ(FormatDate(*ParseDate("29/02/2028")), "29/02/2028");
  for (const char* text : {"29/02/2027", "31/04/2026", "1/05/2026", "01-05-2026", "", "aa/bb/cccc", "01/13/2026"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseDate(text));
  }
  EXPECT_EQ(FormatDate(AddDays(*ParseDate("28/02/2026"), 1)), "01/03/2026");
  EXPECT_EQ(DaysBetween(*ParseDate("31/12/2026"), *ParseDate("01/01/2027")), 1);
}

// --- forges and horses ----------------------------------------------------------------

TEST(HorseNames, RunThroughThreeAlphabets) {
  struct Case {
    int number;
    const char* name;
  };
  for (const Case& c : {Case{1, "Horse A"}, Case{26, "Horse Z"}, Case{27, "Horse A-A"}, Case{52, "Horse A-Z"},
                        Case{53, "Horse B-A"}, Case{78, "Horse B-Z"}, Case{79, ""}, Case{0, ""}}) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(HorseName(c.number), c.name);
  }
}

TEST(HorseRows, StandAtTheForgesInTurnAndKeepWhoShoesThem) {
  Grid forges;
  BuildForgeRows(forges, 3, "Fire");
  EXPECT_EQ(forges.Cell(forges_col::kTitle, 0), "Forge Title");
  EXPECT_EQ(forges.Cell(forges_col::kTitle, 3), "Fire 3");
  Grid horses;
  BuildHorseRows(horses, 5, forges);
  horses.SetCell(horses_col::kFirstFoot + 1, 2, "501");
  BuildHorseRows(horses, 4, forges);
  ASSERT_EQ(horses.RowCount(), 5);
  EXPECT_EQ(horses.Cell(horses_col::kName, 0), "Horse's Name / Ref.");
  EXPECT_EQ(horses.Cell(horses_col::kNumber, 4), "4");
  EXPECT_EQ(horses.Cell(horses_col::kName, 4), "Horse D");
  EXPECT_EQ(horses.Cell(horses_col::kForgeTitle, 4), "Fire 1");
  EXPECT_EQ(horses.Cell(horses_col::kForgeNumber, 4), "1");
  EXPECT_EQ(horses.Cell(horses_col::kForgeNumber, 3), "3");
  EXPECT_EQ(horses.Cell(horses_col::kFirstFoot + 1, 2), "501");
}

TEST(HorseRows, WithoutForgesStandNowhere) {
  Grid forges;
  ResetForgeRows(forges);
  Grid horses;
  BuildHorseRows(horses, 2, forges);
  EXPECT_EQ(horses.Cell(horses_col::kName, 2), "Horse B");
  EXPECT_EQ(horses.Cell(horses_col::kForgeNumber, 2), "");
}

TEST(ForgeTitles, AnEmptySettingTitlesForgesForge) {
  EXPECT_EQ(ForgeTitle("", 2), "Forge 2");
  EXPECT_EQ(ForgeTitle("Anvil", 12), "Anvil 12");
}

}  // namespace
}  // namespace quenchel
