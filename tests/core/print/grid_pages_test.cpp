#include "print/grid_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/page_parts.h"
#include "print/print_primitives.h"
#include "print_test_rig.h"

namespace quenchel::print_test {
namespace {

using Doc = RecordingSurface::DocumentEvent;

// --- primitives and metrics ----------------------------------------------------------------

TEST(PrintPrimitives, PrinterCheckShowsItsBoxOnlyWithoutPrinter) {
  ScriptedDialogs dialogs;
  FakePrinting printing;
  EXPECT_TRUE(PrinterInstalled(printing, dialogs));
  EXPECT_TRUE(dialogs.Messages().empty());
  printing.installed = false;
  EXPECT_FALSE(PrinterInstalled(printing, dialogs));
  EXPECT_EQ(dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
}

TEST(PrintPrimitives, FontSizeTextReadsItsLeadingDigits) {
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c : {Case{"8", 8}, Case{"", 0}, Case{"abc", 0}, Case{" 12pt", 12}, Case{"-3", -3}, Case{"+7", 7}})
    EXPECT_EQ(LeadingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(PrintPrimitives, MulDivRoundsToNearest) {
  EXPECT_EQ(MulDiv(8, 96, 72), 11);   // 10.67
  EXPECT_EQ(MulDiv(8, 600, 72), 67);  // 66.67
  EXPECT_EQ(MulDiv(9, 96, 72), 12);   // 12.0
  EXPECT_EQ(MulDiv(-8, 96, 72), -11);
  EXPECT_EQ(MulDiv(3, 12, 8), 5);  // 4.5 rounds away from zero
  EXPECT_EQ(MulDiv(1, 2, 0), 0);
}

TEST(PrintPrimitives, MetricsFollowTheSurfaceAndThePrintFont) {
  Rig rig;
  RecordingSurface screen(800, 1150, 96);
  PrintMetrics m = SetPrintFont(rig.fixed, screen);
  EXPECT_EQ(m.size, 8);
  EXPECT_EQ(m.pxX, 11);
  EXPECT_EQ(m.pxY, 11);
  EXPECT_EQ(m.lineH, 16);
  EXPECT_EQ(screen.Font(), (SurfaceFont{"Arial", 8, false, false, false}));

  m = SetPrintFont(rig.fixed, rig.printer);
  EXPECT_EQ(m.pxX, 67);
  EXPECT_EQ(m.lineH, 100);  // trunc(67 × 1.5)

  RecordingSurface uneven(800, 1150, 96, 120);
  m = SetPrintFont(rig.fixed, uneven);
  EXPECT_EQ(m.pxX, 11);
  EXPECT_EQ(m.pxY, 13);  // 13.33
  EXPECT_EQ(m.lineH, 19);

  rig.competition.settings.PrintFontSize = "";
  m = SetPrintFont(rig.fixed, screen);
  EXPECT_EQ(m.size, 0);
  EXPECT_EQ(m.lineH, 0);
}

TEST(PrintPrimitives, RulePenWidthFollowsTheTarget) {
  Rig rig;
  RecordingSurface screen(800, 1150, 96);
  rig.competition.state.PrinterResolution = 600;
  DrawLine(rig.fixed, 1, 2, 3, 4, screen);
  rig.print.PrintToPrinter = true;
  DrawLine(rig.fixed, 5, 6, 7, 8, screen);
  ASSERT_EQ(screen.Lines().size(), 2u);
  EXPECT_EQ(screen.Lines()[0].width, 1);  // 96 / 100 + 1
  EXPECT_EQ(screen.Lines()[1].width, 7);  // 600 / 100 + 1
  EXPECT_EQ(screen.Lines()[1].from, (Point{5, 6}));
  EXPECT_EQ(screen.Lines()[1].to, (Point{7, 8}));
}

TEST(PrintPrimitives, BoxIsAClosedBlackOutline) {
  Rig rig;
  RecordingSurface screen(800, 1150, 96);
  screen.SetPen(Rgb{0, 255, 0}, 3);
  DrawBox(rig.fixed, screen, 10, 20, 30, 40);
  ASSERT_EQ(screen.Polylines().size(), 1u);
  const auto& box = screen.Polylines()[0];
  EXPECT_EQ(box.points, (std::vector<Point>{{10, 20}, {30, 20}, {30, 40}, {10, 40}, {10, 20}}));
  EXPECT_EQ(box.pen, Rgb{});
  EXPECT_EQ(box.penWidth, 1);
}

TEST(PrintPrimitives, TextAtAnAngleLeavesTheSurfaceTransparent) {
  RecordingSurface screen(800, 1150, 96);
  TextOutAngle(screen, 5, 6, 90, "up");
  screen.TextOut(1, 1, "later");
  ASSERT_EQ(screen.Texts().size(), 2u);
  EXPECT_EQ(screen.Texts()[0].angle, 90);
  EXPECT_TRUE(screen.Texts()[0].transparent);
  EXPECT_TRUE(screen.Texts()[1].transparent);
}

TEST(RecordingSurface, MeasuresTextDeterministically) {
  RecordingSurface screen(800, 1150, 96);
  screen.SetFont(SurfaceFont{"Arial", 8});
  EXPECT_EQ(screen.TextWidth("0123456789"), 53);
  EXPECT_EQ(screen.TextHeight("x"), 10);
  RecordingSurface printer(4960, 7016, 600);
  printer.SetFont(SurfaceFont{"Arial", 8});
  EXPECT_EQ(printer.TextWidth("0123456789"), 333);
  EXPECT_EQ(printer.TextHeight("x"), 66);
}

// --- page parts --------------------------------------------------------------------------

TEST(PageParts, HeadingStacksFiveCentredLines) {
  Rig rig;
  rig.print.PageWidth = 800;
  RecordingSurface page(800, 1150, 96);
  EXPECT_EQ(PageHeading(rig.fixed, page, 1), 3 * kLine96);

  const auto* title = page.FirstText("Competitors");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->y, 0);
  EXPECT_EQ(title->x, 400 - (11 * 12 * 96 / 144) / 2);  // bold 12 points
  EXPECT_EQ(title->font, (SurfaceFont{"Arial", 12, true, false, false}));

  const auto* competition = page.FirstText("Spring Show");
  ASSERT_NE(competition, nullptr);
  EXPECT_EQ(competition->y, kLine96);
  EXPECT_EQ(competition->font, (SurfaceFont{"Arial", 10, true, false, false}));

  const auto* sub = page.FirstText("Sub");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->y, 2 * kLine96);
  EXPECT_TRUE(sub->font.bold);

  const auto* note = page.FirstText("Note");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->y, 4 * kLine96);
  EXPECT_EQ(note->font, (SurfaceFont{"Arial", 10, false, true, false}));

  EXPECT_EQ(page.Font(), (SurfaceFont{"Arial", 8, false, false, false}));
}

TEST(PageParts, FooterShowsTheTimePrintedAndThePageNumber) {
  Rig rig;
  rig.print.PageWidth = 800;
  rig.print.PageHeight = 1150;
  RecordingSurface page(800, 1150, 96);
  const int footerTop = 1150 - 3 * kLine96;
  EXPECT_EQ(PageFooter(rig.fixed, page, 4), footerTop - kLine96);

  ASSERT_EQ(page.Lines().size(), 1u);
  EXPECT_EQ(page.Lines()[0].from, (Point{1, footerTop}));
  EXPECT_EQ(page.Lines()[0].to, (Point{800, footerTop}));

  const std::string printed = "Printed :  9:05:07  18/04/2026";
  const auto* time = page.FirstText(printed);
  ASSERT_NE(time, nullptr);
  EXPECT_EQ(time->font, (SurfaceFont{"Arial", 6, true, true, false}));
  EXPECT_EQ(time->y, footerTop + kLine96);
  EXPECT_EQ(time->x, 800 - 5 - 30 * 6 * 96 / 144);  // ends 5 units before the edge

  const auto* number = page.FirstText("Page 4");
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->y, footerTop + 2 * kLine96);
  EXPECT_EQ(number->x, 400 - Width96(6) / 2);
  EXPECT_FALSE(number->font.bold);
}

TEST(PageParts, TimeStampPadsTheHourWithABlank) {
  EXPECT_EQ(PrintTimeStamp(LocalDateTime{2026, 4, 8, 9, 5, 7}), " 9:05:07  08/04/2026");
  EXPECT_EQ(PrintTimeStamp(LocalDateTime{2026, 12, 31, 23, 59, 58}), "23:59:58  31/12/2026");
  EXPECT_EQ(GridJobTitle(LocalDateTime{2026, 4, 18, 9, 5, 7}), "Quenchel Document 9:05:07  18/04/2026");
}

TEST(PageParts, ColumnHeadingRowIsBoldWithItsRuleTwoLinesLower) {
  Rig rig;
  rig.print.PageWidth = 800;
  RecordingSurface page(800, 1150, 96);
  const Grid grid = MakeGrid(3, 0, 8);
  const std::vector<int> colX{11, 40, 90, 120};
  EXPECT_EQ(ColumnHeadingRow(rig.fixed, colX, grid, 48, 7, page), 48 + 3 * kLine96);
  ASSERT_EQ(page.Texts().size(), 3u);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(page.Texts()[c].text, "H" + std::to_string(c));
    EXPECT_EQ(page.Texts()[c].x, colX[c] + 7);
    EXPECT_EQ(page.Texts()[c].y, 48);
    EXPECT_TRUE(page.Texts()[c].font.bold);
  }
  ASSERT_EQ(page.Lines().size(), 1u);
  EXPECT_EQ(page.Lines()[0].from, (Point{1, 48 + 2 * kLine96}));
  EXPECT_FALSE(page.Font().bold);
}

// --- the generic layout ------------------------------------------------------------------

TEST(GridPages, ColumnPositionsAddTheWidestTextAndOnePxX) {
  RecordingSurface page(800, 1150, 96);
  page.SetFont(SurfaceFont{"Arial", 8});
  Grid grid = MakeGrid(2, 2, 8);
  grid.SetCell(1, 0, "A much longer heading");  // 21 bytes
  const auto colX = GridColumnPositions(grid, page, kPx96);
  ASSERT_TRUE(colX);
  EXPECT_EQ(*colX, (std::vector<int>{11, 11 + Width96(8) + 11, 11 + Width96(8) + 11 + Width96(21) + 11}));
  EXPECT_FALSE(GridColumnPositions(Grid(0, 3), page, kPx96));
}

class GridPagesTest : public ::testing::Test {
 protected:
  Rig rig;
  RecordingSurface page{800, 1150, 96};
  const int firstRowY = 3 * kLine96 + 3 * kLine96;  // heading, then column headings
};

TEST_F(GridPagesTest, NarrowTableRunsInBandsAcrossThePage) {
  // T = 11 + 2 × (42 + 11) = 117: six bands fit in 800; margin (800 − 702) / 6 = 16.33,
  // above 2, so halved to 8.17.
  const Grid grid = MakeGrid(2, 70, 8);
  PrintGridPages(rig.fixed, grid, page, 0);

  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1}));
  EXPECT_EQ(rig.fixedPages.setups, (std::vector<std::pair<int, int>>{{4960, 7016}}));
  EXPECT_EQ(rig.fixedPages.newLists, 1);

  const auto* first = page.FirstText(CellText(0, 1, 8));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->x, 19);  // trunc(11 + 8.17)
  EXPECT_EQ(first->y, firstRowY);
  const auto* second = page.FirstText(CellText(1, 1, 8));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->x, 19 + 53);

  // 61 rows fill a band: the next row would end below the footer's limit.
  const auto* last = page.FirstText(CellText(0, 61, 8));
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->x, 19);
  EXPECT_EQ(last->y, firstRowY + 60 * kLine96);
  const auto* next = page.FirstText(CellText(0, 62, 8));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->x, 136);  // trunc(11 + 8.17 + 117)
  EXPECT_EQ(next->y, firstRowY);

  // Each band has its column headings; one page heading and one footer.
  const auto headings = page.FindTexts("H0");
  ASSERT_EQ(headings.size(), 2u);
  EXPECT_EQ(headings[0].x, 11 + 8);
  EXPECT_EQ(headings[1].x, 11 + 125);
  EXPECT_EQ(page.CountText("Competitors"), 1);
  EXPECT_EQ(page.CountText("Page 1"), 1);
  EXPECT_EQ(page.SheetCount(), 0);
}

TEST_F(GridPagesTest, NewPageOnlyWhenNoFurtherBandFits) {
  const Grid grid = MakeGrid(2, 6 * 61 + 1, 8);
  PrintGridPages(rig.fixed, grid, page, 0);
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1, 2}));
  const auto* sixthBand = page.FirstText(CellText(0, 5 * 61 + 1, 8));
  ASSERT_NE(sixthBand, nullptr);
  EXPECT_EQ(sixthBand->x, static_cast<int>(11 + 8.1666 + 5 * 117));
  const auto* pageTwo = page.FirstText(CellText(0, 6 * 61 + 1, 8));
  ASSERT_NE(pageTwo, nullptr);
  EXPECT_EQ(pageTwo->x, 19);
  EXPECT_EQ(pageTwo->y, firstRowY);
  EXPECT_EQ(page.CountText("Page 2"), 1);
  EXPECT_EQ(page.SheetCount(), 0);  // the preview starts no sheets
}

TEST_F(GridPagesTest, RowsThatExactlyFillThePageLeaveNoEmptyBandOrPage) {
  const Grid grid = MakeGrid(2, 6 * 61, 8);
  PrintGridPages(rig.fixed, grid, page, 0);
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1}));
  EXPECT_EQ(page.FindTexts("H0").size(), 6u) << "one column heading per band, none after the last row";
  EXPECT_EQ(page.CountText("Page 2"), 0);

  Rig other;
  RecordingSurface oneBand{800, 1150, 96};
  PrintGridPages(other.fixed, MakeGrid(2, 61, 40), oneBand, 0);  // one band to a page
  EXPECT_EQ(other.fixedPages.pages, (std::vector<int>{1}));
}

TEST_F(GridPagesTest, SingleBandIsCentred) {
  // T = 11 + 2 × (213 + 11) = 459: one band, margin 341 halved.
  const Grid grid = MakeGrid(2, 3, 40);
  PrintGridPages(rig.fixed, grid, page, 0);
  const auto* first = page.FirstText(CellText(0, 1, 40));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->x, 181);  // trunc(11 + 170.5)
  EXPECT_EQ(page.FirstText("H0")->x, 11 + 170);
}

TEST_F(GridPagesTest, TableWiderThanThePageStartsAtXZero) {
  // T = 11 + 4 × (266 + 11) = 1119 > 800: margin 1.0, halved, truncated to 0.
  const Grid grid = MakeGrid(4, 3, 50);
  PrintGridPages(rig.fixed, grid, page, 0);
  EXPECT_EQ(page.FirstText(CellText(0, 1, 50))->x, 11);
  EXPECT_EQ(page.FirstText("H0")->x, 11);
  EXPECT_EQ(page.FirstText(CellText(3, 1, 50))->x, 11 + 3 * 277);  // beyond the edge, cut off there
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1}));
}

TEST_F(GridPagesTest, PagesBreakAtTheFooterLimit) {
  const Grid grid = MakeGrid(2, 130, 40);
  PrintGridPages(rig.fixed, grid, page, 0);
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(page.FirstText(CellText(0, 62, 40))->y, firstRowY);
  EXPECT_EQ(page.FirstText(CellText(0, 123, 40))->y, firstRowY);
  EXPECT_EQ(page.CountText("Competitors"), 3);
  for (const char* footer : {"Page 1", "Page 2", "Page 3"}) EXPECT_EQ(page.CountText(footer), 1) << footer;
}

TEST_F(GridPagesTest, WantedPageDrawsOnlyThatPage) {
  const Grid grid = MakeGrid(2, 130, 40);
  PrintGridPages(rig.fixed, grid, page, 2);
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1, 2, 3}));  // every page is laid out
  EXPECT_EQ(page.CountText("Competitors"), 1);
  EXPECT_EQ(page.CountText("Page 2"), 1);
  EXPECT_EQ(page.FindTextsStartingWith("Page ").size(), 1u);
  EXPECT_EQ(page.FindTextsStartingWith("Printed : ").size(), 1u);
  EXPECT_EQ(page.CountText("H0"), 1);
  EXPECT_FALSE(page.HasText(CellText(0, 61, 40)));
  EXPECT_FALSE(page.HasText(CellText(0, 123, 40)));
  const auto* top = page.FirstText(CellText(0, 62, 40));
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->y, firstRowY);
  EXPECT_TRUE(page.HasText(CellText(1, 122, 40)));
  // The page's rules: the column headings' and the footer's.
  EXPECT_EQ(page.Lines().size(), 2u);
}

TEST_F(GridPagesTest, GridWithoutDataRowsPrintsOnePage) {
  const Grid grid = MakeGrid(3, 0, 8);
  PrintGridPages(rig.fixed, grid, page, 1);
  EXPECT_EQ(rig.fixedPages.pages, (std::vector<int>{1}));
  EXPECT_EQ(page.CountText("Competitors"), 1);
  EXPECT_EQ(page.CountText("H2"), 1);
  EXPECT_EQ(page.CountText("Page 1"), 1);
  EXPECT_EQ(rig.print.JobTitle, "Quenchel Document 9:05:07  18/04/2026");
}

TEST_F(GridPagesTest, NoColumnTableShowsTheBoxAndDrawsNothing) {
  PrintGridPages(rig.fixed, Grid(0, 4), page, 0);
  EXPECT_EQ(rig.dialogs.CountShown("Memory Alocation", "Failed"), 1);
  EXPECT_EQ(page.DrawCount(), 0u);
  EXPECT_TRUE(rig.fixedPages.pages.empty());
  EXPECT_EQ(rig.fixedPages.newLists, 1);
}

TEST_F(GridPagesTest, PrintingStartsANewSheetPerPage) {
  rig.print.PrintToPrinter = true;
  const Grid grid = MakeGrid(2, 130, 40);
  PrintGridPages(rig.fixed, grid, page, 0);
  EXPECT_EQ(page.DocumentEvents(), (std::vector<Doc>{Doc::NewSheet, Doc::NewSheet}));
}

}  // namespace
}  // namespace quenchel::print_test
