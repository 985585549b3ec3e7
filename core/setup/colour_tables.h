#pragma once
// The named colours offered for web pages: one table for the text, one for the
// background, each name with its six-hex-digit RGB code. Names compare byte for byte.

#include <optional>
#include <span>
#include <string_view>

namespace quenchel {

struct NamedColour {
  std::string_view name;
  std::string_view code;  // "RRGGBB"
};

// The colours in the order the colour lists offer them.
std::span<const NamedColour> FontColours() noexcept;
std::span<const NamedColour> BackgroundColours() noexcept;

// The code of a named colour; nothing for a name the table does not hold.
std::optional<std::string_view> FindColour(std::span<const NamedColour> table, std::string_view name) noexcept;

// Codes for web pages: unknown text colours are black, unknown backgrounds white.
std::string_view TextColourCode(std::string_view name) noexcept;
std::string_view BackgroundColourCode(std::string_view name) noexcept;

}  // namespace quenchel
