#pragma once
// Cell numbers of the schedule and horse records, named for the code that reads them.

namespace quenchel {

// ScheduleList: one record per competitor entered in a class, keyed by cells 0 and 1.
namespace schedule_cell {
inline constexpr int kCompetitor = 0;
inline constexpr int kClass = 1;
inline constexpr int kRound = 2;
inline constexpr int kFire = 3;
inline constexpr int kActiveStriker = 4;
inline constexpr int kInSched = 5;  // "Y" placed, "N" not
inline constexpr int kStart = 6;
inline constexpr int kFinish = 7;
inline constexpr int kHorseFoot = 8;  // the FootText of the competitor's foot
inline constexpr int kTDStart = 9;
inline constexpr int kTDFinish = 10;
inline constexpr int kPosition = 12;  // position on the fire; empty or 0 reads as 1
}  // namespace schedule_cell

// HorseList: one record per horse of a class, keyed by cells 0 (class) and 1 (horse).
namespace horse_cell {
inline constexpr int kClass = 0;
inline constexpr int kHorse = 1;
inline constexpr int kName = 2;
inline constexpr int kForgeTitle = 3;
inline constexpr int kFirstFoot = 4;  // LF, RF, LH, RH in cells 4 to 7: the occupant's number
inline constexpr int kFire = 8;
}  // namespace horse_cell

}  // namespace quenchel
