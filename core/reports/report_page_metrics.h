#pragma once
// The measures and texts a printed report page is laid out with: its font and line
// height, the column edges, which cells stand right-aligned, the footnote and the key.

#include <string>
#include <string_view>
#include <vector>

namespace quenchel {

class Competition;
class DSNode;
class Grid;
class Surface;

inline constexpr int kMaxReportPageColumns = 99;
inline constexpr std::string_view kTooManyColumnsCaption = "Error";
inline constexpr std::string_view kTooManyColumnsText = "Too many columns in table (max 99)";
inline constexpr std::string_view kDidNotFinishFootnote = "* DNF=Did not finish";
inline constexpr std::string_view kKeyTitle = "Key to Score Fields";

struct ReportPageMetrics {
  std::string fontName;  // the report font (cell 11)
  int size = 0;          // its size in points (cell 12)
  int pixelHeight = 0;   // the size in device units down
  int lineH = 0;         // every vertical distance is a whole number of these
  int gap = 0;           // the room between two columns
};

// A report font size that is not a positive whole number prints at this size, so that
// the rows never collapse onto one line.
inline constexpr int kFallbackReportFontSize = 8;

// Line height: pixel height × 1.5 on the printer, × 1.6 on the screen. Column gap: the
// pixel height on the printer; on the screen the font size scaled from the screen's
// logical resolution to the surface's, less 5 (at least 1).
ReportPageMetrics MeasureReportPage(const DSNode& report, const Surface& surface, bool printing,
                                    int screenResolution);

// Numbers and "DNF" stand right-aligned in their column; names and places stand left.
bool IsRightAlignedReportCell(std::string_view text);

// True when some data cell is exactly "DNF".
bool HasDidNotFinishCell(const Grid& table);

// The key printed under a report with letter headings: one line per selected field of
// each class (fields up to the class's count, then the class total), lettered from "A".
std::vector<std::string> ReportPageKeyLines(const Competition& competition, const DSNode& report);

}  // namespace quenchel
