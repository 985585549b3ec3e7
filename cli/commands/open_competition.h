#pragma once
// Reading a competition file the way the window's Open command does, so that the tool
// sees exactly what the secretary would see.

#include <string>

namespace quenchel {

class Competition;
class Dialogs;

enum class FileStructure {
  Current,  // versions "0", "1" and "2"
  Old,      // the earlier structure whose records have 25 cell lines
};

// Empties the competition, then reads the file into it. On failure shows
// "File Load Error" / "Unable to Load file! " and empties the competition again, so no
// half-read competition remains.
bool OpenCompetition(Competition& competition, const std::string& fileName, FileStructure structure,
                     Dialogs& dialogs);

}  // namespace quenchel
