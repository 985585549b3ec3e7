#pragma once
// The checks the class form makes when a field is left: class names, short names and
// numbers against the other classes, score-field titles against each other.

#include <span>
#include <string>
#include <string_view>

namespace quenchel {

class Competition;
class Dialogs;

// The smallest number from 1 upward that no class has.
int LowestFreeClassNumber(const Competition& competition);

// True when some class other than `classNo` has this long name (cell 1) or short name
// (cell 10).
bool ClassNameTaken(const Competition& competition, std::string_view name, int classNo);
bool ShortClassNameTaken(const Competition& competition, std::string_view shortName, int classNo);

// "Class Name: '<name>' is duplicated"
std::string DuplicateClassNameText(std::string_view name);

// The outcome of leaving a name field: whether it may be left (false sends the cursor
// back to it).
enum class NameCheck { Accepted, Duplicate, Missing };
// Shows the message for a duplicated or missing long or short name.
NameCheck CheckClassName(const Competition& competition, Dialogs& dialogs, std::string_view name, int classNo);
NameCheck CheckShortClassName(const Competition& competition, Dialogs& dialogs, std::string_view shortName,
                              int classNo);

// A typed class number: empty says so and stays empty; one already in use is replaced
// by the lowest free number. Answers the number to show.
std::string CheckClassNumber(const Competition& competition, Dialogs& dialogs, std::string_view number);

// Leaving score-field title `index` (0 for field 1): an empty title or one that repeats
// an earlier field's says so. True when the title is accepted.
bool CheckFieldTitle(Dialogs& dialogs, std::span<const std::string> titles, int index);

}  // namespace quenchel
