#include <gtest/gtest.h>

#include <string>

#include "setup/class_lookup.h"
#include "store/competition.h"

namespace quenchel {
namespace {

// Two classes share the long name "Open"; the first in list order is class 3.
class ClassLookupTest : public ::testing::Test {
 protected:
  ClassLookupTest() {
    competition.ClassList.AddSorted(MakeRecord({"3", "Open", "5", "", "", "", "", "", "", "", "O1"}));
    competition.ClassList.AddSorted(MakeRecord({"7", "Novice", "2", "", "", "", "", "", "", "", "N1"}));
    competition.ClassList.AddSorted(MakeRecord({"9", "Open", "4", "", "", "", "", "", "", "", "O2"}));
    competition.FieldList.AddSorted(
        MakeRecord({"3", "5", "Prep.", "Shoe", "Fit", "Shoe", "Specimen", "", "", "", "", "", "", "", "", "", "", "",
                    "Total"}));
  }
  Competition competition;
};

TEST_F(ClassLookupTest, ByNameAndShortNameTakeTheFirstMatchAndAnswerZeroForNone) {
  EXPECT_EQ(ClassNumberByName(competition, "Open"), 3);
  EXPECT_EQ(ClassNumberByName(competition, "open"), 0);
  EXPECT_EQ(ClassNumberByShortName(competition, "N1"), 7);
  EXPECT_EQ(ClassNumberByShortName(competition, "O2"), 9);
  EXPECT_EQ(ClassNumberByShortName(competition, "Novice"), 0);
  EXPECT_EQ(ClassNameByNumber(competition, 7), "Novice");
  EXPECT_EQ(ClassNameByNumber(competition, 4), "Class Not Found");
}

TEST_F(ClassLookupTest, FieldCountsReadCellTwo) {
  EXPECT_EQ(FieldCountByClassNumber(competition, 9), 4);
  EXPECT_EQ(FieldCountByClassNumber(competition, 5), 0);
  EXPECT_EQ(FieldCountByClassName(competition, "Open"), 5);
  EXPECT_EQ(FieldCountByClassName(competition, "Advanced"), 0);
}

TEST_F(ClassLookupTest, FieldIndexByTitle) {
  struct Case {
    int classNo;
    const char* title;
    int expected;
  };
  const Case cases[] = {
      {3, "Prep.", 1},    {3, "Specimen", 5},  {3, "Fit*", 3},  {3, "Fit**2", 3}, {3, "Shoe", 4},  // last equal
      {3, "Total", 17},   {7, "Total", 17},    {3, "Nail", 0},  {3, "prep.", 0},  {7, "Prep.", 0},  // no fields
      {3, "", 0},         {3, "*", 0},                                                              // empty titles
  };
  for (const Case& c : cases)
    EXPECT_EQ(FieldIndexByTitle(competition, c.classNo, c.title), c.expected) << c.classNo << " '" << c.title << "'";
}

TEST_F(ClassLookupTest, SelectingByNameSetsTheFirstMatchOrLeavesTheActiveClass) {
  competition.state.ActiveClass = 7;
  EXPECT_EQ(SelectActiveClassByName(competition, "Open"), 3);
  EXPECT_EQ(competition.state.ActiveClass, 3);
  EXPECT_EQ(SelectActiveClassByName(competition, "Gone"), 0);
  EXPECT_EQ(competition.state.ActiveClass, 3);
}

}  // namespace
}  // namespace quenchel
