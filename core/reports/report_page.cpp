#include "reports/report_page.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "print/grid.h"
#include "print/grid_pages.h"
#include "print/layout_only_surface.h"
#include "print/page_list.h"
#include "print/page_parts.h"
#include "print/print_primitives.h"
#include "print/print_state.h"
#include "reports/report_cells.h"
#include "reports/report_page_metrics.h"
#include "shell/product.h"
#include "store/competition.h"

namespace quenchel {
namespace {


bool IsYes(const DSNode& report, int cell) { return report.Cell(cell) == "Y"; }

// The report, its measures and the page being laid out, for one rendering.
class ReportPageWriter {
 public:
  ReportPageWriter(const PrintContext& context, const ReportPrintout& printout, Surface& canvas, int wanted)
      : context_(context),
        report_(printout.report),
        table_(printout.table),
        canvas_(canvas),
        layoutOnly_(canvas),
        wanted_(wanted),
        metrics_(MeasureReportPage(report_, canvas, context.print.PrintToPrinter,
                                   context.competition.state.ScreenResolution)) {}

  void Render() {
    PrintState& print = context_.print;
    print.JobTitle = report_.CellString(report_cell::kName);
    context_.pages.PreviewPageSetup(context_.printer.Width(), context_.printer.Height());
    context_.pages.NewPageList();

    if (table_.ColCount() > kMaxReportPageColumns) {
      context_.dialogs.ShowInfo(kTooManyColumnsCaption, kTooManyColumnsText);
      return;
    }
    footnote_ = HasDidNotFinishCell(table_) ? std::string(kDidNotFinishFootnote) : std::string();
    SetReportFont(0, false, false);
    // The same column edges as every printed grid: a gap, then each column's widest text
    // (heading included) and a gap; the last edge closes the table.
    colX_ = GridColumnPositions(table_, canvas_, metrics_.gap).value_or(std::vector<int>{metrics_.gap});
    const int tableWidth = colX_.back();
    const int shift = print.PageWidth / 2 - tableWidth / 2;
    for (int& x : colX_) x += shift;

    BeginPage();
    int y = 10 * metrics_.lineH;
    for (int r = 1; r < table_.RowCount(); ++r) {
      if (page_ == wanted_) DrawRow(r, y);
      y += metrics_.lineH;
      // A page is turned only for rows still to come: the last row filling a page must
      // not leave an empty page behind it.
      const bool rowsRemain = r + 1 < table_.RowCount();
      if (rowsRemain && y + metrics_.lineH > footerTop_) {
        ++page_;
        BeginPage();
        y = 10 * metrics_.lineH;
      }
    }
    if (IsYes(report_, report_cell::kLetterHeadings)) PlaceKey(y + metrics_.lineH);
  }

 private:
  Surface& Target() { return page_ == wanted_ ? canvas_ : layoutOnly_; }

  void SetReportFont(int sizeChange, bool bold, bool italic, bool underline = false) {
    canvas_.SetFont(SurfaceFont{metrics_.fontName, metrics_.size + sizeChange, bold, italic, underline});
  }

  int CentredX(std::string_view text) const { return context_.print.PageWidth / 2 - canvas_.TextWidth(text) / 2; }

  void BeginPage() {
    DrawPageHeading(Target());
    context_.pages.PageBegins(page_);
    DrawColumnHeadings(Target());
    footerTop_ = context_.print.PageHeight - 3 * metrics_.lineH;
    if (page_ == wanted_) DrawFooter(canvas_);
  }

  // Left blank without report headings, so that pre-printed paper can be used.
  void DrawPageHeading(Surface& surface) {
    if (!IsYes(report_, report_cell::kPrintHeadings)) return;
    const int lineH = metrics_.lineH;
    const auto centred = [&](int y, std::string_view text) { TextOutAngle(surface, CentredX(text), y, 0, text); };
    SetReportFont(1, true, false);
    centred(lineH, context_.competition.state.CompetitionTitle);
    SetReportFont(4, true, false);
    centred(2 * lineH, report_.Cell(report_cell::kTitle));
    SetReportFont(2, true, false);
    centred(4 * lineH, report_.Cell(report_cell::kSponsor));
    if (IsYes(report_, report_cell::kTieBreakInUse)) {
      SetReportFont(0, false, true);
      centred(5 * lineH, report_.Cell(report_cell::kTieBreakMessage));
    }
    SetReportFont(0, false, false);
  }

  // Even columns on one line and odd columns on the next, so that long headings of
  // neighbouring columns do not run into each other.
  void DrawColumnHeadings(Surface& surface) {
    const int lineH = metrics_.lineH;
    SetReportFont(0, true, false);
    for (int c = 0; c < table_.ColCount(); ++c) {
      const int y = (c % 2 == 0 ? 7 : 8) * lineH;
      TextOutAngle(surface, colX_[static_cast<std::size_t>(c)], y, 0, table_.Cell(c, 0));
    }
    SetReportFont(0, false, false);
    DrawLine(context_, 5, 9 * lineH, context_.print.PageWidth - 5, 9 * lineH, surface);
  }

  void DrawFooter(Surface& surface) {
    const int lineH = metrics_.lineH;
    const int width = context_.print.PageWidth;
    const int top = footerTop_;
    DrawLine(context_, 5, top, width - 5, top, surface);

    SetReportFont(-2, true, true);
    TextOutAngle(surface, 3, top + lineH, 0, report_.Cell(report_cell::kName));
    const std::string printed = PrintTimeStamp(context_.clock.Now());
    TextOutAngle(surface, width - 5 - surface.TextWidth(printed), top + lineH, 0, printed);
    const std::string product = std::string(kProductName) + std::string(kVersion);
    TextOutAngle(surface, width - 5 - surface.TextWidth(product), top + 2 * lineH, 0, product);

    SetReportFont(0, false, false);
    const std::string pageText = PageNumberText(page_);
    TextOutAngle(surface, CentredX(pageText), top + 2 * lineH, 0, pageText);
    SetReportFont(0, false, true);
    TextOutAngle(surface, CentredX(footnote_), top + 3, 0, footnote_);
    SetReportFont(0, false, false);
  }

  void DrawRow(int row, int y) {
    for (int c = 0; c < table_.ColCount(); ++c) {
      const std::string_view text = table_.Cell(c, row);
      const auto column = static_cast<std::size_t>(c);
      if (IsRightAlignedReportCell(text))
        TextOutAngle(canvas_, colX_[column + 1] - metrics_.gap - canvas_.TextWidth(text), y, 0, text);
      else
        TextOutAngle(canvas_, colX_[column], y, 0, text);
    }
  }

  // The key follows the last row, on a page of its own when it does not fit below it,
  // and is drawn only when the wanted page is that last page.
  void PlaceKey(int top) {
    const std::vector<std::string> lines = ReportPageKeyLines(context_.competition, report_);
    const int lineH = metrics_.lineH;
    const int bottom = top + (2 + static_cast<int>(lines.size())) * lineH;
    if (bottom > footerTop_) {
      ++page_;
      BeginPage();
      top = 10 * metrics_.lineH;
    }
    if (page_ != wanted_) return;

    SetReportFont(0, false, false);
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, canvas_.TextWidth(line));
    SetReportFont(0, true, false, true);
    widest = std::max(widest, canvas_.TextWidth(kKeyTitle));
    const int left = context_.print.PageWidth / 2 - widest / 2;
    TextOutAngle(canvas_, left, top, 0, kKeyTitle);
    SetReportFont(0, false, false);
    int y = top + 2 * lineH;
    for (const std::string& line : lines) {
      TextOutAngle(canvas_, left, y, 0, line);
      y += lineH;
    }
    DrawBox(context_, canvas_, left - 10, top - lineH / 2, left + widest + 10, y);
  }

  const PrintContext& context_;
  const DSNode& report_;
  const Grid& table_;
  Surface& canvas_;
  LayoutOnlySurface layoutOnly_;
  const int wanted_;
  const ReportPageMetrics metrics_;
  std::vector<int> colX_;
  std::string footnote_;
  int page_ = 1;
  int footerTop_ = 0;
};

// Counts the pages announced while laying out; tells the real page list nothing.
class PageCounter final : public PageList {
 public:
  void PreviewPageSetup(int, int) override {}
  void NewPageList() override { pages_ = 0; }
  void PageBegins(int page) override { pages_ = std::max(pages_, page); }
  int Pages() const noexcept { return pages_; }

 private:
  int pages_ = 0;
};

}  // namespace

void RenderReportPage(const PrintContext& context, const ReportPrintout& printout, Surface& canvas, int page) {
  ReportPageWriter(context, printout, canvas, page).Render();
}

int CountReportPrinterPages(const PrintContext& context, const ReportPrintout& printout) {
  PageCounter counter;
  const PrintContext counting{context.competition, context.print,    context.dialogs, context.printing,
                              context.clock,       counter,          context.printer};
  LayoutOnlySurface layoutOnly(context.printer);
  // The page size comes from the printer only while printing.
  const bool wasPrinting = std::exchange(context.print.PrintToPrinter, true);
  const int width = std::exchange(context.print.PageWidth, context.printer.Width());
  const int height = std::exchange(context.print.PageHeight, context.printer.Height());
  RenderReportPage(counting, printout, layoutOnly, 0);
  context.print.PrintToPrinter = wasPrinting;
  context.print.PageWidth = width;
  context.print.PageHeight = height;
  return counter.Pages();
}

}  // namespace quenchel
