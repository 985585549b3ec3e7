#pragma once
// The rounds table of the class form: one row per round (row r is round r, row 0 the
// headings) with its start, finish, change-over and dates, worked out from the class's
// first start, round duration, default change-over and date.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "print/grid.h"

namespace quenchel {

namespace rounds_col {
inline constexpr int kRound = 0;
inline constexpr int kStart = 1;
inline constexpr int kFinish = 2;
inline constexpr int kChangeOver = 3;
inline constexpr int kMessage = 4;
inline constexpr int kDate = 5;
inline constexpr int kStartDateTime = 6;
inline constexpr int kEndDateTime = 7;
inline constexpr int kCount = 8;
}  // namespace rounds_col

inline constexpr std::array<std::string_view, rounds_col::kCount> kRoundsHeadings{
    "Round", "Start", "Finish", "Change over Time", "Change over Message", "Date", "Start Date/Time", "End Date/Time"};

struct RoundTimes {
  std::string firstStart;         // "hh:mm"
  std::string duration;           // "hh:mm"
  std::string defaultChangeOver;  // "hh:mm", for rounds without one of their own
  std::string classDate;          // "dd/mm/yyyy"
};

// The headings and `rounds` round rows; rows that remain keep their texts, new rows are
// numbered and empty.
void SetRoundRows(Grid& grid, int rounds);

// Works the table out from round 1: each round starts where the one before finished
// plus its change-over, lasts the duration, and carries its date. A round whose finish
// (or finish plus change-over) passes midnight moves what follows to the next day, and
// its own end shows that next day. Stops at the first round without a start; the last
// round never has a change-over.
void RecalculateRounds(Grid& grid, const RoundTimes& times);

// Minutes from the finish of the round before round `row` (2 or later) to `start` on
// `date`: the change-over that makes the round start then. Negative when that is before
// the round before finishes. A date that is not valid counts as the day of the round
// before.
int MinutesAfterRoundBefore(const Grid& grid, int row, std::string_view start, std::string_view date,
                            std::string_view duration);
// A change-over of that many minutes as "hh:mm"; none beyond 99:59, which two hour
// digits cannot hold, and none below 0.
std::optional<std::string> ChangeOverText(int minutes);

}  // namespace quenchel
