#pragma once
// Hashing for maps keyed by text that are looked up with a std::string_view, without
// making a std::string for every look-up. The keys are short (score values, team
// names), for which FNV-1a is quicker than the library's hash.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quenchel {

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
  }
};

template <class Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

}  // namespace quenchel
