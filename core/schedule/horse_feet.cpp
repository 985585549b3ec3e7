#include "schedule/horse_feet.h"

#include <cstdio>
#include <string>

#include "platform/dialogs.h"
#include "schedule/schedule_cells.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

std::string FootText(int horse, int foot, std::string_view horseName) {
  char number[16];
  std::snprintf(number, sizeof number, "%2d", horse);
  std::string text = number;
  text += ' ';
  text += kFootCodes.at(static_cast<std::size_t>(foot));
  text += ' ';
  text += horseName;
  return text;
}

DSNode* HorseOfFoot(Competition& competition, int classNo, std::string_view footText) {
  if (footText.empty()) return nullptr;
  return competition.HorseList.FindKey2(std::to_string(classNo), std::to_string(ReadInt(footText)));
}

std::optional<int> FootCellOf(std::string_view footText) noexcept {
  if (footText.size() < 5) return std::nullopt;
  const std::string_view code = footText.substr(3, 2);
  for (std::size_t i = 0; i < kFootCodes.size(); ++i)
    if (code == kFootCodes[i]) return horse_cell::kFirstFoot + static_cast<int>(i);
  return std::nullopt;
}

void TakeFoot(Competition& competition, Dialogs& dialogs, int classNo, std::string_view footText,
              int competitorNo) {
  DSNode* horse = HorseOfFoot(competition, classNo, footText);
  const std::optional<int> cell = FootCellOf(footText);
  if (horse == nullptr || !cell) return;
  if (ReadInt(horse->Cell(*cell)) != 0) {
    dialogs.ShowInfo("Error", footText);
    return;
  }
  horse->SetCell(*cell, std::to_string(competitorNo));
  competition.state.UnsavedData = true;
}

namespace {

void FreeFootIf(Competition& competition, std::string_view footText, int classNo,
                const std::optional<int>& onlyFor) {
  DSNode* horse = HorseOfFoot(competition, classNo, footText);
  const std::optional<int> cell = FootCellOf(footText);
  if (horse == nullptr || !cell || horse->Cell(*cell).empty()) return;
  if (onlyFor && ReadInt(horse->Cell(*cell)) != *onlyFor) return;
  horse->SetCell(*cell, "");
  competition.state.UnsavedData = true;
}

}  // namespace

void FreeFoot(Competition& competition, std::string_view footText, int classNo) {
  FreeFootIf(competition, footText, classNo, std::nullopt);
}

void FreeFootOf(Competition& competition, std::string_view footText, int classNo, int competitorNo) {
  FreeFootIf(competition, footText, classNo, competitorNo);
}

}  // namespace quenchel
