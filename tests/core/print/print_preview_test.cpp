#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/grid_pages.h"
#include "print/print_preview_form.h"
#include "print/printouts.h"
#include "print/schedule_pages.h"
#include "print_test_rig.h"

namespace quenchel::print_test {
namespace {

using Doc = RecordingSurface::DocumentEvent;

class PrintPreviewTest : public ::testing::Test {
 protected:
  PrintPreviewTest() {
    RegisterGridPrintout(rig.preview, rig.previewed, TPrintPreviewForm::kCompetitors, grid, [this] {
      ++printed;
      printedWhilePrinting = rig.print.PrintToPrinter;
    });
    rig.preview.onRepaint = [this] { ++repaints; };
  }

  Rig rig;
  // 130 rows in one band: three pages on the 845 × 1150 preview page.
  Grid grid = MakeGrid(2, 130, 40);
  RecordingSurface page{845, 1150, 96};
  int printed = 0;
  bool printedWhilePrinting = false;
  int repaints = 0;
};

TEST_F(PrintPreviewTest, PageSetUpScalesTheA4PrinterPageToTheScreen) {
  rig.preview.PreviewPageSetup(4960, 7016);
  EXPECT_EQ(rig.competition.state.PrinterResolution, 600);
  EXPECT_EQ(rig.preview.SurfaceWidth(), 845);
  EXPECT_EQ(rig.preview.SurfaceHeight(), 1150);
  EXPECT_EQ(rig.print.PageWidth, 845);
  EXPECT_EQ(rig.print.PageHeight, 1150);
  EXPECT_EQ(rig.preview.PanelColour(), (Rgb{192, 192, 192}));

  rig.print.PrintToPrinter = true;
  rig.preview.PreviewPageSetup(4960, 7016);
  EXPECT_EQ(rig.print.PageWidth, 4960);
  EXPECT_EQ(rig.print.PageHeight, 7016);
  EXPECT_EQ(rig.preview.SurfaceWidth(), 845);
}

TEST_F(PrintPreviewTest, ScalingNeedsBothResolutions) {
  EXPECT_EQ(TPrintPreviewForm::ScaledToScreen(4960, 600, 96, 1.065), 845);
  EXPECT_EQ(TPrintPreviewForm::ScaledToScreen(7016, 600, 96, 1.025), 1150);
  EXPECT_EQ(TPrintPreviewForm::ScaledToScreen(4960, 0, 96, 1.065), 0);
  EXPECT_EQ(TPrintPreviewForm::ScaledToScreen(4960, 600, 0, 1.065), 0);
}

TEST_F(PrintPreviewTest, OpeningShowsPageOneAndATabPerPage) {
  rig.preview.Caption = TPrintPreviewForm::kCompetitors;
  rig.preview.FormShow(page);
  EXPECT_EQ(rig.preview.ShownPage(), 1);
  EXPECT_EQ(rig.preview.PageCount(), 3);
  EXPECT_EQ(rig.preview.Tabs(), (std::vector<std::string>{"Page 1", "Page 2", "Page 3"}));
  EXPECT_EQ(page.CountText("Page 1"), 1);
  EXPECT_EQ(page.CountText("Page 2"), 0);

  // The white page framed in green comes first.
  ASSERT_FALSE(page.Rects().empty());
  const auto& white = page.Rects()[0];
  EXPECT_EQ(white.colour, (Rgb{255, 255, 255}));
  EXPECT_EQ(white.right, 845);
  EXPECT_EQ(white.bottom, 1150);
  ASSERT_FALSE(page.Polylines().empty());
  EXPECT_EQ(page.Polylines()[0].pen, (Rgb{0, 255, 0}));
  EXPECT_EQ(page.Polylines()[0].points[2], (Point{844, 1149}));
  // Rules at the screen's pen width.
  ASSERT_FALSE(page.Lines().empty());
  EXPECT_EQ(page.Lines()[0].width, 1);
}

TEST_F(PrintPreviewTest, ChoosingTheThirdTabShowsPageThree) {
  rig.preview.Caption = TPrintPreviewForm::kCompetitors;
  rig.preview.FormShow(page);
  rig.preview.TabChange(2);
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(rig.preview.ShownPage(), 3);
  EXPECT_EQ(rig.preview.SelectedTab(), 2);

  RecordingSurface repainted(845, 1150, 96);
  rig.preview.Paint(repainted);
  EXPECT_EQ(repainted.CountText("Page 3"), 1);
  EXPECT_EQ(repainted.FindTextsStartingWith("Page ").size(), 1u);
  EXPECT_EQ(repainted.CountText("Competitors"), 1);
  EXPECT_TRUE(repainted.HasText(CellText(0, 130, 40)));
  EXPECT_FALSE(repainted.HasText(CellText(0, 1, 40)));
  EXPECT_FALSE(repainted.HasText(CellText(0, 122, 40)));
  EXPECT_EQ(rig.preview.Tabs().size(), 3u);  // rebuilt, not added to
}

TEST_F(PrintPreviewTest, UnknownCaptionDrawsNothing) {
  rig.preview.Caption = "Nothing Here";
  rig.preview.FormShow(page);
  rig.preview.Paint(page);
  EXPECT_EQ(page.DrawCount(), 0u);
  EXPECT_TRUE(rig.dialogs.Messages().empty());
}

TEST_F(PrintPreviewTest, NoPrinterShowsTheBoxOnceAndDrawsNothing) {
  rig.printing.installed = false;
  rig.preview.Caption = TPrintPreviewForm::kCompetitors;
  rig.preview.FormShow(page);
  rig.preview.Paint(page);
  rig.preview.Paint(page);
  EXPECT_EQ(rig.dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
  EXPECT_EQ(rig.dialogs.Messages().size(), 1u);
  EXPECT_EQ(page.DrawCount(), 0u);
}

TEST_F(PrintPreviewTest, PrintRunsTheCaptionsCommandWhilePrinting) {
  rig.preview.Caption = TPrintPreviewForm::kCompetitors;
  rig.preview.FormShow(page);
  rig.preview.PrintClick();
  EXPECT_EQ(printed, 1);
  EXPECT_TRUE(printedWhilePrinting);
  EXPECT_FALSE(rig.print.PrintToPrinter);
  EXPECT_EQ(repaints, 1);

  rig.printing.installed = false;
  rig.preview.PrintClick();
  EXPECT_EQ(printed, 1);
  EXPECT_EQ(rig.dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
}

TEST_F(PrintPreviewTest, NothingIsPaintedWhilePrinting) {
  rig.preview.Caption = TPrintPreviewForm::kCompetitors;
  rig.preview.FormShow(page);
  page.ClearRecording();
  rig.print.PrintToPrinter = true;
  rig.preview.Paint(page);
  EXPECT_EQ(page.DrawCount(), 0u);
}

TEST_F(PrintPreviewTest, LayoutGridDrawsLabelledCentimetreSquares) {
  rig.preview.Caption = TPrintPreviewForm::kCompetitors;
  rig.preview.ShowLayoutGrid = true;
  rig.preview.FormShow(page);
  const int cm = 37;  // trunc(96 / 2.54)
  const auto* first = page.FirstText("1, 1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->x, 5);
  EXPECT_EQ(first->y, 5);
  const auto* last = page.FirstText("31, 31");
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->x, 30 * cm + 5);
  EXPECT_EQ(last->y, 30 * cm + 5);
  EXPECT_EQ(page.FindTextsStartingWith("31, ").size(), 31u);
  // The page frame, then 31 × 31 squares.
  ASSERT_GE(page.Polylines().size(), 1u + 31u * 31u);
  EXPECT_EQ(page.Polylines()[1].points,
            (std::vector<Point>{{0, 0}, {cm + 1, 0}, {cm + 1, cm + 1}, {0, cm + 1}, {0, 0}}));
}

TEST_F(PrintPreviewTest, CaptionIsSetOnlyWhileTheWindowIsShown) {
  ScriptedFormHost host;
  std::string seen;
  host.Then([&](Form& form) {
    seen = static_cast<TPrintPreviewForm&>(form).Caption;
    return ModalResult::Cancel;
  });
  ShowPrintPreview(host, rig.preview, TPrintPreviewForm::kSchedule);
  EXPECT_EQ(seen, "Schedule");
  EXPECT_EQ(rig.preview.Caption, "");
  EXPECT_EQ(host.Shown(), (std::vector<std::string>{"TPrintPreviewForm"}));
}

TEST_F(PrintPreviewTest, ReportPagesAreCountedFromPageOne) {
  std::vector<int> rendered;
  rig.preview.RegisterPrintout(TPrintPreviewForm::kReport, [&](Surface&, int wanted) {
    rendered.push_back(wanted);
    rig.preview.NewPageList();
    rig.preview.PageBegins(1);
    rig.preview.PageBegins(2);
  });
  EXPECT_EQ(rig.preview.CountReportPages(page), 2);
  EXPECT_EQ(rendered, (std::vector<int>{1}));
  EXPECT_EQ(rig.preview.Report().first, 1);
  EXPECT_EQ(rig.preview.Report().last, 2);

  rig.preview.Caption = TPrintPreviewForm::kReport;
  rig.preview.FormShow(page);
  rig.preview.TabChange(1);
  EXPECT_EQ(rig.preview.Report().selectedTab, 1);
  EXPECT_EQ(rig.preview.ShownPage(), 2);
}

TEST_F(PrintPreviewTest, ButtonsAreLaidOutFromTheRight) {
  const auto lefts = TPrintPreviewForm::LayOutButtons(600, 75, 80);
  EXPECT_EQ(lefts.cancel, 600 - 10 - 80);
  EXPECT_EQ(lefts.print, 600 - 10 - 80 - 10 - 75);
}

TEST_F(PrintPreviewTest, SchedulePrintsPagesOneToThePageCount) {
  DSNode shoeing;
  shoeing.SetCell(0, "1");
  shoeing.SetCell(4, "2");
  shoeing.SetCell(13, "1");
  rig.competition.ClassList.AddSorted(shoeing);
  rig.competition.state.ActiveClass = 1;
  Grid placeTable(14, 1);
  placeTable.SetCell(0, 0, "id Class");
  for (int r = 1; r <= 12; ++r)
    for (int f = 1; f <= 2; ++f) {
      const int row = placeTable.RowCount();
      placeTable.SetRowCount(row + 1);
      placeTable.SetCell(1, row, std::to_string(r));
      placeTable.SetCell(2, row, "Forge " + std::to_string(f));
    }
  ScriptedPrintDialog dialog;
  dialog.Confirm();
  RegisterSchedulePrintout(rig.preview, rig.previewed, dialog, placeTable, [] { return ScheduleCaptions{}; });

  rig.preview.Caption = TPrintPreviewForm::kSchedule;
  rig.preview.FormShow(page);
  EXPECT_EQ(rig.preview.PageCount(), 2);  // nine rounds a page
  rig.preview.PrintClick();

  ASSERT_EQ(dialog.Requests().size(), 1u);
  const PrintRequest& asked = dialog.Requests()[0];
  EXPECT_EQ(asked.copies, 1);
  EXPECT_EQ(asked.pages, PrintPages::All);
  EXPECT_TRUE(asked.pageNumbersEnabled);
  EXPECT_EQ(asked.fromPage, 1);
  EXPECT_EQ(asked.toPage, 2);
  EXPECT_EQ(asked.maxPage, 2);
  EXPECT_EQ(rig.printer.DocumentEvents(), (std::vector<Doc>{Doc::Begin, Doc::NewSheet, Doc::End}));
  EXPECT_EQ(rig.printer.CountText("Round : 1"), 1);
  EXPECT_EQ(rig.printer.CountText("Round : 12"), 1);
  EXPECT_FALSE(rig.print.PrintToPrinter);
}

}  // namespace
}  // namespace quenchel::print_test
