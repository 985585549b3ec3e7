# Sources of quenchel-core, relative to core/.
target_sources(quenchel-core PRIVATE
  reports/rank_order.cpp
  reports/report_sums.cpp
  reports/report_table.cpp
  reports/score_index.cpp
  reports/team_member_rows.cpp
)
