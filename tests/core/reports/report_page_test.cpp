// The printed report page on the recording surface: where every part stands, how rows
// move to new pages, the key on the last page, and the print command.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/print_dialog.h"
#include "platform/scripted_platform.h"
#include "print/grid.h"
#include "print/page_list.h"
#include "print/print_context.h"
#include "print/print_state.h"
#include "print/recording_surface.h"
#include "reports/report_page.h"
#include "reports/report_page_metrics.h"
#include "report_fixture.h"

namespace quenchel::testing {
namespace {

// The page list of a printer page: sizes the page as the preview does while printing and
// records the pages announced.
class PrinterPageList final : public PageList {
 public:
  explicit PrinterPageList(PrintState& print) : print_(print) {}
  void PreviewPageSetup(int width, int height) override {
    print_.PageWidth = width;
    print_.PageHeight = height;
  }
  void NewPageList() override { pages.clear(); }
  void PageBegins(int page) override { pages.push_back(page); }
  std::vector<int> pages;

 private:
  PrintState& print_;
};

// A 600 dots-per-inch page of 6000 × 8000 and a report font of 12 points, so that
// pixel height = 100, line height = 150 and the column gap = 100 while printing; a text
// of n bytes is 50 n wide.
constexpr int kPageWidth = 6000;
constexpr int kPageHeight = 8000;
constexpr int kLine = 150;
constexpr int kGap = 100;
constexpr int kFooterTop = kPageHeight - 3 * kLine;
int Width(std::string_view text, int points = 12) { return static_cast<int>(text.size()) * points * 600 / 144; }

class ReportPageTest : public ReportFixture {
 protected:
  ReportPageTest() {
    competition.state.CompetitionTitle = "Spring Show";
    print.PrintToPrinter = true;
    report = &AddReport(1, "I");
    report->SetCell(1, "Final Results");
    report->SetCell(2, "Open Shoeing");
    report->SetCell(3, "Ties broken on Shoe");
    report->SetCell(4, "Sponsored by the Guild");
    report->SetCell(9, "Y");
    report->SetCell(11, "Arial");
    report->SetCell(12, "12");
  }

  // "Ind.Pos.", "Name", " No.", "Shoe", "Total" and `rows` competitors.
  void MakeTable(int rows, std::string_view shoe = "  12.5") {
    table = Grid(5, rows + 1);
    const char* headings[] = {"Ind.Pos.", "Name", " No.", "Shoe", "Total"};
    for (int c = 0; c < 5; ++c) table.SetCell(c, 0, headings[c]);
    for (int r = 1; r <= rows; ++r) {
      table.SetCell(0, r, std::to_string(r) + " ");
      table.SetCell(1, r, "Ann Smith");
      table.SetCell(2, r, std::to_string(100 + r));
      table.SetCell(3, r, shoe);
      table.SetCell(4, r, "  12.5");
    }
  }

  RecordingSurface Render(int page) {
    RecordingSurface canvas(kPageWidth, kPageHeight, 600);
    RenderReportPage(context, ReportPrintout{*report, table}, canvas, page);
    return canvas;
  }

  // Left edges of the columns after centring.
  std::vector<int> ColumnLefts() const {
    std::vector<int> lefts{kGap};
    for (int c = 0; c < table.ColCount(); ++c) {
      int widest = 0;
      for (int r = 0; r < table.RowCount(); ++r) widest = std::max(widest, Width(table.Cell(c, r)));
      lefts.push_back(lefts.back() + widest + kGap);
    }
    const int shift = kPageWidth / 2 - lefts.back() / 2;
    for (int& x : lefts) x += shift;
    return lefts;
  }

  PrintState print;
  FakePrinting printing;
  FixedClock clock{LocalDateTime{2026, 4, 18, 9, 5, 7}};
  RecordingSurface printer{kPageWidth, kPageHeight, 600};
  PrinterPageList pages{print};
  PrintContext context{competition, print, dialogs, printing, clock, pages, printer};
  DSNode* report = nullptr;
  Grid table;
};

TEST_F(ReportPageTest, HeadingColumnsRowsAndFooterStandWhereTheyShould) {
  report->SetCell(16, "Y");
  MakeTable(2, "DNF");
  const RecordingSurface page = Render(1);
  const std::vector<int> x = ColumnLefts();
  const auto at = [&](std::string_view text, int nth = 0) {
    const auto found = page.FindTexts(text);
    EXPECT_GT(found.size(), static_cast<std::size_t>(nth)) << text;
    return found.size() > static_cast<std::size_t>(nth) ? found[nth] : RecordingSurface::Text{};
  };
  const auto centred = [](std::string_view text) { return kPageWidth / 2 - Width(text) / 2; };

  // Heading: bold at size + 1, + 4 and + 2, the tie-break message in italic.
  EXPECT_EQ(at("Spring Show").y, kLine);
  EXPECT_EQ(at("Spring Show").font.size, 13);
  EXPECT_TRUE(at("Spring Show").font.bold);
  EXPECT_EQ(at("Open Shoeing").y, 2 * kLine);
  EXPECT_EQ(at("Open Shoeing").font.size, 16);
  EXPECT_EQ(at("Sponsored by the Guild").y, 4 * kLine);
  EXPECT_EQ(at("Sponsored by the Guild").font.size, 14);
  EXPECT_EQ(at("Ties broken on Shoe").y, 5 * kLine);
  EXPECT_TRUE(at("Ties broken on Shoe").font.italic);

  // Staggered column headings, even columns one line above odd ones; the rule below.
  EXPECT_EQ(at("Ind.Pos.").y, 7 * kLine);
  EXPECT_EQ(at("Name").y, 8 * kLine);
  EXPECT_EQ(at("Shoe").y, 8 * kLine);
  EXPECT_EQ(at("Total").y, 7 * kLine);
  EXPECT_EQ(at("Total").x, x[4]);
  ASSERT_FALSE(page.Lines().empty());
  EXPECT_EQ(page.Lines()[0].from, (Point{5, 9 * kLine}));
  EXPECT_EQ(page.Lines()[0].to, (Point{kPageWidth - 5, 9 * kLine}));

  // Rows from one line below the rule: numbers and "DNF" end one gap before the next
  // column, names and places stand at the column's left edge.
  EXPECT_EQ(at("Ann Smith").x, x[1]);
  EXPECT_EQ(at("Ann Smith").y, 10 * kLine);
  EXPECT_EQ(at("Ann Smith", 1).y, 11 * kLine);
  EXPECT_EQ(at("101").x, x[3] - kGap - Width("101"));
  EXPECT_EQ(at("DNF").x, x[4] - kGap - Width("DNF"));
  EXPECT_EQ(at("1 ").x, x[1] - kGap - Width("1 ")) << "a place and a blank reads as a number";

  // Footer.
  EXPECT_EQ(page.Lines().back().from, (Point{5, kFooterTop}));
  EXPECT_EQ(at("Final Results").x, 3);
  EXPECT_EQ(at("Final Results").y, kFooterTop + kLine);
  EXPECT_TRUE(at("Final Results").font.bold && at("Final Results").font.italic);
  EXPECT_EQ(at("Final Results").font.size, 10);
  const std::string stamp = " 9:05:07  18/04/2026";
  EXPECT_EQ(at(stamp).x, kPageWidth - 5 - Width(stamp, 10));
  EXPECT_EQ(at("QUENCHEL v3.0.0").y, kFooterTop + 2 * kLine);
  EXPECT_EQ(at("QUENCHEL v3.0.0").x, kPageWidth - 5 - Width("QUENCHEL v3.0.0", 10));
  EXPECT_EQ(at("Page 1").x, centred("Page 1"));
  EXPECT_EQ(at("Page 1").y, kFooterTop + 2 * kLine);
  EXPECT_EQ(at("* DNF=Did not finish").y, kFooterTop + 3);
  EXPECT_EQ(at("* DNF=Did not finish").x, centred("* DNF=Did not finish"));
  EXPECT_EQ(print.JobTitle, "Final Results");
  EXPECT_EQ(pages.pages, (std::vector<int>{1}));
}

TEST_F(ReportPageTest, RightAlignmentFollowsTheCellText) {
  struct Case {
    std::string_view text;
    bool right;
  } cases[] = {{"  12.5", true}, {"0.0", true}, {"DNF", true}, {"1 ", true}, {"1=", false},
               {"Smith", false}, {"", false},   {"-0", true},  {" 0 ", true}};
  for (const Case& c : cases) EXPECT_EQ(IsRightAlignedReportCell(c.text), c.right) << "'" << c.text << "'";
}

TEST_F(ReportPageTest, PrePrintedPaperLeavesTheHeadingBlankButKeepsItsRoom) {
  report->SetCell(9, "N");
  MakeTable(1);
  const RecordingSurface page = Render(1);
  EXPECT_FALSE(page.HasText("Spring Show"));
  EXPECT_FALSE(page.HasText("Open Shoeing"));
  ASSERT_TRUE(page.HasText("Ann Smith"));
  EXPECT_EQ(page.FirstText("Ann Smith")->y, 10 * kLine);
  EXPECT_FALSE(page.HasText("* DNF=Did not finish")) << "no DNF cell, no footnote";
}

TEST_F(ReportPageTest, RowsRunOnToFurtherPagesAndOnlyTheWantedPageIsDrawn) {
  // Rows stand from line 10 while y + one line stays above the footer: 39 rows a page.
  const int perPage = (kFooterTop - 10 * kLine) / kLine;
  MakeTable(perPage + 5);
  const RecordingSurface first = Render(1);
  EXPECT_EQ(pages.pages, (std::vector<int>{1, 2}));
  EXPECT_EQ(first.CountText("Ann Smith"), perPage);
  EXPECT_EQ(first.CountText("Open Shoeing"), 1);
  EXPECT_TRUE(first.HasText("Page 1"));
  EXPECT_FALSE(first.HasText("Page 2"));

  const RecordingSurface second = Render(2);
  EXPECT_EQ(second.CountText("Ann Smith"), 5);
  EXPECT_EQ(second.FirstText("Ann Smith")->y, 10 * kLine);
  EXPECT_EQ(second.CountText("Open Shoeing"), 1);
  EXPECT_TRUE(second.HasText("Page 2"));
  EXPECT_FALSE(second.HasText("Page 1"));

  // A last row that fills the page leaves no empty page behind it.
  MakeTable(perPage);
  Render(1);
  EXPECT_EQ(pages.pages, (std::vector<int>{1}));
  EXPECT_EQ(CountReportPrinterPages(context, ReportPrintout{*report, table}), 1);
  MakeTable(perPage + 1);
  EXPECT_EQ(CountReportPrinterPages(context, ReportPrintout{*report, table}), 2);
}

TEST_F(ReportPageTest, KeyToLetteredFieldsFollowsTheLastRowInABox) {
  AddClass(1, "Open Shoeing", "OS");
  competition.ClassList.First()->SetCell(2, "2");
  AddFieldTitles(1, {"Prep.", "Shoe"});
  competition.FieldList.First()->SetCell(18, "Total");
  Select(1, 1, {2, 17});
  Select(1, 1, {3});  // beyond the class's two fields: not in the key
  report->SetCell(10, "Y");
  MakeTable(2);

  EXPECT_EQ(ReportPageKeyLines(competition, *report),
            (std::vector<std::string>{" A - Open Shoeing - Shoe ", " B Open Shoeing, Total "}));
  report->SetCell(7, "Y");
  EXPECT_EQ(ReportPageKeyLines(competition, *report)[0], " A - OS - Shoe ");
  report->SetCell(7, "N");

  const RecordingSurface page = Render(1);
  const int top = 12 * kLine + kLine;  // two rows from line 10, then one line
  const auto* title = page.FirstText("Key to Score Fields");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->y, top);
  EXPECT_TRUE(title->font.bold && title->font.underline);
  const int widest = Width(" A - Open Shoeing - Shoe ");
  EXPECT_EQ(title->x, kPageWidth / 2 - widest / 2);
  ASSERT_TRUE(page.HasText(" B Open Shoeing, Total "));
  EXPECT_EQ(page.FirstText(" A - Open Shoeing - Shoe ")->y, top + 2 * kLine);
  EXPECT_EQ(page.FirstText(" B Open Shoeing, Total ")->y, top + 3 * kLine);
  ASSERT_EQ(page.Polylines().size(), 1u);
  const std::vector<Point>& box = page.Polylines()[0].points;
  EXPECT_EQ(box[0].x, title->x - 10);
  EXPECT_EQ(box[1].x, title->x + widest + 10);
}

TEST_F(ReportPageTest, KeyThatDoesNotFitStartsALastPageOfItsOwn) {
  AddClass(1, "Open Shoeing");
  AddFieldTitles(1, {"Prep.", "Shoe", "Fit"});
  Select(1, 1, {1, 2, 3});
  report->SetCell(10, "Y");
  const int perPage = (kFooterTop - 10 * kLine) / kLine;
  MakeTable(perPage - 1);

  const RecordingSurface first = Render(1);
  EXPECT_EQ(pages.pages, (std::vector<int>{1, 2}));
  EXPECT_FALSE(first.HasText("Key to Score Fields"));
  const RecordingSurface last = Render(2);
  ASSERT_TRUE(last.HasText("Key to Score Fields"));
  EXPECT_EQ(last.FirstText("Key to Score Fields")->y, 10 * kLine);
  EXPECT_FALSE(last.HasText("Ann Smith"));
  EXPECT_TRUE(last.HasText("Page 2"));
}

TEST_F(ReportPageTest, ScreenMeasuresUseTheScreenFactorAndGap) {
  print.PrintToPrinter = false;
  RecordingSurface screen(800, 1100, 96);
  competition.state.ScreenResolution = 96;
  const ReportPageMetrics metrics = MeasureReportPage(*report, screen, false, 96);
  EXPECT_EQ(metrics.pixelHeight, 16);  // 12 × 96 / 72
  EXPECT_EQ(metrics.lineH, 25);        // trunc(16 × 1.6)
  EXPECT_EQ(metrics.gap, 7);           // 12 × 96 / 96 − 5
  const ReportPageMetrics printed = MeasureReportPage(*report, printer, true, 96);
  EXPECT_EQ(printed.lineH, kLine);
  EXPECT_EQ(printed.gap, kGap);

  report->SetCell(12, "4");
  EXPECT_EQ(MeasureReportPage(*report, screen, false, 96).gap, 1) << "never a negative gap";
  report->SetCell(12, "");
  EXPECT_EQ(MeasureReportPage(*report, screen, false, 96).size, kFallbackReportFontSize);
}

TEST_F(ReportPageTest, MoreThanNinetyNineColumnsDrawNothing) {
  table = Grid(100, 2);
  const RecordingSurface page = Render(1);
  EXPECT_EQ(page.DrawCount(), 0u);
  EXPECT_EQ(dialogs.Messages(), (std::vector<ScriptedDialogs::Shown>{
                                    {ScriptedDialogs::Kind::Information, "Error", "Too many columns in table (max 99)"}}));
}

class ReportPrintCommandTest : public ReportPageTest {
 protected:
  void Print(int last, int selected) {
    PrintReportCommand(context, dialog, ReportPrintout{*report, table}, last, selected);
  }
  std::vector<std::string> PagesPrinted() const {
    std::vector<std::string> pagesPrinted;
    for (const auto& text : printer.Texts())
      if (text.text.rfind("Page ", 0) == 0) pagesPrinted.push_back(text.text);
    return pagesPrinted;
  }
  ScriptedPrintDialog dialog;
};

TEST_F(ReportPrintCommandTest, PrintsTheChosenPagesOnSheetsOfTheirOwn) {
  print.PrintToPrinter = false;
  MakeTable(100);
  dialog.ConfirmWith(PrintRange{1, PrintPages::Range, 2, 3});
  Print(3, 1);
  ASSERT_EQ(dialog.Requests().size(), 1u);
  const PrintRequest& asked = dialog.Requests()[0];
  EXPECT_EQ(asked.copies, 1);
  EXPECT_TRUE(asked.pageNumbersEnabled);
  EXPECT_EQ(asked.fromPage, 1);
  EXPECT_EQ(asked.toPage, 3);
  EXPECT_EQ(asked.maxPage, 3);
  EXPECT_EQ(printing.orientation, PageOrientation::Landscape);
  EXPECT_EQ(printer.DocumentTitles(), (std::vector<std::string>{"Final Results"}));
  EXPECT_EQ(printer.SheetCount(), 1);
  EXPECT_EQ(PagesPrinted(), (std::vector<std::string>{"Page 2", "Page 3"}));
  EXPECT_FALSE(print.PrintToPrinter);
}

TEST_F(ReportPrintCommandTest, SelectionPrintsThePageShownInThePreview) {
  MakeTable(100);
  report->SetCell(8, "P");
  dialog.ConfirmWith(PrintRange{1, PrintPages::Selection, 1, 3});
  Print(3, 2);
  EXPECT_EQ(printing.orientation, PageOrientation::Portrait);
  EXPECT_EQ(PagesPrinted(), (std::vector<std::string>{"Page 2"}));
}

TEST_F(ReportPrintCommandTest, NoPrinterOrACancelledDialogPrintsNothing) {
  MakeTable(3);
  printing.installed = false;
  Print(1, 1);
  EXPECT_EQ(dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
  EXPECT_TRUE(dialog.Requests().empty());

  printing.installed = true;
  dialog.Cancel();
  Print(1, 1);
  EXPECT_TRUE(printer.DocumentEvents().empty());
  EXPECT_EQ(printer.DrawCount(), 0u);
}

}  // namespace
}  // namespace quenchel::testing
