#include "store/values.h"

#include <charconv>
#include <cstdio>
#include <system_error>

#include "platform/dialogs.h"

namespace quenchel {

namespace {

enum class Conversion { Integer, Floating };

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }
bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }

// True when `format` holds exactly one conversion of the wanted kind, with optional
// flags, a width and a precision of at most three digits each, and otherwise only plain
// text and "%%".
bool IsSafeFormat(std::string_view format, Conversion kind) {
  int conversions = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '\0') return false;
    if (format[i] != '%') continue;
    if (++i >= format.size()) return false;
    if (format[i] == '%') continue;
    while (i < format.size() && std::string_view("-+ #0").find(format[i]) != std::string_view::npos) ++i;
    std::size_t digits = 0;
    while (i < format.size() && IsDigit(format[i])) ++i, ++digits;
    if (digits > 3) return false;
    if (i < format.size() && format[i] == '.') {
      ++i;
      digits = 0;
      while (i < format.size() && IsDigit(format[i])) ++i, ++digits;
      if (digits > 3) return false;
    }
    if (i >= format.size()) return false;
    const std::string_view accepted = kind == Conversion::Integer ? "di" : "fFeEgG";
    if (accepted.find(format[i]) == std::string_view::npos) return false;
    ++conversions;
  }
  return conversions == 1;
}

template <typename T>
std::string Printf(const std::string& format, T value) {
  const int size = std::snprintf(nullptr, 0, format.c_str(), value);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), value);
  text.resize(static_cast<std::size_t>(size));
  return text;
}

std::string_view SkipLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

}  // namespace

std::string FormatInt(std::string_view format, int value) {
  std::string safe = IsSafeFormat(format, Conversion::Integer) ? std::string(format) : std::string("%d");
  std::string text = Printf(safe, value);
  if (text.size() > 19) text.resize(19);
  return text;
}

std::string FormatFloat(std::string_view format, double value) {
  const std::string safe = IsSafeFormat(format, Conversion::Floating) ? std::string(format) : std::string("%6.1f");
  return Printf(safe, value);
}

std::optional<double> ParseNumber(std::string_view text, char decimalMark) {
  text = SkipLeadingBlanks(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  std::string normal;  // the number with '.' as the mark and without a '+' sign
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal.push_back('-');
    ++i;
  }
  std::size_t mantissaDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) normal.push_back(text[i]);
  if (i < text.size() && text[i] == decimalMark) {
    normal.push_back('.');
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) normal.push_back(text[i]);
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    normal.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal.push_back(text[i++]);
    std::size_t exponentDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) normal.push_back(text[i]);
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
  return value;
}

bool IsDidNotFinish(std::string_view text) noexcept {
  return !text.empty() && std::string_view("dnfDNFDnf").find(text) != std::string_view::npos;
}

double ScoreValue(std::string_view text, Dialogs& dialogs, char decimalMark) {
  const std::string_view trimmed = SkipLeadingBlanks(text);
  if (trimmed.empty() || trimmed == "NULL" || trimmed == "DNF" || IsDidNotFinish(trimmed)) return 0;

  // Either mark is accepted as typed: the first one of the other kind is taken as the mark.
  std::string number(trimmed);
  const char otherMark = decimalMark == ',' ? '.' : ',';
  if (const std::size_t at = number.find(otherMark); at != std::string::npos) number[at] = decimalMark;

  if (const std::optional<double> value = ParseNumber(number, decimalMark)) return *value;
  dialogs.ShowInfo("Input Error", "Not a valid input");
  return 0;
}

std::string FormatScore(std::string_view format, std::string_view text, Dialogs& dialogs, char decimalMark) {
  const std::string_view trimmed = SkipLeadingBlanks(text);
  if (trimmed.empty()) return {};
  if (IsDidNotFinish(trimmed)) return "DNF";
  return FormatFloat(format, ScoreValue(trimmed, dialogs, decimalMark));
}

}  // namespace quenchel
