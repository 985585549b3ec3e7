#pragma once
// The one place where the competition's texts meet the window's: core keeps every text
// as single-byte Windows-1252 (the competition file's encoding), Qt shows Unicode.

#include <QString>
#include <string>
#include <string_view>

namespace quenchel {

// Every byte decodes to one character, so no text is ever lost on the way in.
QString FromCellText(std::string_view text);
// Characters Windows-1252 cannot hold become '?'.
std::string ToCellText(const QString& text);

}  // namespace quenchel
