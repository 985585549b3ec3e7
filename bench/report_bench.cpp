// The results engine against the literal engine it replaced: one report over all ten
// classes of a synthetic competition (8 score fields each, the eighth counted in the
// tie-break), every competitor in four classes and in a team, so 4 score records per
// competitor. Each iteration builds the column layout and computes the table, as showing
// the report does.

#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "print/grid.h"
#include "reports/rep_fields.h"
#include "reports/report_columns.h"
#include "reports/report_compute.h"
#include "store/competition.h"
#include "support/literal_report.h"
#include "synthetic_competition.h"

namespace quenchel {
namespace {

constexpr int kClasses = 10;
constexpr int kFieldsPerClass = 8;
constexpr int kTeams = 8;
constexpr std::array<std::string_view, 4> kTemplates = {"I", "IT", "T", "TI"};
constexpr int kFirstReport = 11;  // after the synthetic competition's own reports

// Dialogs that only count: a benchmark run must show nothing.
class CountingDialogs final : public Dialogs {
 public:
  bool AskYesNo(std::string_view, std::string_view) override {
    ++shown_;
    return false;
  }
  void ShowInfo(std::string_view, std::string_view) override { ++shown_; }
  int Shown() const noexcept { return shown_; }

 private:
  int shown_ = 0;
};

// Report kFirstReport + i has template kTemplates[i]: descending, tie-break in use and
// shown, field-title headings with short class names.
void AddBenchReports(Competition& competition) {
  for (std::size_t i = 0; i < kTemplates.size(); ++i) {
    const int number = kFirstReport + static_cast<int>(i);
    const std::string text = std::to_string(number);
    competition.ReportList.AddSorted(MakeRecord({text, "Report " + text, "Results " + text, "Ties split on field 8",
                                                 "", "D", kTemplates[i], "Y", "P", "Y", "N", "Arial", "10", "", "",
                                                 "Y", "Y", "Y"}));
    for (int classNo = 1; classNo <= kClasses; ++classNo) {
      for (int field = 1; field <= kFieldsPerClass; ++field) {
        SetRepFieldFlag(competition, number, classNo, field, field == kFieldsPerClass ? "B" : "Y");
      }
    }
  }
}

// The synthetic competition of that size, every competitor in a team, built once.
Competition& CompetitionOf(int competitors) {
  static std::map<int, std::unique_ptr<Competition>> made;
  std::unique_ptr<Competition>& competition = made[competitors];
  if (!competition) {
    competition = std::make_unique<Competition>();
    FillSyntheticCompetition(*competition, SyntheticShape{.competitors = competitors,
                                                          .classes = kClasses,
                                                          .classesPerCompetitor = 4,
                                                          .teams = kTeams});
    int index = 0;
    for (DSNode& competitor : competition->CompetitorList) {
      if (competitor.Cell(3).empty()) competitor.SetCell(3, "Team " + std::to_string(1 + index % kTeams));
      ++index;
    }
    AddBenchReports(*competition);
  }
  return *competition;
}

using Engine = void (*)(Competition&, const DSNode&, Grid&, const ReportColumns&, Dialogs&, const TeamNameRequest&);

// state.range(0): competitors; state.range(1): index into kTemplates.
template <Engine compute>
void BM_Report(benchmark::State& state) {
  Competition& competition = CompetitionOf(static_cast<int>(state.range(0)));
  const DSNode* report = FindReport(competition, kFirstReport + static_cast<int>(state.range(1)));
  state.SetLabel(std::string(kTemplates[static_cast<std::size_t>(state.range(1))]));
  CountingDialogs dialogs;
  int rows = 0;
  for (auto _ : state) {
    Grid grid;
    const ReportColumns columns = BuildReportColumns(competition, grid, *report);
    compute(competition, *report, grid, columns, dialogs, {});
    rows = grid.RowCount() - 1;
    benchmark::DoNotOptimize(grid);
  }
  if (dialogs.Shown() != 0) state.SkipWithError("the report showed messages");
  state.counters["rows"] = rows;
  state.counters["scores"] = static_cast<double>(competition.ScoreList.Count());
}

// The full size is the one the engine is measured at: 5,000 competitors, 20,000 score
// records. The literal engine walks every score record for every competitor in every
// field and grows its table one row at a time: about a second a report at 500
// competitors, ten at 1,000 and minutes at the full size, where it runs only the "I"
// report, once (leave it out with --benchmark_filter=-.*Literal.*/5000).
BENCHMARK_TEMPLATE(BM_Report, ComputeReport)
    ->ArgsProduct({{500, 1000, 5000}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Report, testsupport::LiteralComputeReport)
    ->ArgsProduct({{500, 1000}, {0, 1, 2, 3}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Report, testsupport::LiteralComputeReport)
    ->Args({5000, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenchel

BENCHMARK_MAIN();
