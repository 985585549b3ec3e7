#include "store/cell_text.h"

#include <climits>

namespace quenchel {

namespace {
bool IsBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
}  // namespace

long long ReadLong(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate as a negative number so that LLONG_MIN is representable.
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value < (LLONG_MIN + digit) / 10) {
      value = LLONG_MIN;
      while (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') ++i;
      break;
    }
    value = value * 10 - digit;
  }
  if (negative) return value;
  return value == LLONG_MIN ? LLONG_MAX : -value;
}

int ReadInt(std::string_view text) noexcept {
  const long long value = ReadLong(text);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace quenchel
