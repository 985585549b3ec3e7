#pragma once
// Texts of cells and settings written as one field of a tab-separated line.

#include <string>
#include <string_view>

namespace quenchel {

// A backslash becomes "\\", a TAB "\t", and a CR or LF "\r" or "\n", so every field stays
// on its line and between its TABs and the original text can be recovered.
std::string EscapeCellText(std::string_view text);

}  // namespace quenchel
