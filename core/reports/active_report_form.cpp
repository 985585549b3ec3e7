#include "reports/active_report_form.h"

#include <cmath>
#include <filesystem>

#include "file/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/platform.h"
#include "platform/printing.h"
#include "print/grid_utils.h"
#include "print/print_context.h"
#include "print/print_preview_form.h"
#include "print/print_primitives.h"
#include "reports/rep_fields.h"
#include "reports/report_page.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/values.h"

namespace quenchel {
namespace {

constexpr std::string_view kWebPageTitle = "Save as Webpage";
// The dialog lists the pages it writes (".htm") as well as ".html" pages.
constexpr std::string_view kWebPageFilter = "html (*.htm)|*.htm;*.html";
constexpr std::string_view kWebPageSavedCaption = "Save as WebPage ";
constexpr std::string_view kWebPageSavedText = "Saved";

// Columns that stand left-aligned in each template; every other column stands right.
bool IsLeftAlignedColumn(std::string_view layout, int column) {
  if (layout == "IT") return column >= 0 && column <= 4;
  if (layout == "TI") return column == 1 || column == 4;
  return column == 1;  // "I" and "T"
}

double NumberIn(std::string_view text) { return ParseNumber(text).value_or(0.0); }

}  // namespace

TActiveReportGridForm::TActiveReportGridForm(Competition& competition, Platform& platform, FileWriter& writer,
                                             std::optional<Printing> printing)
    : competition_(competition), platform_(platform), writer_(writer), printing_(printing) {
  if (printing_) {
    printing_->preview.RegisterPrintout(
        TPrintPreviewForm::kReport, [this](Surface& canvas, int page) { RenderPage(canvas, page); },
        [this] { PrintClick(); });
  }
}

TActiveReportGridForm::~TActiveReportGridForm() {
  // The preview outlives the window: it must not call back into it.
  if (printing_) printing_->preview.RegisterPrintout(TPrintPreviewForm::kReport, {}, {});
}

const DSNode* TActiveReportGridForm::ShownReport() const {
  return shownReport_ == 0 ? nullptr : FindReport(competition_, shownReport_);
}

int TActiveReportGridForm::ColumnAlignment(int column) const {
  if (competition_.state.DataCheckMode) return 0;
  return IsLeftAlignedColumn(template_, column) ? 0 : 2;
}

std::optional<Rgb> TActiveReportGridForm::DataCheckFill(int column, int row) const {
  // The first data row is not checked.
  if (!competition_.state.DataCheckMode || row < 2 || row >= ResultsGrid.RowCount()) return std::nullopt;
  if (column == 2) {
    const std::string_view name = ResultsGrid.Cell(1, row);
    const int shown = ReadInt(ResultsGrid.Cell(2, row));
    for (const DSNode& competitor : competition_.CompetitorList) {
      if (competitor.CellString(1) + " " + competitor.CellString(2) == name)
        return ReadInt(competitor.Cell(0)) == shown ? kCheckPassed : kCheckFailed;
    }
    return kCheckFailed;
  }
  const int total = columns_.totalColumn;
  if (column == total && total > 3) {
    double sum = 0;
    for (int c = 3; c < total; ++c) sum += NumberIn(ResultsGrid.Cell(c, row));
    return std::fabs(sum - NumberIn(ResultsGrid.Cell(total, row))) < 1e-7 ? kCheckPassed : kCheckFailed;
  }
  return std::nullopt;
}

void TActiveReportGridForm::ClearTables() {
  ClearGrid(ResultsGrid);
  ClearGrid(TempGrid);
}

void TActiveReportGridForm::FormActivate() {
  ClearTables();
  const int active = competition_.state.ActiveReport;
  if (active == 0) {
    if (chooseActiveReport) chooseActiveReport();
  } else if (!IsReportTrusted(competition_, active)) {
    platform_.dialogs.ShowInfo(kReportNotTrustedCaption, kReportNotTrustedText);
  } else {
    ShowReport(active);
  }
  Changed();
}

void TActiveReportGridForm::ShowReport(int reportNo) {
  std::optional<quenchel::ShownReport> shown =
      quenchel::ShowReport(competition_, reportNo, platform_.dialogs, requestTeamName);
  if (!shown) return;
  Heading = std::move(shown->heading);
  ResultsGrid = std::move(shown->grid);
  columns_ = std::move(shown->columns);
  shownReport_ = reportNo;
  const DSNode* report = FindReport(competition_, reportNo);
  template_ = report->CellString(report_cell::kTemplate);
  competition_.state.CurrentReportName = report->CellString(report_cell::kName);
  Changed();
}

void TActiveReportGridForm::ChangeReportClick() {
  if (chooseActiveReport) chooseActiveReport();
  ClearTables();
  ShowReport(competition_.state.ActiveReport);
  Changed();
}

void TActiveReportGridForm::SetUpPTRClick() {
  if (PrinterInstalled(platform_.printing, platform_.dialogs)) platform_.printing.ShowPrinterSetup();
}

void TActiveReportGridForm::RenderPage(Surface& canvas, int page) const {
  const DSNode* report = ShownReport();
  if (report == nullptr || !printing_) return;
  RenderReportPage(printing_->context, ReportPrintout{*report, ResultsGrid}, canvas, page);
}

void TActiveReportGridForm::PrintClick() {
  const DSNode* report = ShownReport();
  if (!printing_ || report == nullptr) {
    if (!printing_) platform_.dialogs.ShowInfo(kNoPrinterCaption, kNoPrinterText);
    return;
  }
  const ReportPrintout printout{*report, ResultsGrid};
  const TPrintPreviewForm::ReportPages& counted = printing_->preview.Report();
  // Printed from the window itself the preview has counted nothing yet.
  const int last = counted.last > 0 ? counted.last : CountReportPrinterPages(printing_->context, printout);
  PrintReportCommand(printing_->context, printing_->dialog, printout, last, counted.selectedTab + 1);
}

void TActiveReportGridForm::PrintPreviewClick() {
  const DSNode* report = ShownReport();
  if (!printing_) {
    platform_.dialogs.ShowInfo(kNoPrinterCaption, kNoPrinterText);
    return;
  }
  if (report != nullptr)
    platform_.printing.SetOrientation(ReportOrientation(*report));
  ShowPrintPreview(platform_.forms, printing_->preview, TPrintPreviewForm::kReport);
}

void TActiveReportGridForm::HTMLClick() {
  if (std::optional<WebPageLines> page =
          BuildReportWebPage(competition_, ResultsGrid, columns_.keyLines, platform_.clock.Now()))
    WebpageGrid = std::move(*page);
  const std::string& current = competition_.state.CurrentFileName;
  FileDialogRequest request;
  request.title = kWebPageTitle;
  request.filter = kWebPageFilter;
  request.defaultExtension = "htm";
  request.initialFolder = current.empty() ? std::string() : std::filesystem::path(current).parent_path().string();
  request.fileName = competition_.state.CurrentReportName;
  const std::optional<std::string> chosen = platform_.files.SaveFile(request);
  if (!chosen) return;
  platform_.dialogs.Flash(kWebPageSavedCaption, kWebPageSavedText);
  SaveWebPage(competition_, platform_.dialogs, writer_, *chosen, WebpageGrid);
  Changed();
}

void TActiveReportGridForm::CancelClick() {
  ClearTables();
  Changed();
}

}  // namespace quenchel
