// Reading and writing whole competition files of synthetic competitions: N competitors,
// each entered in 4 of 10 classes (4N score and 4N schedule records).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "file/competition_file.h"
#include "platform/scripted_dialogs.h"
#include "store/competition.h"
#include "synthetic_competition.h"

namespace quenchel {
namespace {

// Competitions are built once per size and kept for the whole run.
Competition& SyntheticCompetition(int competitors) {
  static std::map<int, std::unique_ptr<Competition>> made;
  std::unique_ptr<Competition>& competition = made[competitors];
  if (!competition) {
    competition = std::make_unique<Competition>();
    FillSyntheticCompetition(*competition, SyntheticShape{.competitors = competitors});
  }
  return *competition;
}

const std::string& SyntheticFileText(int competitors) {
  static std::map<int, std::string> texts;
  std::string& text = texts[competitors];
  if (text.empty()) text = CompetitionFileText(SyntheticCompetition(competitors));
  return text;
}

void ReturnFreeMemoryToSystem() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

int RecordCount(const Competition& competition) {
  int records = 0;
  for (const ListId id : Competition::FileOrder()) records += competition.List(id).Count();
  return records;
}

// One untimed read, so that the timed reads reuse memory the process already has.
bool WarmUp(const std::string& text, int expected) {
  Competition competition;
  ScriptedDialogs dialogs;
  return ReadCompetitionText(competition, text, dialogs) == 1 && RecordCount(competition) == expected;
}

// `freshMemory`: before every read, freed memory goes back to the system, so the read
// pays for touching new pages as the first file opened after start does. Otherwise the
// memory of the previous read is reused, as when another file is opened.
void LoadCompetitionText(benchmark::State& state, bool freshMemory) {
  const int competitors = static_cast<int>(state.range(0));
  const std::string& text = SyntheticFileText(competitors);
  const int expected = RecordCount(SyntheticCompetition(competitors));
  if (!freshMemory && !WarmUp(text, expected)) state.SkipWithError("the synthetic file did not load");
  std::unique_ptr<Competition> competition;
  for (auto _ : state) {
    // Making and releasing the competition is not part of reading the file.
    state.PauseTiming();
    competition = std::make_unique<Competition>();
    if (freshMemory) ReturnFreeMemoryToSystem();
    ScriptedDialogs dialogs;
    state.ResumeTiming();
    const int loaded = ReadCompetitionText(*competition, text, dialogs);
    state.PauseTiming();
    if (loaded != 1 || RecordCount(*competition) != expected) {
      state.SkipWithError("the synthetic file did not read back completely");
      break;
    }
    competition.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["records"] = expected;
}

void BM_LoadCompetitionText(benchmark::State& state) { LoadCompetitionText(state, false); }
void BM_LoadCompetitionTextFreshMemory(benchmark::State& state) { LoadCompetitionText(state, true); }

void BM_SaveCompetitionText(benchmark::State& state) {
  Competition& competition = SyntheticCompetition(static_cast<int>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = CompetitionFileText(competition);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
  state.counters["records"] = RecordCount(competition);
}

BENCHMARK(BM_LoadCompetitionText)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCompetitionTextFreshMemory)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCompetitionText)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenchel

BENCHMARK_MAIN();
