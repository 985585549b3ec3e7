#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_dialogs.h"
#include "setup/change_class_form.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Kind = ScriptedDialogs::Kind;
using Shown = ScriptedDialogs::Shown;

// Three classes in number order; their names are not in alphabetical order.
class ChangeClassFormTest : public ::testing::Test {
 protected:
  ChangeClassFormTest() : form(competition, dialogs, [this] { shownActiveClasses.push_back(competition.state.ActiveClass); }) {
    competition.ClassList.AddSorted(MakeRecord({"1", "Shoeing"}));
    competition.ClassList.AddSorted(MakeRecord({"2", "apprentice"}));
    competition.ClassList.AddSorted(MakeRecord({"3", "Open"}));
  }
  Competition competition;
  ScriptedDialogs dialogs;
  std::vector<int> shownActiveClasses;
  TChangeClassForm form;
};

TEST_F(ChangeClassFormTest, ActivationListsTheNamesAlphabeticallyAndShowsTheActiveClass) {
  competition.state.ActiveClass = 3;
  form.FormActivate();
  EXPECT_EQ(form.ActiveClassCB.Items, (std::vector<std::string>{"apprentice", "Open", "Shoeing"}));
  EXPECT_EQ(form.ActiveClassCB.Text, "Open");
  EXPECT_EQ(competition.state.ActiveClass, 3);
  EXPECT_EQ(shownActiveClasses, std::vector<int>{3});
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ChangeClassFormTest, WithNoActiveClassTheFirstClassInListOrderBecomesActive) {
  form.FormActivate();
  EXPECT_EQ(competition.state.ActiveClass, 1);
  EXPECT_EQ(form.ActiveClassCB.Text, "Shoeing");
  EXPECT_EQ(shownActiveClasses, std::vector<int>{1});
}

TEST_F(ChangeClassFormTest, AnActiveClassThatIsGoneIsReportedAndCleared) {
  competition.state.ActiveClass = 9;
  form.FormActivate();
  EXPECT_EQ(competition.state.ActiveClass, 0);
  EXPECT_EQ(dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "Error", "Unable to find New Active Class"}}));
  EXPECT_TRUE(shownActiveClasses.empty());
}

TEST_F(ChangeClassFormTest, ChoosingANameMakesItsClassActive) {
  competition.state.ActiveClass = 1;
  form.FormActivate();
  form.ActiveClassCBChange("apprentice");
  EXPECT_EQ(competition.state.ActiveClass, 2);
  EXPECT_EQ(shownActiveClasses, (std::vector<int>{1, 2}));
  EXPECT_EQ(form.OKClick(), ModalResult::OK);
  EXPECT_EQ(competition.state.ActiveClass, 2);
}

TEST_F(ChangeClassFormTest, ANameOfNoClassIsReportedAndKeepsTheActiveClass) {
  competition.state.ActiveClass = 1;
  form.FormActivate();
  form.ActiveClassCBChange("Apprentice");
  EXPECT_EQ(competition.state.ActiveClass, 1);
  EXPECT_EQ(dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "Error", "Unable to find New Active Class"}}));
  EXPECT_EQ(shownActiveClasses, std::vector<int>{1});
}

TEST_F(ChangeClassFormTest, TwoClassesOfOneNameSelectTheFirstInListOrder) {
  competition.ClassList.AddSorted(MakeRecord({"4", "Shoeing"}));
  competition.state.ActiveClass = 4;
  form.FormActivate();
  EXPECT_EQ(form.ActiveClassCB.Text, "Shoeing");
  EXPECT_EQ(competition.state.ActiveClass, 1);
}

}  // namespace
}  // namespace quenchel
