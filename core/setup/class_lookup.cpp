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

std::string ClassNameByNumber(const Competition& competition, int classNo) {
  for (const DSNode& record : competition.ClassList)
    if (ReadInt(record.Cell(0)) == classNo) return std::string(record.Cell(1));
  return "Class Not Found";
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
