#include "file/reader_parts.h"

#include <optional>
#include <string>

#include "file/file_format.h"
#include "file/line_reader.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

bool ReadCommonHeader(LineReader& lines, Competition& competition) {
  std::optional<std::string_view> line[9];
  for (auto& value : line)
    if (!(value = lines.Next(kMaxTextLine))) return false;
  competition.state.ActiveClass = ReadInt(*line[0]);
  competition.state.ActiveReport = ReadInt(*line[1]);
  competition.settings.LowestCompetitorNumber = ReadInt(*line[2]);
  competition.settings.ScoreFormat = std::string(line[3]->substr(0, kScoreFormatCapacity));
  competition.settings.PrintFontName = std::string(*line[4]);
  competition.settings.PrintFontSize = std::string(*line[5]);
  competition.settings.LabelRows = ReadInt(*line[6]);
  competition.settings.LabelCols = ReadInt(*line[7]);
  competition.settings.LabelStart = ReadInt(*line[8]);
  return true;
}

int FinishReading(Competition& competition, bool complete) {
  if (!complete) return 0;
  competition.state.UnsavedData = false;
  competition.SetStatus("");
  return 1;
}

}  // namespace quenchel
