#pragma once
// Synthetic competitions of any size for the benchmarks: every competitor is entered in
// a few of the classes, each entry with its score and schedule record, and the classes
// carry their field titles, rounds, forges and horses; a few teams, reports, a batch and
// a label layout complete the file. The same shape always gives the same competition.

namespace quenchel {

class Competition;

struct SyntheticShape {
  int competitors = 1000;
  int classes = 10;
  int classesPerCompetitor = 4;  // at most `classes`
  int roundsPerClass = 8;
  int teams = 8;
  int reports = 5;
};

// Adds the records of the shape to the (normally empty) competition, every list in key
// order, and sets the header values a saved competition carries.
void FillSyntheticCompetition(Competition& competition, const SyntheticShape& shape);

}  // namespace quenchel
