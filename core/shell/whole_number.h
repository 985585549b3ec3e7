#pragma once
// Reading a typed whole number, as the number fields of the forms do.

#include <optional>
#include <string_view>

namespace quenchel {

// Blanks around an optional sign and digits; anything else, or a value outside the int
// range, is not a whole number.
std::optional<int> ParseWholeNumber(std::string_view text) noexcept;

// The typed value, or 0 when the text is not a whole number.
inline int WholeNumberOrZero(std::string_view text) noexcept { return ParseWholeNumber(text).value_or(0); }

}  // namespace quenchel
