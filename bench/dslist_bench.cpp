// DSList against the literal walk-from-head list, on the records of synthetic
// competitions: score records (competitor, class), four per competitor, in the order a
// saved file holds them.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "store/competition.h"
#include "store/dslist.h"
#include "support/literal_dslist.h"
#include "synthetic_competition.h"

namespace quenchel {
namespace {

using literal::LiteralList;

constexpr int kClassesPerCompetitor = 4;

struct EntryRecords {
  std::vector<DSNode> scores;     // ScoreList records in file order
  std::vector<DSNode> schedules;  // ScheduleList records in file order
};

// The entry records of a synthetic competition with the given number of competitors.
const EntryRecords& Entries(int competitors) {
  static std::map<int, EntryRecords> made;
  EntryRecords& entries = made[competitors];
  if (entries.scores.empty()) {
    Competition competition;
    FillSyntheticCompetition(competition, SyntheticShape{.competitors = competitors});
    for (const DSNode& record : competition.ScoreList) entries.scores.push_back(record);
    for (const DSNode& record : competition.ScheduleList) entries.schedules.push_back(record);
  }
  return entries;
}

// The first `count` score records, in key order with four records to a key.
std::vector<DSNode> ScoreRecords(int count) {
  const std::vector<DSNode>& all = Entries((count + kClassesPerCompetitor - 1) / kClassesPerCompetitor).scores;
  return {all.begin(), all.begin() + count};
}

template <class List>
void BM_AddSortedInKeyOrder(benchmark::State& state) {
  const std::vector<DSNode> records = ScoreRecords(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto list = std::make_unique<List>();
    state.ResumeTiming();
    for (const DSNode& record : records) benchmark::DoNotOptimize(&list->AddSorted(record));
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}

// One look-up by (competitor, class) per iteration, over every record in shuffled order.
template <class List>
void BM_Find2(benchmark::State& state) {
  const std::vector<DSNode> records = ScoreRecords(static_cast<int>(state.range(0)));
  List list;
  for (const DSNode& record : records) list.AddSorted(record);
  std::vector<DSNode> patterns = records;
  std::shuffle(patterns.begin(), patterns.end(), std::mt19937(7));
  std::size_t next = 0;
  for (auto _ : state) {
    DSNode* found = list.Find2(patterns[next]);
    if (found == nullptr) {
      state.SkipWithError("a stored record was not found");
      break;
    }
    benchmark::DoNotOptimize(found);
    if (++next == patterns.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// What reading a file and opening the schedule does to the two entry lists: every score
// and schedule record added in file order, then each schedule record paired with its
// score record.
template <class List>
void BM_LoadLike(benchmark::State& state) {
  const EntryRecords& entries = Entries(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto scores = std::make_unique<List>();
    auto schedules = std::make_unique<List>();
    state.ResumeTiming();
    for (const DSNode& record : entries.scores) scores->AddSorted(record);
    for (const DSNode& record : entries.schedules) schedules->AddSorted(record);
    int paired = 0;
    for (const DSNode& record : entries.schedules) paired += scores->Find2(record) != nullptr ? 1 : 0;
    state.PauseTiming();
    if (paired != static_cast<int>(entries.schedules.size())) {
      state.SkipWithError("a schedule record had no score record");
      break;
    }
    scores.reset();
    schedules.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() *
                          static_cast<std::int64_t>(entries.scores.size() + 2 * entries.schedules.size()));
}

// The literal list walks the whole chain for every record appended, so its largest
// load-like run (80,000 records per list) is left out: it would take minutes.
BENCHMARK_TEMPLATE(BM_AddSortedInKeyOrder, DSList)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_AddSortedInKeyOrder, LiteralList)
    ->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Find2, DSList)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Find2, LiteralList)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_LoadLike, DSList)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_LoadLike, LiteralList)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenchel

BENCHMARK_MAIN();
