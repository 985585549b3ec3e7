#pragma once
// The layout of the competition file: a header of settings, then one section per record
// list, one value per line.

#include <array>
#include <string>
#include <string_view>

#include "store/competition.h"

namespace quenchel {

// The text line end this platform writes; readers accept LF and CR LF alike.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

inline constexpr std::size_t kMaxTextLine = 998;  // header, section, caption, record and end lines
inline constexpr std::size_t kMaxCellLine = 59;   // cell lines
inline constexpr std::size_t kScoreFormatCapacity = 19;
inline constexpr int kMaxCompetitorSteps = 20000;
inline constexpr int kCellLines = 26;
inline constexpr int kOldCellLines = 25;
inline constexpr std::string_view kEndOfFile = "End of File";

struct SectionFormat {
  ListId list;
  std::string sectionLine;         // "<" + dashes + name
  std::string_view recordLine;     // "Next Comp:" ...
  std::string_view endLine;        // "End Comp" ...
  std::string_view savingStatus;   // shown after the section line is written
  std::string_view loadingStart;   // shown when reading of the section starts (may be empty)
  std::string_view loadingRecord;  // followed by the record count, per record (may be empty)
  std::string_view oldLoadingStart;  // the old-structure reader's text at the section start
};

// The fourteen sections in file order; the batch and unused sections (the last two) are
// only in version "2" files.
const std::array<SectionFormat, kListCount>& Sections();
inline constexpr int kVersion1Sections = 12;

// Version number as the file line is read: leading digits, 0 when there are none.
int VersionNumber(std::string_view versionText);

}  // namespace quenchel
