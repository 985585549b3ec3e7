#pragma once
// Text for web pages: the competition's Windows-1252 bytes become UTF-8, and text taken
// from the competition is escaped so that names such as "Smith & Sons" or "<b>" show as
// written instead of being read as markup.

#include <string>
#include <string_view>

namespace quenchel {

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves unassigned (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) keep their Latin-1 meaning, so no byte is lost.
std::string Cp1252ToUtf8(std::string_view text);

// "&", "<", ">" and '"' as character entities; every other byte unchanged.
std::string EscapeHtml(std::string_view text);

// Competition text ready to insert into a page: escaped, then converted to UTF-8.
std::string HtmlText(std::string_view cp1252Text);

}  // namespace quenchel
