#include "setup/class_forges_horses.h"

#include "store/cell_text.h"

namespace quenchel {

namespace {

template <std::size_t N>
void SetHeadings(Grid& grid, const std::array<std::string_view, N>& headings) {
  grid.SetColCount(static_cast<int>(N));
  grid.SetFixedRows(1);
  for (std::size_t column = 0; column < N; ++column) grid.SetCell(static_cast<int>(column), 0, headings[column]);
}

constexpr int kLettersPerSeries = 26;

}  // namespace

void ResetForgeRows(Grid& forges) {
  forges.SetRowCount(1);
  SetHeadings(forges, kForgesHeadings);
}

void ResetHorseRows(Grid& horses) {
  horses.SetRowCount(1);
  SetHeadings(horses, kHorsesHeadings);
}

std::string ForgeTitle(std::string_view setting, int number) {
  return std::string(setting.empty() ? std::string_view("Forge") : setting) + " " + std::to_string(number);
}

void BuildForgeRows(Grid& forges, int count, std::string_view setting) {
  SetHeadings(forges, kForgesHeadings);
  forges.SetRowCount(count + 1);
  for (int forge = 1; forge <= count; ++forge) {
    forges.SetCell(forges_col::kNumber, forge, std::to_string(forge));
    forges.SetCell(forges_col::kTitle, forge, ForgeTitle(setting, forge));
  }
}

std::string HorseName(int number) {
  if (number < 1 || number > 3 * kLettersPerSeries) return {};
  const int series = (number - 1) / kLettersPerSeries;
  const char letter = static_cast<char>('A' + (number - 1) % kLettersPerSeries);
  static constexpr std::array<std::string_view, 3> kPrefixes{"Horse ", "Horse A-", "Horse B-"};
  return std::string(kPrefixes[static_cast<std::size_t>(series)]) + letter;
}

void BuildHorseRows(Grid& horses, int count, const Grid& forges) {
  SetHeadings(horses, kHorsesHeadings);
  horses.SetRowCount(count + 1);
  const int forgeCount = forges.RowCount() - 1;
  for (int horse = 1; horse <= count; ++horse) {
    horses.SetCell(horses_col::kNumber, horse, std::to_string(horse));
    horses.SetCell(horses_col::kName, horse, HorseName(horse));
    const int forge = forgeCount > 0 ? (horse - 1) % forgeCount + 1 : 0;
    horses.SetCell(horses_col::kForgeTitle, horse, forge > 0 ? forges.Cell(forges_col::kTitle, forge) : "");
    horses.SetCell(horses_col::kForgeNumber, horse, forge > 0 ? std::to_string(forge) : "");
  }
}

void UpdateHorseForgeTitles(Grid& horses, const Grid& forges) {
  for (int horse = 1; horse < horses.RowCount(); ++horse) {
    const int forge = ReadInt(horses.Cell(horses_col::kForgeNumber, horse));
    if (forge >= 1 && forge < forges.RowCount())
      horses.SetCell(horses_col::kForgeTitle, horse, forges.Cell(forges_col::kTitle, forge));
  }
}

}  // namespace quenchel
