#include "platform/text_codec.h"

#include <QList>
#include <array>

namespace quenchel {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Its five unassigned bytes keep
// their Latin-1 control characters, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

char EncodeCharacter(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<char>(character);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == character) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

QString FromCellText(std::string_view text) {
  QString decoded;
  decoded.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    decoded.append(byte >= 0x80 && byte <= 0x9F ? QChar(kHighControls[byte - 0x80]) : QChar(byte));
  }
  return decoded;
}

std::string ToCellText(const QString& text) {
  std::string encoded;
  encoded.reserve(static_cast<std::size_t>(text.size()));
  // By code point, so a character outside the Basic Multilingual Plane gives one '?'.
  for (const char32_t character : text.toUcs4()) encoded.push_back(EncodeCharacter(character));
  return encoded;
}

}  // namespace quenchel
