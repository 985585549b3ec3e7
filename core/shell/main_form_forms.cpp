// The main window's commands that open forms.

#include "file/atomic_file.h"
#include "print/grid_pages.h"
#include "print/print_primitives.h"
#include "reports/active_report_form.h"
#include "setup/change_class_form.h"
#include "setup/class_grid_form.h"
#include "setup/defaults_form.h"
#include "setup/print_font.h"
#include "setup/score_class_form.h"
#include "setup/setup_fonts_form.h"
#include "shell/about_form.h"
#include "shell/main_form.h"
#include "shell/splash_form.h"
#include "shell/text_edit_form.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// Runs `change` and marks the competition unsaved when it changed a setting: settings
// travel in the competition file, so a changed one is unsaved data.
template <typename Change>
void ChangingSettings(Competition& competition, Change change) {
  const Settings before = competition.settings;
  change();
  if (!(competition.settings == before)) competition.state.UnsavedData = true;
}

}  // namespace

void TMainForm::NameOfCompetitionFlow() {
  TextEditForm prompt;
  prompt.Heading = "Competition Title";
  prompt.Edit = competition_.state.CompetitionTitle;
  platform_.forms.ShowModal(prompt);
  competition_.state.CompetitionTitle = prompt.Edit;
  lblCompetition_ = prompt.Edit;
  ShowActiveClass(competition_.state.ActiveClass);
  competition_.state.UnsavedData = true;  // also when the name did not change
}

void TMainForm::ChoosePrintFontCommand() {
  ChangingSettings(competition_, [this] { ChoosePrintFont(competition_, platform_.fonts); });
}

void TMainForm::ShowDefaults() {
  TDefaultsForm form(competition_);
  form.FormActivate();
  ChangingSettings(competition_, [&] { platform_.forms.ShowModal(form); });
}

void TMainForm::ShowScheduleFonts() {
  TSetUpFontsForm form(competition_, platform_.fonts, platform_.dialogs);
  form.FormShow();
  ChangingSettings(competition_, [&] { platform_.forms.ShowModal(form); });
}

void TMainForm::ShowWelcome() {
  SplashForm splash;
  platform_.forms.ShowModal(splash);
}

void TMainForm::ShowAbout() {
  About1 about;
  platform_.forms.ShowModal(about);
}

void TMainForm::ShowListInspection() {
  TScoreClassForm form(competition_, platform_.dialogs, platform_.printing,
                       [this](const Grid& grid, const PrintHeadings& headings) {
                         if (printContext_ == nullptr || printDialog_ == nullptr)
                           platform_.dialogs.ShowInfo(kNoPrinterCaption, kNoPrinterText);
                         else
                           PrintGridCommand(*printContext_, *printDialog_, grid, headings);
                       });
  form.FormActivate();
  platform_.forms.ShowModal(form);
}

void TMainForm::ShowClassList() {
  TClassGridForm form(competition_, platform_, [this] { ShowActiveClass(competition_.state.ActiveClass); });
  platform_.forms.ShowModal(form);
}

void TMainForm::ShowChangeClass() {
  // The views activate their forms when they open.
  TChangeClassForm form(competition_, platform_.dialogs, [this] { ShowActiveClass(competition_.state.ActiveClass); });
  platform_.forms.ShowModal(form);
}

void TMainForm::ShowActiveReport() {
  std::optional<TActiveReportGridForm::Printing> printing;
  if (printContext_ != nullptr && printDialog_ != nullptr && preview_ != nullptr)
    printing.emplace(TActiveReportGridForm::Printing{*printContext_, *printDialog_, *preview_});
  TActiveReportGridForm form(competition_, platform_, DefaultFileWriter(), printing);
  form.FormActivate();
  platform_.forms.ShowModal(form);
  form.CancelClick();
}

}  // namespace quenchel
