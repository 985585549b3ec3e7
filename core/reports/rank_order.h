#pragma once
// The ranking rules of a results table, on the values already read from its total and
// tie-break cells: the order of the entries and the places they are given.

#include <cstddef>
#include <string>
#include <vector>

namespace quenchel {

struct RankKey {
  double total = 0;
  double tieBreak = 0;
};

// Indexes of `keys` in ranked order: by total (highest first when `descending`), equal
// totals by tie-break in the same direction when `useTieBreak`. Entries equal on both
// keep their order, as the exchange sort the tables were first ranked with kept it.
std::vector<std::size_t> RankOrder(const std::vector<RankKey>& keys, bool useTieBreak, bool descending);

// The place of each entry of an already ranked list: standard competition ranking
// (1, 2, 2, 4), "=" on every entry that ties with a neighbour, a blank on the others.
std::vector<std::string> PlaceTexts(const std::vector<RankKey>& ranked, bool useTieBreak);

}  // namespace quenchel
