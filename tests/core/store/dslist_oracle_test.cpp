// DSList keeps an index and key bounds beside its chain. These tests drive it and the
// plain walk-from-head LiteralList through the same random operation sequences and
// require the same records in the same order, and the same answer from every operation.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "store/dslist.h"
#include "support/literal_dslist.h"

namespace quenchel {
namespace {

using literal::LiteralList;

// Keys that reach every branch of the ordering rule: leading zeros, signs, blanks, the
// spellings of zero, digits followed by text, numbers that saturate, bytes above 0x7F.
constexpr std::array<std::string_view, 22> kNumericKeys = {
    "1",  "2",  "3",  "5",  "7",  "9",    "10", "12",  "40",  "100", "007",
    "-3", "-10", " 12", "+5", "0", "00", "-0", "7x", "12a", "99999999999999999999",
    "-99999999999999999999"};
constexpr std::array<std::string_view, 13> kTextKeys = {
    "", "", "A", "B", "Zed", "a", "abc", "ab", " ", "x y", "\xE9t\xE9", "~", "0a"};
constexpr std::array<std::string_view, 8> kSecondKeys = {"", "1", "2", "10", "A", "b", "B", "\xFF"};
constexpr std::array<char, 5> kSortModes = {'b', 'b', 'a', 'B', '\0'};

enum class Op {
  Add, Update, Update2, Delete, Delete2, DeleteNothing, Find, Find2,
  EditKey, EditSecondKey, EditOtherCell, AssignRecord, StoredArgument, Clear, Sort,
};
constexpr int kOpCount = 15;

struct Profile {
  const char* name;
  std::array<int, kOpCount> weights;  // indexed by Op
  bool ascendingKeys;                 // keys mostly rise, as when a file is read
  int steps;
};

// Weights in the order of Op; Clear is kept rare so that lists grow to a few hundred.
constexpr Profile kMixed{"mixed", {300, 120, 120, 140, 140, 5, 100, 100, 60, 60, 30, 30, 60, 1, 20}, false, 3000};
constexpr Profile kAscending{"ascending", {600, 50, 50, 60, 60, 5, 60, 60, 60, 30, 10, 30, 40, 1, 0}, true, 3000};
constexpr Profile kKeyEdits{"key edits", {250, 60, 60, 80, 80, 5, 80, 80, 250, 200, 20, 80, 60, 1, 10}, false, 3000};

struct OracleCase {
  const Profile* profile;
  std::uint32_t seed;
};

std::string Printable(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out.push_back(c);
    } else {
      constexpr char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    }
  }
  return out + "\"";
}

// Position of a record in the chain; -1 for none, -2 for a record not in the chain.
int PositionIn(const DSList& list, const DSNode* record) {
  if (record == nullptr) return -1;
  int position = 0;
  for (const DSNode* node = list.First(); node != nullptr; node = list.Next(node), ++position)
    if (node == record) return position;
  return -2;
}

int PositionIn(const LiteralList& list, const DSNode* record) {
  if (record == nullptr) return -1;
  int position = 0;
  for (const DSNode& node : list.Records()) {
    if (&node == record) return position;
    ++position;
  }
  return -2;
}

DSNode& At(const DSList& list, int position) {
  DSNode* node = list.First();
  for (int i = 0; i < position; ++i) node = list.Next(node);
  return *node;
}

DSNode& At(LiteralList& list, int position) { return *std::next(list.Records().begin(), position); }

// Empty when both lists hold the same records in the same order.
std::string FirstDifference(const DSList& fast, const LiteralList& oracle) {
  if (fast.Count() != oracle.Count())
    return "count " + std::to_string(fast.Count()) + " vs " + std::to_string(oracle.Count());
  const DSNode* node = fast.First();
  const DSNode* last = nullptr;
  int position = 0;
  for (const DSNode& expected : oracle.Records()) {
    if (node == nullptr) return "chain ends early at " + std::to_string(position);
    for (int cell = 0; cell < DSNode::kCellCount; ++cell)
      if (node->Cell(cell) != expected.Cell(cell))
        return "record " + std::to_string(position) + " cell " + std::to_string(cell) + ": " +
               Printable(node->Cell(cell)) + " vs " + Printable(expected.Cell(cell));
    if (!node->BelongsTo(fast)) return "record " + std::to_string(position) + " not owned by its list";
    last = node;
    node = fast.Next(node);
    ++position;
  }
  if (node != nullptr) return "chain longer than its count";
  if (fast.Last() != last) return "Last() is not the end of the chain";
  if (fast.Empty() != (last == nullptr)) return "Empty() disagrees with the chain";
  return {};
}

class OracleRun {
 public:
  explicit OracleRun(const OracleCase& run) : profile_(*run.profile), rng_(run.seed) {}

  // Applies one random operation to both lists; the result of each is written to the
  // strings so the caller can compare them.
  std::string Step(int step, std::string& fastResult, std::string& oracleResult) {
    const Op op = PickOp();
    switch (op) {
      case Op::Add: {
        const DSNode record = NewRandomRecord(step);
        fastResult = Pos(fast_, &fast_.AddSorted(record));
        oracleResult = Pos(oracle_, &oracle_.AddSorted(record));
        return "AddSorted " + Keys(record);
      }
      case Op::Update: case Op::Update2: {
        DSNode record = NewRandomRecord(step);
        TakeKeysOfExisting(record);
        const bool both = op == Op::Update2;
        fastResult = Pos(fast_, both ? fast_.Update2(record) : fast_.Update(record));
        oracleResult = Pos(oracle_, both ? oracle_.Update2(record) : oracle_.Update(record));
        return (both ? "Update2 " : "Update ") + Keys(record);
      }
      case Op::Delete: case Op::Delete2: {
        DSNode pattern = PatternRecord();
        const bool both = op == Op::Delete2;
        fastResult = Bool(both ? fast_.Delete2(&pattern) : fast_.Delete(&pattern));
        oracleResult = Bool(both ? oracle_.Delete2(&pattern) : oracle_.Delete(&pattern));
        return (both ? "Delete2 " : "Delete ") + Keys(pattern);
      }
      case Op::DeleteNothing:
        fastResult = Bool(fast_.Delete(nullptr)) + Bool(fast_.Delete2(nullptr));
        oracleResult = Bool(oracle_.Delete(nullptr)) + Bool(oracle_.Delete2(nullptr));
        return "Delete/Delete2 without a pattern";
      case Op::Find: case Op::Find2: {
        const DSNode pattern = PatternRecord();
        const bool both = op == Op::Find2;
        const DSNode* fastFound = both ? fast_.Find2(pattern) : fast_.Find(pattern);
        const DSNode* oracleFound = both ? oracle_.Find2(pattern) : oracle_.Find(pattern);
        // The literal list has no Exists: there, a record exists when one is found.
        fastResult = Pos(fast_, fastFound) + Bool(both ? fast_.Exists2(&pattern) : fast_.Exists(&pattern));
        oracleResult = Pos(oracle_, oracleFound) + Bool(oracleFound != nullptr);
        return (both ? "Find2 " : "Find ") + Keys(pattern);
      }
      case Op::EditKey: case Op::EditSecondKey: case Op::EditOtherCell: {
        if (oracle_.Count() == 0) return "edit skipped (empty)";
        const int position = Below(oracle_.Count());
        const int cell = op == Op::EditKey ? 0 : op == Op::EditSecondKey ? 1 : 2 + Below(24);
        if (Below(5) == 0) {
          // The new text is a view into the cell itself, as when a cell is trimmed in place.
          TrimFirstByte(At(fast_, position), cell);
          TrimFirstByte(At(oracle_, position), cell);
          return "first byte of cell " + std::to_string(cell) + " cut off in record " + std::to_string(position);
        }
        const std::string text = cell == 0 ? EditedKey() : cell == 1 ? SecondKey() : RandomText();
        At(fast_, position).SetCell(cell, text);
        At(oracle_, position).SetCell(cell, text);
        return "SetCell(" + std::to_string(cell) + ", " + Printable(text) + ") on record " +
               std::to_string(position);
      }
      case Op::AssignRecord: {
        if (oracle_.Count() == 0) return "assign skipped (empty)";
        const int position = Below(oracle_.Count());
        DSNode record = NewRandomRecord(step);
        if (Below(2) == 0) record.SetCell(0, EditedKey());
        At(fast_, position) = record;
        At(oracle_, position) = record;
        return "assign " + Keys(record) + " to record " + std::to_string(position);
      }
      case Op::StoredArgument:
        return StoredArgumentStep(fastResult, oracleResult);
      case Op::Clear:
        fast_.Clear();
        oracle_.Clear();
        return "Clear";
      case Op::Sort: {
        const char mode = kSortModes[static_cast<std::size_t>(Below(static_cast<int>(kSortModes.size())))];
        fastResult = Bool(fast_.SortByCell1(mode));
        oracleResult = Bool(oracle_.SortByCell1(mode));
        return "SortByCell1 mode " + std::to_string(static_cast<int>(mode));
      }
    }
    return "?";
  }

  const DSList& Fast() const { return fast_; }
  const LiteralList& Oracle() const { return oracle_; }

 private:
  // A stored record handed back to its own list as the argument, as forms do with a
  // record they found.
  std::string StoredArgumentStep(std::string& fastResult, std::string& oracleResult) {
    if (oracle_.Count() == 0) return "stored argument skipped (empty)";
    const int position = Below(oracle_.Count());
    DSNode& fastRecord = At(fast_, position);
    DSNode& oracleRecord = At(oracle_, position);
    const std::string where = " with stored record " + std::to_string(position);
    switch (Below(5)) {
      case 0:
        fastResult = Pos(fast_, &fast_.AddSorted(fastRecord));
        oracleResult = Pos(oracle_, &oracle_.AddSorted(oracleRecord));
        return "AddSorted" + where;
      case 1:
        fastResult = Pos(fast_, fast_.Update(fastRecord));
        oracleResult = Pos(oracle_, oracle_.Update(oracleRecord));
        return "Update" + where;
      case 2:
        fastResult = Pos(fast_, fast_.Update2(fastRecord));
        oracleResult = Pos(oracle_, oracle_.Update2(oracleRecord));
        return "Update2" + where;
      case 3:
        fastResult = Bool(fast_.Delete(&fastRecord));
        oracleResult = Bool(oracle_.Delete(&oracleRecord));
        return "Delete" + where;
      default:
        fastResult = Bool(fast_.Delete2(&fastRecord));
        oracleResult = Bool(oracle_.Delete2(&oracleRecord));
        return "Delete2" + where;
    }
  }

  static void TrimFirstByte(DSNode& record, int cell) {
    std::string_view text = record.Cell(cell);
    text.remove_prefix(std::min<std::size_t>(1, text.size()));
    record.SetCell(cell, text);
  }

  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

  template <std::size_t N>
  std::string_view PickFrom(const std::array<std::string_view, N>& pool) {
    return pool[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

  Op PickOp() {
    int total = 0;
    for (const int weight : profile_.weights) total += weight;
    int roll = Below(total);
    for (int op = 0; op < kOpCount; ++op) {
      roll -= profile_.weights[static_cast<std::size_t>(op)];
      if (roll < 0) return static_cast<Op>(op);
    }
    return Op::Add;
  }

  std::string PoolKey() {
    switch (Below(3)) {
      case 0: return std::string(PickFrom(kTextKeys));
      default: return std::string(PickFrom(kNumericKeys));
    }
  }

  // Rising keys, repeated now and then, in a numeric and a text spelling, as the lists
  // of a saved file are read back.
  std::string AscendingKey() {
    const int roll = Below(10);
    if (roll < 2) return PoolKey();
    if (roll < 8) counter_ += Below(3);
    return Below(4) == 0 ? "K" + std::to_string(100000 + counter_) : std::to_string(counter_);
  }

  std::string NewKey() { return profile_.ascendingKeys ? AscendingKey() : PoolKey(); }

  // Keys written in place may move a record anywhere, above or below every other key.
  std::string EditedKey() {
    switch (Below(6)) {
      case 0: return std::to_string(counter_ + 1000 + Below(50));
      case 1: return std::to_string(counter_ - Below(50));
      case 2: return "zz" + std::to_string(Below(10));
      default: return NewKey();
    }
  }

  std::string SecondKey() { return std::string(PickFrom(kSecondKeys)); }

  std::string RandomText() {
    std::string text(static_cast<std::size_t>(Below(4) == 0 ? 55 + Below(10) : Below(6)), ' ');
    for (char& c : text) c = static_cast<char>('a' + Below(26));
    return text;
  }

  DSNode NewRandomRecord(int step) {
    DSNode record;
    record.SetCell(0, NewKey());
    record.SetCell(1, SecondKey());
    for (int cell = 2; cell < DSNode::kCellCount - 1; ++cell)
      if (Below(3) == 0) record.SetCell(cell, RandomText());
    record.SetCell(DSNode::kCellCount - 1, "#" + std::to_string(step));  // tells copies apart
    return record;
  }

  // Most patterns name keys that are present, so that hits and duplicates are common.
  void TakeKeysOfExisting(DSNode& record) {
    if (oracle_.Count() == 0 || Below(3) == 0) return;
    const DSNode& existing = At(oracle_, Below(oracle_.Count()));
    record.SetCell(0, existing.Cell(0));
    if (Below(4) != 0) record.SetCell(1, existing.Cell(1));
  }

  DSNode PatternRecord() {
    DSNode pattern;
    pattern.SetCell(0, NewKey());
    pattern.SetCell(1, SecondKey());
    TakeKeysOfExisting(pattern);
    return pattern;
  }

  std::string Pos(const DSList& list, const DSNode* record) { return std::to_string(PositionIn(list, record)); }
  std::string Pos(const LiteralList& list, const DSNode* record) {
    return std::to_string(PositionIn(list, record));
  }
  static std::string Bool(bool value) { return value ? " true" : " false"; }
  static std::string Keys(const DSNode& record) {
    return Printable(record.Cell(0)) + "/" + Printable(record.Cell(1));
  }

  const Profile& profile_;
  std::mt19937 rng_;
  long long counter_ = 0;
  DSList fast_;
  LiteralList oracle_;
};

class DSListOracleTest : public ::testing::TestWithParam<OracleCase> {};

TEST_P(DSListOracleTest, AgreesWithTheLiteralListAfterEveryOperation) {
  const OracleCase& run = GetParam();
  OracleRun oracle(run);
  for (int step = 0; step < run.profile->steps; ++step) {
    std::string fastResult, oracleResult;
    const std::string op = oracle.Step(step, fastResult, oracleResult);
    const std::string context = std::string(run.profile->name) + " seed " + std::to_string(run.seed) + " step " +
                                std::to_string(step) + ": " + op;
    ASSERT_EQ(fastResult, oracleResult) << context;
    const std::string difference = FirstDifference(oracle.Fast(), oracle.Oracle());
    ASSERT_EQ(difference, "") << context;
  }
}

std::string RunName(const ::testing::TestParamInfo<OracleCase>& info) {
  std::string name = info.param.profile->name;
  for (char& c : name)
    if (c == ' ') c = '_';
  return name + "_seed" + std::to_string(info.param.seed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DSListOracleTest,
                         ::testing::Values(OracleCase{&kMixed, 1}, OracleCase{&kMixed, 2}, OracleCase{&kMixed, 3},
                                           OracleCase{&kMixed, 4}, OracleCase{&kAscending, 11},
                                           OracleCase{&kAscending, 12}, OracleCase{&kKeyEdits, 21},
                                           OracleCase{&kKeyEdits, 22}),
                         RunName);

}  // namespace
}  // namespace quenchel
