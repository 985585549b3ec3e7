# The views of the competition set-up forms, relative to app/.
set(QUENCHEL_APP_SETUP_SOURCES
  setup/defaults_form_view.cpp
  setup/setup_fonts_form_view.cpp
  setup/setup_views.cpp
  setup/class_grid_form_view.cpp
  setup/change_class_form_view.cpp
  setup/class_edit_form_view.cpp
)
