#include "reports/report_ranking.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted_dialogs.h"
#include "print/grid.h"
#include "report_fixture.h"

namespace quenchel {
namespace {

using quenchel::testing::ColumnOf;

// Columns: 0 place, 1 name, 2 total, 3 tie-break.
struct RankingCase {
  std::string name;
  std::string direction;
  bool withTieBreak;
  std::vector<std::vector<std::string>> entries;  // name, total, tie-break
  std::vector<std::string> expectedNames;
  std::vector<std::string> expectedPlaces;
};

class RankingTest : public ::testing::TestWithParam<RankingCase> {};

TEST_P(RankingTest, SortsAndPlaces) {
  const RankingCase& c = GetParam();
  Grid grid(4, static_cast<int>(c.entries.size()) + 1);
  for (int row = 1; row < grid.RowCount(); ++row) {
    const auto& entry = c.entries[static_cast<std::size_t>(row - 1)];
    grid.SetCell(0, row, "stale");
    for (int column = 1; column <= 3; ++column) grid.SetCell(column, row, entry[static_cast<std::size_t>(column - 1)]);
  }
  ScriptedDialogs dialogs;
  SortReportRows(grid, 2, c.withTieBreak ? 3 : 0, c.direction, dialogs);
  EXPECT_EQ(ColumnOf(grid, 1), c.expectedNames);
  EXPECT_EQ(ColumnOf(grid, 0), c.expectedPlaces);
  EXPECT_TRUE(dialogs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reports, RankingTest,
    ::testing::Values(
        RankingCase{"SharedPlaceSkipsNext", "D", false, {{"a", "8.0", ""}, {"b", "10.0", ""}, {"c", "10.0", ""}},
                    {"b", "c", "a"}, {"1=", "1=", "3 "}},
        RankingCase{"AscendingShared", "A", false, {{"a", "7", ""}, {"b", "5", ""}, {"c", "5", ""}},
                    {"b", "c", "a"}, {"1=", "1=", "3 "}},
        RankingCase{"SharedPlacesLater", "D", false,
                    {{"a", "9", ""}, {"b", "10", ""}, {"c", "9", ""}, {"d", "9", ""}},
                    {"b", "a", "c", "d"}, {"1 ", "2=", "2=", "2="}},
        RankingCase{"SingleEntryOfZero", "D", false, {{"a", "   0.0", ""}}, {"a"}, {"1 "}},
        RankingCase{"DescendingTieBreakHigherFirst", "D", true, {{"a", "10", "3"}, {"b", "10", "5"}},
                    {"b", "a"}, {"1 ", "2 "}},
        RankingCase{"AscendingTieBreakLowerFirst", "A", true, {{"a", "10", "5"}, {"b", "10", "3"}},
                    {"b", "a"}, {"1 ", "2 "}},
        RankingCase{"EqualTieBreakShares", "D", true, {{"a", "10", "4"}, {"b", "10", "4"}, {"c", "11", "0"}},
                    {"c", "a", "b"}, {"1 ", "2=", "2="}},
        RankingCase{"TieBreakIgnoredWithoutColumn", "D", false, {{"a", "10", "3"}, {"b", "10", "5"}},
                    {"a", "b"}, {"1=", "1="}}),
    [](const ::testing::TestParamInfo<RankingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace quenchel
