#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/grid_pages.h"
#include "print_test_rig.h"

namespace quenchel::print_test {
namespace {

using Doc = RecordingSurface::DocumentEvent;

class PrintGridCommandTest : public ::testing::Test {
 protected:
  Rig rig;
  ScriptedPrintDialog dialog;
  // Two 40-byte columns: T = 67 × 3 + 2 × 1333 = 2867 on the 4960-wide printer page, one
  // band; 60 rows a page at lineH 100, so 130 rows make three pages.
  Grid grid = MakeGrid(2, 130, 40);
  const PrintHeadings headings{"Competitor List", "All Classes", "Sorted by number"};
};

TEST_F(PrintGridCommandTest, CancelledDialogPrintsNothing) {
  dialog.Cancel();
  PrintGridCommand(rig.previewed, dialog, grid, headings);
  ASSERT_EQ(dialog.Requests().size(), 1u);
  EXPECT_EQ(dialog.Requests()[0].copies, 1);
  EXPECT_FALSE(rig.print.PrintToPrinter);
  EXPECT_EQ(rig.printer.DrawCount(), 0u);
  EXPECT_TRUE(rig.printer.DocumentEvents().empty());
  // The titles are set for the printout all the same.
  EXPECT_EQ(rig.print.PrintTitle, "Competitor List");
  EXPECT_EQ(rig.print.PrintSubTitle, "All Classes");
  EXPECT_EQ(rig.print.PrintTitleNote, "Sorted by number");
}

TEST_F(PrintGridCommandTest, ConfirmedDialogPrintsEveryPageOnItsOwnSheet) {
  dialog.Confirm();
  PrintGridCommand(rig.previewed, dialog, grid, headings);
  EXPECT_FALSE(rig.print.PrintToPrinter);
  EXPECT_EQ(rig.printer.DocumentEvents(), (std::vector<Doc>{Doc::Begin, Doc::NewSheet, Doc::NewSheet, Doc::End}));
  EXPECT_EQ(rig.printer.DocumentTitles(), (std::vector<std::string>{"Quenchel Document 9:05:07  18/04/2026"}));
  EXPECT_EQ(rig.print.JobTitle, "Quenchel Document 9:05:07  18/04/2026");
  for (const char* footer : {"Page 1", "Page 2", "Page 3"}) EXPECT_EQ(rig.printer.CountText(footer), 1) << footer;
  EXPECT_EQ(rig.printer.CountText("Competitor List"), 3);
  // The page was the printer's, measured in its units.
  EXPECT_EQ(rig.print.PageWidth, 4960);
  EXPECT_EQ(rig.print.PageHeight, 7016);
  const auto* row61 = rig.printer.FirstText(CellText(0, 61, 40));
  ASSERT_NE(row61, nullptr);
  EXPECT_EQ(row61->y, 600);  // first row of page 2: heading 300 + column headings 300
  ASSERT_FALSE(rig.printer.Lines().empty());
  for (const auto& line : rig.printer.Lines()) EXPECT_EQ(line.width, 7);
  EXPECT_EQ(rig.preview.Tabs(), (std::vector<std::string>{"Page 1", "Page 2", "Page 3"}));
}

TEST_F(PrintGridCommandTest, WithoutPrinterNothingChanges) {
  rig.printing.installed = false;
  dialog.Confirm();
  rig.print.PrintTitle = "Before";
  PrintGridCommand(rig.previewed, dialog, grid, headings);
  EXPECT_EQ(rig.dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
  EXPECT_TRUE(dialog.Requests().empty());
  EXPECT_EQ(rig.print.PrintTitle, "Before");
  EXPECT_TRUE(rig.printer.DocumentEvents().empty());
}

}  // namespace
}  // namespace quenchel::print_test
