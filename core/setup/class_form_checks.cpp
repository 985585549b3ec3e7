#include "setup/class_form_checks.h"

#include <set>

#include "platform/dialogs.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

namespace {

bool TakenByOther(const Competition& competition, int cell, std::string_view text, int classNo) {
  for (const DSNode& record : competition.ClassList)
    if (record.Cell(cell) == text && ReadInt(record.Cell(0)) != classNo) return true;
  return false;
}

std::string Quoted(std::string_view format, std::string_view name) {
  std::string text(format);
  text.replace(text.find("%s"), 2, name);
  return text;
}

}  // namespace

int LowestFreeClassNumber(const Competition& competition) {
  std::set<int> used;
  for (const DSNode& record : competition.ClassList) used.insert(ReadInt(record.Cell(0)));
  int number = 1;
  while (used.contains(number)) ++number;
  return number;
}

bool ClassNameTaken(const Competition& competition, std::string_view name, int classNo) {
  return TakenByOther(competition, 1, name, classNo);
}

bool ShortClassNameTaken(const Competition& competition, std::string_view shortName, int classNo) {
  return TakenByOther(competition, 10, shortName, classNo);
}

std::string DuplicateClassNameText(std::string_view name) { return Quoted("Class Name: '%s' is duplicated", name); }

NameCheck CheckClassName(const Competition& competition, Dialogs& dialogs, std::string_view name, int classNo) {
  // An empty name is missing, even where another class has no name either.
  if (name.empty()) {
    dialogs.ShowInfo("Class Name Missing", "You must enter a unique class name");
    return NameCheck::Missing;
  }
  if (ClassNameTaken(competition, name, classNo)) {
    dialogs.ShowInfo("Duplicate Class Name", DuplicateClassNameText(name));
    return NameCheck::Duplicate;
  }
  return NameCheck::Accepted;
}

NameCheck CheckShortClassName(const Competition& competition, Dialogs& dialogs, std::string_view shortName,
                              int classNo) {
  if (shortName.empty()) {
    dialogs.ShowInfo("Class Name Missing", "You must enter a unique short class name");
    return NameCheck::Missing;
  }
  if (ShortClassNameTaken(competition, shortName, classNo)) {
    dialogs.ShowInfo("Duplicate Short Class Name", Quoted("Short Class Name: '%s' is duplicated", shortName));
    return NameCheck::Duplicate;
  }
  return NameCheck::Accepted;
}

std::string CheckClassNumber(const Competition& competition, Dialogs& dialogs, std::string_view number) {
  if (number.empty()) {
    dialogs.ShowInfo("Class Number", "You must enter a unique class number");
    return {};
  }
  const std::string typed(number);
  for (const DSNode& record : competition.ClassList)
    if (ReadInt(record.Cell(0)) == ReadInt(typed)) {
      dialogs.ShowInfo("Duplicated Class Number", "This class number already in use - Next free number suggested");
      return std::to_string(LowestFreeClassNumber(competition));
    }
  return typed;
}

bool CheckFieldTitle(Dialogs& dialogs, std::span<const std::string> titles, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= titles.size()) return true;
  const std::string& title = titles[static_cast<std::size_t>(index)];
  if (title.empty()) {
    dialogs.ShowInfo("Empty Feild", "You have not entered a title for this field!");
    return false;
  }
  for (int earlier = 0; earlier < index; ++earlier)
    if (titles[static_cast<std::size_t>(earlier)] == title) {
      dialogs.ShowInfo("Duplicate Feild", "You have already entered\n a score field with this title!");
      return false;
    }
  return true;
}

}  // namespace quenchel
