#pragma once
// Operations on the schedule records that other windows call: counting the placed
// competitors of a class and taking competitors off the schedule when a class's rounds,
// fires, horses or competitors per fire change.

#include <string_view>

#include "schedule/horse_feet.h"

namespace quenchel {

class Competition;
class Dialogs;
class DSNode;

// Records of the class with In Sched "Y".
int CountAllocated(const Competition& competition, int classNo);

// Takes every record of the class off the schedule, then shows "Please Note" with the
// count. Returns the number of records of the class.
int UnallocateClass(Competition& competition, Dialogs& dialogs, int classNo);

// Takes off the records of the class placed in a round above `rounds` or at a fire above
// `fires`. Returns how many.
int UnallocateBeyond(Competition& competition, int classNo, int rounds, int fires);

// Takes off the records of the class whose foot belongs to horse number `horse`.
// Returns how many.
int UnallocateHorse(Competition& competition, int classNo, int horse);

// Takes one record off the schedule: its foot is freed, In Sched becomes "N" and its
// round, fire, times and foot are emptied. The striker and the position on the fire stay.
void Unallocate(Competition& competition, DSNode& record);

}  // namespace quenchel
