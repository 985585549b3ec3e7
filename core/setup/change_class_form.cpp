#include "setup/change_class_form.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/dialogs.h"
#include "setup/class_lookup.h"
#include "store/cell_text.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// The combo box's alphabetical order: letters compared without regard to case.
bool AlphabeticallyBefore(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

TChangeClassForm::TChangeClassForm(Competition& competition, Dialogs& dialogs, std::function<void()> showActiveClass)
    : competition_(competition), dialogs_(dialogs), showActiveClass_(std::move(showActiveClass)) {}

void TChangeClassForm::FormActivate() {
  ActiveClassCB.Items.clear();
  for (const DSNode& record : competition_.ClassList) ActiveClassCB.Items.emplace_back(record.Cell(1));
  if (competition_.state.ActiveClass == 0 && !competition_.ClassList.Empty()) {
    competition_.state.ActiveClass = ReadInt(competition_.ClassList.First()->Cell(0));
  }
  std::stable_sort(ActiveClassCB.Items.begin(), ActiveClassCB.Items.end(), AlphabeticallyBefore);
  ActiveClassCB.Text = ClassNameByNumber(competition_, competition_.state.ActiveClass);
  if (SelectShownClass()) {
    showActiveClass_();
  } else {
    competition_.state.ActiveClass = 0;
  }
}

void TChangeClassForm::ActiveClassCBChange(std::string_view text) {
  ActiveClassCB.Text = text;
  if (SelectShownClass()) showActiveClass_();
}

bool TChangeClassForm::SelectShownClass() {
  if (SelectActiveClassByName(competition_, ActiveClassCB.Text) != 0) return true;
  dialogs_.ShowInfo("Error", "Unable to find New Active Class");
  return false;
}

}  // namespace quenchel
