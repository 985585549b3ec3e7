#pragma once
// Pieces shared by the two competition file readers.

#include <string_view>

namespace quenchel {

class Competition;
class Dialogs;
class LineReader;

// Header lines 2 to 10: active class and report, lowest competitor number, score format,
// printed font, label layout. False when a line cannot be read.
bool ReadCommonHeader(LineReader& lines, Competition& competition);

// Ends a read: a complete one clears the unsaved flag and the status line; answers the
// reader's result, 1 or 0.
int FinishReading(Competition& competition, bool complete);

// The old structure whose records have 25 cell lines.
bool ReadOldStructure(Competition& competition, std::string_view text, Dialogs& dialogs);

}  // namespace quenchel
