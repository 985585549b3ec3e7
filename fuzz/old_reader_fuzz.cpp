// Feeds arbitrary bytes to the reader of the old file structure (25 cell lines per
// record). Whatever it reads must save in the current structure and read again, as a
// conversion of an old file does.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "file/competition_file.h"
#include "platform/scripted_dialogs.h"
#include "round_trip.h"
#include "store/competition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  quenchel::Competition competition;
  quenchel::ScriptedDialogs dialogs;
  if (quenchel::ReadOldCompetitionText(competition, text, dialogs) != 1) return 0;
  quenchel::fuzz::RequireRoundTrip(competition);
  return 0;
}
