#include "setup/class_form_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/scripted_dialogs.h"
#include "reports/rep_fields.h"
#include "setup/class_field_count.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Kind = ScriptedDialogs::Kind;
using Shown = ScriptedDialogs::Shown;

class ClassChecksTest : public ::testing::Test {
 protected:
  ClassChecksTest() {
    competition.ClassList.AddSorted(MakeRecord({"1", "Open Shoeing", "", "", "", "", "", "", "", "", "OS"}));
    competition.ClassList.AddSorted(MakeRecord({"2", "Novice", "", "", "", "", "", "", "", "", "NV"}));
    competition.ClassList.AddSorted(MakeRecord({"4", "Young", "", "", "", "", "", "", "", "", "YG"}));
  }
  Competition competition;
  ScriptedDialogs dialogs;
};

TEST_F(ClassChecksTest, LowestFreeNumberFillsTheFirstGap) {
  EXPECT_EQ(LowestFreeClassNumber(competition), 3);
  EXPECT_EQ(LowestFreeClassNumber(Competition()), 1);
}

TEST_F(ClassChecksTest, NamesAreCheckedAgainstTheOtherClassesOnly) {
  struct Case {
    bool shortName;
    const char* name;
    int classNo;
    NameCheck result;
    Shown message;
  };
  const std::array cases{
      Case{false,
           "Novice",
           3,
           NameCheck::Duplicate,
           {Kind::Information, "Duplicate Class Name", "Class Name: 'Novice' is duplicated"}},
      Case{false,
           "",
           3,
           NameCheck::Missing,
           {Kind::Information, "Class Name Missing", "You must enter a unique class name"}},
      Case{true,
           "NV",
           1,
           NameCheck::Duplicate,
           {Kind::Information, "Duplicate Short Class Name", "Short Class Name: 'NV' is duplicated"}},
      Case{true,
           "",
           3,
           NameCheck::Missing,
           {Kind::Information, "Class Name Missing", "You must enter a unique short class name"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.ClearMessages();
    const NameCheck result = c.shortName ? CheckShortClassName(competition, dialogs, c.name, c.classNo)
                                         : CheckClassName(competition, dialogs, c.name, c.classNo);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(dialogs.Messages(), std::vector<Shown>{c.message});
  }
  dialogs.ClearMessages();
  EXPECT_EQ(CheckClassName(competition, dialogs, "Novice", 2), NameCheck::Accepted);  // its own name
  EXPECT_EQ(CheckShortClassName(competition, dialogs, "OS", 1), NameCheck::Accepted);
  EXPECT_EQ(CheckClassName(competition, dialogs, "Farriers' Open", 3), NameCheck::Accepted);
  EXPECT_TRUE(dialogs.Messages().empty());

  // A class without a short name does not make an empty one a repeat.
  competition.ClassList.AddSorted(MakeRecord({"5", "Old"}));
  EXPECT_EQ(CheckShortClassName(competition, dialogs, "", 3), NameCheck::Missing);
}

TEST_F(ClassChecksTest, ATypedNumberMustBeFree) {
  EXPECT_EQ(CheckClassNumber(competition, dialogs, "7"), "7");
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(CheckClassNumber(competition, dialogs, "2"), "3");
  EXPECT_EQ(CheckClassNumber(competition, dialogs, ""), "");
  const std::vector<Shown> expected{
      {Kind::Information, "Duplicated Class Number", "This class number already in use - Next free number suggested"},
      {Kind::Information, "Class Number", "You must enter a unique class number"}};
  EXPECT_EQ(dialogs.Messages(), expected);
}

TEST_F(ClassChecksTest, FieldTitlesMustBeFilledAndDifferentFromEarlierOnes) {
  const std::array<std::string, 4> titles{"Shoe", "Fit", "Shoe", ""};
  EXPECT_TRUE(CheckFieldTitle(dialogs, titles, 0));
  EXPECT_TRUE(CheckFieldTitle(dialogs, titles, 1));
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_FALSE(CheckFieldTitle(dialogs, titles, 2));
  EXPECT_FALSE(CheckFieldTitle(dialogs, titles, 3));
  const std::vector<Shown> expected{
      {Kind::Information, "Duplicate Feild", "You have already entered\n a score field with this title!"},
      {Kind::Information, "Empty Feild", "You have not entered a title for this field!"}};
  EXPECT_EQ(dialogs.Messages(), expected);
}

// --- changing the number of score fields ------------------------------------------------

class FieldCountTest : public ::testing::Test {
 protected:
  static constexpr int kClass = 3;
  FieldCountTest() {
    // Report 1 shows fields 1 and 4 of the class, report 2 only field 1; report 3 is
    // about another class.
    SetRepFieldFlag(competition, 1, kClass, 1, "Y");
    SetRepFieldFlag(competition, 1, kClass, 4, "B");
    SetRepFieldFlag(competition, 2, kClass, 1, "Y");
    SetRepFieldFlag(competition, 3, 9, 5, "Y");
  }
  bool Trusted(int report, int classNo = kClass) const { return IsRepFieldTrusted(competition, report, classNo); }
  Competition competition;
  ScriptedDialogs dialogs;
};

TEST_F(FieldCountTest, MoreFieldsMarkTheClassesReportsNotTrusted) {
  EXPECT_EQ(ChangeScoreFieldCount(competition, dialogs, kClass, 5, 6), 6);
  EXPECT_FALSE(Trusted(1));
  EXPECT_FALSE(Trusted(2));
  EXPECT_TRUE(Trusted(3, 9));
  const std::vector<Shown> expected{
      {Kind::Information, "Please Note:",
       "Reports for this Class (Marked by a Red box) will now be out of date and maked as 'Not trusted' - You should "
       "check them at Reports!"}};
  EXPECT_EQ(dialogs.Messages(), expected);
}

TEST_F(FieldCountTest, WithoutReportsNothingIsSaid) {
  EXPECT_EQ(ChangeScoreFieldCount(competition, dialogs, 5, 2, 6), 6);
  EXPECT_EQ(ChangeScoreFieldCount(competition, dialogs, 5, 6, 2), 2);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(competition.RepFieldList.Count(), 3);
}

TEST_F(FieldCountTest, FewerFieldsNoReportUsesAreMarkedWithoutAQuestion) {
  EXPECT_EQ(ChangeScoreFieldCount(competition, dialogs, kClass, 5, 4), 4);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_FALSE(Trusted(1));
  EXPECT_FALSE(Trusted(2));
  EXPECT_EQ(GetRepFieldFlag(competition, 1, kClass, 4), "B");
}

TEST_F(FieldCountTest, RemovingAFieldAReportUsesAsksAndOnYesTakesItOut) {
  dialogs.Answer(true);
  EXPECT_EQ(ChangeScoreFieldCount(competition, dialogs, kClass, 5, 3), 3);
  EXPECT_EQ(GetRepFieldFlag(competition, 1, kClass, 4), "N");
  EXPECT_EQ(GetRepFieldFlag(competition, 1, kClass, 1), "Y");
  EXPECT_FALSE(Trusted(1));
  EXPECT_FALSE(Trusted(2));
  const std::vector<Shown> expected{
      {Kind::Question, "Warning", "There are Reports that WILL be affeted by these changes, Continue?"},
      {Kind::Information, "Please Note",
       "Reports for this Class (Marked by a Red box) may need revising - You should check them!"}};
  EXPECT_EQ(dialogs.Messages(), expected);
}

TEST_F(FieldCountTest, DecliningKeepsTheCountAndLeavesTheReportsAlone) {
  dialogs.Answer(false);
  EXPECT_EQ(ChangeScoreFieldCount(competition, dialogs, kClass, 5, 3), 5);
  EXPECT_EQ(GetRepFieldFlag(competition, 1, kClass, 4), "B");
  EXPECT_TRUE(Trusted(1));
  EXPECT_TRUE(Trusted(2));
  EXPECT_EQ(dialogs.Messages().size(), 1u);
}

}  // namespace
}  // namespace quenchel
