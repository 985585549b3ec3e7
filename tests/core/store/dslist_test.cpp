// Record list behaviour: key order, look-ups, updates, removal, in-place edits, marks,
// captions and heading rows.

#include "store/dslist.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scripted_dialogs.h"
#include "store/record.h"

namespace quenchel {
namespace {

using Keys = std::vector<std::string>;

Keys CellsOf(const DSList& list, int cell = 0) {
  Keys cells;
  for (const DSNode& node : list) cells.emplace_back(node.Cell(cell));
  return cells;
}

void AddKeys(DSList& list, std::initializer_list<std::string_view> keys) {
  for (std::string_view key : keys) list.AddSorted(MakeRecord({key}));
}

// Position of a stored record in list order, -1 for none.
int PositionOf(const DSList& list, const DSNode* record) {
  int position = 0;
  for (const DSNode& node : list) {
    if (&node == record) return position;
    ++position;
  }
  return -1;
}

// Walks the links both ways and checks they agree with Count, First and Last.
void ExpectConsistentChain(const DSList& list) {
  int forward = 0;
  const DSNode* previous = nullptr;
  for (const DSNode* node = list.First(); node != nullptr; node = list.Next(node)) {
    ++forward;
    previous = node;
  }
  EXPECT_EQ(forward, list.Count());
  EXPECT_EQ(previous, list.Last());
  EXPECT_EQ(list.Empty(), list.Count() == 0);
}

// --- key order ---------------------------------------------------------------------------

struct OrderCase {
  const char* name;
  std::vector<std::string_view> inserted;
  Keys expected;
};

class AddSortedOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(AddSortedOrder, PlacesEachKeyBeforeTheFirstGreaterRecord) {
  DSList list;
  for (std::string_view key : GetParam().inserted) list.AddSorted(MakeRecord({key}));
  EXPECT_EQ(CellsOf(list), GetParam().expected);
  ExpectConsistentChain(list);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddSortedOrder,
    testing::Values(
        OrderCase{"NumbersSortAsNumbers", {"10", "9", "2"}, {"2", "9", "10"}},
        OrderCase{"TextSortsBytewise", {"B", "A"}, {"A", "B"}},
        OrderCase{"TextKeyAfterNumericKey", {"10", "A"}, {"10", "A"}},
        OrderCase{"NumericKeyAfterTextKeys", {"A", "B", "5"}, {"A", "B", "5"}},
        OrderCase{"NumericKeyBeforeLargerNumberAfterText", {"B", "10", "A", "2"}, {"A", "B", "2", "10"}},
        OrderCase{"NegativeKeyBeforeTextKeysReadingZero", {"A", "B", "-3"}, {"-3", "A", "B"}},
        OrderCase{"LeadingDigitsAndBlanksReadAsNumber", {"12abc", " 5", "7"}, {" 5", "7", "12abc"}},
        OrderCase{"EmptyKeyGoesBeforeEveryNonEmptyKey", {"2", "A", ""}, {"", "2", "A"}},
        OrderCase{"EmptyKeyGoesAfterEqualEmptyKeys", {"", "A", ""}, {"", "", "A"}},
        OrderCase{"ZeroKeyComparedAsText", {" 7", "0"}, {" 7", "0"}},
        OrderCase{"HighBytesSortAfterAscii", {"\xE9", "z"}, {"z", "\xE9"}},
        OrderCase{"DescendingNumbersEachBecomeHead", {"5", "4", "3", "2", "1"}, {"1", "2", "3", "4", "5"}}),
    [](const testing::TestParamInfo<OrderCase>& param) { return std::string(param.param.name); });

TEST(DSListAddSorted, EqualKeyGoesAfterAllEqualRecordsAndFindReturnsTheOldest) {
  DSList list;
  list.AddSorted(MakeRecord({"7", "first"}));
  list.AddSorted(MakeRecord({"8", "other"}));
  list.AddSorted(MakeRecord({"7", "second"}));
  list.AddSorted(MakeRecord({"7", "third"}));

  EXPECT_EQ(CellsOf(list, 1), (Keys{"first", "second", "third", "other"}));
  ASSERT_NE(list.Find(MakeRecord({"7"})), nullptr);
  EXPECT_EQ(list.Find(MakeRecord({"7"}))->Cell(1), "first");
}

TEST(DSListAddSorted, EqualTextKeyGoesAfterAllEqualRecords) {
  DSList list;
  list.AddSorted(MakeRecord({"B", "first"}));
  list.AddSorted(MakeRecord({"C", "other"}));
  list.AddSorted(MakeRecord({"B", "second"}));
  list.AddSorted(MakeRecord({"", "empty first"}));
  list.AddSorted(MakeRecord({"", "empty second"}));

  EXPECT_EQ(CellsOf(list, 1), (Keys{"empty first", "empty second", "first", "second", "other"}));
  EXPECT_EQ(list.Find(MakeRecord({"B"}))->Cell(1), "first");
  EXPECT_EQ(list.Find(MakeRecord({""}))->Cell(1), "empty first");
}

TEST(DSListAddSorted, StoresACopyAndReturnsIt) {
  DSList list;
  DSNode mine = MakeRecord({"3", "Ann"});
  DSNode& stored = list.AddSorted(mine);
  mine.SetCell(1, "changed");

  EXPECT_EQ(&stored, list.First());
  EXPECT_EQ(stored.Cell(1), "Ann");
  EXPECT_TRUE(stored.BelongsTo(list));
  EXPECT_FALSE(mine.BelongsTo(list));
  EXPECT_EQ(stored.Buf(), "0123456789012345678");
  EXPECT_EQ(mine.Buf(), "");
}

TEST(DSListAddSorted, CopyingAMarkedRecordDoesNotCarryTheMark) {
  DSList source;
  DSList target;
  DSNode& marked = source.AddSorted(MakeRecord({"1"}));
  ASSERT_TRUE(source.SetMarked(&marked));

  target.AddSorted(marked);
  EXPECT_EQ(target.GetMarked(), nullptr);
}

// --- walking and look-ups ----------------------------------------------------------------

TEST(DSListWalk, NextOfNoneIsFirstAndRangeForFollowsTheLinks) {
  DSList list;
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Next(nullptr), nullptr);
  AddKeys(list, {"2", "1", "3"});

  EXPECT_EQ(list.Next(nullptr), list.First());
  EXPECT_EQ(list.Next(list.First())->Cell(0), "2");
  EXPECT_EQ(list.Next(list.Last()), nullptr);
  EXPECT_EQ(CellsOf(list), (Keys{"1", "2", "3"}));
  EXPECT_EQ(list.Count(), 3);
}

TEST(DSListFind, ReturnsTheFirstMatchingStoredRecord) {
  DSList list;
  list.AddSorted(MakeRecord({"4", "1", "older"}));
  list.AddSorted(MakeRecord({"4", "2", "x"}));
  list.AddSorted(MakeRecord({"4", "1", "newer"}));

  DSNode* byKey = list.Find(MakeRecord({"4", "ignored"}));
  DSNode* byPair = list.Find2(MakeRecord({"4", "1", "ignored"}));
  ASSERT_NE(byKey, nullptr);
  ASSERT_NE(byPair, nullptr);
  EXPECT_EQ(PositionOf(list, byKey), 0);
  EXPECT_EQ(byPair, byKey);
  EXPECT_EQ(list.Find2(MakeRecord({"4", "2"}))->Cell(2), "x");
  EXPECT_EQ(list.FindKey("4"), byKey);
  EXPECT_EQ(list.FindKey2("4", "2"), list.Find2(MakeRecord({"4", "2"})));

  // The record handed back is the stored one: an edit through it is seen by the list.
  byKey->SetCell(2, "edited");
  EXPECT_EQ(list.First()->Cell(2), "edited");
}

TEST(DSListFind, MatchesExactBytesOnly) {
  DSList list;
  list.AddSorted(MakeRecord({"Abc", "x"}));

  EXPECT_EQ(list.Find(MakeRecord({"abc"})), nullptr);
  EXPECT_EQ(list.Find(MakeRecord({"Abc "})), nullptr);
  EXPECT_EQ(list.Find2(MakeRecord({"Abc", "X"})), nullptr);
  const DSNode otherCase = MakeRecord({"abc", "x"});
  EXPECT_FALSE(list.Exists(&otherCase));
  EXPECT_FALSE(list.Exists2(&otherCase));
}

TEST(DSListFind, AbsentEmptyOrNoPatternFindsNothing) {
  DSList list;
  const DSNode pattern = MakeRecord({"1", "1"});
  EXPECT_EQ(list.Find(pattern), nullptr);
  EXPECT_EQ(list.Find2(pattern), nullptr);
  EXPECT_FALSE(list.Exists(&pattern));
  EXPECT_FALSE(list.Exists2(&pattern));

  list.AddSorted(MakeRecord({"1", "2"}));
  EXPECT_TRUE(list.Exists(&pattern));
  EXPECT_FALSE(list.Exists2(&pattern));
  EXPECT_EQ(list.Find2(pattern), nullptr);
  EXPECT_FALSE(list.Exists(nullptr));
  EXPECT_FALSE(list.Exists2(nullptr));
}

TEST(DSListFind, CountSameComparesCellsOneAndFive) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "A", "", "", "", "X"}));
  list.AddSorted(MakeRecord({"2", "A", "other", "", "", "X"}));
  list.AddSorted(MakeRecord({"3", "A", "", "", "", "Y"}));
  list.AddSorted(MakeRecord({"4", "B", "", "", "", "X"}));

  EXPECT_EQ(list.CountSame(MakeRecord({"9", "A", "", "", "", "X"})), 2);
  EXPECT_EQ(list.CountSame(MakeRecord({"9", "C"})), 0);
}

// --- Update and Update2 ------------------------------------------------------------------

TEST(DSListUpdate, PresentKeyOverwritesCellsOneToTwentyFiveOfTheFirstMatch) {
  DSList list;
  DSNode& older = list.AddSorted(MakeRecord({"5", "old", "keep?", "", "", "gone"}));
  list.AddSorted(MakeRecord({"5", "duplicate"}));
  DSNode replacement = MakeRecord({"5", "new", "changed"});
  replacement.SetCell(25, "last");

  EXPECT_EQ(list.Update(replacement), &older);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(older.Cell(1), "new");
  EXPECT_EQ(older.Cell(2), "changed");
  EXPECT_EQ(older.Cell(5), "");  // an empty cell of the given record empties the stored one
  EXPECT_EQ(older.Cell(25), "last");
  EXPECT_EQ(list.Last()->Cell(1), "duplicate");
  // The changed cell 1 is seen by the two-part look-up.
  EXPECT_EQ(list.Find2(MakeRecord({"5", "new"})), &older);
  EXPECT_EQ(list.Find2(MakeRecord({"5", "old"})), nullptr);
}

TEST(DSListUpdate, AbsentKeyAddsACopyInOrderAndReturnsNone) {
  DSList list;
  EXPECT_EQ(list.Update(MakeRecord({"3", "first"})), nullptr);  // empty list
  AddKeys(list, {"10"});
  DSNode mine = MakeRecord({"7", "seven"});

  EXPECT_EQ(list.Update(mine), nullptr);
  mine.SetCell(1, "changed later");
  EXPECT_EQ(CellsOf(list), (Keys{"3", "7", "10"}));
  EXPECT_EQ(list.Find(MakeRecord({"7"}))->Cell(1), "seven");
}

TEST(DSListUpdate, UpdateTwoNeedsBothKeysToMatch) {
  DSList list;
  DSNode& stored = list.AddSorted(MakeRecord({"1", "2", "old"}));

  EXPECT_EQ(list.Update2(MakeRecord({"1", "2", "new"})), &stored);
  EXPECT_EQ(stored.Cell(2), "new");
  EXPECT_EQ(list.Count(), 1);

  EXPECT_EQ(list.Update2(MakeRecord({"1", "3", "other"})), nullptr);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(stored.Cell(2), "new");
  EXPECT_EQ(list.Find2(MakeRecord({"1", "3"}))->Cell(2), "other");

  DSList empty;
  EXPECT_EQ(empty.Update2(MakeRecord({"1", "2"})), nullptr);
  EXPECT_EQ(empty.Count(), 1);
}

TEST(DSListUpdate, UpdatingARecordWithItselfChangesNothing) {
  DSList list;
  DSNode& stored = list.AddSorted(MakeRecord({"1", "2", "x"}));
  EXPECT_EQ(list.Update(stored), &stored);
  EXPECT_EQ(list.Update2(stored), &stored);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(stored.Cell(2), "x");
}

// --- Delete and Delete2 ------------------------------------------------------------------

TEST(DSListDelete, OnlyRecordLeavesAnEmptyList) {
  DSList list;
  AddKeys(list, {"1"});
  const DSNode pattern = MakeRecord({"1"});

  EXPECT_TRUE(list.Delete(&pattern));
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  EXPECT_EQ(list.Find(pattern), nullptr);
  ExpectConsistentChain(list);
  AddKeys(list, {"2"});
  EXPECT_EQ(CellsOf(list), (Keys{"2"}));
}

TEST(DSListDelete, LastRecordLeavesThePreviousOneWithoutNext) {
  DSList list;
  AddKeys(list, {"1", "2", "3"});
  const DSNode pattern = MakeRecord({"3"});

  EXPECT_TRUE(list.Delete(&pattern));
  ASSERT_EQ(list.Last(), list.Find(MakeRecord({"2"})));
  EXPECT_EQ(list.Next(list.Last()), nullptr);
  EXPECT_EQ(CellsOf(list), (Keys{"1", "2"}));
  ExpectConsistentChain(list);
}

TEST(DSListDelete, HeadMovesToTheSecondRecord) {
  DSList list;
  AddKeys(list, {"1", "2", "3"});
  DSNode* second = list.Find(MakeRecord({"2"}));
  const DSNode pattern = MakeRecord({"1"});

  EXPECT_TRUE(list.Delete(&pattern));
  EXPECT_EQ(list.First(), second);
  EXPECT_EQ(CellsOf(list), (Keys{"2", "3"}));
  ExpectConsistentChain(list);
}

TEST(DSListDelete, RemovesOnlyTheFirstOfEqualKeys) {
  DSList list;
  list.AddSorted(MakeRecord({"4", "older"}));
  list.AddSorted(MakeRecord({"4", "newer"}));
  const DSNode pattern = MakeRecord({"4"});

  EXPECT_TRUE(list.Delete(&pattern));
  EXPECT_EQ(CellsOf(list, 1), (Keys{"newer"}));
  EXPECT_EQ(list.Find(pattern)->Cell(1), "newer");
}

TEST(DSListDelete, UnmatchedNullOrEmptyRefusesAndKeepsEverything) {
  DSList list;
  const DSNode pattern = MakeRecord({"1", "2"});
  EXPECT_FALSE(list.Delete(&pattern));
  EXPECT_FALSE(list.Delete2(&pattern));

  list.AddSorted(MakeRecord({"1", "3"}));
  list.AddSorted(MakeRecord({"2", "2"}));
  EXPECT_FALSE(list.Delete(nullptr));
  EXPECT_FALSE(list.Delete2(nullptr));
  EXPECT_FALSE(list.Delete2(&pattern));  // cell 0 alone matches, cell 1 does not
  const DSNode absent = MakeRecord({"9"});
  EXPECT_FALSE(list.Delete(&absent));
  EXPECT_EQ(CellsOf(list, 1), (Keys{"3", "2"}));
}

TEST(DSListDelete, DeleteTwoRemovesTheRecordMatchingBothKeys) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "1"}));
  list.AddSorted(MakeRecord({"1", "2"}));
  list.AddSorted(MakeRecord({"1", "3"}));
  const DSNode pattern = MakeRecord({"1", "2"});

  EXPECT_TRUE(list.Delete2(&pattern));
  EXPECT_EQ(CellsOf(list, 1), (Keys{"1", "3"}));
  EXPECT_EQ(list.Find2(pattern), nullptr);
  EXPECT_NE(list.Find2(MakeRecord({"1", "3"})), nullptr);
  ExpectConsistentChain(list);
}

TEST(DSListDelete, RemoveTakesOnlyThisListsRecords) {
  DSList list;
  DSList other;
  DSNode& mine = list.AddSorted(MakeRecord({"1"}));
  DSNode& theirs = other.AddSorted(MakeRecord({"1"}));
  DSNode freeStanding = MakeRecord({"1"});

  EXPECT_FALSE(list.Remove(&theirs));
  EXPECT_FALSE(list.Remove(&freeStanding));
  EXPECT_FALSE(list.Remove(nullptr));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_TRUE(list.Remove(&mine));
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(other.Count(), 1);
}

// --- in-place edits ----------------------------------------------------------------------

TEST(DSListInPlaceEdit, EditedKeyIsFoundByItsNewTextOnly) {
  DSList list;
  AddKeys(list, {"1", "2", "3"});
  DSNode* record = list.Find(MakeRecord({"2"}));
  ASSERT_NE(record, nullptr);

  record->SetCell(0, "20");
  EXPECT_EQ(list.Find(MakeRecord({"2"})), nullptr);
  EXPECT_EQ(list.Find(MakeRecord({"20"})), record);
  const DSNode oldKey = MakeRecord({"2"});
  EXPECT_FALSE(list.Exists(&oldKey));
  // The record keeps its place; later insertions walk the list as it now stands.
  EXPECT_EQ(CellsOf(list), (Keys{"1", "20", "3"}));
  AddKeys(list, {"10", "25"});
  EXPECT_EQ(CellsOf(list), (Keys{"1", "10", "20", "3", "25"}));
}

TEST(DSListInPlaceEdit, EditedKeyIsTakenIntoAccountWhenAppending) {
  DSList list;
  AddKeys(list, {"1", "2", "3"});
  list.First()->SetCell(0, "100");
  AddKeys(list, {"50", "B"});
  list.Last()->SetCell(0, "C");
  AddKeys(list, {"B2"});
  EXPECT_EQ(CellsOf(list), (Keys{"50", "100", "2", "3", "B2", "C"}));
}

TEST(DSListInPlaceEdit, FindFollowsListOrderNotEditOrder) {
  DSList list;
  list.AddSorted(MakeRecord({"7", "first"}));
  list.AddSorted(MakeRecord({"7", "second"}));
  DSNode* first = list.First();

  first->SetCell(0, "8");
  EXPECT_EQ(list.Find(MakeRecord({"7"}))->Cell(1), "second");
  first->SetCell(0, "7");
  EXPECT_EQ(list.Find(MakeRecord({"7"})), first);
}

TEST(DSListInPlaceEdit, EditedSecondCellIsSeenByFindTwo) {
  DSList list;
  DSNode& stored = list.AddSorted(MakeRecord({"1", "A"}));

  stored.SetCell(1, "B");
  EXPECT_EQ(list.Find2(MakeRecord({"1", "A"})), nullptr);
  EXPECT_EQ(list.Find2(MakeRecord({"1", "B"})), &stored);
  const DSNode oldPair = MakeRecord({"1", "A"});
  EXPECT_FALSE(list.Delete2(&oldPair));
}

TEST(DSListInPlaceEdit, AssigningARecordOverwritesItsCellsAndKeys) {
  DSList list;
  DSNode& stored = list.AddSorted(MakeRecord({"1", "A", "x"}));

  stored = MakeRecord({"2", "B"});
  EXPECT_EQ(stored.Cell(2), "");
  EXPECT_TRUE(stored.BelongsTo(list));
  EXPECT_EQ(list.Find(MakeRecord({"1"})), nullptr);
  EXPECT_EQ(list.Find2(MakeRecord({"2", "B"})), &stored);
}

// --- records -----------------------------------------------------------------------------

TEST(DSNodeCells, TextLongerThanFiftyNineBytesIsCut) {
  const std::string exact(59, 'x');
  const std::string longer = exact + "yz";
  DSNode record;
  record.SetCell(3, exact);
  EXPECT_EQ(record.Cell(3), exact);
  record.SetCell(3, longer);
  EXPECT_EQ(record.Cell(3), exact);

  DSList list;
  DSNode& stored = list.AddSorted(MakeRecord({longer}));
  EXPECT_EQ(stored.Cell(0), exact);
  EXPECT_EQ(list.FindKey(exact), &stored);
  EXPECT_EQ(list.Find(MakeRecord({longer})), &stored);  // the pattern is cut the same way
}

TEST(DSNodeCells, OutOfRangeIndexReadsEmptyAndIsNotWritten) {
  DSNode record = NewRecord();
  record.SetCell(-1, "x");
  record.SetCell(26, "x");
  EXPECT_EQ(record.Cell(-1), "");
  EXPECT_EQ(record.Cell(26), "");
  for (int i = 0; i < DSNode::kCellCount; ++i) EXPECT_EQ(record.Cell(i), "") << "cell " << i;
  EXPECT_FALSE(record.Marked());
}

TEST(DSNodeCells, CopyOfAStoredRecordIsFreeStanding) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "Ann", "Smith"}));
  DSNode copy = *list.First();

  copy.SetCell(0, "2");
  copy.SetCell(2, "Jones");
  EXPECT_FALSE(copy.BelongsTo(list));
  EXPECT_EQ(copy.Buf(), "");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.First()->Cell(0), "1");
  EXPECT_EQ(list.First()->Cell(2), "Smith");
  EXPECT_EQ(list.Find(MakeRecord({"2"})), nullptr);
  EXPECT_NE(list.Find(MakeRecord({"1"})), nullptr);
}

// --- Clear and SortByCell1 ---------------------------------------------------------------

TEST(DSListClear, RemovesRecordsButKeepsCaptionsHeadingsAndColumnCount) {
  DSList list;
  list.SetTitleText(1, "Competitors");
  list.SetTitleText(3, "third");
  list.SetColumnCount(12);
  list.SetTitleRow(MakeRecord({"No."}), 0);
  list.SetTitleRow(MakeRecord({"Num"}), 1);
  AddKeys(list, {"1", "2", "A"});
  list.SetMarked(list.First());

  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  EXPECT_EQ(list.GetMarked(), nullptr);
  EXPECT_EQ(list.Find(MakeRecord({"1"})), nullptr);
  EXPECT_EQ(list.Title(1), "Competitors");
  EXPECT_EQ(list.Title(2), "Title2");
  EXPECT_EQ(list.Title(3), "third");
  EXPECT_EQ(list.GetColumnCount(), 12);
  EXPECT_EQ(list.TitleRow(0).Cell(0), "No.");
  EXPECT_EQ(list.TitleRow(1).Cell(0), "Num");

  // A cleared list orders new records from scratch.
  AddKeys(list, {"5", "3"});
  EXPECT_EQ(CellsOf(list), (Keys{"3", "5"}));
}

TEST(DSListSort, ModeOtherThanBChangesNothing) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "C"}));
  list.AddSorted(MakeRecord({"2", "A"}));
  for (char mode : {'a', 'B', '\0'}) {
    EXPECT_TRUE(list.SortByCell1(mode));
    EXPECT_EQ(CellsOf(list, 1), (Keys{"C", "A"}));
  }
  DSList empty;
  EXPECT_TRUE(empty.SortByCell1('b'));
  EXPECT_TRUE(empty.Empty());
}

TEST(DSListSort, ModeBOrdersByCellOneAndKeepsEqualCellsInOrder) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "C"}));
  list.AddSorted(MakeRecord({"2", "A"}));
  list.AddSorted(MakeRecord({"3", "B"}));
  list.AddSorted(MakeRecord({"4", "A"}));
  list.AddSorted(MakeRecord({"5", "\xE9"}));
  list.AddSorted(MakeRecord({"6", "a"}));

  EXPECT_TRUE(list.SortByCell1('b'));
  EXPECT_EQ(CellsOf(list, 1), (Keys{"A", "A", "B", "C", "a", "\xE9"}));
  EXPECT_EQ(CellsOf(list), (Keys{"2", "4", "3", "1", "6", "5"}));
  ExpectConsistentChain(list);
}

TEST(DSListSort, LookUpsFollowTheNewOrder) {
  DSList list;
  list.AddSorted(MakeRecord({"5", "Z"}));
  list.AddSorted(MakeRecord({"5", "A"}));
  ASSERT_EQ(list.Find(MakeRecord({"5"}))->Cell(1), "Z");

  list.SortByCell1('b');
  EXPECT_EQ(list.Find(MakeRecord({"5"}))->Cell(1), "A");
  const DSNode pattern = MakeRecord({"5"});
  EXPECT_TRUE(list.Delete(&pattern));
  EXPECT_EQ(CellsOf(list, 1), (Keys{"Z"}));
}

// --- marks -------------------------------------------------------------------------------

TEST(DSListMarks, MarkIsByIdentityAndMovesToTheLatestRecord) {
  DSList list;
  EXPECT_EQ(list.GetMarked(), nullptr);
  AddKeys(list, {"1", "2", "3"});
  DSNode* second = list.Next(list.First());
  DSNode* third = list.Last();

  EXPECT_TRUE(list.SetMarked(second));
  EXPECT_EQ(list.GetMarked(), second);
  EXPECT_TRUE(second->Marked());
  EXPECT_TRUE(list.SetMarked(third));
  EXPECT_EQ(list.GetMarked(), third);
  EXPECT_FALSE(second->Marked());

  // A free-standing record with the same cells is not the stored record.
  const DSNode lookalike = *third;
  EXPECT_FALSE(list.SetMarked(&lookalike));
  EXPECT_EQ(list.GetMarked(), nullptr);
}

TEST(DSListMarks, RecordOfAnotherListClearsEveryMark) {
  DSList list;
  DSList other;
  AddKeys(list, {"1", "2"});
  DSNode& foreign = other.AddSorted(MakeRecord({"1"}));
  list.SetMarked(list.First());

  EXPECT_FALSE(list.SetMarked(&foreign));
  EXPECT_EQ(list.GetMarked(), nullptr);
  for (const DSNode& node : list) EXPECT_FALSE(node.Marked());
  EXPECT_FALSE(foreign.Marked());

  list.SetMarked(list.First());
  EXPECT_FALSE(list.SetMarked(nullptr));
  EXPECT_EQ(list.GetMarked(), nullptr);
}

// --- captions, column count and heading rows ---------------------------------------------

TEST(DSListTitles, NumbersOneToThreeSetAndGetTheirCaption) {
  DSList list;
  ScriptedDialogs dialogs;
  list.SetTitle(1, "Competitors", dialogs);
  list.SetTitle(2, "", dialogs);
  list.SetTitle(3, "All Classes", dialogs);

  EXPECT_EQ(list.GetTitle(1, dialogs), "Competitors");
  EXPECT_EQ(list.GetTitle(2, dialogs), "");
  EXPECT_EQ(list.GetTitle(3, dialogs), "All Classes");
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(DSListTitles, OtherNumbersShowTitleErrorOnceAndChangeNothing) {
  for (int which : {0, 4, -1, 100}) {
    SCOPED_TRACE(which);
    DSList list;
    ScriptedDialogs dialogs;

    list.SetTitle(which, "lost", dialogs);
    EXPECT_EQ(dialogs.CountShown("Title Error", "Value != 1 2 3 "), 1);
    ASSERT_EQ(dialogs.Messages().size(), 1U);
    EXPECT_EQ(dialogs.Messages()[0].kind, ScriptedDialogs::Kind::Information);
    EXPECT_EQ(list.Title(1), "Title1");
    EXPECT_EQ(list.Title(2), "Title2");
    EXPECT_EQ(list.Title(3), "Title3");

    dialogs.ClearMessages();
    EXPECT_EQ(list.GetTitle(which, dialogs), "No Title");
    EXPECT_EQ(dialogs.CountShown("Title Error", "Value != 1 2 3 "), 1);
    EXPECT_EQ(dialogs.Messages().size(), 1U);
  }
}

TEST(DSListColumns, ColumnCountAcceptsOneToTwentySixOnly) {
  struct Case {
    int requested;
    int expected;
  };
  for (const Case& c : {Case{1, 1}, Case{26, 26}, Case{12, 12}, Case{0, 7}, Case{27, 7}, Case{-1, 7}}) {
    DSList list;
    list.SetColumnCount(7);
    list.SetColumnCount(c.requested);
    EXPECT_EQ(list.GetColumnCount(), c.expected) << "requested " << c.requested;
  }
}

TEST(DSListColumns, TitleRowSelectorZeroOrOneCopiesAllCells) {
  DSList list;
  DSNode upper = MakeRecord({"No.", "First"});
  upper.SetCell(25, "z-upper");
  list.SetTitleRow(upper, 0);
  list.SetTitleRow(MakeRecord({"No.", "Name"}), 1);
  upper.SetCell(1, "changed afterwards");

  EXPECT_EQ(list.TitleRow(0).Cell(1), "First");
  EXPECT_EQ(list.TitleRow(0).Cell(2), "");  // every cell is copied, empty ones too
  EXPECT_EQ(list.TitleRow(0).Cell(25), "z-upper");
  EXPECT_EQ(list.TitleRow(1).Cell(1), "Name");
  EXPECT_EQ(list.TitleRow(1).Cell(2), "");

  for (int which : {2, -1}) list.SetTitleRow(MakeRecord({"ignored"}), which);
  EXPECT_EQ(list.TitleRow(0).Cell(0), "No.");
  EXPECT_EQ(list.TitleRow(1).Cell(0), "No.");
}

TEST(DSListItems, FillItemsTakesCellsAToEOrOutOfRange) {
  DSList list;
  list.AddSorted(MakeRecord({"1", "b1", "c1", "d1", "e1", "f1"}));
  list.AddSorted(MakeRecord({"2", "b2", "c2", "d2", "e2", "f2"}));
  std::vector<std::string> items{"left over"};

  list.FillItems(items, 'a');
  EXPECT_EQ(items, (Keys{"1", "2"}));
  list.FillItems(items, 'e');
  EXPECT_EQ(items, (Keys{"e1", "e2"}));
  for (char letter : {'f', 'z', 'A', '`'}) {
    list.FillItems(items, letter);
    EXPECT_EQ(items, (Keys{"out of range", "out of range"})) << letter;
  }

  DSList empty;
  empty.FillItems(items, 'b');
  EXPECT_TRUE(items.empty());
}

TEST(DSListDefaults, NewListHasNumberedCaptionsLetterHeadingsAndAllColumns) {
  const DSList list;
  ScriptedDialogs dialogs;
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.GetColumnCount(), 26);
  EXPECT_EQ(list.GetTitle(1, dialogs), "Title1");
  EXPECT_EQ(list.GetTitle(2, dialogs), "Title2");
  EXPECT_EQ(list.GetTitle(3, dialogs), "Title3");
  for (int i = 0; i < DSNode::kCellCount; ++i) {
    const std::string letter(1, static_cast<char>('a' + i));
    EXPECT_EQ(list.TitleRow(0).Cell(i), letter);
    EXPECT_EQ(list.TitleRow(1).Cell(i), i == 0 ? "a1" : letter);
  }
  EXPECT_TRUE(dialogs.Messages().empty());
}

}  // namespace
}  // namespace quenchel
