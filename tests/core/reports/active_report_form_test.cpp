// The Active Report window: what activation shows, its buttons, the cell alignment and
// Data Check colours, the preview's "Report" printout and the Save as Webpage command.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file/atomic_file.h"
#include "platform/scripted_platform.h"
#include "print/print_context.h"
#include "print/print_preview_form.h"
#include "print/print_state.h"
#include "print/recording_surface.h"
#include "reports/active_report_form.h"
#include "report_fixture.h"

namespace quenchel::testing {
namespace {

using Kind = ScriptedDialogs::Kind;

class RecordingWriter final : public FileWriter {
 public:
  WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) override {
    paths.push_back(path);
    texts.emplace_back(bytes);
    return {succeed, succeed ? "" : "disk full"};
  }
  bool succeed = true;
  std::vector<std::string> paths;
  std::vector<std::string> texts;
};

class ActiveReportFormTest : public ReportFixture {
 protected:
  ActiveReportFormTest() {
    competition.state.ScreenResolution = 96;
    AddClass(1, "Open");
    AddFieldTitles(1, {"Shoe"});
    AddCompetitor(101, "Ann", "Smith", "Reds");
    AddCompetitor(102, "Bob", "Jones", "Blues");
    AddCompetitor(103, "Cy", "Brown", "Reds");
    AddScore(101, 1, {{1, "7"}});
    AddScore(102, 1, {{1, "9"}});
    AddScore(103, 1, {{1, "8"}});
    DSNode& report = AddReport(1, "I");
    report.SetCell(1, "Final");
    report.SetCell(2, "Open Results");
    Select(1, 1, {1});
    DSNode& teams = AddReport(2, "T");
    teams.SetCell(1, "Teams");
    teams.SetCell(2, "Team Results");
    Select(2, 1, {1});
    competition.state.ActiveReport = 1;
  }

  // Data rows of the results table, each row's cells joined by "|".
  std::vector<std::string> DataRows() const {
    std::vector<std::string> rows;
    const Grid& grid = form.ResultsGrid;
    for (int r = 1; r < grid.RowCount(); ++r) {
      std::string line;
      for (int c = 0; c < grid.ColCount(); ++c) line += (c ? "|" : "") + std::string(grid.Cell(c, r));
      rows.push_back(line);
    }
    return rows;
  }

  ScriptedPlatform scripted;
  Platform platform = scripted.Get();
  RecordingWriter writer;
  PrintState print;
  TPrintPreviewForm preview{competition, print, scripted.dialogs, scripted.printing};
  RecordingSurface printer{4960, 7016, 600};
  PrintContext context{competition, print, scripted.dialogs, scripted.printing, scripted.clock, preview, printer};
  ScriptedPrintDialog printDialog;
  TActiveReportGridForm form{competition, platform, writer,
                             TActiveReportGridForm::Printing{context, printDialog, preview}};
};

TEST_F(ActiveReportFormTest, ActivationShowsTheActiveReport) {
  form.FormActivate();
  EXPECT_EQ(form.Heading, "Open Results");
  EXPECT_EQ(DataRows(), (std::vector<std::string>{"1 |Bob Jones|102|   9.0|   9.0", "2 |Cy Brown|103|   8.0|   8.0",
                                                  "3 |Ann Smith|101|   7.0|   7.0"}));
  EXPECT_EQ(competition.state.CurrentReportName, "Final");
  EXPECT_TRUE(scripted.dialogs.Messages().empty());
}

TEST_F(ActiveReportFormTest, AnUntrustedReportShowsTheMessageOnceAndAnEmptyTable) {
  form.FormActivate();
  SetRepFieldTrust(competition, 1, 1, false);
  form.FormActivate();
  EXPECT_EQ(scripted.dialogs.Messages(),
            (std::vector<ScriptedDialogs::Shown>{{Kind::Information, "Report Not Trusted", "Please check at Reports"}}));
  for (const std::string& row : DataRows()) EXPECT_EQ(row, "||||") << "rows of the earlier showing are emptied";
}

TEST_F(ActiveReportFormTest, WithoutAnActiveReportOnlyTheChooserOpens) {
  competition.state.ActiveReport = 0;
  int chooserOpened = 0;
  form.chooseActiveReport = [&] { ++chooserOpened; };
  form.FormActivate();
  EXPECT_EQ(chooserOpened, 1);
  EXPECT_EQ(form.ShownReport(), nullptr);
  EXPECT_TRUE(scripted.dialogs.Messages().empty());
}

TEST_F(ActiveReportFormTest, ChangeReportShowsTheNewActiveReport) {
  form.FormActivate();
  form.ChangeReportClick();  // no chooser yet: the active report again
  EXPECT_EQ(form.Heading, "Open Results");
  form.chooseActiveReport = [&] { competition.state.ActiveReport = 2; };
  form.ChangeReportClick();
  EXPECT_EQ(form.Heading, "Team Results");
  EXPECT_EQ(DataRows(), (std::vector<std::string>{"1 |Reds|  15.0|  15.0", "2 |Blues|   9.0|   9.0"}));
  EXPECT_EQ(competition.state.CurrentReportName, "Teams");
  EXPECT_EQ(form.ColumnAlignment(1), 0);
  EXPECT_EQ(form.ColumnAlignment(0), 2);
}

TEST_F(ActiveReportFormTest, ColumnsAlignByTemplate) {
  struct Case {
    std::string_view layout;
    std::vector<int> left;
  } cases[] = {{"I", {1}}, {"IT", {0, 1, 2, 3, 4}}, {"T", {1}}, {"TI", {1, 4}}};
  for (const Case& c : cases) {
    competition.ReportList.First()->SetCell(6, c.layout);
    form.FormActivate();
    for (int column = 0; column < 7; ++column) {
      const bool left = std::find(c.left.begin(), c.left.end(), column) != c.left.end();
      EXPECT_EQ(form.ColumnAlignment(column), left ? 0 : 2) << c.layout << " column " << column;
    }
  }
  competition.state.DataCheckMode = true;
  EXPECT_EQ(form.ColumnAlignment(5), 0) << "Data Check draws every cell left-aligned";
}

TEST_F(ActiveReportFormTest, DataCheckColoursNumbersAndTotalsFromTheSecondRow) {
  form.FormActivate();
  EXPECT_EQ(form.DataCheckFill(2, 2), std::nullopt) << "only in Data Check mode";
  competition.state.DataCheckMode = true;
  EXPECT_EQ(form.DataCheckFill(2, 1), std::nullopt) << "the first data row is not checked";
  EXPECT_EQ(form.DataCheckFill(2, 2), TActiveReportGridForm::kCheckPassed);
  EXPECT_EQ(form.DataCheckFill(4, 2), TActiveReportGridForm::kCheckPassed);
  EXPECT_EQ(form.DataCheckFill(1, 2), std::nullopt);
  form.ResultsGrid.SetCell(2, 3, "999");
  form.ResultsGrid.SetCell(4, 3, "   6.0");
  EXPECT_EQ(form.DataCheckFill(2, 3), TActiveReportGridForm::kCheckFailed);
  EXPECT_EQ(form.DataCheckFill(4, 3), TActiveReportGridForm::kCheckFailed);
}

TEST_F(ActiveReportFormTest, PreviewShowsTheReportPrintoutAndPrintsItsPages) {
  form.FormActivate();
  competition.ReportList.First()->SetCell(8, "P");
  std::string captionWhileShown;
  scripted.forms.Then([&](Form& shown) {
    captionWhileShown = static_cast<TPrintPreviewForm&>(shown).Caption;
    RecordingSurface page(800, 1100, 96);
    preview.FormShow(page);
    EXPECT_TRUE(page.HasText("Bob Jones"));
    printDialog.Confirm();
    preview.PrintClick();
    return ModalResult::Cancel;
  });
  form.PrintPreviewClick();
  EXPECT_EQ(captionWhileShown, "Report");
  EXPECT_EQ(preview.Caption, "");
  EXPECT_EQ(scripted.printing.orientation, PageOrientation::Portrait);
  ASSERT_EQ(printDialog.Requests().size(), 1u);
  EXPECT_EQ(printDialog.Requests()[0].maxPage, 1);
  EXPECT_EQ(printer.DocumentTitles(), (std::vector<std::string>{"Final"}));
  EXPECT_TRUE(printer.HasText("Bob Jones"));
  EXPECT_FALSE(print.PrintToPrinter);
}

TEST_F(ActiveReportFormTest, SaveAsWebpageAsksForTheFileFlashesAndWrites) {
  competition.state.CurrentFileName = "/shows/spring.FCR";
  form.FormActivate();
  scripted.files.Choose("/shows/final.htm");
  form.HTMLClick();
  ASSERT_EQ(scripted.files.Requests().size(), 1u);
  const FileDialogRequest& asked = scripted.files.Requests()[0].request;
  EXPECT_EQ(asked.title, "Save as Webpage");
  EXPECT_EQ(asked.defaultExtension, "htm");
  EXPECT_EQ(asked.fileName, "Final");
  EXPECT_EQ(asked.initialFolder, "/shows");
  EXPECT_EQ(scripted.dialogs.Messages(),
            (std::vector<ScriptedDialogs::Shown>{{Kind::Flash, "Save as WebPage ", "Saved"}}));
  ASSERT_EQ(writer.paths, (std::vector<std::string>{"/shows/final.htm"}));
  EXPECT_NE(writer.texts[0].find("Bob Jones"), std::string::npos);
  EXPECT_FALSE(form.WebpageGrid.empty());
}

TEST_F(ActiveReportFormTest, ACancelledSaveWritesNothingAndAFailedOneSaysSo) {
  form.FormActivate();
  scripted.files.Choose(std::nullopt);
  form.HTMLClick();
  EXPECT_TRUE(writer.paths.empty());
  EXPECT_TRUE(scripted.dialogs.Messages().empty());

  writer.succeed = false;
  scripted.files.Choose("/nowhere/final.htm");
  form.HTMLClick();
  EXPECT_EQ(scripted.dialogs.Messages(),
            (std::vector<ScriptedDialogs::Shown>{{Kind::Flash, "Save as WebPage ", "Saved"},
                                                 {Kind::Information, "Save Error", "Unable to save as HTML"}}));
  EXPECT_EQ(competition.StatusText(), "Unable to Save as HTML");
}

TEST_F(ActiveReportFormTest, CloseEmptiesTheTable) {
  form.FormActivate();
  form.CancelClick();
  for (const std::string& row : DataRows()) EXPECT_EQ(row, "||||");
}

TEST_F(ActiveReportFormTest, PrintersButtonNeedsAPrinter) {
  form.SetUpPTRClick();
  EXPECT_EQ(scripted.printing.setupShown, 1);
  scripted.printing.installed = false;
  form.SetUpPTRClick();
  EXPECT_EQ(scripted.printing.setupShown, 1);
  EXPECT_EQ(scripted.dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
}

}  // namespace
}  // namespace quenchel::testing
