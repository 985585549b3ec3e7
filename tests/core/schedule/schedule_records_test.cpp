#include <gtest/gtest.h>

#include <string>

#include "platform/scripted_dialogs.h"
#include "schedule/horse_feet.h"
#include "schedule/schedule_records.h"
#include "store/competition.h"

namespace quenchel {
namespace {

using Shown = ScriptedDialogs::Shown;
using Kind = ScriptedDialogs::Kind;

// Class 1 has two horses; competitors 501 and 502 are placed on feet of horse 1 and 2,
// 503 is entered but not placed. Class 2 has competitor 501 placed too, on its own horse.
class ScheduleRecordsTest : public ::testing::Test {
 protected:
  ScheduleRecordsTest() {
    competition.HorseList.AddSorted(MakeRecord({"1", "1", "Horse A", "Forge 1", "501", "", "", "", "1"}));
    competition.HorseList.AddSorted(MakeRecord({"1", "2", "Horse B", "Forge 2", "", "", "502", "", "2"}));
    competition.HorseList.AddSorted(MakeRecord({"2", "1", "Horse A", "Forge 1", "501", "", "", "", "1"}));
    Place("501", "1", "1", "1", " 1 LF Horse A");
    Place("502", "1", "3", "2", " 2 LH Horse B");
    competition.ScheduleList.Update2(MakeRecord({"503", "1", "", "", "Sam Strike", "N"}));
    Place("501", "2", "1", "1", " 1 LF Horse A");
  }

  void Place(const char* competitor, const char* classNo, const char* round, const char* fire, const char* foot) {
    competition.ScheduleList.Update2(MakeRecord({competitor, classNo, round, fire, "Sam Strike", "Y", "08:00", "08:50",
                                                 foot, "18/04/2026 08:00:00", "18/04/2026 08:50:00", "", "2"}));
  }
  const DSNode& Record(const char* competitor, const char* classNo) {
    return *competition.ScheduleList.FindKey2(competitor, classNo);
  }
  std::string Foot(const char* classNo, const char* horse, int cell) {
    return std::string(competition.HorseList.FindKey2(classNo, horse)->Cell(cell));
  }

  Competition competition;
  ScriptedDialogs dialogs;
};

TEST_F(ScheduleRecordsTest, CountAllocatedCountsPlacedRecordsOfTheClassOnly) {
  EXPECT_EQ(CountAllocated(competition, 1), 2);
  EXPECT_EQ(CountAllocated(competition, 2), 1);
  EXPECT_EQ(CountAllocated(competition, 3), 0);
}

TEST_F(ScheduleRecordsTest, UnallocatingEmptiesThePlaceAndFreesTheFootButKeepsStrikerAndPosition) {
  EXPECT_EQ(UnallocateBeyond(competition, 1, 2, 6), 1);

  const DSNode& moved = Record("502", "1");
  EXPECT_EQ(moved.Cell(5), "N");
  for (const int cell : {2, 3, 6, 7, 8}) EXPECT_EQ(moved.Cell(cell), "") << "cell " << cell;
  EXPECT_EQ(moved.Cell(4), "Sam Strike");
  EXPECT_EQ(moved.Cell(12), "2");
  EXPECT_EQ(moved.Cell(9), "18/04/2026 08:00:00");
  EXPECT_EQ(Foot("1", "2", 6), "");
  EXPECT_TRUE(competition.state.UnsavedData);

  EXPECT_EQ(Record("501", "1").Cell(5), "Y");
  EXPECT_EQ(Foot("1", "1", 4), "501");
  EXPECT_EQ(Foot("2", "1", 4), "501");
}

TEST(UnallocateBeyond, TakesOffRecordsInARoundOrAtAFireAboveTheLimits) {
  struct Case {
    int rounds, fires, expected;
  };
  for (const Case c : {Case{3, 2, 0}, Case{2, 2, 1}, Case{3, 1, 1}, Case{0, 0, 2}}) {
    Competition competition;
    competition.ScheduleList.Update2(MakeRecord({"501", "1", "1", "1", "", "Y"}));
    competition.ScheduleList.Update2(MakeRecord({"502", "1", "3", "2", "", "Y"}));
    competition.ScheduleList.Update2(MakeRecord({"503", "1", "", "", "", "N"}));
    EXPECT_EQ(UnallocateBeyond(competition, 1, c.rounds, c.fires), c.expected)
        << c.rounds << " rounds, " << c.fires << " fires";
  }
}

TEST_F(ScheduleRecordsTest, UnallocateHorseTakesOffTheCompetitorsOnThatHorseOfThatClass) {
  EXPECT_EQ(UnallocateHorse(competition, 1, 1), 1);
  EXPECT_EQ(Record("501", "1").Cell(5), "N");
  EXPECT_EQ(Foot("1", "1", 4), "");
  EXPECT_EQ(Record("502", "1").Cell(5), "Y");
  EXPECT_EQ(Record("501", "2").Cell(5), "Y");
  EXPECT_EQ(Foot("2", "1", 4), "501");
  EXPECT_EQ(UnallocateHorse(competition, 1, 3), 0);
}

TEST_F(ScheduleRecordsTest, RecordsWithoutAFootDoNotCountAsOnHorseZero) {
  EXPECT_EQ(UnallocateHorse(competition, 1, 0), 0);
  EXPECT_FALSE(competition.state.UnsavedData);
}

TEST_F(ScheduleRecordsTest, UnallocateClassTakesOffEveryRecordAndSaysHowMany) {
  EXPECT_EQ(UnallocateClass(competition, dialogs, 1), 3);
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<Shown>{{Kind::Information, "Please Note", "3 Competitor have been unallocated from Schedule"}}));
  EXPECT_EQ(CountAllocated(competition, 1), 0);
  EXPECT_EQ(Foot("1", "1", 4), "");
  EXPECT_EQ(Foot("1", "2", 6), "");
  EXPECT_EQ(CountAllocated(competition, 2), 1);
}

TEST_F(ScheduleRecordsTest, UnallocatingDoesNotFreeAFootHeldByAnotherCompetitor) {
  // 504 was given the foot 501 already held; the foot kept its first occupant.
  Place("504", "1", "2", "1", " 1 LF Horse A");
  EXPECT_EQ(UnallocateBeyond(competition, 1, 1, 6), 2);
  EXPECT_EQ(Foot("1", "1", 4), "501");
  EXPECT_EQ(Record("504", "1").Cell(8), "");
}

// --- feet -----------------------------------------------------------------------------------

TEST(FootText, NumberRightAlignedInTwoThenCodeAndName) {
  EXPECT_EQ(FootText(1, 0, "Horse A"), " 1 LF Horse A");
  EXPECT_EQ(FootText(12, 3, "Horse L"), "12 RH Horse L");
  EXPECT_EQ(FootCellOf("12 RH Horse L"), 7);
  EXPECT_EQ(FootCellOf(" 1 XX Horse A"), std::nullopt);
  EXPECT_EQ(FootCellOf(" 1 L"), std::nullopt);
}

TEST_F(ScheduleRecordsTest, TakeFootWritesTheCompetitorIntoAFreeFootOnly) {
  TakeFoot(competition, dialogs, 1, " 1 RF Horse A", 503);
  EXPECT_EQ(Foot("1", "1", 5), "503");
  EXPECT_TRUE(dialogs.Messages().empty());

  TakeFoot(competition, dialogs, 1, " 1 LF Horse A", 503);
  EXPECT_EQ(Foot("1", "1", 4), "501");
  EXPECT_EQ(dialogs.Messages(), (std::vector<Shown>{{Kind::Information, "Error", " 1 LF Horse A"}}));
}

TEST_F(ScheduleRecordsTest, FootCellHoldingZeroCountsAsFree) {
  competition.HorseList.FindKey2("1", "2")->SetCell(4, "0");
  TakeFoot(competition, dialogs, 1, " 2 LF Horse B", 503);
  EXPECT_EQ(Foot("1", "2", 4), "503");
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ScheduleRecordsTest, FreeFootEmptiesTheFootWhoeverHoldsIt) {
  FreeFoot(competition, " 2 LH Horse B", 1);
  EXPECT_EQ(Foot("1", "2", 6), "");
  EXPECT_EQ(Foot("1", "1", 4), "501");
}

TEST_F(ScheduleRecordsTest, UnknownOrEmptyFootTextsChangeNothing) {
  for (const char* text : {"", " 9 LF Horse I", " 1 XY Horse A", "LF"}) {
    FreeFoot(competition, text, 1);
    TakeFoot(competition, dialogs, 1, text, 503);
  }
  FreeFoot(competition, " 1 LF Horse A", 3);
  EXPECT_EQ(Foot("1", "1", 4), "501");
  EXPECT_EQ(Foot("1", "2", 6), "502");
  EXPECT_FALSE(competition.state.UnsavedData);
  EXPECT_TRUE(dialogs.Messages().empty());
}

}  // namespace
}  // namespace quenchel
