#include "print/schedule_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print_test_rig.h"

namespace quenchel::print_test {
namespace {

using Doc = RecordingSurface::DocumentEvent;

TEST(RoundTexts, DateIsWrittenOutInEnglish) {
  EXPECT_EQ(RoundDateText("18/04/2026 09:00"), "Saturday 18 April 2026");
  EXPECT_EQ(RoundDateText("18/04/2026"), "Saturday 18 April 2026");
  EXPECT_EQ(RoundDateText("1/5/2026"), "Friday 01 May 2026");
  EXPECT_EQ(RoundDateText("31/02/2026"), "");
  EXPECT_EQ(RoundDateText(""), "");
}

TEST(RoundTexts, DurationIsCutToFourCharacters) {
  EXPECT_EQ(RoundDurationText("09:00", "10:30"), "1:30");
  EXPECT_EQ(RoundDurationText("08:00", "18:30"), "10:3");
  EXPECT_EQ(RoundDurationText("10:30", "09:00"), "1:30");
  EXPECT_EQ(RoundDurationText("09:00", "09:05"), "0:05");
}

// The schedule's PlaceTable for `rounds` rounds of F forges with N per fire.
Grid MakePlaceTable(int rounds, int forges, int perFire, const std::string& start = "09:00",
                    const std::string& finish = "10:30") {
  Grid grid(14, rounds * forges * perFire + 1);
  const std::vector<std::string> headings{
      "id Class", "Round", "Fire", "Index/Foot/Horse", "No.",      "Competitor", "Striker Name    ", "Team", "Start",
      "Finish",   "Date",  "Day",  "No on Fire",       "Fire Ref."};
  for (int c = 0; c < 14; ++c) grid.SetCell(c, 0, headings[static_cast<std::size_t>(c)]);
  int row = 1;
  for (int r = 1; r <= rounds; ++r)
    for (int f = 1; f <= forges; ++f)
      for (int i = 1; i <= perFire; ++i, ++row) {
        const std::string place = std::to_string(r) + "." + std::to_string(f) + "." + std::to_string(i);
        grid.SetCell(0, row, "1");
        grid.SetCell(1, row, std::to_string(r));
        grid.SetCell(2, row, i == 1 ? "Forge " + std::to_string(f) : "");
        grid.SetCell(3, row, " 1 LF Dobbin");
        grid.SetCell(4, row, "50" + std::to_string(row));
        grid.SetCell(5, row, "Smith " + place);
        grid.SetCell(6, row, "Striker " + place);
        grid.SetCell(7, row, "Team " + place);
        grid.SetCell(8, row, start);
        grid.SetCell(9, row, finish);
        grid.SetCell(10, row, "18/04/2026");
        grid.SetCell(11, row, "Saturday");
        grid.SetCell(12, row, std::to_string(i));
        grid.SetCell(13, row, std::to_string(f));
      }
  return grid;
}

class SchedulePagesTest : public ::testing::Test {
 protected:
  SchedulePagesTest() {
    DSNode shoeing;
    shoeing.SetCell(0, "1");
    shoeing.SetCell(1, "Shoeing");
    shoeing.SetCell(4, "2");   // F forges
    shoeing.SetCell(13, "1");  // N per fire
    rig.competition.ClassList.AddSorted(shoeing);
    rig.competition.state.ActiveClass = 1;
    for (int r = 1; r <= 12; ++r) {
      DSNode round;
      round.SetCell(0, "1");
      round.SetCell(1, std::to_string(r));
      round.SetCell(5, "Break " + std::to_string(r));
      rig.competition.RoundList.AddSorted(round);
    }
    rig.print.PrintTitle = "Shoeing - Schedule";
  }

  // The y of the caption row of the k-th round on a page (from 1) when whole rounds stack:
  // page heading (3 lines), then per round a 4-line gap, the caption row, the heading's
  // line and two place rows: 7 lines a round.
  static int CaptionY(int k) { return 7 * kLine96 + (k - 1) * 7 * kLine96; }

  Rig rig;
  RecordingSurface page{800, 1150, 96};
};

TEST_F(SchedulePagesTest, ColumnPositionsStartAtColumnOne) {
  page.SetFont(SurfaceFont{"Arial", 8});
  const Grid grid = MakePlaceTable(1, 2, 1);
  const auto colX = ScheduleColumnPositions(grid, page, kPx96);
  ASSERT_TRUE(colX);
  ASSERT_EQ(colX->size(), 15u);
  EXPECT_EQ((*colX)[0], 0);
  EXPECT_EQ((*colX)[1], 11);
  EXPECT_EQ((*colX)[2], 11 + Width96(5) + 11);  // "Round"
  EXPECT_FALSE(ScheduleColumnPositions(Grid(5, 3), page, kPx96));
}

TEST_F(SchedulePagesTest, RoundBlocksStackWithTheirHeadingsAndBreakTexts) {
  const Grid grid = MakePlaceTable(3, 2, 1);
  PrintSchedulePages(rig.fixed, grid, page, 1, ScheduleCaptions{});
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1}));
  EXPECT_EQ(rig.print.JobTitle, "Shoeing - Schedule");

  for (int k = 1; k <= 3; ++k) {
    const auto* round = page.FirstText("Round : " + std::to_string(k));
    ASSERT_NE(round, nullptr) << k;
    EXPECT_EQ(round->y, CaptionY(k) - kLine96);
    EXPECT_EQ(round->x, 11);
    EXPECT_TRUE(round->font.bold);
    // The two places below the caption row, a quarter line down.
    const auto* fire1 = page.FirstText("Smith " + std::to_string(k) + ".1.1");
    ASSERT_NE(fire1, nullptr);
    EXPECT_EQ(fire1->y, CaptionY(k) + kLine96 + kLine96 / 4);
    const auto* fire2 = page.FirstText("Smith " + std::to_string(k) + ".2.1");
    ASSERT_NE(fire2, nullptr);
    EXPECT_EQ(fire2->y, CaptionY(k) + 2 * kLine96 + kLine96 / 4);
    // The change-over text one empty line below the last place row.
    const std::string breakText = "Break " + std::to_string(k) + "  ";
    const auto* change = page.FirstText(breakText);
    ASSERT_NE(change, nullptr) << k;
    EXPECT_EQ(change->y, CaptionY(k) + 4 * kLine96);
    EXPECT_EQ(change->x, 400 - Width96(static_cast<int>(breakText.size())) / 2);
    EXPECT_TRUE(change->font.bold);
  }
  EXPECT_EQ(page.CountText("Shoeing - Schedule"), 1);
  EXPECT_EQ(page.CountText("Page 1"), 1);
  // Two boxes round every caption row.
  EXPECT_EQ(page.Polylines().size(), 6u);
  EXPECT_EQ(page.Polylines()[0].points.front(), (Point{10, CaptionY(1)}));
  EXPECT_EQ(page.Polylines()[0].points[2], (Point{790, CaptionY(1) + static_cast<int>(0.8 * kLine96)}));
  EXPECT_EQ(page.Polylines()[1].points.front(), (Point{9, CaptionY(1) - 1}));
}

TEST_F(SchedulePagesTest, RoundThatDoesNotFitStartsANewPage) {
  // Page 1 holds nine rounds: after the ninth the next block (4 lines) and 2 more would
  // end below the footer's limit (1150 − 4 × 16).
  const Grid grid = MakePlaceTable(10, 2, 1);
  PrintSchedulePages(rig.fixed, grid, page, 2, ScheduleCaptions{});
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1, 2}));
  EXPECT_FALSE(page.HasText("Round : 9"));
  const auto* round = page.FirstText("Round : 10");
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->y, CaptionY(1) - kLine96);  // below the page heading and a 4-line gap
  EXPECT_EQ(page.CountText("Page 2"), 1);
  EXPECT_EQ(page.CountText("Shoeing - Schedule"), 1);
}

TEST_F(SchedulePagesTest, RoundWhoseFiresDoNotFitContinuesUnderARepeatedHeading) {
  // A page of 324 leaves a limit of 260: round 2 starts (its block fits the check at 160)
  // but its second fire would end below the limit, so it goes to page 2.
  rig.fixedPages.SetPage(800, 324);
  page.SetSize(800, 324);
  const Grid grid = MakePlaceTable(3, 2, 1);

  PrintSchedulePages(rig.fixed, grid, page, 1, ScheduleCaptions{});
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1, 2}));
  EXPECT_TRUE(page.HasText("Smith 2.1.1"));
  EXPECT_FALSE(page.HasText("Smith 2.2.1"));
  // The change-over text of round 2 stays where the complete block would have ended.
  const auto* change = page.FirstText("Break 2  ");
  ASSERT_NE(change, nullptr);
  EXPECT_EQ(change->y, CaptionY(2) + 4 * kLine96);

  page.ClearRecording();
  PrintSchedulePages(rig.fixed, grid, page, 2, ScheduleCaptions{});
  const auto* repeated = page.FirstText("Round : 2");
  ASSERT_NE(repeated, nullptr);
  EXPECT_EQ(repeated->y, CaptionY(1) - kLine96);
  const auto* rest = page.FirstText("Smith 2.2.1");
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(rest->y, CaptionY(1) + kLine96 + kLine96 / 4);
  // Round 3 follows on the same page: its gap starts below the continued fire.
  const auto* third = page.FirstText("Round : 3");
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->y, CaptionY(1) + 2 * kLine96 + 4 * kLine96 - kLine96);
  EXPECT_EQ(page.CountText("Page 2"), 1);
  EXPECT_FALSE(page.HasText("Smith 1.1.1"));
}

TEST_F(SchedulePagesTest, RoundLineShowsDateTimesAndDuration) {
  const Grid grid = MakePlaceTable(1, 2, 1, "08:00", "18:30");
  PrintSchedulePages(rig.fixed, grid, page, 1, ScheduleCaptions{});
  const auto* date = page.FirstText("Saturday 18 April 2026");
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->y, CaptionY(1) - kLine96);
  EXPECT_EQ(date->x, 400 - Width96(22) / 2);
  const std::string times = "Start : 08:00  End : 18:30 ( 10:3 )";
  const auto* line = page.FirstText(times);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->x, 800 - 10 - Width96(static_cast<int>(times.size())));
  EXPECT_TRUE(line->font.bold);
}

TEST_F(SchedulePagesTest, CaptionRowFollowsTheStrikerAndTeamBoxes) {
  const Grid grid = MakePlaceTable(1, 2, 1);
  page.SetFont(SurfaceFont{"Arial", 8});
  const std::vector<int> colX = *ScheduleColumnPositions(grid, page, kPx96);

  PrintSchedulePages(rig.fixed, grid, page, 1, ScheduleCaptions{});
  EXPECT_EQ(page.FirstText("Fire")->x, colX[2]);
  EXPECT_EQ(page.FirstText("Index/Foot/Horse")->x, colX[3]);
  EXPECT_EQ(page.FirstText("Competitor")->x, colX[4]);  // over the number column
  EXPECT_EQ(page.FirstText("Competitor")->y, CaptionY(1));
  EXPECT_FALSE(page.HasText("Team"));
  EXPECT_FALSE(page.HasText("Striker Name    "));

  page.ClearRecording();
  PrintSchedulePages(rig.fixed, grid, page, 1, ScheduleCaptions{true, true});
  EXPECT_EQ(page.FirstText("Team")->x, colX[7]);
  EXPECT_EQ(page.FirstText("Striker Name    ")->x, colX[6]);
  // Places show columns 2 to 7.
  EXPECT_EQ(page.FirstText("Team 1.1.1")->x, colX[7]);
  EXPECT_EQ(page.FirstText("501")->x, colX[4]);
  EXPECT_FALSE(page.HasText("09:00"));
}

TEST_F(SchedulePagesTest, RoundWithoutRecordHasNoBreakText) {
  rig.competition.RoundList.Clear();
  PrintSchedulePages(rig.fixed, MakePlaceTable(1, 2, 1), page, 1, ScheduleCaptions{});
  EXPECT_TRUE(page.FindTextsStartingWith("Break").empty());
  EXPECT_TRUE(page.HasText("Round : 1"));
}

TEST_F(SchedulePagesTest, TooFewColumnsShowsTheBox) {
  PrintSchedulePages(rig.fixed, Grid(5, 3), page, 1, ScheduleCaptions{});
  EXPECT_EQ(rig.dialogs.CountShown("Memory Alocation", "Failed"), 1);
  EXPECT_EQ(page.DrawCount(), 0u);
}

TEST_F(SchedulePagesTest, PrintScheduleOffersThePagesAndPrintsTheChosenOnes) {
  ScriptedPrintDialog dialog;
  dialog.ConfirmWith(PrintRange{1, PrintPages::Range, 2, 3});
  const Grid grid = MakePlaceTable(30, 2, 1);  // four pages at 7016 / 100 lines
  PrintSchedule(rig.previewed, dialog, grid, ScheduleCaptions{}, 1, 4, 4);

  ASSERT_EQ(dialog.Requests().size(), 1u);
  const PrintRequest& asked = dialog.Requests()[0];
  EXPECT_TRUE(asked.pageNumbersEnabled);
  EXPECT_EQ(asked.fromPage, 1);
  EXPECT_EQ(asked.toPage, 4);
  EXPECT_EQ(asked.maxPage, 4);
  EXPECT_EQ(asked.copies, 1);

  EXPECT_EQ(rig.printer.DocumentEvents(), (std::vector<Doc>{Doc::Begin, Doc::NewSheet, Doc::End}));
  EXPECT_EQ(rig.printer.DocumentTitles(), (std::vector<std::string>{"Shoeing - Schedule"}));
  EXPECT_EQ(rig.printer.CountText("Page 2"), 1);
  EXPECT_EQ(rig.printer.CountText("Page 3"), 1);
  EXPECT_EQ(rig.printer.CountText("Page 1"), 0);
  EXPECT_EQ(rig.printing.orientation, PageOrientation::Portrait);
  EXPECT_FALSE(rig.print.PrintToPrinter);
  // Boxes ruled at the printer's pen width.
  ASSERT_FALSE(rig.printer.Polylines().empty());
  EXPECT_EQ(rig.printer.Polylines()[0].penWidth, 7);
}

TEST_F(SchedulePagesTest, PrintScheduleCancelledOrWithoutPrinterPrintsNothing) {
  ScriptedPrintDialog dialog;
  dialog.Cancel();
  PrintSchedule(rig.previewed, dialog, MakePlaceTable(2, 2, 1), ScheduleCaptions{}, 1, 1, 1);
  EXPECT_TRUE(rig.printer.DocumentEvents().empty());
  EXPECT_EQ(rig.printer.DrawCount(), 0u);
  EXPECT_FALSE(rig.print.PrintToPrinter);

  rig.printing.installed = false;
  PrintSchedule(rig.previewed, dialog, MakePlaceTable(2, 2, 1), ScheduleCaptions{}, 1, 1, 1);
  EXPECT_EQ(dialog.Requests().size(), 1u);
  EXPECT_EQ(rig.dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
}

}  // namespace
}  // namespace quenchel::print_test
