# The views of the small shared dialogs, relative to app/.
set(QUENCHEL_APP_SHELL_SOURCES
  shell/model_dialog.cpp
  shell/dialog_parts.cpp
  shell/text_edit_form_view.cpp
  shell/get_value_form_view.cpp
  shell/question_radio_form_view.cpp
  shell/about_form_view.cpp
  shell/time_form_view.cpp
  shell/get_date_form_view.cpp
  shell/flash_view.cpp
  shell/shell_views.cpp
)
