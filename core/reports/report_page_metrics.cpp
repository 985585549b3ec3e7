#include "reports/report_page_metrics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "print/grid.h"
#include "print/print_primitives.h"
#include "print/surface.h"
#include "reports/rep_fields.h"
#include "reports/report_columns.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/values.h"

namespace quenchel {
namespace {

constexpr int kClassNameCell = 1;
constexpr int kClassFieldCountCell = 2;
constexpr int kShortClassNameCell = 10;
constexpr int kTotalField = 17;

std::string Printf(const char* format, char letter, std::string_view a, std::string_view b) {
  const std::string first(a);
  const std::string second(b);
  const int length = std::snprintf(nullptr, 0, format, letter, first.c_str(), second.c_str());
  std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, letter, first.c_str(), second.c_str());
  return text;
}

std::string FieldTitle(const Competition& competition, int classNo, int field) {
  for (const DSNode& titles : competition.FieldList)
    if (ReadInt(titles.Cell(0)) == classNo) return titles.CellString(field + 1);
  return {};
}

}  // namespace

ReportPageMetrics MeasureReportPage(const DSNode& report, const Surface& surface, bool printing,
                                    int screenResolution) {
  ReportPageMetrics metrics;
  metrics.fontName = report.CellString(report_cell::kFontName);
  metrics.size = LeadingInteger(report.Cell(report_cell::kFontSize));
  if (metrics.size <= 0) metrics.size = kFallbackReportFontSize;
  metrics.pixelHeight = std::abs(MulDiv(metrics.size, surface.PixelsPerInchY(), 72));
  if (printing) {
    metrics.lineH = static_cast<int>(metrics.pixelHeight * 1.5);
    metrics.gap = metrics.pixelHeight;
  } else {
    metrics.lineH = static_cast<int>(metrics.pixelHeight * 1.6);
    const int logical = screenResolution > 0 ? screenResolution : surface.PixelsPerInchX();
    metrics.gap = std::max(1, MulDiv(metrics.size, surface.PixelsPerInchX(), logical) - 5);
  }
  return metrics;
}

bool IsRightAlignedReportCell(std::string_view text) {
  if (text.find("DNF") != std::string_view::npos) return true;
  const std::optional<double> number = ParseNumber(text);
  if (!number) return false;
  return *number != 0.0 || text.find('0') != std::string_view::npos;
}

bool HasDidNotFinishCell(const Grid& table) {
  for (int r = 1; r < table.RowCount(); ++r)
    for (int c = 0; c < table.ColCount(); ++c)
      if (table.Cell(c, r) == "DNF") return true;
  return false;
}

std::vector<std::string> ReportPageKeyLines(const Competition& competition, const DSNode& report) {
  const int reportNo = ReadInt(report.Cell(report_cell::kNumber));
  const bool shortNames = report.Cell(report_cell::kShortClassNames) == "Y";
  std::vector<std::string> lines;
  unsigned char letter = 'A';
  for (const DSNode& classRecord : competition.ClassList) {
    const int classNo = ReadInt(classRecord.Cell(0));
    const std::string className = classRecord.CellString(shortNames ? kShortClassNameCell : kClassNameCell);
    const int fieldCount = std::min(ReadInt(classRecord.Cell(kClassFieldCountCell)), kTotalField - 1);
    for (int field = 1; field <= fieldCount; ++field) {
      if (GetRepFieldFlag(competition, reportNo, classNo, field) == "N") continue;
      lines.push_back(Printf(" %c - %s - %s ", static_cast<char>(letter++), className,
                             FieldTitle(competition, classNo, field)));
    }
    if (GetRepFieldFlag(competition, reportNo, classNo, kTotalField) != "N")
      lines.push_back(Printf(" %c %s, %s ", static_cast<char>(letter++), className,
                             FieldTitle(competition, classNo, kTotalField)));
  }
  return lines;
}

}  // namespace quenchel
