#include "shell/main_form.h"

#include <filesystem>

#include "file/competition_file.h"
#include "reports/rep_fields.h"
#include "setup/class_lookup.h"
#include "shell/backup_names.h"
#include "shell/product.h"
#include "store/competition.h"

namespace quenchel {

namespace {
constexpr std::string_view kCompetitionFilter = "Quenchel Files(*.FCR)|*.FCR";
constexpr std::string_view kOpenFilter = "Quenchel Files(*.FCR)|*.FCR|Any file|*.*";
}  // namespace

TMainForm::TMainForm(Competition& competition, Platform platform, bool developerMode)
    : competition_(competition), platform_(platform), developerMode_(developerMode) {}

// --- start-up ---------------------------------------------------------------------------

void TMainForm::FormCreate(int screenResolution) {
  ShowActiveClass(competition_.state.ActiveClass);
  if (platform_.printing.HasPrinter())
    competition_.state.PrinterResolution = platform_.printing.PrinterResolution();
  else
    platform_.dialogs.ShowInfo("No Printer", "Printer Not Installed");
  competition_.state.ScreenResolution = screenResolution;
  caption_ = std::string(kProductName) + std::string(kVersion) + " ";
  Changed();
}

bool TMainForm::FormActivate(const std::vector<std::string>& arguments) {
  const bool first = firstActivation_;
  firstActivation_ = false;
  developerItemsVisible_ = developerMode_;
  competition_.ApplyListHeadings();
  if (first && !arguments.empty()) {
    AppState& state = competition_.state;
    state.OpenedFileName = arguments.front();
    if (LoadCompetitionFile(competition_, state.OpenedFileName, platform_.dialogs) == 1) {
      state.CurrentFileName = state.OpenedFileName;
      ShowActiveClass(state.ActiveClass);
      RebuildCaption();
    } else {
      // Never keep the half that was read: a later Save would write it over the file.
      ClearAllData();
      state.OpenedFileName.clear();
    }
  }
  Changed();
  return first && !developerMode_;
}

// --- heading, caption, status -------------------------------------------------------------

const std::string& TMainForm::StatusText() const { return competition_.StatusText(); }

bool TMainForm::DataCheckChecked() const { return competition_.state.DataCheckMode; }

void TMainForm::ShowActiveClass(int classNo) {
  const DSNode* record = competition_.ClassList.FindKey(std::to_string(classNo));
  if (record != nullptr) {
    if (SelectActiveClassByName(competition_, record->Cell(1)) != 0) {
      lblActiveClass_ = std::string(record->Cell(1));
      lblCompetition_ = competition_.state.CompetitionTitle;
      RebuildCaption();
    }
  } else {
    competition_.state.ActiveClass = 0;
    lblCompetition_ = competition_.state.CompetitionTitle;
    lblActiveClass_ = "Class Name Here";
  }
  Changed();
}

void TMainForm::RebuildCaption() {
  caption_ = std::string(kProductName) + std::string(kVersion) + " " + std::string(kReleaseDate) + " " +
             competition_.state.CurrentFileName;
}

void TMainForm::ClearAllData() {
  competition_.ClearAllData();
  lblCompetition_.clear();
  lblActiveClass_ = "No Active Class Selected";
}

std::string TMainForm::InitialFolder() const {
  const std::string& current = competition_.state.CurrentFileName;
  if (current.empty()) return {};
  return std::filesystem::path(current).parent_path().string();
}

void TMainForm::MainTimerTick() {
  const AppState& state = competition_.state;
  if (state.UnsavedData)
    competition_.SetStatus("Unsaved Data. Save Now!" + std::string(16, ' ') + " (" + state.LastBackupText + ")");
  else
    competition_.SetStatus("All data currenty saved. : " + state.LastSaveTime + "  (" + state.LastBackupText + ")");
  Changed();
}

void TMainForm::BackupTimerTick() {
  AppState& state = competition_.state;
  if (state.CurrentFileName.empty()) return;
  if (SaveCompetitionFile(competition_, BackupFileName(state.CurrentFileName), platform_.dialogs) == 1)
    state.LastBackupText = "Last Auto Backup : " + FormatDateTime(platform_.clock.Now());
  Changed();
}

void TMainForm::Changed() {
  if (onChanged) onChanged();
}

// --- commands -----------------------------------------------------------------------------

void TMainForm::Run(Command command) {
  if (GuardPasses(command)) Execute(command);
  Changed();
}

bool TMainForm::GuardPasses(Command command) {
  const Competition& c = competition_;
  Dialogs& dialogs = platform_.dialogs;
  const auto refuse = [&dialogs](std::string_view caption, std::string_view text) {
    dialogs.ShowInfo(caption, text);
    return false;
  };
  switch (command) {
    case Command::ChangeActiveClass:
      if (c.ClassList.Empty()) return refuse("Classes", "There are no Classes to Change");
      return true;
    case Command::Scores:
      if (c.ScoreList.Empty()) return refuse("Scores", "No scores found");
      if (c.ClassList.Empty()) return refuse("Scores", "No Classes defined to enter scores into!");
      return true;
    case Command::Schedule:
      if (c.state.ActiveClass == 0) return refuse("Schedule", "No Active Class");
      return true;
    case Command::Labels:
      if (c.CompetitorList.Empty() || c.ScheduleList.Empty())
        return refuse("Labels can't yet be provided", "Labels require Competitors or Schedules");
      return true;
    case Command::JudgesScoringSheet:
      if (c.ScheduleList.Empty()) return refuse("Schedules", "No Schedules found");
      return true;
    case Command::Reports:
      if (c.ClassList.Empty()) return refuse("Reports", "No Classes defined to create Reports!");
      return true;
    case Command::ActiveReport:
      if (c.ReportList.Empty()) return refuse("Reports", "There are no Reports");
      if (!IsReportTrusted(c, c.state.ActiveReport)) return refuse("Report Not Trusted", "Please check at Report");
      return true;
    case Command::ChangeActiveReport:
      if (c.ReportList.Empty()) return refuse("Reports", "There are no Reports");
      return true;
    case Command::BatchPrintReports:
      if (c.ReportList.Empty()) return refuse("Reports", "There are no Reports to add to a Batch");
      return true;
    case Command::Competitors:
      if (c.ClassList.Empty()) return refuse("Advice!", "You must first create a Class");
      return true;
    case Command::ScheduleSearch:
      if (c.ScheduleList.Empty()) return refuse("Schedules", "No Schedules defined");
      return true;
    case Command::SwapScoreFields:
      if (c.state.ActiveClass == 0) return refuse("Class Utilities", "No class found");
      return true;
    case Command::ClearData:
      if (c.state.ActiveClass == 0) return refuse("Clear Data Utility", "No Active Class found");
      if (c.state.UnsavedData) dialogs.ShowInfo("Warning", "You have unsaved data - You must save before continuing");
      return true;
    default:
      return true;
  }
}

void TMainForm::NotAvailableYet(Command command) {
  platform_.dialogs.ShowInfo("Not available yet", PlainCaption(MenuItemFor(command).caption));
}

void TMainForm::Execute(Command command) {
  switch (command) {
    case Command::Open: OpenFlow(); return;
    case Command::New: NewFlow(); return;
    case Command::Save: SaveFlow(); return;
    case Command::SaveAs: SaveAsFlow(); return;
    case Command::RestoreAutoBackup: RestoreFlow(); return;
    case Command::Fonts: ChoosePrintFontCommand(); return;
    case Command::SetupPrinter:
      if (!platform_.printing.HasPrinter()) platform_.dialogs.ShowInfo("No Printer", "Printer Not Installed");
      else platform_.printing.ShowPrinterSetup();
      return;
    case Command::Exit: exitRequested_ = CloseQuery(); return;
    case Command::NameOfCompetition: NameOfCompetitionFlow(); return;
    case Command::Defaults: ShowDefaults(); return;
    case Command::Schedule: ShowScheduleFonts(); return;  // until the schedule editor exists
    case Command::DataCheck: competition_.state.DataCheckMode = !competition_.state.DataCheckMode; return;
    case Command::OpenOldFile: OpenOldFileFlow(); return;
    case Command::WelcomeScreen: ShowWelcome(); return;
    case Command::AboutQuenchel: ShowAbout(); return;
    case Command::TestClassPointers: ShowListInspection(); return;
    case Command::ActiveReport: ShowActiveReport(); return;
    case Command::Classes: ShowClassList(); return;
    case Command::ChangeActiveClass: ShowChangeClass(); return;
    case Command::Help:
      platform_.dialogs.ShowInfo("Help", "Help can be found on the START MENU > Program Files > Quenchel");
      return;
    default: NotAvailableYet(command); return;
  }
}

bool TMainForm::CloseQuery() {
  if (!competition_.state.UnsavedData) return true;
  switch (platform_.dialogs.AskSaveDiscardCancel("Unsaved data", "Save changes before closing?")) {
    case SaveChoice::Save: return SaveFlow();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
  }
  return false;
}

void TMainForm::lblCompetitionClick() {
  NameOfCompetitionFlow();
  Changed();
}

// --- file flows -------------------------------------------------------------------------

bool TMainForm::SaveFlow() {
  AppState& state = competition_.state;
  if (state.CurrentFileName.empty()) {
    const std::optional<std::string> chosen = platform_.files.SaveFile(
        {"Save", std::string(kCompetitionFilter), "FCR", InitialFolder(), ""});
    if (chosen) state.CurrentFileName = *chosen;
  }
  const bool saved = !state.CurrentFileName.empty() && WriteCurrentFile();
  RebuildCaption();
  return saved;
}

bool TMainForm::SaveAsFlow() {
  AppState& state = competition_.state;
  if (state.FileFormatVersion == "1" &&
      platform_.dialogs.AskYesNo("Newer File Structure", "Do you want to save with the new file structure?"))
    state.FileFormatVersion = "2";
  const std::optional<std::string> chosen = platform_.files.SaveFile(
      {"Save As....", std::string(kCompetitionFilter), "FCR", InitialFolder(), ""});
  if (chosen) state.CurrentFileName = *chosen;
  const bool saved = chosen && WriteCurrentFile();
  RebuildCaption();
  return saved;
}

bool TMainForm::WriteCurrentFile() {
  AppState& state = competition_.state;
  if (SaveCompetitionFile(competition_, state.CurrentFileName, platform_.dialogs) != 1) return false;
  platform_.dialogs.Flash("Save", "Files Saved");
  state.UnsavedData = false;
  state.LastSaveTime = FormatDateTime(platform_.clock.Now());
  return true;
}

bool TMainForm::SaveToCurrentFile() {
  AppState& state = competition_.state;
  // The competition belongs to the file Save writes to; the file last opened is the
  // fallback, and a competition without a file asks for a name.
  const std::string target = !state.CurrentFileName.empty() ? state.CurrentFileName : state.OpenedFileName;
  if (target.empty()) return SaveFlow();
  if (SaveCompetitionFile(competition_, target, platform_.dialogs) != 1) return false;
  state.UnsavedData = false;
  platform_.dialogs.ShowInfo("Save", "File Saved");
  state.OpenedFileName.clear();
  return true;
}

bool TMainForm::OfferSaveBeforeReplacing(std::string_view question) {
  if (!platform_.dialogs.AskYesNo("Save File?", question)) return true;
  return SaveToCurrentFile();
}

bool TMainForm::ReadChosenFile(const std::string& path, bool oldStructure) {
  AppState& state = competition_.state;
  state.OpenedFileName = path;
  const int read = oldStructure ? LoadOldCompetitionFile(competition_, path, platform_.dialogs)
                                : LoadCompetitionFile(competition_, path, platform_.dialogs);
  if (read == 1) return true;
  platform_.dialogs.ShowInfo("File Load Error", "Unable to Load file! ");
  ClearAllData();
  state.OpenedFileName.clear();
  return false;
}

void TMainForm::OpenFlow() {
  AppState& state = competition_.state;
  if (!state.OpenedFileName.empty() || state.UnsavedData) {
    const std::string_view question =
        state.UnsavedData ? "Current File Open with UNSAVED data - Save?" : "Current File Open - Save?";
    if (!OfferSaveBeforeReplacing(question)) return;
  }
  ClearAllData();
  state.OpenedFileName.clear();
  const std::optional<std::string> chosen =
      platform_.files.OpenFile({"Open", std::string(kOpenFilter), "FCR", InitialFolder(), ""});
  if (chosen && !ReadChosenFile(*chosen, false)) return;
  state.CurrentFileName = state.OpenedFileName;
  ShowActiveClass(state.ActiveClass);
  RebuildCaption();
}

void TMainForm::NewFlow() {
  AppState& state = competition_.state;
  if (state.UnsavedData &&
      platform_.dialogs.AskYesNo("Unsaved data found!", "Your current file has unsaved data, Do you want to save it?"))
    SaveAsFlow();
  if (!platform_.dialogs.AskYesNo("New Competition", "All currently held data will be removed!")) return;
  ClearAllData();
  state.CurrentFileName.clear();
  RebuildCaption();
  platform_.dialogs.ShowInfo("All Data Removed", "You can Open an existing File or Set up an New Competition");
}

void TMainForm::OpenOldFileFlow() {
  AppState& state = competition_.state;
  if (state.UnsavedData && !OfferSaveBeforeReplacing("File Present - Save?")) return;
  ClearAllData();
  state.OpenedFileName.clear();
  const std::optional<std::string> chosen =
      platform_.files.OpenFile({"Open Old Files", std::string(kOpenFilter), "FCR", InitialFolder(), ""});
  if (chosen && !ReadChosenFile(*chosen, true)) return;
  state.CurrentFileName = state.OpenedFileName;
  RebuildCaption();
  ShowActiveClass(state.ActiveClass);
}

void TMainForm::RestoreFlow() {
  AppState& state = competition_.state;
  Dialogs& dialogs = platform_.dialogs;
  if (!dialogs.AskYesNo("Auto Backup File Restore", "Open Auto Backup File?")) {
    ShowActiveClass(state.ActiveClass);
    return;
  }
  const std::string_view question =
      state.UnsavedData ? "Current File Open with UNSAVED data - Save?" : "Current File Open - Save?";
  if (!OfferSaveBeforeReplacing(question)) return;
  ClearAllData();
  state.OpenedFileName.clear();
  dialogs.ShowInfo("Restore File", "The backup file has the same name but has '.BAK'");
  const std::optional<std::string> chosen = platform_.files.OpenFile(
      {"Open", "Quenchel Files(*.FCR)|*.BAK|Any file|*.*", "BAK", InitialFolder(), ""});
  if (!chosen) {
    // Nothing was restored: the competition is empty and has no file name.
    state.CurrentFileName.clear();
    RebuildCaption();
    ShowActiveClass(state.ActiveClass);
    return;
  }
  if (!ReadChosenFile(*chosen, false)) return;
  dialogs.ShowInfo("Restore File", "The file extension '.BAK' will be replaced with '.FCR'");
  state.CurrentFileName = RestoredFileName(*chosen);
  dialogs.ShowInfo("Restore Complete", state.CurrentFileName);
  ShowActiveClass(state.ActiveClass);
  RebuildCaption();
}

}  // namespace quenchel
