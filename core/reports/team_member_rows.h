#pragma once
// The last steps of a team-and-individual table ("TI"): each team's members go below the
// team row in their individual ranking order, then each team row takes its best member's
// columns and a blank row closes every team.

#include <vector>

#include "reports/report_table.h"

namespace quenchel {

// Columns of the team-and-individual table.
namespace team_member_column {
inline constexpr int kTeamName = 1;
inline constexpr int kIndividualPosition = 2;
inline constexpr int kIndividualNumber = 3;
inline constexpr int kIndividualName = 4;
inline constexpr int kIndividualTotal = 5;
}  // namespace team_member_column

// `teams` ranked among teams, `members` ranked among all competitors, each member row
// naming its team in the team column. Team rows are the rows without a competitor
// number; the members of each go below it.
std::vector<ReportTable::TextRow> MergeTeamMembers(std::vector<ReportTable::TextRow> teams,
                                                   const std::vector<ReportTable::TextRow>& members);

}  // namespace quenchel
