#pragma once
// The main window's menu and tool bar, in menu order.

#include <string>
#include <string_view>
#include <vector>

namespace quenchel {

enum class Command {
  Open, New, Save, SaveAs, RestoreAutoBackup, Fonts, SetupPrinter, Exit,
  ChangeActiveClass, Scores, Schedule, Labels, JudgesScoringSheet,
  Reports, ActiveReport, ChangeActiveReport, BatchPrintReports,
  SetupWizard, NameOfCompetition, Classes, Competitors, Teams, Defaults,
  ScheduleSearch, SwapScoreFields, ClearData, TestClassPointers, DataCheck, OpenOldFile,
  ExtendedUtilities,
  WelcomeScreen, AboutQuenchel, Help,
};

struct MenuItem {
  std::string_view menu;     // "&File"; '&' marks the accelerator letter
  std::string_view caption;  // "&Open"
  Command command;
  bool developerItem = false;  // visible only in developer mode
  bool checkable = false;
};

struct ToolButton {
  std::string_view caption;
  Command command;
  std::string_view picture;  // resource name of its picture
};

const std::vector<MenuItem>& MainMenuItems();
const std::vector<ToolButton>& MainToolButtons();
const MenuItem& MenuItemFor(Command command);
// The caption without its accelerator mark: "&Open" gives "Open".
std::string PlainCaption(std::string_view caption);

}  // namespace quenchel
