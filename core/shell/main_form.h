#pragma once
// The main window: the heading with the competition and the active class, the menu and
// tool bar with every command's guard, the file commands, the status line and the
// automatic backup. The window program shows this state and forwards events to it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"
#include "platform/platform.h"
#include "shell/main_menu.h"

namespace quenchel {

class Competition;
class PrintDialog;
class TPrintPreviewForm;
struct PrintContext;

class TMainForm final : public Form {
 public:
  TMainForm(Competition& competition, Platform platform, bool developerMode = false);
  std::string_view FormName() const override { return "TMainForm"; }

  // --- start-up --------------------------------------------------------------------------
  // Builds the window state: the heading, the printer's resolution (or "No Printer"), the
  // caption. `screenResolution` is the screen's pixels per inch.
  void FormCreate(int screenResolution);
  // Every activation of the window; the first one also opens the file named by the first
  // command-line argument. Answers true when the welcome screen should show (first
  // activation, not in developer mode).
  bool FormActivate(const std::vector<std::string>& arguments);

  // --- what the window shows -------------------------------------------------------------
  const std::string& Caption() const noexcept { return caption_; }
  const std::string& CompetitionLabel() const noexcept { return lblCompetition_; }
  const std::string& ActiveClassLabel() const noexcept { return lblActiveClass_; }
  const std::string& StatusText() const;
  bool DeveloperItemsVisible() const noexcept { return developerItemsVisible_; }
  bool DataCheckChecked() const;
  bool ExitRequested() const noexcept { return exitRequested_; }
  // The window calls this after every event that may have changed the state.
  std::function<void()> onChanged;

  // Connects the print commands to the program's printer, preview and print dialog;
  // until then they find no printer.
  void ConnectPrinting(const PrintContext& context, PrintDialog& dialog, TPrintPreviewForm& preview) noexcept {
    printContext_ = &context;
    printDialog_ = &dialog;
    preview_ = &preview;
  }

  // --- events ----------------------------------------------------------------------------
  void Run(Command command);
  void lblCompetitionClick();
  // Closing the window: answers whether it may close (asks about unsaved data).
  bool CloseQuery();
  void MainTimerTick();    // every 1000 ms
  void BackupTimerTick();  // every 60000 ms

  // --- shared operations -----------------------------------------------------------------
  // Refreshes the heading and the caption for this class number.
  void ShowActiveClass(int classNo);
  // Empties the competition and resets the heading.
  void ClearAllData();
  // The caption for the current file: product name, version, release date, file name.
  void RebuildCaption();
  // The folder the file dialogs open in: the current file's folder, or empty (the view
  // then uses the user's documents folder).
  std::string InitialFolder() const;

  // The file flows, also used by other commands.
  bool SaveFlow();
  bool SaveAsFlow();
  void OpenFlow();
  void NewFlow();
  void OpenOldFileFlow();
  void RestoreFlow();
  void NameOfCompetitionFlow();

 private:
  bool GuardPasses(Command command);
  void Execute(Command command);
  void NotAvailableYet(Command command);
  // Offers to save before the competition is replaced; false when the user wanted the
  // data saved and that failed or was cancelled, so the command must stop.
  bool OfferSaveBeforeReplacing(std::string_view question);
  // Writes the competition to the file it came from; asks for a name when it has none.
  bool SaveToCurrentFile();
  // Writes CurrentFileName; on success flashes "Files Saved" and records the time.
  bool WriteCurrentFile();
  bool ReadChosenFile(const std::string& path, bool oldStructure);
  void Changed();
  // Commands that open forms (main_form_forms.cpp).
  void ChoosePrintFontCommand();
  void ShowDefaults();
  void ShowScheduleFonts();
  void ShowWelcome();
  void ShowAbout();
  void ShowListInspection();
  void ShowActiveReport();
  void ShowClassList();
  void ShowChangeClass();

  Competition& competition_;
  Platform platform_;
  bool developerMode_;
  bool developerItemsVisible_ = false;
  bool firstActivation_ = true;
  bool exitRequested_ = false;
  const PrintContext* printContext_ = nullptr;
  PrintDialog* printDialog_ = nullptr;
  TPrintPreviewForm* preview_ = nullptr;
  std::string caption_;
  std::string lblCompetition_;
  std::string lblActiveClass_;
};

}  // namespace quenchel
