#pragma once
// Small competitions built in code for the results engine tests.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/scripted_dialogs.h"
#include "print/grid.h"
#include "reports/rep_fields.h"
#include "store/competition.h"

namespace quenchel::testing {

using Rows = std::vector<std::vector<std::string>>;

// Every row of the grid, heading row included, as texts.
inline Rows RowsOf(const Grid& grid) {
  Rows rows;
  for (int row = 0; row < grid.RowCount(); ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < grid.ColCount(); ++column) cells.emplace_back(grid.Cell(column, row));
    rows.push_back(std::move(cells));
  }
  return rows;
}

inline std::vector<std::string> ColumnOf(const Grid& grid, int column) {
  std::vector<std::string> cells;
  for (int row = 1; row < grid.RowCount(); ++row) cells.emplace_back(grid.Cell(column, row));
  return cells;
}

class ReportFixture : public ::testing::Test {
 protected:
  void AddClass(int number, std::string_view name, std::string_view shortName = "") {
    DSNode record;
    record.SetCell(0, std::to_string(number));
    record.SetCell(1, name);
    record.SetCell(2, "16");
    record.SetCell(10, shortName);
    competition.ClassList.AddSorted(record);
  }
  // Titles of fields 1.. of the class.
  void AddFieldTitles(int classNo, std::initializer_list<std::string_view> titles) {
    DSNode record;
    record.SetCell(0, std::to_string(classNo));
    int cell = 2;
    for (std::string_view title : titles) record.SetCell(cell++, title);
    competition.FieldList.AddSorted(record);
  }
  void AddCompetitor(int number, std::string_view first, std::string_view last, std::string_view team = "") {
    competition.CompetitorList.AddSorted(MakeRecord({std::to_string(number), first, last, team}));
  }
  // Values of score fields 1.. (field 17 is cell 18).
  void AddScore(int competitorNo, int classNo, std::initializer_list<std::pair<int, std::string_view>> values) {
    DSNode record;
    record.SetCell(0, std::to_string(competitorNo));
    record.SetCell(1, std::to_string(classNo));
    for (const auto& [field, value] : values) record.SetCell(field + 1, value);
    competition.ScoreList.AddSorted(record);
  }
  // A descending report with field-title headings, no tie-break and nothing shown extra.
  DSNode& AddReport(int number, std::string_view layout) {
    DSNode record;
    record.SetCell(0, std::to_string(number));
    record.SetCell(1, "Report " + std::to_string(number));
    record.SetCell(2, "Results");
    record.SetCell(5, "D");
    record.SetCell(6, layout);
    for (int cell : {7, 10, 15, 16, 17}) record.SetCell(cell, "N");
    return competition.ReportList.AddSorted(record);
  }
  void Select(int report, int classNo, std::initializer_list<int> fields, std::string_view flag = "Y") {
    for (int field : fields) SetRepFieldFlag(competition, report, classNo, field, flag);
  }

  Competition competition;
  ScriptedDialogs dialogs;
};

}  // namespace quenchel::testing
