#pragma once
// Look-ups of classes by name and number. Each scans ClassList (or FieldList) from the
// first record and takes the first match.

#include <string>
#include <string_view>

namespace quenchel {

class Competition;

// Cell 0 of the first class with this long name, as a number; 0 when none.
int ClassNumberByName(const Competition& competition, std::string_view name);
// Cell 0 of the first class with this short name (cell 10), as a number; 0 when none.
int ClassNumberByShortName(const Competition& competition, std::string_view shortName);
// Cell 1 of the class with this number, or "Class Not Found".
std::string ClassNameByNumber(const Competition& competition, int classNo);
// The number of score fields of the class (cell 2); 0 when there is no such class.
// The score grid reloads its field titles from the class's FieldList record after this.
int FieldCountByClassNumber(const Competition& competition, int classNo);
int FieldCountByClassName(const Competition& competition, std::string_view name);

// The index of a score field of the class by its title: 17 for "Total"; otherwise the
// title up to its first "*" (the tie-break mark) is compared with the titles of fields 1
// to 16 and the last equal one answers. 0 when none is equal, or the title is empty.
inline constexpr int kTotalFieldIndex = 17;
int FieldIndexByTitle(const Competition& competition, int classNo, std::string_view title);

// Makes the first class with this name the active class and answers its number; 0 when
// there is none, and then the active class stays as it was.
int SelectActiveClassByName(Competition& competition, std::string_view name);

}  // namespace quenchel
