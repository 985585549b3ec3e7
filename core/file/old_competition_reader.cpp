#include <optional>
#include <string>

#include "file/file_format.h"
#include "file/line_reader.h"
#include "file/reader_parts.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// The old structure: 10 header lines and 12 sections whose records have 25 cell lines;
// team records have 3, and report records carry two free-text lines after their cells.
class OldCompetitionReader {
 public:
  OldCompetitionReader(Competition& competition, std::string_view text, Dialogs& dialogs)
      : competition_(competition), lines_(text), dialogs_(dialogs) {}

  bool Read() {
    if (!lines_.Next(kMaxTextLine)) return false;  // the version line; the version is kept
    if (!ReadCommonHeader(lines_, competition_)) return false;
    if (!lines_.Next(kMaxTextLine)) return false;  // the competitor section line
    competition_.SetStatus("Loading Competitors");
    for (int i = 0; i < kVersion1Sections; ++i) {
      if (!ReadSection(Sections()[static_cast<std::size_t>(i)])) return false;
      if (i + 1 < kVersion1Sections) {
        if (!lines_.Next(kMaxTextLine)) return false;  // the next section line
        competition_.SetStatus(Sections()[static_cast<std::size_t>(i + 1)].oldLoadingStart);
      }
    }
    return true;
  }

 private:
  bool ReadSection(const SectionFormat& section) {
    DSList& list = competition_.List(section.list);
    for (int title = 1; title <= 3; ++title) {
      const std::optional<std::string_view> caption = lines_.Next(kMaxTextLine);
      if (!caption) return false;
      list.SetTitle(title, *caption, dialogs_);
    }
    const bool limited = section.list == ListId::Competitor;
    const int cellLines = section.list == ListId::Team ? 3 : kOldCellLines;
    int steps = 0;
    while (true) {
      const std::optional<std::string_view> line = lines_.Next(kMaxTextLine);
      if (!line) return false;
      if (*line == section.endLine) return true;
      if (limited && ++steps > kMaxCompetitorSteps) return false;
      if (*line != section.recordLine) continue;
      DSNode record;
      for (int cell = 0; cell < cellLines; ++cell) {
        const std::optional<std::string_view> value = lines_.Next(kMaxCellLine);
        if (!value) return false;
        record.SetCell(cell, *value);
      }
      for (int cell = cellLines; cell < DSNode::kCellCount; ++cell) record.SetCell(cell, ".");
      if (section.list == ListId::Report)
        for (int extra = 0; extra < 2; ++extra)
          if (!lines_.Next(kMaxTextLine)) return false;
      list.AddSorted(record);
    }
  }

  Competition& competition_;
  LineReader lines_;
  Dialogs& dialogs_;
};

}  // namespace

bool ReadOldStructure(Competition& competition, std::string_view text, Dialogs& dialogs) {
  return OldCompetitionReader(competition, text, dialogs).Read();
}

}  // namespace quenchel
