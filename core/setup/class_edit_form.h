#pragma once
// The class form: one class of the competition in six steps (tabs): its names, its score
// fields, its rounds and their times, its forges, its horses and a summary. The class
// list resets it, opens it in Add mode or loads a class for Edit mode, shows it and then
// stores what it holds, however it was closed.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"
#include "print/grid.h"

namespace quenchel {

class Competition;
class DSNode;
struct Platform;

class TClassEditForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TClassEditForm";
  static constexpr std::string_view kAddCaption = "Add Class";
  static constexpr std::string_view kEditCaption = "Edit Class";

  static constexpr int kStepCount = 6;
  static constexpr std::array<std::string_view, kStepCount> kStepCaptions{
      "Step 1 - Class name",        "Step 2 - Score fields",      "Step 3 - (Schedule) Round times",
      "Step 4 - (Schedule) Forges", "Step 5 - (Schedule) Horses", "Step 6 - Summary"};
  enum Step { kNameStep = 0, kFieldsStep, kRoundsStep, kForgesStep, kHorsesStep, kSummaryStep };

  static constexpr int kMaxScoreFields = 16;
  // Longest texts the edits take.
  static constexpr int kNameLength = 49;  // long name, short name, location, field titles
  static constexpr int kClassNumberLength = 4;
  static constexpr int kFieldCountLength = 2;
  // The largest number of rounds, forges, horses or competitors per forge a prompt sets.
  static constexpr int kMaxCount = 999;

  static constexpr std::string_view kDefaultLocation = "Forge";
  static constexpr std::string_view kDateHeading = "Date of Competion";
  static constexpr std::string_view kFieldsHint =
      "A typical competition may have 5 fields, Preparation, Shoe, Fitting, Nail/Finish, Specimen. A total field "
      "will be added automatically.";
  static constexpr std::string_view kFieldCountLabel = "Number of score fields (1-16)";
  static constexpr std::string_view kAutoUpDateCaption = "Auto update table times";
  static constexpr std::string_view kFootOrderCaption = "Feet Sorted (LF RF LH RH) ";

  // Names of the controls that can hold the cursor (score-field titles are "F1".."F16").
  static constexpr std::string_view kClassNameControl = "ClassName";
  static constexpr std::string_view kShortClassNameControl = "ShortClassName";
  static constexpr std::string_view kClassNumberControl = "ClassNumber";

  TClassEditForm(Competition& competition, Platform& platform);
  std::string_view FormName() const override { return kFormName; }

  // --- what the window shows ----------------------------------------------------------
  std::string Caption;  // the mode: kAddCaption or kEditCaption

  // Step 1.
  std::string ClassName;
  std::string ShortClassName;
  std::string LocationCB;
  std::vector<std::string> LocationItems;  // the locations other classes use
  std::string ClassNumber;                 // hidden; never typed in Edit mode
  bool ClassNumberEnabled = true;

  // Step 2: F[0] is field 1.
  std::string NoScoreFields;
  std::array<std::string, kMaxScoreFields> F;
  // How many title edits are shown: the field count, within 0..16.
  int VisibleFieldCount() const noexcept;

  // Step 3: the values beside the setting buttons.
  Grid RoundsGrid;
  std::string DispRounds;
  std::string Duration;
  std::string lblNoComps;
  std::string lblPrepTime;
  std::string lblStartTime;
  std::string lblChangeOverTime;
  std::string lblDate;
  std::string lblDayName;
  bool AutoUpDate = true;

  // Step 4.
  Grid ForgesGrid;
  std::string DispForges;
  std::string lblForgeTitles;

  // Step 5.
  Grid HorsesGrid;
  std::string DispHorses;
  bool FootOrder = false;
  std::string lblHorsesRequired;  // shown in red; empty when the horses suffice

  // Step 6.
  Grid SumGrid;

  int ActivePage() const noexcept { return activePage_; }
  // The control that holds the cursor; the view moves the focus there after each event.
  std::string_view ActiveControl() const noexcept { return activeControl_; }

  // --- what the class list calls ------------------------------------------------------
  void Reset();
  void OpenAddMode();
  void LoadClass(int classNo);
  std::string LongName() const { return ClassName; }
  int ClassNumberValue() const noexcept;
  void StoreNewClass();
  void StoreExistingClass();

  // --- events -------------------------------------------------------------------------
  // Showing a step; answers the step actually shown (step 1 while the class has no name).
  int PageControlChange(int page);

  // Leaving a name: false when it repeats another class's, and the cursor goes back.
  bool ClassNameExit();
  bool ShortClassNameExit();
  void ClassNumberExit();
  // Each change of the field count; a count outside 0..16 is refused and emptied.
  void NoScoreFieldsChange();
  // Leaving the field count: in Edit mode a changed count updates the reports that use
  // the class.
  void NoScoreFieldsExit();
  // Leaving title edit `index` (0 for field 1).
  void FieldExit(int index);

  void RoundsClick();
  void DurationClick();
  void NoCompsClick();
  void GetReadyClick();
  void StartTimeClick();
  void ChangeOverClick();
  void DateClick();
  void AutoUpDateClick(bool checked);
  void ForgesClick();
  void HorsesClick();
  void FootOrderClick(bool checked) noexcept { FootOrder = checked; }
  // A click on a cell of the rounds table opens the prompt of its column.
  void RoundsGridSelectCell(int column, int row);

  // OK and Close both keep what the form holds, which the class list then stores.
  ModalResult OKClick();
  ModalResult CloseClick();

 private:
  bool EditMode() const noexcept { return Caption == kEditCaption; }
  int RoundCount() const noexcept;
  int ForgeCount() const noexcept;
  int HorseCount() const noexcept;
  int CompsPerForge() const noexcept;

  void Recalculate();
  void SetRounds(int rounds);
  void SetClassDate(std::string_view date);
  bool AskClassDate(std::string_view heading, bool keepOnCancel);
  bool PickTime(std::string_view heading, std::string& time);
  void ShowSummary();
  void ShowHorsesRequired();
  void EmptyUnusedTitles();
  bool ConfirmRemovalFromSchedule();
  void RefreshHorseFeet();
  void ReportHorsesRemoved(int firstRemoved, int lastRemoved);
  void LoadRounds();
  void LoadForges();
  void LoadHorses();
  void FillLocationItems();

  void EditRoundStart(int row);
  void EditRoundChangeOver(int row);
  void EditRoundMessage(int row);
  void EditRoundDate(int row);

  void FillClassRecord(DSNode& record) const;
  DSNode FieldRecord() const;
  void StoreRows(bool existing);

  Competition& competition_;
  Platform& platform_;
  int activePage_ = kNameStep;
  std::string_view activeControl_ = kClassNameControl;
  int loadedFieldCount_ = 0;  // the count the reports were last brought in line with
};

}  // namespace quenchel
