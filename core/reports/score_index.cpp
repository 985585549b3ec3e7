#include "reports/score_index.h"

#include <algorithm>
#include <tuple>

#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

ScoreIndex::ScoreIndex(Competition& competition) {
  // Competitor records by number, in list order: a number may be held by several.
  std::vector<std::vector<std::pair<int, DSNode*>>> recordsOfNumber;
  int position = 0;
  for (DSNode& competitor : competition.CompetitorList) {
    const int number = ReadInt(competitor.Cell(0));
    const auto [known, added] = numberIds_.try_emplace(number, NumberCount());
    if (added) {
      firstWithNumber_.push_back(&competitor);
      recordsOfNumber.emplace_back();
    }
    recordsOfNumber[static_cast<std::size_t>(known->second)].emplace_back(position++, &competitor);
  }
  competitorCount_ = position;

  // Score records of unknown competitors are never visited.
  for (const DSNode& score : competition.ScoreList) {
    const auto id = numberIds_.find(ReadInt(score.Cell(0)));
    if (id == numberIds_.end()) continue;
    const int classNo = ReadInt(score.Cell(1));
    for (const auto& [at, competitor] : recordsOfNumber[static_cast<std::size_t>(id->second)]) {
      entries_.push_back(Entry{classNo, at, competitor, id->second, &score});
    }
  }
  // Stable, so a competitor's scores stay in ScoreList order.
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.classNo, a.competitorPosition) < std::tie(b.classNo, b.competitorPosition);
  });
  for (std::size_t i = 0; i < entries_.size();) {
    std::size_t end = i;
    while (end < entries_.size() && entries_[end].classNo == entries_[i].classNo) ++end;
    classRanges_[entries_[i].classNo] = Range{i, end};
    i = end;
  }
}

std::span<const ScoreIndex::Entry> ScoreIndex::ScoresOf(int classNo) const {
  const auto range = classRanges_.find(classNo);
  if (range == classRanges_.end()) return {};
  return std::span<const Entry>(entries_).subspan(range->second.begin, range->second.end - range->second.begin);
}

const DSNode* ScoreIndex::Competitor(int number) const {
  const auto id = numberIds_.find(number);
  return id == numberIds_.end() ? nullptr : firstWithNumber_[static_cast<std::size_t>(id->second)];
}

}  // namespace quenchel
