#include "setup/colour_tables.h"

#include <algorithm>
#include <array>

namespace quenchel {

namespace {

// Only colours are held: the "End" that closes each table in older lists is not one.
constexpr std::array kFontColourTable{
    NamedColour{"Black", "000000"}, NamedColour{"Blue", "0000FF"},   NamedColour{"Green", "00FF00"},
    NamedColour{"Grey", "808080"},  NamedColour{"Red", "FF0000"},    NamedColour{"Yellow", "FFFF00"},
    NamedColour{"White", "FFFFFF"},
};

// "BLack" is the background's own spelling, distinct from the text colour "Black".
constexpr std::array kBackgroundColourTable{
    NamedColour{"BLack", "000000"},        NamedColour{"Blue Light", "9999FF"}, NamedColour{"Green Light", "99FF99"},
    NamedColour{"Grey Light", "CCCCCC"},   NamedColour{"Pink Light", "FF99FF"}, NamedColour{"Red Light", "FF9999"},
    NamedColour{"Yellow Light", "FFFF99"}, NamedColour{"White", "FFFFFF"},
};

constexpr std::string_view kBlack = "000000";
constexpr std::string_view kWhite = "FFFFFF";

}  // namespace

std::span<const NamedColour> FontColours() noexcept { return kFontColourTable; }
std::span<const NamedColour> BackgroundColours() noexcept { return kBackgroundColourTable; }

std::optional<std::string_view> FindColour(std::span<const NamedColour> table, std::string_view name) noexcept {
  const auto found = std::ranges::find(table, name, &NamedColour::name);
  if (found == table.end()) return std::nullopt;
  return found->code;
}

std::string_view TextColourCode(std::string_view name) noexcept {
  return FindColour(FontColours(), name).value_or(kBlack);
}

std::string_view BackgroundColourCode(std::string_view name) noexcept {
  return FindColour(BackgroundColours(), name).value_or(kWhite);
}

}  // namespace quenchel
