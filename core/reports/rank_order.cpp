#include "reports/rank_order.h"

#include <algorithm>
#include <numeric>

namespace quenchel {
namespace {

bool Ties(const RankKey& a, const RankKey& b, bool useTieBreak) noexcept {
  return a.total == b.total && (!useTieBreak || a.tieBreak == b.tieBreak);
}

}  // namespace

std::vector<std::size_t> RankOrder(const std::vector<RankKey>& keys, bool useTieBreak, bool descending) {
  std::vector<std::size_t> order(keys.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto before = [&](std::size_t a, std::size_t b) {
    const RankKey& x = keys[a];
    const RankKey& y = keys[b];
    if (x.total != y.total) return descending ? x.total > y.total : x.total < y.total;
    if (!useTieBreak) return false;
    return descending ? x.tieBreak > y.tieBreak : x.tieBreak < y.tieBreak;
  };
  std::stable_sort(order.begin(), order.end(), before);
  return order;
}

std::vector<std::string> PlaceTexts(const std::vector<RankKey>& ranked, bool useTieBreak) {
  std::vector<std::string> places;
  places.reserve(ranked.size());
  std::size_t place = 0;
  bool tiesWithBefore = false;
  for (std::size_t i = 0; i < ranked.size(); ++i) {
    if (!tiesWithBefore) place = i + 1;
    const bool tiesWithAfter = i + 1 < ranked.size() && Ties(ranked[i], ranked[i + 1], useTieBreak);
    places.push_back(std::to_string(place) + ((tiesWithBefore || tiesWithAfter) ? "=" : " "));
    tiesWithBefore = tiesWithAfter;
  }
  return places;
}

}  // namespace quenchel
