// The list inspection view: which list each button shows, the competitor sort, printing
// the shown list under its titles, the printer set-up, and its menu command.

#include "setup/score_class_form.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/print/print_test_rig.h"
#include "platform/scripted_platform.h"
#include "print/grid_pages.h"
#include "shell/main_form.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Shown = ScriptedDialogs::Shown;
using Kind = ScriptedDialogs::Kind;

// Data rows of the dump start at row 2; the record's cells at column 4.
constexpr int kFirstRecordRow = 2;
constexpr int kCell0Column = 4;

class ScoreClassFormTest : public ::testing::Test {
 protected:
  ScoreClassFormTest()
      : form(rig.competition, rig.dialogs, rig.printing, [this](const Grid& grid, const PrintHeadings& headings) {
          PrintGridCommand(rig.fixed, printDialog, grid, headings);
        }) {
    rig.fixedPages.SetPage(4960, 7016);  // A4 at 600 dpi
  }

  Competition& competition() { return rig.competition; }

  print_test::Rig rig;
  ScriptedPrintDialog printDialog;
  TScoreClassForm form;
};

TEST_F(ScoreClassFormTest, OpensOnTheClassListWithItsTitles) {
  competition().ClassList.AddSorted(MakeRecord({"3", "Open Championship"}));
  competition().ClassList.SetTitleText(2, "middle");
  form.FormActivate();

  EXPECT_EQ(form.ShownList(), ListId::Class);
  EXPECT_EQ(form.Titles(), (std::array<std::string, 3>{"Classs", "middle", ""}));
  const Grid& grid = form.ListGrid();
  EXPECT_EQ(grid.ColCount(), 30);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(kCell0Column, 0), "No.");
  EXPECT_EQ(grid.Cell(kCell0Column, kFirstRecordRow), "3");
  EXPECT_EQ(grid.Cell(kCell0Column + 1, kFirstRecordRow), "Open Championship");
}

TEST_F(ScoreClassFormTest, EveryButtonShowsItsOwnList) {
  std::set<ListId> seen;
  for (const auto& [caption, list] : TScoreClassForm::kListButtons) {
    SCOPED_TRACE(std::string(caption));
    EXPECT_TRUE(seen.insert(list).second) << "two buttons show the same list";
    const std::string name(Competition::ListName(list));
    competition().List(list).SetTitleText(1, name + " 1");
    competition().List(list).SetTitleText(2, name + " 2");
    competition().List(list).SetTitleText(3, name + " 3");
    competition().List(list).AddSorted(MakeRecord({name}));
    competition().List(list).AddSorted(MakeRecord({name + "+"}));

    form.ListButtonClick(list);
    EXPECT_EQ(form.ShownList(), list);
    EXPECT_EQ(form.Titles(), (std::array<std::string, 3>{name + " 1", name + " 2", name + " 3"}));
    EXPECT_EQ(form.ListGrid().RowCount(), 4);
    EXPECT_EQ(form.ListGrid().Cell(kCell0Column, kFirstRecordRow), name);
    EXPECT_EQ(form.ListGrid().Cell(kCell0Column, kFirstRecordRow + 1), name + "+");
  }
  EXPECT_FALSE(seen.contains(ListId::Unused));
}

TEST_F(ScoreClassFormTest, ColumnWidthsFollowTheMeasureTheViewGives) {
  competition().CompetitorList.AddSorted(MakeRecord({"501", "Bartholomew"}));
  form.ListButtonClick(ListId::Competitor);
  const int fallbackWidth = form.ListGrid().ColWidth(kCell0Column + 1);
  EXPECT_GE(fallbackWidth, 11 * TScoreClassForm::kFallbackCharWidth);

  RecordingSurface wide(100, 100, 600);
  form.SetGridMeasure(wide);
  form.ListButtonClick(ListId::Competitor);
  EXPECT_GE(form.ListGrid().ColWidth(kCell0Column + 1), wide.TextWidth("Bartholomew"));
  EXPECT_GT(form.ListGrid().ColWidth(kCell0Column + 1), fallbackWidth);
}

TEST_F(ScoreClassFormTest, SortOrdersTheCompetitorsByFirstNameAndShowsThem) {
  competition().CompetitorList.AddSorted(MakeRecord({"501", "Sean"}));
  competition().CompetitorList.AddSorted(MakeRecord({"502", "Aoife"}));
  competition().CompetitorList.AddSorted(MakeRecord({"503", "Brian"}));
  form.FormActivate();

  form.SortClick();
  EXPECT_EQ(form.ShownList(), ListId::Competitor);
  EXPECT_EQ(competition().CompetitorList.First()->Cell(1), "Aoife");
  const Grid& grid = form.ListGrid();
  EXPECT_EQ(grid.Cell(kCell0Column + 1, kFirstRecordRow), "Aoife");
  EXPECT_EQ(grid.Cell(kCell0Column + 1, kFirstRecordRow + 1), "Brian");
  EXPECT_EQ(grid.Cell(kCell0Column + 1, kFirstRecordRow + 2), "Sean");
}

TEST_F(ScoreClassFormTest, PrintPrintsTheShownListUnderItsThreeTitles) {
  competition().TeamList.SetTitleText(1, "Teams");
  competition().TeamList.SetTitleText(2, "All teams");
  competition().TeamList.SetTitleText(3, "raw");
  competition().TeamList.AddSorted(MakeRecord({"Munster"}));
  form.ListButtonClick(ListId::Team);
  printDialog.Confirm();

  form.PrintClick();
  ASSERT_EQ(printDialog.Requests().size(), 1u);
  EXPECT_EQ(printDialog.Requests().front().copies, 1);
  EXPECT_EQ(rig.print.PrintTitle, "Teams");
  EXPECT_EQ(rig.print.PrintSubTitle, "All teams");
  EXPECT_EQ(rig.print.PrintTitleNote, "raw");
  EXPECT_FALSE(rig.print.PrintToPrinter);
  using Event = RecordingSurface::DocumentEvent;
  EXPECT_EQ(rig.printer.DocumentEvents(), (std::vector<Event>{Event::Begin, Event::End}));
  bool printedTheRecord = false;
  for (const RecordingSurface::Text& text : rig.printer.Texts()) printedTheRecord |= text.text == "Munster";
  EXPECT_TRUE(printedTheRecord);
}

TEST_F(ScoreClassFormTest, ACancelledPrintDialogPrintsNothing) {
  form.FormActivate();
  printDialog.Cancel();
  form.PrintClick();
  EXPECT_TRUE(rig.printer.DocumentEvents().empty());
  EXPECT_TRUE(rig.printer.Texts().empty());
  EXPECT_FALSE(rig.print.PrintToPrinter);
}

TEST_F(ScoreClassFormTest, PrinterSetupNeedsAPrinter) {
  form.PrinterSetupClick();
  EXPECT_EQ(rig.printing.setupShown, 1);
  EXPECT_TRUE(rig.dialogs.Messages().empty());

  rig.printing.installed = false;
  form.PrinterSetupClick();
  EXPECT_EQ(rig.printing.setupShown, 1);
  EXPECT_EQ(rig.dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "No Printer", "Printer Not Installed"}}));

  form.PrintClick();  // the print command checks the printer as well
  EXPECT_EQ(rig.dialogs.CountShown("No Printer", "Printer Not Installed"), 2);
  EXPECT_TRUE(printDialog.Requests().empty());
}

// --- the menu command --------------------------------------------------------------------

class ListInspectionCommandTest : public ::testing::Test {
 protected:
  ListInspectionCommandTest() : mainForm(competition, platform.Get(), true) {
    competition.ClassList.AddSorted(MakeRecord({"7", "Novice"}));
  }

  // Queues what the user does in the list inspection view.
  void InTheView(std::function<void(TScoreClassForm&)> act) {
    platform.forms.Then([act](Form& form) {
      act(dynamic_cast<TScoreClassForm&>(form));
      return ModalResult::OK;
    });
  }

  Competition competition;
  ScriptedPlatform platform;
  TMainForm mainForm;
};

TEST_F(ListInspectionCommandTest, TestClassPointersOpensTheViewOnTheClassList) {
  std::string shownKey;
  InTheView([&](TScoreClassForm& view) { shownKey = std::string(view.ListGrid().Cell(kCell0Column, kFirstRecordRow)); });
  mainForm.Run(Command::TestClassPointers);
  EXPECT_EQ(platform.forms.Shown(), (std::vector<std::string>{"TScoreClassForm"}));
  EXPECT_EQ(shownKey, "7");
  EXPECT_TRUE(platform.dialogs.Messages().empty());
  EXPECT_EQ(platform.forms.UnexpectedForms(), 0);
}

TEST_F(ListInspectionCommandTest, PrintGoesToTheConnectedPrinterAndFindsNoneWithoutOne) {
  InTheView([](TScoreClassForm& view) { view.PrintClick(); });
  mainForm.Run(Command::TestClassPointers);
  EXPECT_EQ(platform.dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "No Printer", "Printer Not Installed"}}));

  print_test::Rig rig;
  ScriptedPrintDialog printDialog;
  printDialog.Confirm();
  mainForm.ConnectPrinting(rig.fixed, printDialog, rig.preview);
  InTheView([](TScoreClassForm& view) { view.PrintClick(); });
  mainForm.Run(Command::TestClassPointers);
  EXPECT_EQ(platform.dialogs.Messages().size(), 1u);
  EXPECT_EQ(printDialog.Requests().size(), 1u);
  EXPECT_EQ(rig.print.PrintTitle, "Classs");
  EXPECT_FALSE(rig.printer.Texts().empty());
}

}  // namespace
}  // namespace quenchel
