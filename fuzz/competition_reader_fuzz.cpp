// Feeds arbitrary bytes to the competition file reader. Whatever it reads must save and
// read again: a file the program accepts must never turn into one it rejects.

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
  if (quenchel::ReadCompetitionText(competition, text, dialogs) != 1) return 0;
  quenchel::fuzz::RequireRoundTrip(competition);
  return 0;
}
