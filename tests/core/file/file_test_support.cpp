#include "core/file/file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>

#include "file/atomic_file.h"
#include "file/file_format.h"

namespace quenchel::filetest {

Lines SplitLines(std::string_view text) {
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const Lines& lines, std::string_view lineEnd) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += lineEnd;
  }
  return text;
}

std::string WithCrLf(std::string_view lfText) { return JoinLines(SplitLines(lfText), "\r\n"); }

std::string WithPlatformLineEnds(std::string_view lfText) { return JoinLines(SplitLines(lfText), kLineEnd); }

std::size_t IndexOf(const Lines& lines, std::string_view line, std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i)
    if (lines[i] == line) return i;
  ADD_FAILURE() << "no line \"" << line << "\" from line " << from;
  return lines.size();
}

void AddRecordBefore(Lines& lines, std::string_view endLine, std::string_view recordLine, const Row& cells,
                     int cellLines) {
  Lines block{std::string(recordLine)};
  for (int i = 0; i < cellLines; ++i)
    block.push_back(static_cast<std::size_t>(i) < cells.size() ? cells[static_cast<std::size_t>(i)] : "");
  const std::size_t at = IndexOf(lines, endLine);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(std::min(at, lines.size())), block.begin(),
               block.end());
}

Row CellsOf(const DSNode& record) {
  Row cells;
  for (int i = 0; i < DSNode::kCellCount; ++i) cells.push_back(record.CellString(i));
  return cells;
}

std::vector<Row> RowsOf(const DSList& list) {
  std::vector<Row> rows;
  for (const DSNode& record : list) rows.push_back(CellsOf(record));
  return rows;
}

void FillEveryList(Competition& competition) {
  for (ListId id : Competition::FileOrder()) {
    DSList& list = competition.List(id);
    const std::string name(Competition::ListName(id));
    for (int r = 1; r <= 2; ++r) {
      DSNode record;
      record.SetCell(0, std::to_string(r * 10));
      for (int cell = 1; cell < DSNode::kCellCount; ++cell)
        record.SetCell(cell, name + " " + std::to_string(r) + "." + std::to_string(cell));
      list.AddSorted(record);
    }
    list.SetTitleText(1, name + " caption");
    list.SetTitleText(2, "second " + name);
    list.SetTitleText(3, "");
  }
  // Cells at their limits and bytes outside ASCII travel unchanged.
  DSNode& horse = *competition.HorseList.First();
  horse.SetCell(2, std::string(DSNode::kCellCapacity, 'h'));
  horse.SetCell(3, "  padded  ");
  horse.SetCell(4, "Caf\xE9 \x80\xFF");
  competition.ReportList.First()->SetCell(20, std::string(41, 'Y'));
  competition.ReportList.Last()->SetCell(20, std::string(40, 'N'));
  competition.UnusedList.SetTitleText(3, std::string(kMaxTextLine, 'u'));

  Settings& settings = competition.settings;
  settings.LowestCompetitorNumber = 100;
  settings.ScoreFormat = "%6.2f";
  settings.PrintFontName = "Times New Roman";
  settings.PrintFontSize = "10";
  settings.WebFontName = "2Tone";
  settings.WebFontSize = "30";
  settings.WebFontColour = "4 Greens";
  settings.WebBackColour = "5 Shades";
  settings.LabelRows = 8;
  settings.LabelCols = 2;
  settings.LabelStart = 5;
  competition.state.ActiveClass = 3;
  competition.state.ActiveReport = 2;
  competition.state.CompetitionTitle = "County Show 2024";
}

void OneRecordInEveryList(Competition& competition) {
  for (ListId id : Competition::FileOrder())
    competition.List(id).AddSorted(MakeRecord({"1", Competition::ListName(id), "x"}));
}


void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string FixturePath(std::string_view name) {
  return (std::filesystem::path(QUENCHEL_TEST_DATA) / "file" / name).string();
}

std::string ReadFixture(std::string_view name) {
  const std::optional<std::string> bytes = ReadWholeFile(FixturePath(name));
  if (!bytes) ADD_FAILURE() << "missing golden file " << FixturePath(name);
  return bytes.value_or("");
}

}  // namespace quenchel::filetest
