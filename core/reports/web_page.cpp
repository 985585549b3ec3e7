#include "reports/web_page.h"

#include <charconv>
#include <filesystem>

#include "file/atomic_file.h"
#include "platform/dialogs.h"
#include "print/grid.h"
#include "reports/report_cells.h"
#include "reports/web_text.h"
#include "setup/colour_tables.h"
#include "shell/product.h"
#include "store/competition.h"
#include "store/record.h"

namespace quenchel {
namespace {

constexpr std::string_view kKeyEnd = "End";

// The font size and the heading sizes 4 pixels larger and smaller. A size that is not a
// whole number cannot be offset: the larger size is then "4" and the smaller the size as
// it stands.
struct FontSizes {
  std::string text, larger, smaller;
};

FontSizes SizesFrom(std::string_view size) {
  int value = 0;
  const char* end = size.data() + size.size();
  const auto [stop, error] = std::from_chars(size.data(), end, value);
  const bool whole = !size.empty() && error == std::errc{} && stop == end;
  const std::string text(size);
  if (!whole) return {text, "4", text};
  return {text, std::to_string(value + 4), std::to_string(value - 4)};
}

struct RuleParts {
  std::string_view h1Middle, h1End, h2Middle, pMiddle, pEnd;
};

// The h1, h2 and p rules differ only in their middle and end texts for each combination
// of weight and slant; h2 always ends "px; } ".
RuleParts RulesFor(bool bold, bool italic) {
  if (!bold && !italic)
    return {"; font-style : normal; font-weight: normal;    font-size: ", "px; } ",
            "; font-style : normal; font-weight: normal;     font-size: ",
            "; font-style : normal; font-weight: normal;    font-size: ", "px; } "};
  if (!bold)
    return {";  font-style : italic; font-weight: normal;    font-size: ", "px;  } ",
            ";  font-style : italic; font-weight: normal;    font-size: ",
            ";  font-style : italic; font-weight: normal;    font-size: ", "px;  } "};
  if (!italic)
    return {"; font-style : normal;  font-weight: bold;    font-size: ", "px;} ",
            "; font-style : normal;  font-weight: bold;    font-size: ",
            "; font-style : normal;  font-weight: bold;    font-size: ", "px; } "};
  return {"; font-style : italic;  font-weight: bold;    font-size: ", "px;  } ",
          "; font-style : italic;  font-weight: bold;    font-size: ",
          "; font-style : italic;  font-weight: bold;    font-size: ", "px; } "};
}

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view part : parts) out += part;
  return out;
}

// A row spanning the whole table: "<tr>", the opening cell, the content, "</tr>".
void AddSpanningRow(WebPageLines& lines, std::string_view columnSpan, std::string content) {
  lines.emplace_back("<tr>");
  lines.push_back(Concat({"<td colspan=\"", columnSpan, "\">"}));
  lines.push_back(std::move(content));
  lines.emplace_back("</tr>");
}

std::string CellLine(std::string_view text, int column, int columnCount) {
  if (text.empty()) return "<td><p>&nbsp;</p></td>";
  const std::string escaped = HtmlText(text);
  if (column == 0) return Concat({"<td><p>&nbsp;&nbsp;", escaped, "</p></td>"});
  if (column == 2 || column == columnCount - 1) return Concat({"<td><p>", escaped, "&nbsp;&nbsp;</p></td>"});
  return Concat({"<td><p>", escaped, "&nbsp;</p></td>"});
}

}  // namespace

WebPageLines BuildReportWebPage(const Grid& results, const ReportPageSource& source) {
  const DSNode& report = source.report;
  const std::string textColour(TextColourCode(report.Cell(report_cell::kWebTextColour)));
  const std::string backColour(BackgroundColourCode(report.Cell(report_cell::kWebBackgroundColour)));
  const FontSizes size = SizesFrom(report.Cell(report_cell::kWebFontSize));
  const RuleParts rules = RulesFor(!report.CellIs(report_cell::kWebWeight, "Normal"),
                                   !report.CellIs(report_cell::kWebItalic, "Italic OFF"));
  const int columnCount = results.ColCount();
  const std::string columnSpan = std::to_string(columnCount);
  const std::string reportTitle = HtmlText(report.Cell(report_cell::kTitle));

  WebPageLines lines;
  lines.emplace_back("<!DOCTYPE html>");
  lines.emplace_back("<html>");
  lines.emplace_back("<head>");
  lines.emplace_back("<meta charset=\"utf-8\">");
  lines.push_back(Concat({"<Title>", reportTitle, "</title>"}));
  lines.emplace_back(
      "<meta name=\"keywords\" content=\"QUENCHEL,Farriery,Competition,Results,Schedule,Score\"> ");
  lines.emplace_back("<meta name=\"description\" content=\"Farriery Competition Results Produced by QUENCHEL\">  ");
  lines.emplace_back("<style>");
  lines.push_back(Concat({"html *{ font-family:", HtmlText(report.Cell(report_cell::kWebFontName)), "; margin:0;}"}));
  lines.push_back(Concat({"h1{color : #", textColour, rules.h1Middle, size.larger, rules.h1End}));
  lines.push_back(Concat({"h2{color : #", textColour, rules.h2Middle, size.smaller, "px; } "}));
  lines.push_back(Concat({"p {color : #", textColour, rules.pMiddle, size.text, rules.pEnd}));
  lines.push_back(Concat({"h3{color : #", textColour,
                          "; font-style : normal; font-weight: normal;     font-size: ", size.text,
                          "px; padding-left: 100px;} "}));
  lines.push_back(Concat({"Body{background-color: #", backColour, ";}"}));
  lines.emplace_back("</style>");
  lines.emplace_back("</head>");
  lines.emplace_back("<body>");
  lines.emplace_back(
      "<table padding-top= 0px; padding-bottom= 0px; border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
      "height=\"30%\"  width=\"100%\"> ");

  AddSpanningRow(lines, columnSpan,
                 Concat({"<h1 Font-size: ", size.larger, "px; align=\"center\">", HtmlText(source.competitionTitle),
                         "</h1></td>"}));
  AddSpanningRow(lines, columnSpan, Concat({"<h1 align=\"center\">", reportTitle, "</h1></td>"}));
  AddSpanningRow(lines, columnSpan,
                 Concat({"<h1 align=\"center\">", HtmlText(report.Cell(report_cell::kSponsor)), "</h1></td>"}));
  AddSpanningRow(lines, columnSpan,
                 Concat({"<h2 Font-size: ", size.larger, "px; align=\"center\">",
                         HtmlText(report.Cell(report_cell::kTieBreakMessage)), "</h2></td>"}));

  for (int row = 0; row < results.RowCount(); ++row) {
    lines.emplace_back("<tr>");
    for (int column = 0; column < columnCount; ++column)
      lines.push_back(CellLine(results.Cell(column, row), column, columnCount));
    lines.emplace_back("</tr>");
  }

  // Each key line opens a row that the next key line, or the closing block, ends.
  if (report.CellIs(report_cell::kLetterHeadings, "Y")) {
    lines.emplace_back("<tr><td><p> &nbsp;</p></td>");
    lines.emplace_back("</tr>");
    for (const std::string& key : source.keyLines) {
      if (key == kKeyEnd) break;
      lines.emplace_back("<tr><td><p>");
      lines.emplace_back("<tr>");
      lines.push_back(Concat({"<td colspan=\"", columnSpan, "\">"}));
      lines.push_back(Concat({"<h3 align=\"left\">", HtmlText(key), "</h3></td>"}));
    }
  }

  WriteWebPageClosingRows(lines, static_cast<int>(lines.size()), columnCount, source.created);
  lines.emplace_back("</table>");
  lines.emplace_back("</body>");
  lines.emplace_back("</html>");
  return lines;
}

std::optional<WebPageLines> BuildReportWebPage(Competition& competition, const Grid& results,
                                               std::span<const std::string> keyLines,
                                               const LocalDateTime& created) {
  const DSNode* report = competition.ReportList.FindKey(std::to_string(competition.state.ActiveReport));
  if (report == nullptr) return std::nullopt;
  competition.SetStatus("Finished Loading Reports");
  return BuildReportWebPage(results, {*report, competition.state.CompetitionTitle, keyLines, created});
}

int WriteWebPageClosingRows(WebPageLines& lines, int nextIndex, int columnCount, const LocalDateTime& created) {
  WebPageLines block;
  const std::string columnSpan = std::to_string(columnCount);
  AddSpanningRow(block, columnSpan, "<h2 align=\"center\">_____________________________________________</h2></td>");
  AddSpanningRow(block, columnSpan,
                 Concat({"<h2 align=\"center\">File created : ", FormatDateTime(created), "</h2></td>"}));
  AddSpanningRow(block, columnSpan,
                 Concat({"<h2 align=\"center\">", kProductName, "      ", kVersion, "</h2></td>"}));
  AddSpanningRow(block, columnSpan, "<h2 align=\"center\">&nbsp;</h2></td>");

  const auto first = static_cast<std::size_t>(nextIndex < 0 ? 0 : nextIndex);
  if (lines.size() < first + block.size()) lines.resize(first + block.size());
  for (std::size_t i = 0; i < block.size(); ++i) lines[first + i] = std::move(block[i]);
  return static_cast<int>(first + block.size());
}

int SaveWebPage(Competition& competition, Dialogs& dialogs, FileWriter& writer, std::string_view fileName,
                const WebPageLines& lines) {
  competition.SetStatus("Saving HTML ......");
  std::string path(fileName);
  if (std::filesystem::path(path).extension().empty()) path += kWebPageExtension;

  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  if (!writer.WriteWholeFile(path, bytes).ok) {
    dialogs.ShowInfo("Save Error", "Unable to save as HTML");
    competition.SetStatus("Unable to Save as HTML");
    return 0;
  }
  competition.SetStatus("");
  return 1;
}

}  // namespace quenchel
