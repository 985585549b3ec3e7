#pragma once
// Saving and reading competition files. Each operation answers 1 on success and 0 on
// failure, and shows its own messages through the dialogs.

#include <string>
#include <string_view>

#include "file/atomic_file.h"

namespace quenchel {

class Competition;
class Dialogs;

// The whole file as the writer lays it out, in the structure of the competition's
// FileFormatVersion ("2": 22 header lines and 14 sections; otherwise 10 or 22 header
// lines and 12 sections).
std::string CompetitionFileText(Competition& competition);

// Asks about upgrading a version "1" competition, then writes the file through `writer`
// (by default crash-safe on disk). On failure: "Save Error" / "Unable to save Files",
// status "Unable to Save Files", result 0, and any earlier file is left as it was.
int SaveCompetitionFile(Competition& competition, const std::string& fileName, Dialogs& dialogs,
                        FileWriter& writer = DefaultFileWriter());

// Reads a file of version "0", "1" or "2" into the lists (which it does not empty first).
int LoadCompetitionFile(Competition& competition, const std::string& fileName, Dialogs& dialogs);
int ReadCompetitionText(Competition& competition, std::string_view text, Dialogs& dialogs);

// Reads the old structure whose records have 25 cell lines.
int LoadOldCompetitionFile(Competition& competition, const std::string& fileName, Dialogs& dialogs);
int ReadOldCompetitionText(Competition& competition, std::string_view text, Dialogs& dialogs);

}  // namespace quenchel
