#pragma once
// Reading numbers out of cell texts. Every value of a competition is text; numbers are
// read from their leading digits the way the competition file has always been read.

#include <string_view>

namespace quenchel {

// Leading blanks skipped, an optional sign, then the digits up to the first other
// character; text without leading digits reads 0. Values beyond the int range saturate
// instead of overflowing.
int ReadInt(std::string_view text) noexcept;

// The same reading, for the 64-bit range (used where keys are compared).
long long ReadLong(std::string_view text) noexcept;

// True when the text reads a number other than 0 by ReadLong.
inline bool ReadsNonZero(std::string_view text) noexcept { return ReadLong(text) != 0; }

}  // namespace quenchel
