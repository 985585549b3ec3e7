// The results engine against the literal engine it replaced, on generated competitions:
// every template and direction, tie-breaks in use or not and shown or not, letter and
// short-name headings, ties, "dnf" and empty values, competitors in several classes,
// scores of unknown competitors, repeated score records, teams differing in case, and
// competitors without a team, with and without a competitor form to give them one.
// Both must give the same table, show the same messages and ask for the same teams.

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted_dialogs.h"
#include "print/grid.h"
#include "report_fixture.h"
#include "reports/rep_fields.h"
#include "reports/report_columns.h"
#include "reports/report_compute.h"
#include "store/competition.h"
#include "support/literal_report.h"

namespace quenchel {
namespace {

using quenchel::testing::Rows;
using quenchel::testing::RowsOf;

constexpr std::array<std::string_view, 4> kTemplates = {"I", "IT", "T", "TI"};
constexpr std::array<std::string_view, 3> kDirections = {"D", "A", ""};
// Mostly the default; the others are carried differently or written at every step.
constexpr std::array<std::string_view, 11> kFormats = {"%6.1f", "%6.1f", "%6.1f", "%6.2f",  "%.0f", "%8.3f",
                                                        "%f",    "%g",    "%e",    "%-7.2f", "%+.1f"};
// Few distinct values, so totals tie often; "9e12" takes sums past what is carried
// exactly.
constexpr std::array<std::string_view, 18> kValues = {"",    "",     "dnf",    "DNF", "Dnf", "0",  "5",
                                                      "5.0", "7.5",  "7.25",   "-3",  "3,5", " 8", "0.05",
                                                      "-0",  "1e3",  "12.125", "9e12"};
// Not numbers: a message each time one is shown.
constexpr std::array<std::string_view, 2> kNotNumbers = {"x1", "1e400"};
constexpr std::array<std::string_view, 5> kClassNames = {"Open", "Junior", "Senior", "open", "Novice"};
constexpr std::array<std::string_view, 5> kTeams = {"Reds", "reds", "Blues", "Greens", ""};
constexpr std::array<std::string_view, 3> kFirstNames = {"Ann", "Bob", "Cat"};
constexpr std::array<std::string_view, 2> kLastNames = {"Ash", "Birch"};

enum class TeamForm { None, GivesEvenNumbers, AlwaysGives };

struct Case {
  std::uint32_t seed;
  std::string_view layout;
  TeamForm form;
};

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : rng_(seed) {}

  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <class Array>
  auto Pick(const Array& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  std::mt19937 rng_;
};

// The competition and report 1 of a case; the same seed always gives the same ones.
void MakeCompetition(const Case& c, Competition& competition) {
  Generator g(c.seed);
  competition.settings.ScoreFormat = std::string(g.Pick(kFormats));

  std::vector<int> classNumbers;
  for (int i = 1 + g.Below(4); i > 0; --i) {
    const int number = !classNumbers.empty() && g.Chance(10) ? classNumbers.front() : 1 + g.Below(6);
    classNumbers.push_back(number);
    competition.ClassList.AddSorted(MakeRecord({std::to_string(number), g.Pick(kClassNames), "16", "", "", "", "", "",
                                                "", "", g.Chance(50) ? "Sh" + std::to_string(number) : ""}));
    if (g.Chance(80)) {
      DSNode titles = MakeRecord({std::to_string(number)});
      for (int field = 1; field <= kReportFieldCount; ++field) titles.SetCell(field + 1, "F" + std::to_string(field));
      competition.FieldList.AddSorted(titles);
    }
  }

  std::vector<std::string> competitorNumbers;
  for (int i = g.Below(11); i > 0; --i) {
    std::string number = std::to_string(500 + g.Below(20));
    if (g.Chance(10) && !competitorNumbers.empty()) number = "0" + competitorNumbers.back();  // the same number
    if (g.Chance(4)) number = "0";
    competitorNumbers.push_back(number);
    competition.CompetitorList.AddSorted(
        MakeRecord({number, g.Pick(kFirstNames), g.Pick(kLastNames), g.Chance(25) ? "" : g.Pick(kTeams)}));
  }

  const bool withNotNumbers = g.Chance(40);
  DSNode previous;
  for (int i = g.Below(25); i > 0; --i) {
    DSNode score;
    if (g.Chance(15) && !previous.Cell(0).empty()) {
      score.SetCell(0, previous.Cell(0));  // a second record of the same competitor and class
      score.SetCell(1, previous.Cell(1));
    } else {
      const int who = g.Below(100);
      score.SetCell(0, who < 85 && !competitorNumbers.empty() ? g.Pick(competitorNumbers) : who < 95 ? "999" : "");
      score.SetCell(1, std::to_string(g.Chance(90) ? g.Pick(classNumbers) : 9));
    }
    for (int field = 1; field <= kReportFieldCount; ++field) {
      if (!g.Chance(70)) continue;
      score.SetCell(field + 1, withNotNumbers && g.Chance(5) ? g.Pick(kNotNumbers) : g.Pick(kValues));
    }
    competition.ScoreList.AddSorted(score);
    previous = score;
  }

  DSNode report = MakeRecord({"1", "Report", "Results", "Ties", "Sponsor", g.Pick(kDirections), c.layout});
  using namespace report_cell;
  for (const int cell : {kShortClassNames, kLetterHeadings, kShowIndividualPosition, kTieBreakInUse, kShowTieBreak}) {
    report.SetCell(cell, g.Chance(50) ? "Y" : "N");
  }
  competition.ReportList.AddSorted(report);
  for (const int classNo : std::set<int>(classNumbers.begin(), classNumbers.end())) {
    if (g.Chance(10)) continue;  // no selection record: nothing of the class is shown
    for (int field = 1; field <= kReportFieldCount; ++field) {
      const int draw = g.Below(100);
      SetRepFieldFlag(competition, 1, classNo, field, draw < 55 ? "N" : draw < 85 ? "Y" : "B");
    }
  }
}

using Engine = std::function<void(Competition&, const DSNode&, Grid&, const ReportColumns&, Dialogs&,
                                  const TeamNameRequest&)>;

struct Outcome {
  Rows cells;
  int fixedRows = 0;
  int fixedCols = 0;
  std::vector<ScriptedDialogs::Shown> messages;
  std::vector<std::string> asked;  // the competitors the form was opened for
  std::vector<std::string> competitors;  // every competitor's names and team afterwards
};

Outcome RunEngine(const Case& c, const Engine& engine) {
  Competition competition;
  MakeCompetition(c, competition);
  Outcome outcome;
  const TeamNameRequest form = [&](DSNode& competitor) {
    outcome.asked.emplace_back(competitor.Cell(0));
    const bool even = competitor.Cell(0).empty() || (competitor.Cell(0).back() - '0') % 2 == 0;
    if (c.form == TeamForm::GivesEvenNumbers && !even) return false;
    competitor.SetCell(3, even ? "Late" : "late");
    competitor.SetCell(2, "Renamed");  // the row made next must show the new name
    return true;
  };
  ScriptedDialogs dialogs;
  Grid grid;
  const DSNode& report = *competition.ReportList.First();
  const ReportColumns columns = BuildReportColumns(competition, grid, report);
  engine(competition, report, grid, columns, dialogs, c.form == TeamForm::None ? TeamNameRequest{} : form);
  outcome.cells = RowsOf(grid);
  outcome.fixedRows = grid.FixedRows();
  outcome.fixedCols = grid.FixedCols();
  outcome.messages = dialogs.Messages();
  for (const DSNode& competitor : competition.CompetitorList) {
    outcome.competitors.push_back(competitor.CellString(1) + "|" + competitor.CellString(2) + "|" +
                                  competitor.CellString(3));
  }
  return outcome;
}

std::string Describe(const Outcome& outcome) {
  std::string text;
  for (const auto& row : outcome.cells) {
    for (const std::string& cell : row) text += "[" + cell + "]";
    text += "\n";
  }
  return text;
}

TEST(ReportEngineRandomTest, GivesTheLiteralEnginesTablesMessagesAndQuestions) {
  constexpr std::uint32_t kCases = 256;
  // How often the paths worth comparing came up, so the generator keeps reaching them.
  int withRows = 0;
  int withTies = 0;
  int withTeamQuestions = 0;
  int withInputErrors = 0;
  for (std::uint32_t seed = 1; seed <= kCases; ++seed) {
    const Case c{seed, kTemplates[seed % 4], static_cast<TeamForm>(seed / 4 % 3)};
    SCOPED_TRACE("seed " + std::to_string(seed) + ", template " + std::string(c.layout));
    const Outcome fast = RunEngine(c, ComputeReport);
    const Outcome literal = RunEngine(c, testsupport::LiteralComputeReport);
    ASSERT_EQ(fast.cells, literal.cells) << "fast:\n" << Describe(fast) << "literal:\n" << Describe(literal);
    EXPECT_EQ(fast.fixedRows, literal.fixedRows);
    EXPECT_EQ(fast.fixedCols, literal.fixedCols);
    ASSERT_EQ(fast.messages, literal.messages);
    EXPECT_EQ(fast.asked, literal.asked);
    EXPECT_EQ(fast.competitors, literal.competitors);

    withRows += fast.cells.size() > 2 ? 1 : 0;
    for (const auto& row : fast.cells) {
      if (!row.empty() && row[0].ends_with("=")) {
        ++withTies;
        break;
      }
    }
    withTeamQuestions += fast.asked.empty() ? 0 : 1;
    for (const ScriptedDialogs::Shown& shown : fast.messages) {
      if (shown.caption == "Input Error") {
        ++withInputErrors;
        break;
      }
    }
  }
  EXPECT_GT(withRows, 100);
  EXPECT_GT(withTies, 20);
  EXPECT_GT(withTeamQuestions, 40);
  EXPECT_GT(withInputErrors, 40);
}

}  // namespace
}  // namespace quenchel
