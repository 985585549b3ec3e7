#pragma once
// The product's name, version and release date as captions show them.

#include <string_view>

namespace quenchel {

// The trailing blanks belong to the texts: captions append to them directly.
inline constexpr std::string_view kProductName = "QUENCHEL ";
inline constexpr std::string_view kVersion = "v3.0.0";
inline constexpr std::string_view kReleaseDate = "12/03/2024 ";

}  // namespace quenchel
