#include "reports/web_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "file/atomic_file.h"
#include "platform/scripted_dialogs.h"
#include "print/grid.h"
#include "reports/web_text.h"
#include "setup/colour_tables.h"
#include "store/competition.h"
#include "support/temp_folder.h"

namespace quenchel {
namespace {

using testsupport::TempFolder;

const LocalDateTime kCreated{2026, 5, 9, 14, 3, 7};

// The fixture's lines; it may be checked out with LF or CR LF.
WebPageLines FixtureLines(const std::string& name) {
  const auto text = ReadWholeFile(std::string(QUENCHEL_TEST_DATA) + "/web/" + name);
  EXPECT_TRUE(text.has_value()) << name;
  WebPageLines lines;
  std::string line;
  for (const char c : text.value_or("")) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

Grid MakeGrid(const std::vector<std::vector<std::string>>& rows) {
  Grid grid(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetCell(c, r, rows[r][c]);
  return grid;
}

// A report record with plain upright text and letter headings.
DSNode MakeReport() {
  DSNode report;
  report.SetCell(0, "3");
  report.SetCell(1, "FINAL");
  report.SetCell(2, "Shoeing Final");
  report.SetCell(3, "Ties broken on A");
  report.SetCell(4, "Sponsored by Anvil Co");
  report.SetCell(10, "Y");
  report.SetCell(13, "Red");
  report.SetCell(14, "Grey Light");
  report.SetCell(18, "Italic OFF");
  report.SetCell(19, "Normal");
  report.SetCell(22, "Verdana");
  report.SetCell(23, "20");
  return report;
}

const Grid kSmallResults = MakeGrid({{"Place", "Name", "   A ", "Total"},
                                     {"1st", "J Brown", "12.0", "12.0"},
                                     {"", "K Green", "", "9.5"}});
const std::vector<std::string> kSmallKey = {"Key to Score fields", "   A - Open - Feet", "End"};

bool HasLine(const WebPageLines& lines, std::string_view line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ReportWebPage, SmallReportGivesTheFixturePage) {
  Competition competition;
  competition.state.CompetitionTitle = "Spring Show";
  competition.state.ActiveReport = 3;
  competition.ReportList.AddSorted(MakeReport());

  const auto page = BuildReportWebPage(competition, kSmallResults, kSmallKey, kCreated);

  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(*page, FixtureLines("small-report.htm"));
  EXPECT_EQ(competition.StatusText(), "Finished Loading Reports");
}

TEST(ReportWebPage, NoReportWithTheActiveNumberBuildsNothing) {
  Competition competition;
  competition.state.ActiveReport = 4;
  competition.ReportList.AddSorted(MakeReport());
  competition.SetStatus("Ready");

  EXPECT_FALSE(BuildReportWebPage(competition, kSmallResults, kSmallKey, kCreated).has_value());
  EXPECT_EQ(competition.StatusText(), "Ready");
}

TEST(ReportWebPage, InsertedTextsAreEscaped) {
  DSNode report = MakeReport();
  report.SetCell(2, "Smith & Sons");
  report.SetCell(3, "Ties \"broken\"");
  report.SetCell(4, "<b>Sponsor</b>");
  report.SetCell(22, "Arial</style><b>");  // the font name cannot close the style sheet
  const Grid results = MakeGrid({{"Place", "Name", "Total"}, {"1st", "Smith & Sons", "<b>"}});
  const std::vector<std::string> key = {"Key to Score fields", "   A - A&B - <i>", "End"};

  const WebPageLines page = BuildReportWebPage(results, {report, "Show <1> & \"2\"", key, kCreated});

  EXPECT_TRUE(HasLine(page, "<Title>Smith &amp; Sons</title>"));
  EXPECT_TRUE(HasLine(page, "<h1 Font-size: 24px; align=\"center\">Show &lt;1&gt; &amp; &quot;2&quot;</h1></td>"));
  EXPECT_TRUE(HasLine(page, "<h1 align=\"center\">Smith &amp; Sons</h1></td>"));
  EXPECT_TRUE(HasLine(page, "<h1 align=\"center\">&lt;b&gt;Sponsor&lt;/b&gt;</h1></td>"));
  EXPECT_TRUE(HasLine(page, "<h2 Font-size: 24px; align=\"center\">Ties &quot;broken&quot;</h2></td>"));
  EXPECT_TRUE(HasLine(page, "<td><p>Smith &amp; Sons&nbsp;</p></td>"));
  EXPECT_TRUE(HasLine(page, "<td><p>&lt;b&gt;&nbsp;&nbsp;</p></td>"));
  EXPECT_TRUE(HasLine(page, "<h3 align=\"left\">   A - A&amp;B - &lt;i&gt;</h3></td>"));
  EXPECT_TRUE(HasLine(page, "html *{ font-family:Arial&lt;/style&gt;&lt;b&gt;; margin:0;}"));
}

TEST(ReportWebPage, AccentedTextIsWrittenInUtf8) {
  DSNode report = MakeReport();
  report.SetCell(22, "Segoe \x96 UI");
  const Grid results = MakeGrid({{"Place", "Name"}, {"1st", "Jos\xE9 Mu\xF1oz"}});

  const WebPageLines page = BuildReportWebPage(results, {report, "F\xEAte \x80 5", kSmallKey, kCreated});

  EXPECT_EQ(page[3], "<meta charset=\"utf-8\">");
  EXPECT_TRUE(HasLine(page, "<td><p>Jos\xC3\xA9 Mu\xC3\xB1oz&nbsp;&nbsp;</p></td>"));
  EXPECT_TRUE(HasLine(page, "<h1 Font-size: 24px; align=\"center\">F\xC3\xAAte \xE2\x82\xAC 5</h1></td>"));
  EXPECT_TRUE(HasLine(page, "html *{ font-family:Segoe \xE2\x80\x93 UI; margin:0;}"));
}

TEST(WebText, Cp1252BytesBecomeUtf8) {
  const struct {
    std::string cp1252, utf8;
  } cases[] = {
      {"Plain ASCII ~", "Plain ASCII ~"},
      {"\xE9", "\xC3\xA9"},          // é, Latin-1
      {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
      {"\x80", "\xE2\x82\xAC"},      // euro sign
      {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},
      {"\x93\x94", "\xE2\x80\x9C\xE2\x80\x9D"},
      {"\x99", "\xE2\x84\xA2"},
      {"\x81\x9D", "\xC2\x81\xC2\x9D"},  // unassigned: kept as Latin-1
  };
  for (const auto& c : cases) EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.cp1252;
  EXPECT_EQ(EscapeHtml("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
}

TEST(ReportWebPage, WeightSlantAndSizeChooseTheStyleRules) {
  const struct {
    std::string weight, italic, size;
    std::string h1, h2, p;
  } cases[] = {
      {"Normal", "Italic ON", "12",
       "h1{color : #FF0000;  font-style : italic; font-weight: normal;    font-size: 16px;  } ",
       "h2{color : #FF0000;  font-style : italic; font-weight: normal;    font-size: 8px; } ",
       "p {color : #FF0000;  font-style : italic; font-weight: normal;    font-size: 12px;  } "},
      {"Bold", "Italic OFF", "20",
       "h1{color : #FF0000; font-style : normal;  font-weight: bold;    font-size: 24px;} ",
       "h2{color : #FF0000; font-style : normal;  font-weight: bold;    font-size: 16px; } ",
       "p {color : #FF0000; font-style : normal;  font-weight: bold;    font-size: 20px; } "},
      {"Bold", "Italic ON", "", "h1{color : #FF0000; font-style : italic;  font-weight: bold;    font-size: 4px;  } ",
       "h2{color : #FF0000; font-style : italic;  font-weight: bold;    font-size: px; } ",
       "p {color : #FF0000; font-style : italic;  font-weight: bold;    font-size: px; } "},
      {"Normal", "Italic OFF", "1.5", "h1{color : #FF0000; font-style : normal; font-weight: normal;    font-size: 4px; } ",
       "h2{color : #FF0000; font-style : normal; font-weight: normal;     font-size: 1.5px; } ",
       "p {color : #FF0000; font-style : normal; font-weight: normal;    font-size: 1.5px; } "},
  };
  for (const auto& c : cases) {
    DSNode report = MakeReport();
    report.SetCell(19, c.weight);
    report.SetCell(18, c.italic);
    report.SetCell(23, c.size);
    const WebPageLines page = BuildReportWebPage(kSmallResults, {report, "Show", kSmallKey, kCreated});
    SCOPED_TRACE(c.weight + " / " + c.italic + " / " + c.size);
    EXPECT_EQ(page[9], c.h1);
    EXPECT_EQ(page[10], c.h2);
    EXPECT_EQ(page[11], c.p);
  }
}

TEST(WebColours, NamesGiveCodesAndUnknownNamesTheDefaults) {
  EXPECT_EQ(TextColourCode("Yellow"), "FFFF00");
  EXPECT_EQ(TextColourCode("Grey"), "808080");
  EXPECT_EQ(TextColourCode("White"), "FFFFFF");
  EXPECT_EQ(TextColourCode("black"), "000000");   // names are case-sensitive
  EXPECT_EQ(TextColourCode("Purple"), "000000");
  EXPECT_EQ(BackgroundColourCode("Yellow Light"), "FFFF99");
  EXPECT_EQ(BackgroundColourCode("BLack"), "000000");
  EXPECT_EQ(BackgroundColourCode("Black"), "FFFFFF");  // the table spells it "BLack"
  EXPECT_EQ(BackgroundColourCode(""), "FFFFFF");

  DSNode report = MakeReport();
  report.SetCell(13, "Yellow");
  report.SetCell(14, "Yellow Light");
  const WebPageLines page = BuildReportWebPage(kSmallResults, {report, "Show", kSmallKey, kCreated});
  EXPECT_EQ(page[12], "h3{color : #FFFF00; font-style : normal; font-weight: normal;     font-size: 20px; padding-left: 100px;} ");
  EXPECT_EQ(page[13], "Body{background-color: #FFFF99;}");
}

TEST(ReportWebPage, FieldTitleHeadingsWriteNoKeyAndThreeColumnsEndInTwoSpaces) {
  DSNode report = MakeReport();
  report.SetCell(10, "N");
  const Grid results = MakeGrid({{"Place", "Name", "Total"}, {"1st", "J Brown", "12.0"}});

  const WebPageLines page = BuildReportWebPage(results, {report, "Show", kSmallKey, kCreated});

  const auto lastCell = std::find(page.begin(), page.end(), "<td><p>12.0&nbsp;&nbsp;</p></td>");
  ASSERT_NE(lastCell, page.end());
  ASSERT_GT(page.end() - lastCell, 4);
  EXPECT_EQ(*(lastCell + 1), "</tr>");
  EXPECT_EQ(*(lastCell + 2), "<tr>");
  EXPECT_EQ(*(lastCell + 3), "<td colspan=\"3\">");
  EXPECT_EQ(*(lastCell + 4), "<h2 align=\"center\">_____________________________________________</h2></td>");
  EXPECT_FALSE(HasLine(page, "<tr><td><p> &nbsp;</p></td>"));
  EXPECT_EQ(page.size(), 18u + 16u + 10u + 16u + 3u);
}

TEST(ReportWebPage, LetterHeadingsWithoutLetteredColumnsWriteSpacerAndOneKeyRow) {
  const std::vector<std::string> key = {"Key to Score fields", "End", "After the end"};
  const WebPageLines page = BuildReportWebPage(kSmallResults, {MakeReport(), "Show", key, kCreated});

  EXPECT_TRUE(HasLine(page, "<tr><td><p> &nbsp;</p></td>"));
  EXPECT_EQ(std::count(page.begin(), page.end(), "<tr><td><p>"), 1);
  EXPECT_FALSE(HasLine(page, "<h3 align=\"left\">After the end</h3></td>"));
}

TEST(WebPageClosingRows, WritesSixteenLinesAtTheIndexAndReturnsTheNext) {
  WebPageLines lines = {"first", "second", "replaced"};

  EXPECT_EQ(WriteWebPageClosingRows(lines, 2, 7, {2025, 12, 31, 23, 59, 58}), 18);

  const WebPageLines block = {"<tr>", "<td colspan=\"7\">",
                              "<h2 align=\"center\">_____________________________________________</h2></td>", "</tr>",
                              "<tr>", "<td colspan=\"7\">",
                              "<h2 align=\"center\">File created : 31/12/2025 23:59:58</h2></td>", "</tr>",
                              "<tr>", "<td colspan=\"7\">", "<h2 align=\"center\">QUENCHEL       v3.0.0</h2></td>",
                              "</tr>", "<tr>", "<td colspan=\"7\">", "<h2 align=\"center\">&nbsp;</h2></td>", "</tr>"};
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[1], "second");
  EXPECT_EQ(WebPageLines(lines.begin() + 2, lines.end()), block);
}

TEST(SaveWebPage, WritesCrLfLinesAndReplacesTheFile) {
  TempFolder folder;
  Competition competition;
  ScriptedDialogs dialogs;
  const std::string path = folder.File("results.htm");

  EXPECT_EQ(SaveWebPage(competition, dialogs, DefaultFileWriter(), path, {"old", "page"}), 1);
  EXPECT_EQ(SaveWebPage(competition, dialogs, DefaultFileWriter(), path, {"<html>", "", "</html>"}), 1);

  EXPECT_EQ(ReadWholeFile(path), "<html>\r\n\r\n</html>\r\n");
  EXPECT_EQ(competition.StatusText(), "");
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"results.htm"});
}

TEST(SaveWebPage, NameWithoutExtensionGetsHtm) {
  TempFolder folder;
  Competition competition;
  ScriptedDialogs dialogs;

  EXPECT_EQ(SaveWebPage(competition, dialogs, DefaultFileWriter(), folder.File("FINAL"), {"</html>"}), 1);

  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"FINAL.htm"});
}

TEST(SaveWebPage, UnwritablePathIsReportedAndLeavesNothing) {
  TempFolder folder;
  Competition competition;
  ScriptedDialogs dialogs;
  const std::string path = folder.File("no-such-folder/results.htm");

  EXPECT_EQ(SaveWebPage(competition, dialogs, DefaultFileWriter(), path, {"<html>", "</html>"}), 0);

  EXPECT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.CountShown("Save Error", "Unable to save as HTML"), 1);
  EXPECT_EQ(competition.StatusText(), "Unable to Save as HTML");
  EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace
}  // namespace quenchel
