#include "commands/open_competition.h"

#include "file/competition_file.h"
#include "platform/dialogs.h"
#include "store/competition.h"

namespace quenchel {

bool OpenCompetition(Competition& competition, const std::string& fileName, FileStructure structure,
                     Dialogs& dialogs) {
  competition.ClearAllData();
  const int loaded = structure == FileStructure::Old
                         ? LoadOldCompetitionFile(competition, fileName, dialogs)
                         : LoadCompetitionFile(competition, fileName, dialogs);
  if (loaded == 1) return true;
  dialogs.ShowInfo("File Load Error", "Unable to Load file! ");
  competition.ClearAllData();
  return false;
}

}  // namespace quenchel
