#pragma once
// The results of a report as one self-contained HTML page: an inline style sheet from the
// report's web settings, four heading rows, one table row per row of the results table,
// the key to lettered columns and a closing block. The page is built as a list of lines
// (UTF-8, text from the competition escaped) and then written whole to a file.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace quenchel {

class Competition;
class Dialogs;
class DSNode;
class FileWriter;
class Grid;

// One line of the output file each, without line ends.
using WebPageLines = std::vector<std::string>;

inline constexpr std::string_view kWebPageExtension = ".htm";

// What a report page is built from besides the results table.
struct ReportPageSource {
  const DSNode& report;                   // the report's ReportList record
  std::string_view competitionTitle;
  std::span<const std::string> keyLines;  // "Key to Score fields", one per letter, "End"
  LocalDateTime created;                  // shown in the closing block
};

// The page for the results table as it is shown.
WebPageLines BuildReportWebPage(const Grid& results, const ReportPageSource& source);

// The page of the competition's active report; nothing when no report has that number.
// Shows "Finished Loading Reports" on the status line once the report is found.
std::optional<WebPageLines> BuildReportWebPage(Competition& competition, const Grid& results,
                                               std::span<const std::string> keyLines,
                                               const LocalDateTime& created);

// Writes the closing block (a rule, the creation time, the product name and version, a
// blank row) for a table of columnCount columns from line nextIndex on, replacing any
// lines there, and returns the index after its last line.
int WriteWebPageClosingRows(WebPageLines& lines, int nextIndex, int columnCount,
                            const LocalDateTime& created);

// Writes the lines with CR LF line ends, replacing any file of that name; a name without
// an extension gets ".htm". Returns 1 when written; 0 after telling the user when the
// file could not be written (an existing file is then left as it was).
int SaveWebPage(Competition& competition, Dialogs& dialogs, FileWriter& writer,
                std::string_view fileName, const WebPageLines& lines);

}  // namespace quenchel
