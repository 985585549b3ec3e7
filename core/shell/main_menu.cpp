#include "shell/main_menu.h"

#include <algorithm>

namespace quenchel {

const std::vector<MenuItem>& MainMenuItems() {
  static const std::vector<MenuItem> items = {
      {"&File", "&Open", Command::Open},
      {"&File", "&New", Command::New},
      {"&File", "&Save", Command::Save},
      {"&File", "Save As..", Command::SaveAs},
      {"&File", "Restore Auto Backup File", Command::RestoreAutoBackup},
      {"&File", "Fonts", Command::Fonts},
      {"&File", "Setup Printer", Command::SetupPrinter},
      {"&File", "&Exit", Command::Exit},
      {"&Active Class", "&Change Active Class", Command::ChangeActiveClass},
      {"&Active Class", "Scores", Command::Scores},
      {"&Active Class", "Schedule", Command::Schedule},
      {"&Active Class", "Labels", Command::Labels},
      {"&Active Class", "Judges Scoring Sheet", Command::JudgesScoringSheet},
      {"&Reports", "Reports", Command::Reports},
      {"&Reports", "Active Report", Command::ActiveReport},
      {"&Reports", "Change Active Report", Command::ChangeActiveReport},
      {"&Reports", "Batch Print Reports", Command::BatchPrintReports},
      {"Set &Up", "&Set up Wizard", Command::SetupWizard},
      {"Set &Up", "&Name of Competition", Command::NameOfCompetition},
      {"Set &Up", "C&lasses", Command::Classes},
      {"Set &Up", "&Competitors", Command::Competitors},
      {"Set &Up", "&Teams", Command::Teams},
      {"Set &Up", "&Defaults", Command::Defaults},
      {"&Utilities", "S&chedule Search", Command::ScheduleSearch},
      {"&Utilities", "&Swap Score Fields", Command::SwapScoreFields},
      {"&Utilities", "&Clear Data from QUENCHEL", Command::ClearData},
      {"&Utilities", "&Test Class Pointers", Command::TestClassPointers, true},
      {"&Utilities", "Data Check", Command::DataCheck, true, true},
      {"&Utilities", "Open Old File", Command::OpenOldFile, true},
      {"&Utilities", "Extended Utilities", Command::ExtendedUtilities, true},
      {"&About", "Welcome Screen", Command::WelcomeScreen},
      {"&About", "&About QUENCHEL", Command::AboutQuenchel},
      {"&About", "Help", Command::Help},
  };
  return items;
}

const std::vector<ToolButton>& MainToolButtons() {
  static const std::vector<ToolButton> buttons = {
      {"Change Active Class", Command::ChangeActiveClass, "change-class"},
      {"Schedule", Command::Schedule, "schedule"},
      {"Labels", Command::Labels, "labels"},
      {"Judges Sheet", Command::JudgesScoringSheet, "judges-sheet"},
      {"Scores", Command::Scores, "scores"},
  };
  return buttons;
}

const MenuItem& MenuItemFor(Command command) {
  const auto& items = MainMenuItems();
  return *std::find_if(items.begin(), items.end(), [command](const MenuItem& item) { return item.command == command; });
}

std::string PlainCaption(std::string_view caption) {
  std::string plain;
  for (char c : caption)
    if (c != '&') plain.push_back(c);
  return plain;
}

}  // namespace quenchel
