#include "reports/report_ranking.h"

#include <algorithm>
#include <string>
#include <vector>

#include "print/grid.h"
#include "reports/rank_order.h"
#include "store/values.h"

namespace quenchel {
namespace {

// Each key cell is read once. A table of one row is not compared with anything, so its
// cells are not read at all.
std::vector<RankKey> ReadKeys(const Grid& grid, int totalColumn, int tieBreakColumn, Dialogs& dialogs) {
  std::vector<RankKey> keys;
  const int last = grid.RowCount() - 1;
  if (last < 2) return std::vector<RankKey>(static_cast<std::size_t>(std::max(last, 0)));
  keys.reserve(static_cast<std::size_t>(last));
  for (int row = 1; row <= last; ++row) {
    RankKey key;
    key.total = ScoreValue(grid.Cell(totalColumn, row), dialogs);
    if (tieBreakColumn != 0) key.tieBreak = ScoreValue(grid.Cell(tieBreakColumn, row), dialogs);
    keys.push_back(key);
  }
  return keys;
}

void WritePlaces(Grid& grid, const std::vector<RankKey>& ranked, bool useTieBreak) {
  const std::vector<std::string> places = PlaceTexts(ranked, useTieBreak);
  for (std::size_t i = 0; i < places.size(); ++i) grid.SetCell(0, static_cast<int>(i) + 1, places[i]);
}

}  // namespace

void SortReportRows(Grid& grid, int totalColumn, int tieBreakColumn, std::string_view direction,
                    Dialogs& dialogs) {
  const bool useTieBreak = tieBreakColumn != 0;
  const std::vector<RankKey> keys = ReadKeys(grid, totalColumn, tieBreakColumn, dialogs);
  const std::vector<std::size_t> order = RankOrder(keys, useTieBreak, direction == "D");

  // Column 0 stays where it is; it is about to be overwritten with the places.
  std::vector<std::vector<std::string>> rows;
  rows.reserve(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    std::vector<std::string>& cells = rows.emplace_back();
    for (int column = 1; column < grid.ColCount(); ++column) {
      cells.emplace_back(grid.Cell(column, static_cast<int>(i) + 1));
    }
  }
  std::vector<RankKey> ranked;
  ranked.reserve(keys.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::vector<std::string>& cells = rows[order[i]];
    for (int column = 1; column < grid.ColCount(); ++column) {
      grid.SetCell(column, static_cast<int>(i) + 1, cells[static_cast<std::size_t>(column - 1)]);
    }
    ranked.push_back(keys[order[i]]);
  }
  WritePlaces(grid, ranked, useTieBreak);
}

void AssignPositions(Grid& grid, int totalColumn, int tieBreakColumn, Dialogs& dialogs) {
  WritePlaces(grid, ReadKeys(grid, totalColumn, tieBreakColumn, dialogs), tieBreakColumn != 0);
}

}  // namespace quenchel
