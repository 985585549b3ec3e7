#include "setup/setup_views.h"

#include "setup/change_class_form.h"
#include "setup/change_class_form_view.h"
#include "setup/class_edit_form_view.h"
#include "setup/class_grid_form.h"
#include "setup/class_grid_form_view.h"
#include "setup/defaults_form.h"
#include "setup/defaults_form_view.h"
#include "setup/score_class_form.h"
#include "setup/score_class_form_view.h"
#include "setup/setup_fonts_form.h"
#include "setup/setup_fonts_form_view.h"
#include "shell/register_view.h"

namespace quenchel {

void RegisterSetupViews(QtFormHost& host) {
  RegisterView<DefaultsFormView, TDefaultsForm>(host);
  RegisterView<SetUpFontsFormView, TSetUpFontsForm>(host);
  RegisterView<ScoreClassFormView, TScoreClassForm>(host);
  RegisterView<ClassGridFormView, TClassGridForm>(host);
  RegisterView<ChangeClassFormView, TChangeClassForm>(host);
  RegisterView<ClassEditFormView, TClassEditForm>(host);
}

}  // namespace quenchel
