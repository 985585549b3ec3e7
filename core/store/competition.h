#pragma once
// One competition: the fourteen record lists, the settings carried in the file header and
// the application state shared by every window. The program makes one; tests make their
// own.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "store/dslist.h"

namespace quenchel {

// Competition-wide settings, stored in the competition file's header.
struct Settings {
  int LowestCompetitorNumber = 500;
  std::string ScoreFormat = "%6.1f";
  std::string PrintFontName = "Arial";
  std::string PrintFontSize = "8";
  std::string WebFontName = "Arial";
  std::string WebFontSize = "20";
  std::string WebFontColour = "Blue";
  std::string WebBackColour = "Yellow Light";
  int LabelRows = 7;
  int LabelCols = 3;
  int LabelStart = 1;
  bool operator==(const Settings&) const = default;
};

// Application state of the running program. ActiveClass, ActiveReport, CompetitionTitle
// and FileFormatVersion travel in the file; the rest live for the run.
struct AppState {
  bool UnsavedData = false;
  int ActiveClass = 0;
  int ActiveReport = 0;
  std::string CompetitionTitle = "Competition Title";
  std::string FileFormatVersion = "2";
  std::string CurrentFileName;
  std::string OpenedFileName;
  std::string LastSaveTime;
  std::string LastBackupText;
  std::string CurrentReportName;  // the report last shown; the web page's default name
  bool DataCheckMode = false;
  int PrinterResolution = 0;
  int ScreenResolution = 0;
};

// Identifies a list; the values are the competition file's section order.
enum class ListId {
  Competitor, Class, Field, Score, Report, RepField, Team, Round, Horse, Forge, Schedule,
  Label, Batch, Unused
};
inline constexpr int kListCount = 14;

class Competition {
 public:
  Competition();
  Competition(const Competition&) = delete;
  Competition& operator=(const Competition&) = delete;

  DSList ClassList;
  DSList CompetitorList;
  DSList TeamList;
  DSList RoundList;
  DSList FieldList;
  DSList HorseList;
  DSList ScoreList;
  DSList ForgeList;
  DSList ReportList;
  DSList RepFieldList;
  DSList ScheduleList;
  DSList LabelList;
  DSList BatchList;
  DSList UnusedList;

  Settings settings;
  AppState state;

  DSList& List(ListId id) noexcept;
  const DSList& List(ListId id) const noexcept;
  // "CompetitorList", "ClassList", ... as the lists are named throughout the program.
  static std::string_view ListName(ListId id) noexcept;
  static constexpr std::array<ListId, kListCount> FileOrder() {
    return {ListId::Competitor, ListId::Class, ListId::Field, ListId::Score, ListId::Report,
            ListId::RepField, ListId::Team, ListId::Round, ListId::Horse, ListId::Forge,
            ListId::Schedule, ListId::Label, ListId::Batch, ListId::Unused};
  }

  // Sets the column counts, captions and heading rows of the twelve shown lists to their
  // start-up values (done at every activation of the main window).
  void ApplyListHeadings();

  // Empties every list and resets the competition-specific state: no active class or
  // report, lowest competitor number 500, nothing unsaved, an empty title.
  void ClearAllData();

  // The status line. Long tasks (reading and writing files) report progress here.
  const std::string& StatusText() const noexcept { return statusText_; }
  void SetStatus(std::string_view text);
  // Called after each status change; the window repaints its status bar from it.
  std::function<void(std::string_view)> onStatus;

 private:
  std::string statusText_;
};

}  // namespace quenchel
