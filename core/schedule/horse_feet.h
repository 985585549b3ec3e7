#pragma once
// The horse-foot bookkeeping: each foot cell of a horse record holds the number of the
// competitor shoeing it, empty (or 0) while the foot is free. A foot is named by its
// FootText: the horse number as "%2d", " LF"/" RF"/" LH"/" RH", a blank and the horse's
// name, so the foot code is always the fourth and fifth characters.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quenchel {

class Competition;
class Dialogs;
class DSNode;

inline constexpr std::array<std::string_view, 4> kFootCodes{"LF", "RF", "LH", "RH"};

// The FootText of foot `foot` (0 = LF .. 3 = RH) of horse number `horse`.
std::string FootText(int horse, int foot, std::string_view horseName);

// The horse record of the class that the text names by its leading integer; none when
// the text names no horse of the class.
DSNode* HorseOfFoot(Competition& competition, int classNo, std::string_view footText);
// The horse-record cell of the foot the text names; none for a text without a foot code.
std::optional<int> FootCellOf(std::string_view footText) noexcept;

// Gives the named foot to the competitor. A foot already held keeps its occupant and
// shows "Error" with the foot text. Unknown horses and foot codes change nothing.
void TakeFoot(Competition& competition, Dialogs& dialogs, int classNo, std::string_view footText,
              int competitorNo);

// Frees the named foot, whoever holds it. An empty or unknown text does nothing.
void FreeFoot(Competition& competition, std::string_view footText, int classNo);

// Frees the named foot only while this competitor holds it. Two places can carry the
// same text (a foot that was already taken keeps its first occupant), and taking one of
// them off the schedule must not free the foot under the other.
void FreeFootOf(Competition& competition, std::string_view footText, int classNo, int competitorNo);

}  // namespace quenchel
