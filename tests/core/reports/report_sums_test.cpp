#include "reports/report_sums.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted_dialogs.h"
#include "print/grid.h"
#include "report_fixture.h"
#include "reports/report_compute.h"
#include "store/values.h"
#include "support/literal_report.h"

namespace quenchel {
namespace {

using quenchel::testing::ReportFixture;
using quenchel::testing::RowsOf;

// A decimal text with up to `digits` digits, some after the mark, of either sign.
std::string RandomNumberText(std::mt19937& rng, int digits) {
  std::string text = rng() % 4 == 0 ? "-" : "";
  const int length = 1 + static_cast<int>(rng() % static_cast<std::uint32_t>(digits));
  const int point = static_cast<int>(rng() % static_cast<std::uint32_t>(length + 1));
  for (int i = 0; i < length; ++i) {
    if (i == point && i > 0) text += '.';
    text += static_cast<char>('0' + rng() % 10);
  }
  return text;
}

// Each addition written with the format and read back, as the table cells are.
TEST(ReportSumsTest, SumsMatchWritingAndReadingBackEveryStep) {
  const std::vector<std::string_view> formats = {"%6.1f", "%.0f", "%8.3f", "%f",  "%12.6F", "%.15f",
                                                 "%3.2f", "%.f",  "%g",    "%5.1e", "%06.1f", "%6.1f%%"};
  const std::vector<std::string> special = {"9999999999999.9", "-9999999999999.9", "4e13", "0.05", "0.15",
                                            "2.5", "-0", "1e-7", "123456789.123456789", "dnf", ""};
  std::mt19937 rng(7);
  for (const std::string_view format : formats) {
    for (int sequence = 0; sequence < 60; ++sequence) {
      ScriptedDialogs dialogs;
      TextStore texts;
      ReportSums sums(format, dialogs, texts);
      TableCell cell;
      std::string expected;  // the literal cell text
      ScriptedDialogs literalDialogs;
      for (int step = 0; step < 12; ++step) {
        const std::string raw = rng() % 5 == 0 ? special[rng() % special.size()]
                                               : RandomNumberText(rng, sequence < 30 ? 4 : 16);
        const std::string shown = FormatScore(format, raw, literalDialogs);
        expected = FormatFloat(format, ScoreValue(expected, literalDialogs) + ScoreValue(shown, literalDialogs));
        const ShownScore& value = sums.Show(raw);
        ASSERT_EQ(value.text, shown) << format << " " << raw;
        sums.Add(cell, value);
        ASSERT_EQ(sums.Text(cell), expected) << format << " after adding " << raw;
      }
      EXPECT_EQ(dialogs.Messages(), literalDialogs.Messages()) << format;
    }
  }
}

TEST(ReportSumsTest, ValuesThatAreNotNumbersAreToldEveryTimeTheyAreShown) {
  ScriptedDialogs dialogs;
  TextStore texts;
  ReportSums sums("%6.1f", dialogs, texts);
  EXPECT_EQ(sums.Show("x1").text, "   0.0");
  EXPECT_EQ(sums.Show("x1").text, "   0.0");
  EXPECT_EQ(sums.Show("7").text, "   7.0");
  EXPECT_EQ(sums.Show("7").text, "   7.0");
  EXPECT_EQ(dialogs.CountShown("Input Error", "Not a valid input"), 2);
  EXPECT_EQ(dialogs.Messages().size(), 2u);
}

// A score format that writes more than the number ("%6.1f pts") makes every written
// total unreadable. The table is the literal engine's, but where the exchange sort read
// each total again for every comparison, telling the user each time, the ranking now
// reads each total once.
class ReportSumsTableTest : public ReportFixture {};

TEST_F(ReportSumsTableTest, UnreadableTotalsAreToldOncePerRankedRow) {
  competition.settings.ScoreFormat = "%6.1f pts";
  AddClass(1, "Open");
  AddFieldTitles(1, {"Shoe"});
  AddCompetitor(501, "Ann", "Ash");
  AddCompetitor(502, "Bob", "Birch");
  AddCompetitor(503, "Cat", "Cole");
  AddScore(501, 1, {{1, "5"}});
  AddScore(502, 1, {{1, "6"}});
  AddScore(503, 1, {{1, "7"}});
  const DSNode& report = AddReport(1, "I");
  Select(1, 1, {1});

  Grid grid;
  const ReportColumns columns = BuildReportColumns(competition, grid, report);
  ComputeReport(competition, report, grid, columns, dialogs);
  ScriptedDialogs literalDialogs;
  Grid literalGrid;
  BuildReportColumns(competition, literalGrid, report);
  testsupport::LiteralComputeReport(competition, report, literalGrid, columns, literalDialogs);

  EXPECT_EQ(RowsOf(grid), RowsOf(literalGrid));
  EXPECT_EQ(grid.Cell(4, 1), "   0.0 pts");
  EXPECT_EQ(grid.Cell(0, 1), "1=");
  // One for each shown value added while filling, one for each total read to rank.
  EXPECT_EQ(dialogs.CountShown("Input Error", "Not a valid input"), 3 + 3);
  EXPECT_EQ(dialogs.Messages().size(), 6u);
  EXPECT_EQ(literalDialogs.CountShown("Input Error", "Not a valid input"), 3 + 4 + 4);
}

}  // namespace
}  // namespace quenchel
