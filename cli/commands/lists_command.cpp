#include "commands/lists_command.h"

#include <string_view>

#include "cell_escape.h"
#include "console_dialogs.h"
#include "exit_status.h"
#include "store/competition.h"

namespace quenchel {

namespace {

void WriteSetting(std::ostream& out, std::string_view name, std::string_view value) {
  out << name << '\t' << EscapeCellText(value) << '\n';
}

void WriteSetting(std::ostream& out, std::string_view name, int value) {
  WriteSetting(out, name, std::to_string(value));
}

// The settings in the order of the file header.
void WriteSettings(const Competition& competition, std::ostream& out) {
  const AppState& state = competition.state;
  const Settings& settings = competition.settings;
  WriteSetting(out, "FileFormatVersion", state.FileFormatVersion);
  WriteSetting(out, "ActiveClass", state.ActiveClass);
  WriteSetting(out, "ActiveReport", state.ActiveReport);
  WriteSetting(out, "LowestCompetitorNumber", settings.LowestCompetitorNumber);
  WriteSetting(out, "ScoreFormat", settings.ScoreFormat);
  WriteSetting(out, "PrintFontName", settings.PrintFontName);
  WriteSetting(out, "PrintFontSize", settings.PrintFontSize);
  WriteSetting(out, "LabelRows", settings.LabelRows);
  WriteSetting(out, "LabelCols", settings.LabelCols);
  WriteSetting(out, "LabelStart", settings.LabelStart);
  WriteSetting(out, "CompetitionTitle", state.CompetitionTitle);
  WriteSetting(out, "WebFontName", settings.WebFontName);
  WriteSetting(out, "WebFontSize", settings.WebFontSize);
  WriteSetting(out, "WebFontColour", settings.WebFontColour);
  WriteSetting(out, "WebBackColour", settings.WebBackColour);
}

void WriteList(std::string_view name, const DSList& list, std::ostream& out) {
  out << '[' << name << ']';
  for (int title = 1; title <= 3; ++title) out << '\t' << EscapeCellText(list.Title(title));
  out << '\n';
  for (const DSNode& record : list) {
    for (int cell = 0; cell < DSNode::kCellCount; ++cell) {
      if (cell > 0) out << '\t';
      out << EscapeCellText(record.Cell(cell));
    }
    out << '\n';
  }
}

}  // namespace

void WriteCompetitionListing(const Competition& competition, std::ostream& out) {
  WriteSettings(competition, out);
  for (const ListId id : Competition::FileOrder()) WriteList(Competition::ListName(id), competition.List(id), out);
}

int RunListsCommand(const ListsRequest& request, std::ostream& out, std::ostream& err) {
  ConsoleDialogs dialogs(err);
  Competition competition;
  if (!OpenCompetition(competition, request.file, request.structure, dialogs)) return kExitFailure;
  WriteCompetitionListing(competition, out);
  return kExitSuccess;
}

}  // namespace quenchel
