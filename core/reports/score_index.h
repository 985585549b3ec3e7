#pragma once
// The score records a results table is built from, in the order the table visits them:
// for each class, its competitors in CompetitorList order, and for each competitor the
// score records of that class in ScoreList order. Built once per computation, so the
// table does not walk every score record for every competitor.
//
// Competitor and class numbers are read as they stand when the index is built.

#include <span>
#include <unordered_map>
#include <vector>

namespace quenchel {

class Competition;
class DSNode;

class ScoreIndex {
 public:
  struct Entry {
    int classNo = 0;
    int competitorPosition = 0;  // in CompetitorList
    DSNode* competitor = nullptr;
    int numberId = 0;  // the same for every competitor record of one number
    const DSNode* score = nullptr;
  };

  explicit ScoreIndex(Competition& competition);

  // The visits of one class, competitors in list order, their scores in list order.
  std::span<const Entry> ScoresOf(int classNo) const;
  // The first competitor record with the number, or none.
  const DSNode* Competitor(int number) const;
  // Distinct competitor numbers; each entry's numberId is below this.
  int NumberCount() const noexcept { return static_cast<int>(firstWithNumber_.size()); }
  // Competitor records; each entry's competitorPosition is below this.
  int CompetitorCount() const noexcept { return competitorCount_; }

 private:
  struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
  };

  std::vector<Entry> entries_;                 // by class, then competitor, then score
  std::unordered_map<int, Range> classRanges_;
  std::unordered_map<int, int> numberIds_;     // competitor number -> numberId
  std::vector<const DSNode*> firstWithNumber_;  // by numberId
  int competitorCount_ = 0;
};

}  // namespace quenchel
