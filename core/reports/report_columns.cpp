#include "reports/report_columns.h"

#include <string_view>

#include "print/grid.h"
#include "print/grid_utils.h"
#include "reports/rep_fields.h"
#include "store/cell_text.h"
#include "store/competition.h"
#include "store/values.h"

namespace quenchel {
namespace {

constexpr int kMaxKeyLines = 99;
constexpr int kShortClassNameCell = 10;

void AppendColumn(Grid& grid, std::string_view heading) {
  grid.SetColCount(grid.ColCount() + 1);
  grid.SetCell(grid.ColCount() - 1, 0, heading);
}

// Writes the identity headings; returns the number of identity columns.
int WriteIdentityColumns(Grid& grid, const DSNode& report) {
  const std::string_view layout = report.Cell(report_cell::kTemplate);
  std::vector<std::string_view> headings;
  if (layout == "IT") {
    headings = {"Ind.Pos.", "Name", "No.", "Team"};
  } else if (layout == "T") {
    headings = {"Team Pos.", "Team"};
  } else if (layout == "TI") {
    headings = {"Team Pos.", "Team", report.CellIs(report_cell::kShowIndividualPosition, "Y") ? "Ind.Pos." : "",
                "Ind.No.", "Name", "Ind Total", "Team Total"};
  } else {
    headings = {"Ind.Pos.", "Name", " No."};
  }
  grid.SetColCount(static_cast<int>(headings.size()));
  for (int column = 0; column < grid.ColCount(); ++column) {
    grid.SetCell(column, 0, headings[static_cast<std::size_t>(column)]);
  }
  return grid.ColCount();
}

std::string FieldListTitle(const Competition& competition, int classNo, int field) {
  for (const DSNode& record : competition.FieldList) {
    if (ReadInt(record.Cell(0)) == classNo) return record.CellString(field + 1);
  }
  return {};
}

void WriteFieldColumns(Competition& competition, Grid& grid, const DSNode& report, ReportColumns& columns) {
  const int reportNo = ReadInt(report.Cell(report_cell::kNumber));
  const bool shortNames = report.CellIs(report_cell::kShortClassNames, "Y");
  const bool letters = report.CellIs(report_cell::kLetterHeadings, "Y");
  const bool tieBreakInUse = report.CellIs(report_cell::kTieBreakInUse, "Y");
  int lettered = 0;
  for (const DSNode& classRecord : competition.ClassList) {
    const int classNo = ReadInt(classRecord.Cell(0));
    for (int field = 1; field <= kReportFieldCount; ++field) {
      const std::string flag = GetRepFieldFlag(competition, reportNo, classNo, field);
      if (flag == "N") continue;
      if (!letters) {
        if (competition.state.DataCheckMode) {
          AppendColumn(grid, " " + FormatInt("%2d", classNo) + "-" + FormatInt("%2d", field));
        } else if (shortNames) {
          AppendColumn(grid, classRecord.CellString(kShortClassNameCell) + " " +
                                 FieldTitleFor(competition, reportNo, classNo, field));
        } else {
          AppendColumn(grid, FieldTitleFor(competition, reportNo, classNo, field));
        }
        continue;
      }
      // Letters run on in character order past "Z".
      const char letter = static_cast<char>('A' + lettered);
      const bool tieBreakField = flag == "B" && tieBreakInUse;
      const std::string mark = std::string(1, letter) + (tieBreakField ? "*" : "");
      AppendColumn(grid, "   " + mark + " ");
      if (lettered < kMaxKeyLines) {
        const std::string className = classRecord.CellString(shortNames ? kShortClassNameCell : 1);
        std::string line = "   " + mark + (tieBreakField ? " -  " : " - ") + className + " - " +
                           FieldListTitle(competition, classNo, field);
        if (line.find('*') != std::string::npos) line += " (Tie Break)";
        columns.keyLines.push_back(std::move(line));
      }
      ++lettered;
    }
  }
}

}  // namespace

ReportColumns BuildReportColumns(Competition& competition, Grid& grid, const DSNode& report) {
  competition.ClassList.SortByCell1('b');
  ReportColumns columns;
  grid.SetColCount(3);
  grid.SetRowCount(2);
  grid.SetFixedRows(1);
  grid.SetFixedCols(0);
  ClearGrid(grid);
  for (int column = 0; column < grid.ColCount(); ++column) grid.SetCell(column, 0, "");
  const int identityColumns = WriteIdentityColumns(grid, report);
  if (report.CellIs(report_cell::kTemplate, "TI")) {
    columns.totalColumn = identityColumns - 1;
  } else {
    columns.firstFieldColumn = identityColumns;
    const bool letters = report.CellIs(report_cell::kLetterHeadings, "Y");
    if (letters) columns.keyLines.emplace_back("Key to Score fields");
    WriteFieldColumns(competition, grid, report, columns);
    if (letters) columns.keyLines.emplace_back("End");
    AppendColumn(grid, report.CellIs(report_cell::kShortClassNames, "Y") ? "Grand-Total" : "Total");
    columns.totalColumn = grid.ColCount() - 1;
  }
  AppendColumn(grid, report.CellIs(report_cell::kShowTieBreak, "Y") ? "Tie Break(*)" : "");
  columns.tieBreakColumn = grid.ColCount() - 1;
  return columns;
}

std::string FormatFieldValue(const Competition& competition, const DSNode& score, int field, Dialogs& dialogs) {
  return FormatScore(competition.settings.ScoreFormat, score.Cell(field + 1), dialogs);
}

}  // namespace quenchel
