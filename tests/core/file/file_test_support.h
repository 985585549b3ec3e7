#pragma once
// Helpers shared by the competition file tests: splitting and joining file text, editing
// it line by line, a scratch folder, the golden files, and a competition that uses every
// list and every cell.

#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "store/competition.h"

#include "support/temp_folder.h"

namespace quenchel::filetest {

using Lines = std::vector<std::string>;
using Row = std::vector<std::string>;

// The lines of a file text; LF and CR LF both end a line, and a final line end does not
// start another line.
Lines SplitLines(std::string_view text);
// Every line followed by `lineEnd` (LF unless told).
std::string JoinLines(const Lines& lines, std::string_view lineEnd = "\n");
// Every LF of the text preceded by a CR.
std::string WithCrLf(std::string_view lfText);
// LF line ends replaced by the line end this platform writes.
std::string WithPlatformLineEnds(std::string_view lfText);

// Index of the first line equal to `line` at or after `from`; fails the test when there
// is none.
std::size_t IndexOf(const Lines& lines, std::string_view line, std::size_t from = 0);
// Inserts a record block (record line, then the cells, padded with empty cells up to
// `cellLines`) before the first `endLine`.
void AddRecordBefore(Lines& lines, std::string_view endLine, std::string_view recordLine, const Row& cells,
                     int cellLines = 26);

// All 26 cells of a record, and the cells of every record of a list in list order.
Row CellsOf(const DSNode& record);
std::vector<Row> RowsOf(const DSList& list);

inline auto SettingsTuple(const Settings& s) {
  return std::tie(s.LowestCompetitorNumber, s.ScoreFormat, s.PrintFontName, s.PrintFontSize, s.WebFontName,
                  s.WebFontSize, s.WebFontColour, s.WebBackColour, s.LabelRows, s.LabelCols, s.LabelStart);
}

// Fills every list with records that together use all 26 cells, gives every list its own
// captions and sets every header setting away from its default.
void FillEveryList(Competition& competition);
// One record in each of the fourteen lists, with a few cells set.
void OneRecordInEveryList(Competition& competition);

using testsupport::TempFolder;

void WriteBytes(const std::string& path, std::string_view bytes);

// The golden files in tests/data/file.
std::string FixturePath(std::string_view name);
std::string ReadFixture(std::string_view name);

}  // namespace quenchel::filetest
