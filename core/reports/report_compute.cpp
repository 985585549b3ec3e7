#include "reports/report_compute.h"

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "print/grid_utils.h"
#include "reports/rep_fields.h"
#include "reports/report_sums.h"
#include "reports/report_table.h"
#include "reports/score_index.h"
#include "reports/team_member_rows.h"
#include "reports/text_hash.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using namespace team_member_column;

constexpr int kTeamCell = 3;

std::string DisplayName(const DSNode& competitor) {
  return competitor.CellString(1) + " " + competitor.CellString(2);
}

struct FieldChoice {
  int field;
  bool countsInTieBreak;
};

// The selected fields of one ClassList record, in field order.
struct ClassChoice {
  int classNo;
  std::vector<FieldChoice> fields;
};

// One score of a competitor in one selected field, as the passes see it.
struct ScoreVisit {
  int column;  // the field's column in the table
  bool countsInTieBreak;
  DSNode& competitor;
  int competitorPosition;  // in CompetitorList
  int numberId;            // the competitor's number, as ScoreIndex numbers them
  const DSNode& score;
  const ShownScore& value;
};

class ReportFiller {
 public:
  ReportFiller(Competition& competition, const DSNode& report, Dialogs& dialogs,
               const TeamNameRequest& requestTeamName)
      : dialogs_(dialogs),
        requestTeamName_(requestTeamName),
        tieBreakInUse_(report.CellIs(report_cell::kTieBreakInUse, "Y")),
        index_(competition),
        sums_(competition.settings.ScoreFormat, dialogs, texts_) {
    const int reportNo = ReadInt(report.Cell(report_cell::kNumber));
    for (const DSNode& classRecord : competition.ClassList) {
      ClassChoice& choice = classes_.emplace_back(ClassChoice{ReadInt(classRecord.Cell(0)), {}});
      for (int field = 1; field <= kReportFieldCount; ++field) {
        const std::string flag = GetRepFieldFlag(competition, reportNo, choice.classNo, field);
        if (flag != "N") choice.fields.push_back(FieldChoice{field, flag == "B" && tieBreakInUse_});
      }
    }
  }

  bool TieBreakInUse() const noexcept { return tieBreakInUse_; }
  // A table for the report's rows, `columns` wide; there is at most one row for each
  // competitor number.
  ReportTable NewTable(int columns) { return ReportTable(columns, index_.NumberCount(), sums_, texts_); }
  int NumberCount() const noexcept { return index_.NumberCount(); }
  int CompetitorCount() const noexcept { return index_.CompetitorCount(); }
  const DSNode* Competitor(const DSNode& score) const { return index_.Competitor(ReadInt(score.Cell(0))); }

  // Every score record of every competitor in every selected field, classes in ClassList
  // order, competitors in CompetitorList order, scores in ScoreList order; the column
  // counter advances for each selected field whether or not it has scores, so each field
  // lands in the column laid out for it.
  template <class Visit>
  void ForEachScore(int firstFieldColumn, bool needsTeam, Visit visit) {
    int column = firstFieldColumn - 1;
    for (const ClassChoice& choice : classes_) {
      const std::span<const ScoreIndex::Entry> scores = index_.ScoresOf(choice.classNo);
      LookUpClass(choice, scores, needsTeam);
      const std::size_t fields = choice.fields.size();
      for (std::size_t f = 0; f < fields; ++f) {
        ++column;
        const FieldChoice& field = choice.fields[f];
        for (std::size_t e = 0; e < scores.size(); ++e) {
          const ScoreIndex::Entry& entry = scores[e];
          if (needsTeam && !hadTeam_[e] && !HasTeam(*entry.competitor)) continue;
          const ShownScore* quiet = quiet_[e * fields + f];
          const ShownScore& value = quiet != nullptr ? *quiet : sums_.Show(entry.score->Cell(field.field + 1));
          visit(ScoreVisit{column, field.countsInTieBreak, *entry.competitor, entry.competitorPosition, entry.numberId,
                           *entry.score, value});
        }
      }
    }
  }

 private:
  // What the visits of a class need of its records, read score by score so that each
  // record is read once rather than once per field: the shown values of the selected
  // fields (none where showing the value tells the user something, which the visit then
  // does in its turn), and whether the competitor has a team. A team once given is not
  // taken away while the table is computed, so only those without one need asking.
  void LookUpClass(const ClassChoice& choice, std::span<const ScoreIndex::Entry> scores, bool needsTeam) {
    if (choice.fields.empty()) return;
    quiet_.clear();
    quiet_.reserve(scores.size() * choice.fields.size());
    hadTeam_.assign(scores.size(), false);
    for (std::size_t e = 0; e < scores.size(); ++e) {
      const ScoreIndex::Entry& entry = scores[e];
      for (const FieldChoice& field : choice.fields) quiet_.push_back(sums_.Quiet(entry.score->Cell(field.field + 1)));
      if (needsTeam) hadTeam_[e] = !entry.competitor->Cell(kTeamCell).empty();
    }
  }

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

  Dialogs& dialogs_;
  const TeamNameRequest& requestTeamName_;
  bool tieBreakInUse_;
  ScoreIndex index_;
  TextStore texts_;  // before sums_, which keeps its texts here
  ReportSums sums_;
  std::vector<ClassChoice> classes_;
  std::vector<const ShownScore*> quiet_;  // of the class being visited, by score then field
  std::vector<bool> hadTeam_;             // of the class being visited, by score
  std::set<int> refused_;
};

// The row of each competitor number (by ScoreIndex's numbering); 0 while it has none.
using RowsByNumber = std::vector<int>;

void FillIndividualRows(ReportFiller& filler, ReportTable& table, const ReportColumns& columns, bool withTeam) {
  RowsByNumber rows(static_cast<std::size_t>(filler.NumberCount()), 0);
  filler.ForEachScore(columns.firstFieldColumn, withTeam, [&](const ScoreVisit& visit) {
    int& row = rows[static_cast<std::size_t>(visit.numberId)];
    if (row == 0) {
      row = table.AddRow();
      const DSNode* found = filler.Competitor(visit.score);
      table.Set(1, row, found != nullptr ? DisplayName(*found) : "Not Found");
      table.Set(2, row, visit.score.Cell(0));
      if (withTeam) table.Set(3, row, found != nullptr ? found->Cell(kTeamCell) : "");
    }
    if (visit.countsInTieBreak) table.Add(columns.tieBreakColumn, row, visit.value);
    table.Set(visit.column, row, visit.value);
    table.Add(columns.totalColumn, row, visit.value);
  });
}

// Team rows: field cells, tie-break and total sum over the members. With
// `withFields` false (the team-and-individual table) only the sums are kept.
void FillTeamRows(ReportFiller& filler, ReportTable& table, int firstFieldColumn, int totalColumn,
                  int tieBreakColumn, bool withFields) {
  // The first row whose team column holds the name, as written into it.
  TextMap<int> rowOfTeam;
  // The row each competitor record's team was found in: a team once given does not change.
  std::vector<int> rowOfCompetitor(static_cast<std::size_t>(filler.CompetitorCount()), 0);
  filler.ForEachScore(firstFieldColumn, true, [&](const ScoreVisit& visit) {
    int& known = rowOfCompetitor[static_cast<std::size_t>(visit.competitorPosition)];
    if (known == 0) {
      if (const auto named = rowOfTeam.find(visit.competitor.Cell(kTeamCell)); named != rowOfTeam.end()) {
        known = named->second;
      }
    }
    int row = known;
    if (row == 0) {
      // A new row is named after the team of the first competitor with the number, which
      // is not always this one's, so it is not taken as this competitor's row.
      row = table.AddRow();
      const DSNode* found = filler.Competitor(visit.score);
      std::string name = found != nullptr ? found->CellString(kTeamCell) : "Not Found in FindCompTeam()";
      table.Set(kTeamName, row, name);
      rowOfTeam.try_emplace(std::move(name), row);
    }
    if (visit.countsInTieBreak) table.Add(tieBreakColumn, row, visit.value);
    if (withFields) table.Add(visit.column, row, visit.value);
    table.Add(totalColumn, row, visit.value);
  });
}

void FillMemberRows(ReportFiller& filler, ReportTable& table, int tieBreakColumn) {
  RowsByNumber rows(static_cast<std::size_t>(filler.NumberCount()), 0);
  filler.ForEachScore(0, true, [&](const ScoreVisit& visit) {
    int& row = rows[static_cast<std::size_t>(visit.numberId)];
    if (row == 0) {
      row = table.AddRow();
      const DSNode* found = filler.Competitor(visit.score);
      table.Set(kTeamName, row, visit.competitor.Cell(kTeamCell));
      table.Set(kIndividualNumber, row, visit.score.Cell(0));
      table.Set(kIndividualName, row, found != nullptr ? DisplayName(*found) : "Not Found");
    }
    if (visit.countsInTieBreak) table.Add(tieBreakColumn, row, visit.value);
    table.Add(kIndividualTotal, row, visit.value);
  });
}

// Teams ranked among teams, each followed by its members ranked among all competitors.
std::vector<ReportTable::TextRow> TeamsWithMembers(ReportFiller& filler, const DSNode& report, int columnCount,
                                                   const ReportColumns& columns) {
  const int tieBreakColumn = filler.TieBreakInUse() ? columns.tieBreakColumn : 0;
  const bool descending = report.CellIs(report_cell::kDirection, "D");

  ReportTable teams = filler.NewTable(columnCount);
  FillTeamRows(filler, teams, 0, columns.totalColumn, columns.tieBreakColumn, false);
  teams.Rank(columns.totalColumn, tieBreakColumn, descending);

  ReportTable members = filler.NewTable(columnCount);
  FillMemberRows(filler, members, columns.tieBreakColumn);
  members.Rank(kIndividualTotal, tieBreakColumn, descending);
  std::vector<ReportTable::TextRow> memberRows = members.TextRows();
  const bool showIndividualPosition = report.CellIs(report_cell::kShowIndividualPosition, "Y");
  for (ReportTable::TextRow& row : memberRows) {
    if (row.empty()) continue;
    if (showIndividualPosition && row.size() > kIndividualPosition) row[kIndividualPosition] = row[0];
    row[0].clear();
  }
  return MergeTeamMembers(teams.TextRows(), memberRows);
}

}  // namespace

void ComputeReport(Competition& competition, const DSNode& report, Grid& grid, const ReportColumns& columns,
                   Dialogs& dialogs, const TeamNameRequest& requestTeamName) {
  competition.ClassList.SortByCell1('b');
  grid.SetRowCount(2);
  ClearGrid(grid);
  const int columnCount = grid.ColCount();
  // The tie-break values serve the sort; the column stays only when shown.
  const int shownColumns = report.CellIs(report_cell::kShowTieBreak, "Y") ? columnCount : columnCount - 1;

  ReportFiller filler(competition, report, dialogs, requestTeamName);
  const std::string_view layout = report.Cell(report_cell::kTemplate);
  if (layout == "TI") {
    const std::vector<ReportTable::TextRow> rows = TeamsWithMembers(filler, report, columnCount, columns);
    grid.SetColCount(shownColumns);
    WriteGridRows(grid, rows);
    return;
  }
  ReportTable table = filler.NewTable(columnCount);
  if (layout == "T") {
    FillTeamRows(filler, table, columns.firstFieldColumn, columns.totalColumn, columns.tieBreakColumn, true);
  } else {
    FillIndividualRows(filler, table, columns, layout == "IT");
  }
  table.Rank(columns.totalColumn, filler.TieBreakInUse() ? columns.tieBreakColumn : 0,
             report.CellIs(report_cell::kDirection, "D"));
  grid.SetColCount(shownColumns);
  table.WriteTo(grid);
}

std::optional<ShownReport> ShowReport(Competition& competition, int reportNo, Dialogs& dialogs,
                                      const TeamNameRequest& requestTeamName) {
  const DSNode* report = FindReport(competition, reportNo);
  if (report == nullptr) return std::nullopt;
  ShownReport shown;
  shown.heading = report->CellString(report_cell::kTitle);
  shown.columns = BuildReportColumns(competition, shown.grid, *report);
  ComputeReport(competition, *report, shown.grid, shown.columns, dialogs, requestTeamName);
  return shown;
}

}  // namespace quenchel
