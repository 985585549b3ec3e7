#include "shell/shell_views.h"

#include "shell/about_form.h"
#include "shell/about_form_view.h"
#include "shell/get_date_form.h"
#include "shell/get_date_form_view.h"
#include "shell/get_value_form.h"
#include "shell/get_value_form_view.h"
#include "shell/question_radio_form.h"
#include "shell/question_radio_form_view.h"
#include "shell/register_view.h"
#include "shell/text_edit_form.h"
#include "shell/text_edit_form_view.h"
#include "shell/time_form.h"
#include "shell/time_form_view.h"
#include "shell/splash_form.h"
#include "shell/welcome_screen.h"

namespace quenchel {

void RegisterShellViews(QtFormHost& host) {
  RegisterView<TextEditFormView, TextEditForm>(host);
  RegisterView<GetValueFormView, GetValueForm>(host);
  RegisterView<QuestionRadioFormView, QuestionRadioForm>(host);
  RegisterView<AboutFormView, About1>(host);
  RegisterView<TimeFormView, TTimeForm>(host);
  RegisterView<GetDateFormView, GetDateForm>(host);
  host.Register(SplashForm::kFormName, [](Form&, QWidget* parent) {
    WelcomeScreen welcome(parent);
    welcome.exec();
    return ModalResult::None;
  });
}

}  // namespace quenchel
