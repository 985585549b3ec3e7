#include "reports/team_member_rows.h"

#include <iterator>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace quenchel {
namespace {

using TextRow = ReportTable::TextRow;
using namespace team_member_column;

std::string_view At(const TextRow& row, int column) {
  return column >= 0 && column < static_cast<int>(row.size()) ? std::string_view(row[static_cast<std::size_t>(column)])
                                                               : std::string_view();
}

bool IsTeamRow(const TextRow& row) { return At(row, kIndividualNumber).empty(); }

// A member's individual columns on a row of its own; the team column stays empty.
TextRow MemberRow(const TextRow& member, std::size_t columns) {
  TextRow row(columns);
  for (int column = kIndividualPosition; column <= kIndividualTotal; ++column) {
    if (static_cast<std::size_t>(column) < columns) row[static_cast<std::size_t>(column)] = At(member, column);
  }
  return row;
}

}  // namespace

std::vector<TextRow> MergeTeamMembers(std::vector<TextRow> teams, const std::vector<TextRow>& members) {
  std::unordered_map<std::string_view, std::vector<const TextRow*>> membersOfTeam;
  for (const TextRow& member : members) membersOfTeam[At(member, kTeamName)].push_back(&member);

  // A team's members go before the next team row. Member rows are passed over as the
  // walk goes on, so the merge ends whatever the team names are (an empty one included);
  // a member row without a number counts as a team row of its own, as it reads like one.
  std::list<TextRow> rows(std::make_move_iterator(teams.begin()), std::make_move_iterator(teams.end()));
  for (auto team = rows.begin(); team != rows.end(); ++team) {
    if (!IsTeamRow(*team)) continue;
    const auto found = membersOfTeam.find(At(*team, kTeamName));
    if (found == membersOfTeam.end()) continue;
    auto nextTeam = std::next(team);
    while (nextTeam != rows.end() && !IsTeamRow(*nextTeam)) ++nextTeam;
    for (const TextRow* member : found->second) {
      const auto inserted = rows.insert(nextTeam, MemberRow(*member, team->size()));
      if (IsTeamRow(*inserted)) nextTeam = inserted;
    }
  }

  // Each row takes the individual columns of the row below it: a team row its best
  // member's, and the row that member leaves turns into the blank row closing the team.
  std::vector<TextRow> merged(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  for (std::size_t row = 0; row + 1 < merged.size(); ++row) {
    for (int column = kIndividualPosition; column <= kIndividualTotal; ++column) {
      const auto at = static_cast<std::size_t>(column);
      if (at < merged[row].size() && at < merged[row + 1].size()) merged[row][at] = std::move(merged[row + 1][at]);
    }
  }
  if (!merged.empty()) {
    for (std::string& cell : merged.back()) cell.clear();
  }
  return merged;
}

}  // namespace quenchel
