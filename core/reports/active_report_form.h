#pragma once
// The Active Report window: the active report's results table under its title, with
// buttons to change the report, set up the printer, preview and print it, and save it
// as a web page. The table is computed afresh every time the window shows a report.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"
#include "print/grid.h"
#include "print/surface.h"
#include "reports/report_columns.h"
#include "reports/report_compute.h"
#include "reports/web_page.h"

namespace quenchel {

class Competition;
class DSNode;
class FileWriter;
class PrintDialog;
class TPrintPreviewForm;
struct Platform;
struct PrintContext;

class TActiveReportGridForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TActiveReportGridForm";
  static constexpr std::string_view kCaption = "Active Report Form";
  static constexpr std::string_view kChangeReportButton = "Change &Report";
  static constexpr std::string_view kPrintersButton = "Printers";
  static constexpr std::string_view kPrintButton = "&Print";
  static constexpr std::string_view kPrintPreviewButton = "Print Pre&view";
  static constexpr std::string_view kHtmlButton = "Save as Webpage";
  static constexpr std::string_view kCloseButton = "&Close";
  static constexpr int kRowHeight = 16;
  static constexpr Rgb kHeadingText{0, 0, 255};        // bold blue
  static constexpr Rgb kHeadingPanel{211, 211, 211};   // on light grey
  static constexpr Rgb kCheckPassed{0, 255, 0};        // lime
  static constexpr Rgb kCheckFailed{255, 0, 0};        // red

  // The printing parts of the program; without them the print commands find no printer.
  struct Printing {
    const PrintContext& context;
    PrintDialog& dialog;
    TPrintPreviewForm& preview;
  };

  TActiveReportGridForm(Competition& competition, Platform& platform, FileWriter& writer,
                        std::optional<Printing> printing);
  ~TActiveReportGridForm() override;
  TActiveReportGridForm(const TActiveReportGridForm&) = delete;
  TActiveReportGridForm& operator=(const TActiveReportGridForm&) = delete;

  std::string_view FormName() const override { return kFormName; }

  // Opens the active report chooser; afterwards the window shows the (new) active report.
  // Until a chooser is connected, Change Report shows the active report again.
  std::function<void()> chooseActiveReport;
  // Gives a competitor without a team a team name (the competitor form); without it such a
  // competitor's row is left out after the message.
  TeamNameRequest requestTeamName;
  // Asked whenever the table or the heading changed.
  std::function<void()> onChanged;

  // --- what the window shows -------------------------------------------------------------
  std::string Heading;  // the report title
  Grid ResultsGrid;     // the results table (`Grid`)
  Grid TempGrid;        // scratch for the team-and-individual table
  WebPageLines WebpageGrid;  // the last web page built
  // The report being shown, for the printed pages; none before a report was shown.
  const DSNode* ShownReport() const;
  const ReportColumns& Columns() const noexcept { return columns_; }
  std::string_view Template() const noexcept { return template_; }

  // The cell painter's alignment of a column: 0 left, 2 right (Data Check: all left).
  int ColumnAlignment(int column) const;
  // In Data Check mode, the fill of a checked cell (its text then stands right-aligned).
  std::optional<Rgb> DataCheckFill(int column, int row) const;

  // --- events ---------------------------------------------------------------------------
  // Every activation: clears the tables, then the chooser (no active report), the trust
  // message, or the active report.
  void FormActivate();
  // Shows report `reportNo`: looks it up, builds and computes the table.
  void ShowReport(int reportNo);
  void ChangeReportClick();
  void SetUpPTRClick();
  void PrintClick();
  void PrintPreviewClick();
  void HTMLClick();
  void CancelClick();

  // Draws page `page` of the shown report (the preview's "Report" printout).
  void RenderPage(Surface& canvas, int page) const;

 private:
  void ClearTables();
  void Changed() const {
    if (onChanged) onChanged();
  }

  Competition& competition_;
  Platform& platform_;
  FileWriter& writer_;
  std::optional<Printing> printing_;
  ReportColumns columns_;
  std::string template_;
  int shownReport_ = 0;
};

inline constexpr std::string_view kReportNotTrustedCaption = "Report Not Trusted";
inline constexpr std::string_view kReportNotTrustedText = "Please check at Reports";

}  // namespace quenchel
