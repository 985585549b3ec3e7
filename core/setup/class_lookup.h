#pragma once
// Look-ups of classes by name and number. Each scans ClassList from the first record and
// takes the first match.

#include <string>
#include <string_view>

namespace quenchel {

class Competition;

// Cell 0 of the first class with this long name, as a number; 0 when none.
int ClassNumberByName(const Competition& competition, std::string_view name);
// Cell 1 of the class with this number, or "Class Not Found".
std::string ClassNameByNumber(const Competition& competition, int classNo);
// Makes the first class with this name the active class and answers its number; 0 when
// there is none, and then the active class stays as it was.
int SelectActiveClassByName(Competition& competition, std::string_view name);

}  // namespace quenchel
