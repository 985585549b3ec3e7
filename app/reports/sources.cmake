# The views of the results windows, relative to app/.
set(QUENCHEL_APP_REPORTS_SOURCES
  reports/active_report_form_view.cpp
  reports/report_views.cpp
)
