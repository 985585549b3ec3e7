#pragma once
// What every fuzz target requires of a competition it read: saved again, it reads again.
// A file the program accepts must never turn into one it rejects.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "file/competition_file.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"

namespace quenchel::fuzz {

inline void RequireRoundTrip(Competition& competition) {
  const std::string saved = CompetitionFileText(competition);
  Competition again;
  ScriptedDialogs dialogs;
  if (ReadCompetitionText(again, saved, dialogs) != 1) {
    std::fputs("the saved text did not read again\n", stderr);
    std::abort();
  }
}

}  // namespace quenchel::fuzz
