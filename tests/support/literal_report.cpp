#include "support/literal_report.h"

#include <set>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "print/grid.h"
#include "print/grid_utils.h"
#include "reports/rep_fields.h"
#include "reports/report_columns.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/values.h"

namespace quenchel::testsupport {
namespace {

// --- ranking ---------------------------------------------------------------------------

double ValueAt(const Grid& grid, int column, int row, Dialogs& dialogs) {
  return ScoreValue(grid.Cell(column, row), dialogs);
}

// True when row `lower` should come before row `upper` but does not.
bool OutOfOrder(const Grid& grid, int upper, int lower, int totalColumn, int tieBreakColumn,
                bool descending, Dialogs& dialogs) {
  const double totalUpper = ValueAt(grid, totalColumn, upper, dialogs);
  const double totalLower = ValueAt(grid, totalColumn, lower, dialogs);
  if (totalUpper != totalLower) return descending ? totalUpper < totalLower : totalUpper > totalLower;
  if (tieBreakColumn == 0) return false;
  const double tieUpper = ValueAt(grid, tieBreakColumn, upper, dialogs);
  const double tieLower = ValueAt(grid, tieBreakColumn, lower, dialogs);
  return descending ? tieUpper < tieLower : tieUpper > tieLower;
}

bool Ties(const Grid& grid, int rowA, int rowB, int totalColumn, int tieBreakColumn, Dialogs& dialogs) {
  if (ValueAt(grid, totalColumn, rowA, dialogs) != ValueAt(grid, totalColumn, rowB, dialogs)) return false;
  return tieBreakColumn == 0 ||
         ValueAt(grid, tieBreakColumn, rowA, dialogs) == ValueAt(grid, tieBreakColumn, rowB, dialogs);
}

// --- filling ---------------------------------------------------------------------------

constexpr int kTeamCell = 3;

// Columns of the team-and-individual table.
constexpr int kTeamNameColumn = 1;
constexpr int kIndividualPositionColumn = 2;
constexpr int kIndividualNumberColumn = 3;
constexpr int kIndividualNameColumn = 4;
constexpr int kIndividualTotalColumn = 5;

std::string DisplayName(const DSNode& competitor) {
  return competitor.CellString(1) + " " + competitor.CellString(2);
}

const DSNode* FindCompetitor(const Competition& competition, int number) {
  for (const DSNode& competitor : competition.CompetitorList) {
    if (ReadInt(competitor.Cell(0)) == number) return &competitor;
  }
  return nullptr;
}

// Rows are added one ahead: the last row is always the empty row the next entry takes.
int AddRow(Grid& grid) {
  const int row = grid.RowCount() - 1;
  grid.SetRowCount(grid.RowCount() + 1);
  return row;
}

int FindRowByNumber(const Grid& grid, int column, int number) {
  for (int row = 1; row < grid.RowCount() - 1; ++row) {
    if (ReadInt(grid.Cell(column, row)) == number) return row;
  }
  return 0;
}

int FindRowByText(const Grid& grid, int column, std::string_view text) {
  for (int row = 1; row < grid.RowCount() - 1; ++row) {
    if (grid.Cell(column, row) == text) return row;
  }
  return 0;
}

// One score of a competitor in one selected field, as the passes see it.
struct ScoreVisit {
  int column;  // the field's column in the table
  int field;
  bool countsInTieBreak;
  DSNode& competitor;
  const DSNode& score;
};

class ReportFiller {
 public:
  ReportFiller(Competition& competition, const DSNode& report, Dialogs& dialogs,
               const TeamNameRequest& requestTeamName)
      : competition_(competition),
        dialogs_(dialogs),
        requestTeamName_(requestTeamName),
        reportNo_(ReadInt(report.Cell(report_cell::kNumber))),
        tieBreakInUse_(report.CellIs(report_cell::kTieBreakInUse, "Y")) {}

  bool TieBreakInUse() const noexcept { return tieBreakInUse_; }

  // Every score record of every competitor in every selected field, classes in ClassList
  // order; the column counter advances for each selected field whether or not it has
  // scores, so each field lands in the column laid out for it.
  template <class Visit>
  void ForEachScore(int firstFieldColumn, bool needsTeam, Visit visit) {
    int column = firstFieldColumn - 1;
    for (const DSNode& classRecord : competition_.ClassList) {
      const int classNo = ReadInt(classRecord.Cell(0));
      for (int field = 1; field <= kReportFieldCount; ++field) {
        const std::string flag = GetRepFieldFlag(competition_, reportNo_, classNo, field);
        if (flag == "N") continue;
        ++column;
        for (DSNode& competitor : competition_.CompetitorList) {
          const int competitorNo = ReadInt(competitor.Cell(0));
          for (const DSNode& score : competition_.ScoreList) {
            if (ReadInt(score.Cell(0)) != competitorNo || ReadInt(score.Cell(1)) != classNo) continue;
            if (needsTeam && !HasTeam(competitor)) continue;
            visit(ScoreVisit{column, field, flag == "B" && tieBreakInUse_, competitor, score});
          }
        }
      }
    }
  }

  std::string FieldValue(const ScoreVisit& visit) {
    return FormatFieldValue(competition_, visit.score, visit.field, dialogs_);
  }

  // The cell becomes the formatted sum of its value and the shown field value.
  void AddTo(Grid& grid, int column, int row, std::string_view shownValue) {
    const double sum = ScoreValue(grid.Cell(column, row), dialogs_) + ScoreValue(shownValue, dialogs_);
    grid.SetCell(column, row, FormatFloat(competition_.settings.ScoreFormat, sum));
  }

  const DSNode* Competitor(const DSNode& score) const {
    return FindCompetitor(competition_, ReadInt(score.Cell(0)));
  }

 private:
  // A report that shows teams needs every competitor in one. The user is told once per
  // competitor and computation; a competitor still without a team is left out.
  bool HasTeam(DSNode& competitor) {
    if (!competitor.Cell(kTeamCell).empty()) return true;
    const int number = ReadInt(competitor.Cell(0));
    if (refused_.contains(number)) return false;
    while (competitor.Cell(kTeamCell).empty()) {
      dialogs_.ShowInfo("Team Name Missing!", competitor.CellString(0) + " " + competitor.CellString(1) + " " +
                                                  competitor.CellString(2) +
                                                  " is not in a Team !\nYou Must Give This Competitor\n"
                                                  "a Team Name for this Report");
      if (!requestTeamName_ || !requestTeamName_(competitor)) {
        refused_.insert(number);
        return false;
      }
    }
    return true;
  }

  Competition& competition_;
  Dialogs& dialogs_;
  const TeamNameRequest& requestTeamName_;
  int reportNo_;
  bool tieBreakInUse_;
  std::set<int> refused_;
};

void FillIndividualRows(ReportFiller& filler, Grid& grid, const ReportColumns& columns, int tieBreakColumn,
                        bool withTeam) {
  filler.ForEachScore(columns.firstFieldColumn, withTeam, [&](const ScoreVisit& visit) {
    const int competitorNo = ReadInt(visit.competitor.Cell(0));
    int row = FindRowByNumber(grid, 2, competitorNo);
    if (row == 0) {
      row = AddRow(grid);
      const DSNode* found = filler.Competitor(visit.score);
      grid.SetCell(1, row, found != nullptr ? DisplayName(*found) : "Not Found");
      grid.SetCell(2, row, visit.score.Cell(0));
      if (withTeam) grid.SetCell(3, row, found != nullptr ? found->Cell(kTeamCell) : "");
    }
    const std::string value = filler.FieldValue(visit);
    if (visit.countsInTieBreak) filler.AddTo(grid, tieBreakColumn, row, value);
    grid.SetCell(visit.column, row, value);
    filler.AddTo(grid, columns.totalColumn, row, value);
  });
}

// Team rows: field cells, tie-break and total sum over the members. With
// `withFields` false (the team-and-individual table) only the sums are kept.
void FillTeamRows(ReportFiller& filler, Grid& grid, int firstFieldColumn, int totalColumn, int tieBreakColumn,
                  bool withFields) {
  filler.ForEachScore(firstFieldColumn, true, [&](const ScoreVisit& visit) {
    int row = FindRowByText(grid, 1, visit.competitor.Cell(kTeamCell));
    if (row == 0) {
      row = AddRow(grid);
      const DSNode* found = filler.Competitor(visit.score);
      grid.SetCell(1, row, found != nullptr ? found->Cell(kTeamCell) : "Not Found in FindCompTeam()");
    }
    const std::string value = filler.FieldValue(visit);
    if (visit.countsInTieBreak) filler.AddTo(grid, tieBreakColumn, row, value);
    if (withFields) filler.AddTo(grid, visit.column, row, value);
    filler.AddTo(grid, totalColumn, row, value);
  });
}

void FillMemberRows(ReportFiller& filler, Grid& grid, int tieBreakColumn) {
  filler.ForEachScore(0, true, [&](const ScoreVisit& visit) {
    const int competitorNo = ReadInt(visit.competitor.Cell(0));
    int row = FindRowByNumber(grid, kIndividualNumberColumn, competitorNo);
    if (row == 0) {
      row = AddRow(grid);
      const DSNode* found = filler.Competitor(visit.score);
      grid.SetCell(kTeamNameColumn, row, visit.competitor.Cell(kTeamCell));
      grid.SetCell(kIndividualNumberColumn, row, visit.score.Cell(0));
      grid.SetCell(kIndividualNameColumn, row, found != nullptr ? DisplayName(*found) : "Not Found");
    }
    const std::string value = filler.FieldValue(visit);
    if (visit.countsInTieBreak) filler.AddTo(grid, tieBreakColumn, row, value);
    filler.AddTo(grid, kIndividualTotalColumn, row, value);
  });
}

void DropLookAheadRow(Grid& grid) { grid.SetRowCount(grid.RowCount() - 1); }

// Teams ranked among teams, each followed by its members ranked among all competitors.
void ComputeTeamsWithMembers(ReportFiller& filler, const DSNode& report, Grid& grid, const ReportColumns& columns,
                             Dialogs& dialogs) {
  const int tieBreakColumn = filler.TieBreakInUse() ? columns.tieBreakColumn : 0;
  const std::string_view direction = report.Cell(report_cell::kDirection);

  Grid teams;
  CopyGrid(teams, grid);
  FillTeamRows(filler, teams, 0, columns.totalColumn, columns.tieBreakColumn, false);
  DropLookAheadRow(teams);
  LiteralSortReportRows(teams, columns.totalColumn, tieBreakColumn, direction, dialogs);

  FillMemberRows(filler, grid, columns.tieBreakColumn);
  DropLookAheadRow(grid);
  LiteralSortReportRows(grid, kIndividualTotalColumn, tieBreakColumn, direction, dialogs);
  const bool showIndividualPosition = report.CellIs(report_cell::kShowIndividualPosition, "Y");
  for (int row = 1; row < grid.RowCount(); ++row) {
    if (showIndividualPosition) grid.SetCell(kIndividualPositionColumn, row, grid.Cell(0, row));
    grid.SetCell(0, row, "");
  }

  // Members go below their team row in ranking order. Team rows are the rows without a
  // competitor number; member rows inserted below a team are passed over, so the merge
  // ends whatever the team names are (an empty one included).
  for (int team = 1; team < teams.RowCount(); ++team) {
    if (!teams.Cell(kIndividualNumberColumn, team).empty()) continue;
    const std::string name(teams.Cell(kTeamNameColumn, team));
    for (int member = 1; member < grid.RowCount(); ++member) {
      if (grid.Cell(kTeamNameColumn, member) != name) continue;
      int row = team + 1;
      while (row < teams.RowCount() && !teams.Cell(kIndividualNumberColumn, row).empty()) ++row;
      InsertGridRow(teams, row);
      for (int column = kIndividualPositionColumn; column <= kIndividualTotalColumn; ++column) {
        teams.SetCell(column, row, grid.Cell(column, member));
      }
    }
  }

  // Each team row takes its best member's columns; the row that member leaves turns into
  // the blank row that closes the team.
  const int last = teams.RowCount() - 1;
  for (int row = 1; row < last; ++row) {
    for (int column = kIndividualPositionColumn; column <= kIndividualTotalColumn; ++column) {
      teams.SetCell(column, row, teams.Cell(column, row + 1));
    }
  }
  if (last >= 1) {
    for (int column = 0; column < teams.ColCount(); ++column) teams.SetCell(column, last, "");
  }
  CopyGrid(grid, teams);
}

}  // namespace

void LiteralSortReportRows(Grid& grid, int totalColumn, int tieBreakColumn, std::string_view direction,
                           Dialogs& dialogs) {
  const bool descending = direction == "D";
  const int last = grid.RowCount() - 1;
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int row = 1; row < last; ++row) {
      if (OutOfOrder(grid, row, row + 1, totalColumn, tieBreakColumn, descending, dialogs)) {
        SwapGridRows(grid, row, row + 1, true);
        exchanged = true;
      }
    }
  }
  LiteralAssignPositions(grid, totalColumn, tieBreakColumn, dialogs);
}

void LiteralAssignPositions(Grid& grid, int totalColumn, int tieBreakColumn, Dialogs& dialogs) {
  const int last = grid.RowCount() - 1;
  int place = 0;
  bool tiesWithBefore = false;
  for (int row = 1; row <= last; ++row) {
    if (!tiesWithBefore) place = row;
    const bool tiesWithAfter = row < last && Ties(grid, row, row + 1, totalColumn, tieBreakColumn, dialogs);
    grid.SetCell(0, row, std::to_string(place) + ((tiesWithBefore || tiesWithAfter) ? "=" : " "));
    tiesWithBefore = tiesWithAfter;
  }
}

void LiteralComputeReport(Competition& competition, const DSNode& report, Grid& grid, const ReportColumns& columns,
                          Dialogs& dialogs, const TeamNameRequest& requestTeamName) {
  competition.ClassList.SortByCell1('b');
  grid.SetRowCount(2);  // the heading row and the empty row the first entry takes
  ClearGrid(grid);
  ReportFiller filler(competition, report, dialogs, requestTeamName);
  const std::string_view layout = report.Cell(report_cell::kTemplate);
  if (layout == "TI") {
    ComputeTeamsWithMembers(filler, report, grid, columns, dialogs);
  } else {
    const int tieBreakColumn = filler.TieBreakInUse() ? columns.tieBreakColumn : 0;
    if (layout == "T") {
      FillTeamRows(filler, grid, columns.firstFieldColumn, columns.totalColumn, columns.tieBreakColumn, true);
    } else {
      FillIndividualRows(filler, grid, columns, columns.tieBreakColumn, layout == "IT");
    }
    DropLookAheadRow(grid);
    LiteralSortReportRows(grid, columns.totalColumn, tieBreakColumn, report.Cell(report_cell::kDirection), dialogs);
  }
  // The tie-break values have served the sort; the column stays only when shown.
  if (!report.CellIs(report_cell::kShowTieBreak, "Y")) grid.SetColCount(grid.ColCount() - 1);
}

}  // namespace quenchel::testsupport
