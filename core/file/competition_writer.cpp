#include "file/competition_file.h"

#include <algorithm>

#include "file/file_format.h"
#include "platform/dialogs.h"
#include "store/competition.h"

namespace quenchel {

namespace {

class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}

  // Free texts (header values, captions) are cut to what the reader accepts, and a line
  // break inside one would shift every following line, so it is written as a blank.
  void Text(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kMaxTextLine));
    const std::size_t start = out_.size();
    out_.append(text);
    std::replace_if(out_.begin() + static_cast<std::ptrdiff_t>(start), out_.end(),
                    [](char c) { return c == '\r' || c == '\n'; }, ' ');
    out_.append(kLineEnd);
  }
  void Int(int value) { Text(std::to_string(value)); }

 private:
  std::string& out_;
};

void WriteHeader(const Competition& competition, LineWriter& line) {
  const AppState& state = competition.state;
  const Settings& settings = competition.settings;
  line.Text(state.FileFormatVersion);
  line.Int(state.ActiveClass);
  line.Int(state.ActiveReport);
  line.Int(settings.LowestCompetitorNumber);
  line.Text(settings.ScoreFormat);
  line.Text(settings.PrintFontName);
  line.Text(settings.PrintFontSize);
  line.Int(settings.LabelRows);
  line.Int(settings.LabelCols);
  line.Int(settings.LabelStart);
  if (VersionNumber(state.FileFormatVersion) > 1) {
    line.Text(state.CompetitionTitle);
    line.Text(settings.WebFontName);
    line.Text(settings.WebFontSize);
    line.Text(settings.WebFontColour);
    line.Text(settings.WebBackColour);
    for (int reserved = 6; reserved <= 12; ++reserved) line.Int(reserved);
  }
}

void WriteSection(Competition& competition, const SectionFormat& section, std::string& out) {
  LineWriter line(out);
  const DSList& list = competition.List(section.list);
  line.Text(section.sectionLine);
  competition.SetStatus(section.savingStatus);
  for (int title = 1; title <= 3; ++title) line.Text(list.Title(title));
  for (const DSNode& record : list) {
    line.Text(section.recordLine);
    for (int cell = 0; cell < DSNode::kCellCount; ++cell) line.Text(record.Cell(cell));
  }
  line.Text(section.endLine);
}

}  // namespace

std::string CompetitionFileText(Competition& competition) {
  std::size_t records = 0;
  for (ListId id : Competition::FileOrder()) records += static_cast<std::size_t>(competition.List(id).Count());
  std::string out;
  out.reserve(4096 + records * 27 * 6);

  LineWriter line(out);
  WriteHeader(competition, line);
  const bool withBatches = competition.state.FileFormatVersion == "2";
  const int sectionCount = withBatches ? kListCount : kVersion1Sections;
  for (int i = 0; i < sectionCount; ++i) WriteSection(competition, Sections()[static_cast<std::size_t>(i)], out);
  line.Text(kEndOfFile);
  return out;
}

int SaveCompetitionFile(Competition& competition, const std::string& fileName, Dialogs& dialogs,
                        FileWriter& writer) {
  if (competition.state.FileFormatVersion == "1" &&
      dialogs.AskYesNo("File is an earlier version",
                       "Do you want to save with the new file structure, which saves Batch Print?"))
    competition.state.FileFormatVersion = "2";

  competition.SetStatus("Saving Dynamic Files......");
  const std::string text = CompetitionFileText(competition);
  if (!writer.WriteWholeFile(fileName, text).ok) {
    dialogs.ShowInfo("Save Error", "Unable to save Files");
    competition.SetStatus("Unable to Save Files");
    return 0;
  }
  competition.SetStatus("");
  return 1;
}

}  // namespace quenchel
