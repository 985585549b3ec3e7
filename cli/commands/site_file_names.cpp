#include "commands/site_file_names.h"

#include <array>
#include <cctype>

#include "reports/web_text.h"

namespace quenchel {
namespace {

constexpr std::size_t kMaxStemLength = 80;  // 240 bytes at most in UTF-8, below every limit
constexpr std::string_view kForbidden = "<>:\"/\\|?*";

bool IsForbidden(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || kForbidden.find(static_cast<char>(byte)) != std::string_view::npos;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// Windows refuses these as file names, with any extension after them.
bool IsDeviceName(std::string_view stem) {
  static constexpr std::array<std::string_view, 4> kPlain = {"con", "prn", "aux", "nul"};
  const std::string lower = Lower(stem.substr(0, stem.find('.')));
  for (const std::string_view name : kPlain)
    if (lower == name) return true;
  return lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) && lower[3] >= '1' &&
         lower[3] <= '9';
}

void TrimEnds(std::string& text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
  const std::size_t first = text.find_first_not_of(' ');
  text.erase(0, first == std::string::npos ? text.size() : first);
}

}  // namespace

std::string SafeFileStem(std::string_view reportName, int reportNo) {
  std::string stem;
  for (const char c : reportName) stem += IsForbidden(static_cast<unsigned char>(c)) ? '_' : c;
  TrimEnds(stem);
  if (stem.size() > kMaxStemLength) {
    stem.resize(kMaxStemLength);
    TrimEnds(stem);
  }
  if (!stem.empty() && stem.front() == '.') stem.front() = '_';
  if (stem.empty()) return "report-" + std::to_string(reportNo);
  if (IsDeviceName(stem)) stem.insert(0, "_");
  return Cp1252ToUtf8(stem);
}

std::string UniqueFileNames::Claim(std::string_view stem, std::string_view extension) {
  std::string name = std::string(stem) + std::string(extension);
  for (int copy = 2; taken_.contains(Lower(name)); ++copy)
    name = std::string(stem) + "-" + std::to_string(copy) + std::string(extension);
  taken_.insert(Lower(name));
  return name;
}

std::string FileNameLink(std::string_view fileName) {
  static constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string link;
  for (const char c : fileName) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80 && std::isalnum(byte) != 0) {
      link += c;
    } else if (c == '-' || c == '.' || c == '_' || c == '~') {
      link += c;
    } else {
      link += '%';
      link += kHex[byte >> 4];
      link += kHex[byte & 0x0F];
    }
  }
  return link;
}

}  // namespace quenchel
