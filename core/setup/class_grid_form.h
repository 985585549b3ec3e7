#pragma once
// The class list: every class by its long name, with Add, Edit and Delete. Add and Edit
// open the class form; Delete removes a class with its score-field titles, rounds, forges
// and horses, unless a competitor is entered in it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/form_host.h"
#include "platform/platform.h"
#include "print/grid.h"
#include "setup/class_edit_form.h"

namespace quenchel {

class Competition;
class DSNode;

class TClassGridForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TClassGridForm";
  static constexpr std::string_view kCaption = "Classes";
  static constexpr std::string_view kGridHeading = "Class Name";
  static constexpr std::string_view kAddButton = "Add";
  static constexpr std::string_view kEditButton = "Edit";
  static constexpr std::string_view kDeleteButton = "Delete";
  static constexpr std::string_view kCloseButton = "Close";
  // Pixels; the heading row is 1.25 times as high.
  static constexpr int kDefaultRowHeight = 20;
  static constexpr int kHeadingRowHeight = kDefaultRowHeight * 5 / 4;

  // `showActiveClass` refreshes the main window's heading after the active class may have
  // changed (the main window's ShowActiveClass for the current ActiveClass).
  TClassGridForm(Competition& competition, Platform platform, std::function<void()> showActiveClass);

  std::string_view FormName() const override { return kFormName; }

  // --- what the window shows -------------------------------------------------------------
  // One column of long names under the heading row.
  const Grid& ClassGrid() const noexcept { return grid_; }
  // The grid the window's table shows; the same grid for the life of the form.
  Grid& ClassGrid() noexcept { return grid_; }
  // The names fill the width the window shows the grid in.
  void SetGridClientWidth(int width) noexcept { grid_.SetClientWidth(width); }
  bool GridVisible() const noexcept { return gridVisible_; }
  bool AddEnabled() const noexcept { return true; }
  bool EditEnabled() const noexcept { return haveClasses_; }
  bool DeleteEnabled() const noexcept { return haveClasses_; }
  // The clicked row, which the window highlights; 0 while nothing (or the heading) was
  // clicked.
  int SelectedRow() const noexcept { return selectedRow_; }
  // The class form Add and Edit open; the same form for the life of the list.
  TClassEditForm& ClassForm() noexcept { return classForm_; }

  // --- events ----------------------------------------------------------------------------
  // Opening: ClassList is put in name order and the grid and buttons follow it.
  void FormActivate();
  // A click on a grid row; a click outside the rows (none) selects row 0.
  void ClassGridMouseDown(std::optional<int> row);
  void AddClick();
  void EditClick();
  void DeleteClick();
  void ClassGridDblClick() { EditClick(); }
  ModalResult CloseClick() const noexcept { return ModalResult::Cancel; }

 private:
  void Refill();
  // The long name in the selected row; none while no class row is selected.
  std::optional<std::string> SelectedName() const;
  // Whether the class form's long name may be stored as a new class; shows why not.
  bool NewNameAccepted();
  // Removes the class with its score-field titles, rounds, forges and horses.
  void DeleteClass(DSNode& record);

  Competition& competition_;
  Platform platform_;
  std::function<void()> showActiveClass_;
  TClassEditForm classForm_;
  Grid grid_{1, 2};
  bool gridVisible_ = false;
  bool haveClasses_ = false;
  int selectedRow_ = 0;
};

}  // namespace quenchel
