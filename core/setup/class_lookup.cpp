#include "setup/class_lookup.h"

#include <string>

#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

int ClassNumberByName(const Competition& competition, std::string_view name) {
  for (const DSNode& record : competition.ClassList)
    if (record.Cell(1) == name) return ReadInt(record.Cell(0));
  return 0;
}

int ClassNumberByShortName(const Competition& competition, std::string_view shortName) {
  for (const DSNode& record : competition.ClassList)
    if (record.Cell(10) == shortName) return ReadInt(record.Cell(0));
  return 0;
}

std::string ClassNameByNumber(const Competition& competition, int classNo) {
  for (const DSNode& record : competition.ClassList)
    if (ReadInt(record.Cell(0)) == classNo) return std::string(record.Cell(1));
  return "Class Not Found";
}

int FieldCountByClassNumber(const Competition& competition, int classNo) {
  for (const DSNode& record : competition.ClassList)
    if (ReadInt(record.Cell(0)) == classNo) return ReadInt(record.Cell(2));
  return 0;
}

int FieldCountByClassName(const Competition& competition, std::string_view name) {
  for (const DSNode& record : competition.ClassList)
    if (record.Cell(1) == name) return ReadInt(record.Cell(2));
  return 0;
}

int FieldIndexByTitle(const Competition& competition, int classNo, std::string_view title) {
  if (title == "Total") return kTotalFieldIndex;
  title = title.substr(0, title.find('*'));
  // Fields beyond the class's count have empty titles; an empty title names none of them.
  if (title.empty()) return 0;
  const DSNode* fields = competition.FieldList.FindKey(std::to_string(classNo));
  if (fields == nullptr) return 0;
  int index = 0;
  for (int field = 1; field <= 16; ++field)
    if (fields->Cell(field + 1) == title) index = field;
  return index;
}

int SelectActiveClassByName(Competition& competition, std::string_view name) {
  for (const DSNode& record : competition.ClassList) {
    if (record.Cell(1) != name) continue;
    competition.state.ActiveClass = ReadInt(record.Cell(0));
    return competition.state.ActiveClass;
  }
  return 0;
}

}  // namespace quenchel
