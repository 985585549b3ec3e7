#include "file/competition_file.h"

#include <optional>

#include "file/file_format.h"
#include "file/line_reader.h"
#include "file/reader_parts.h"
#include "platform/dialogs.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// Report records get the defaults of the cells that older versions left empty.
void CorrectReportRecord(DSNode& record) {
  static constexpr std::pair<int, std::string_view> kDefaults[] = {
      {11, "Arial Narrow"}, {12, "10"},   {13, "Black"},        {14, "Yellow Light"}, {18, "Italic OFF"},
      {19, "Bold"},         {22, "Arial Narrow"}, {23, "20"}};
  for (const auto& [cell, value] : kDefaults)
    if (record.Cell(cell).empty()) record.SetCell(cell, value);
  if (record.Cell(20).size() < 40) record.SetCell(20, std::string(41, 'N'));
}

// Header lines 12 to 15 once held the placeholders "2" to "5"; those, and empty lines,
// stand for the default.
std::string WebSetting(std::string_view line, std::string_view placeholder, std::string_view fallback) {
  if (line.empty() || line == placeholder) return std::string(fallback);
  return std::string(line);
}

class CompetitionReader {
 public:
  CompetitionReader(Competition& competition, std::string_view text, Dialogs& dialogs)
      : competition_(competition), lines_(text), dialogs_(dialogs) {}

  bool Read() {
    const std::optional<std::string_view> versionLine = lines_.Next(kMaxTextLine);
    if (!versionLine) return false;
    const int version = VersionNumber(*versionLine);
    competition_.state.FileFormatVersion = std::to_string(version);
    ShowVersionNotes(version);
    if (!ReadCommonHeader(lines_, competition_)) return false;
    if (version > 1 && !ReadWebHeader()) return false;

    const int sectionCount = competition_.state.FileFormatVersion == "2" ? kListCount : kVersion1Sections;
    for (int i = 0; i < sectionCount; ++i)
      if (!ReadSection(Sections()[static_cast<std::size_t>(i)])) return false;
    return true;
  }

 private:
  void ShowVersionNotes(int version) {
    if (version == 0) {
      dialogs_.ShowInfo("Warning", "File version '0' is before 2006 and not a not for the latest version of Quenchel");
      dialogs_.ShowInfo("Important!",
                        "You may have to set a date for each class before using this file.\n"
                        " Go to Set Up-->Classes and Edit Class and enter the date when requested.");
    } else if (version == 1) {
      dialogs_.ShowInfo("Please Note", "The file you are opening is an earler file version.");
    }
  }

  bool ReadWebHeader() {
    std::optional<std::string_view> line[12];
    for (auto& value : line)
      if (!(value = lines_.Next(kMaxTextLine))) return false;
    Settings& settings = competition_.settings;
    competition_.state.CompetitionTitle = std::string(*line[0]);
    settings.WebFontName = WebSetting(*line[1], "2", "Arial Narrow");
    settings.WebFontSize = WebSetting(*line[2], "3", "20");
    settings.WebFontColour = WebSetting(*line[3], "4", "Black");
    settings.WebBackColour = WebSetting(*line[4], "5", "Yellow Light");
    return true;  // lines 16 to 22 are reserved
  }

  bool ReadSection(const SectionFormat& section) {
    DSList& list = competition_.List(section.list);
    if (!lines_.Next(kMaxTextLine)) return false;  // the section line, recognised by position
    if (!section.loadingStart.empty()) competition_.SetStatus(section.loadingStart);
    for (int title = 1; title <= 3; ++title) {
      const std::optional<std::string_view> caption = lines_.Next(kMaxTextLine);
      if (!caption) return false;
      list.SetTitle(title, *caption, dialogs_);
    }

    const bool limited = section.list == ListId::Competitor;
    int steps = 0;
    int records = 0;
    while (true) {
      const std::optional<std::string_view> line = lines_.Next(kMaxTextLine);
      if (!line) return false;
      if (*line == section.endLine) return true;
      // At most 20000 competitor lines (records or stray lines) are examined.
      if (limited && ++steps > kMaxCompetitorSteps) return false;
      if (*line != section.recordLine) continue;
      for (int cell = 0; cell < kCellLines; ++cell) {
        const std::optional<std::string_view> value = lines_.Next(kMaxCellLine);
        if (!value) return false;
        scratch_.SetCell(cell, *value);
      }
      if (section.list == ListId::Report) CorrectReportRecord(scratch_);
      if (!section.loadingRecord.empty())
        competition_.SetStatus(std::string(section.loadingRecord) + std::to_string(records));
      ++records;
      list.AddSorted(scratch_);
    }
  }

  Competition& competition_;
  LineReader lines_;
  Dialogs& dialogs_;
  DSNode scratch_;
};

// The readers proper; the callers have already shown "Loading Dynamic Files......".
int ReadText(Competition& competition, std::string_view text, Dialogs& dialogs) {
  return FinishReading(competition, CompetitionReader(competition, text, dialogs).Read());
}

int ReadOldText(Competition& competition, std::string_view text, Dialogs& dialogs) {
  return FinishReading(competition, ReadOldStructure(competition, text, dialogs));
}

}  // namespace

int ReadCompetitionText(Competition& competition, std::string_view text, Dialogs& dialogs) {
  competition.SetStatus("Loading Dynamic Files......");
  return ReadText(competition, text, dialogs);
}

int LoadCompetitionFile(Competition& competition, const std::string& fileName, Dialogs& dialogs) {
  competition.SetStatus("Loading Dynamic Files......");
  const std::optional<std::string> text = ReadWholeFile(fileName);
  if (!text) {
    dialogs.ShowInfo("QUENCHEL File Loading Error", "Unable to find file : " + fileName);
    competition.SetStatus("Unable to Load Files");
    return 0;
  }
  return ReadText(competition, *text, dialogs);
}

int ReadOldCompetitionText(Competition& competition, std::string_view text, Dialogs& dialogs) {
  competition.SetStatus("Loading Dynamic Files......");
  return ReadOldText(competition, text, dialogs);
}

int LoadOldCompetitionFile(Competition& competition, const std::string& fileName, Dialogs& dialogs) {
  competition.SetStatus("Loading Dynamic Files......");
  const std::optional<std::string> text = ReadWholeFile(fileName);
  if (!text) {
    competition.SetStatus("Unable to Load Files");
    return 0;
  }
  return ReadOldText(competition, *text, dialogs);
}

}  // namespace quenchel
