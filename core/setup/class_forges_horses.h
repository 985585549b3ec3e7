#pragma once
// The forge and horse tables of the class form. Row i (from 1) is forge or horse i; row 0
// holds the headings.

#include <array>
#include <string>
#include <string_view>

#include "print/grid.h"

namespace quenchel {

namespace forges_col {
inline constexpr int kNumber = 0;
inline constexpr int kTitle = 1;
inline constexpr int kCount = 2;
}  // namespace forges_col

namespace horses_col {
inline constexpr int kNumber = 0;
inline constexpr int kName = 1;
inline constexpr int kForgeTitle = 2;
inline constexpr int kFirstFoot = 3;  // LF, RF, LH, RH in columns 3 to 6
inline constexpr int kForgeNumber = 7;
inline constexpr int kCount = 8;
}  // namespace horses_col

inline constexpr std::array<std::string_view, forges_col::kCount> kForgesHeadings{"Forge No.", "Forge Title"};
inline constexpr std::array<std::string_view, horses_col::kCount> kHorsesHeadings{
    "No.", "Horse's Name / Ref.", "Forge Title", "LF", "RF", "LH", "RH", "Forge No."};

// An empty grid with the headings of its table.
void ResetForgeRows(Grid& forges);
void ResetHorseRows(Grid& horses);

// The title of forge `number` under a forge-title setting ("Forge" when it is empty):
// "Forge 3".
std::string ForgeTitle(std::string_view setting, int number);
// `count` forges titled from the setting.
void BuildForgeRows(Grid& forges, int count, std::string_view setting);

// "Horse A" to "Horse Z", "Horse A-A" to "Horse A-Z", "Horse B-A" to "Horse B-Z" for
// horses 1 to 78; no name for other numbers.
std::string HorseName(int number);
// `count` horses, named as above, standing at the forges in turn (horse i at forge
// ((i - 1) mod forges) + 1). Horses that remain keep who shoes their feet.
void BuildHorseRows(Grid& horses, int count, const Grid& forges);
// Each horse shows the title of the forge it stands at, where that forge still exists.
void UpdateHorseForgeTitles(Grid& horses, const Grid& forges);

}  // namespace quenchel
