#include "synthetic_competition.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "store/competition.h"

namespace quenchel {

namespace {

constexpr std::uint32_t kSeed = 20250614;
constexpr std::string_view kDate = "14/06/2025";
constexpr int kFirstRoundStart = 8 * 60;  // minutes after midnight
constexpr int kRoundMinutes = 90;
constexpr int kChangeOverMinutes = 15;
constexpr int kScoreFields = 8;
constexpr std::array<std::string_view, 4> kFeet = {"LF", "RF", "LH", "RH"};
constexpr std::array<std::string_view, 8> kFirstNames = {"Alex", "Sam", "Robin", "Jo", "Chris", "Pat", "Morgan", "Lee"};
constexpr std::array<std::string_view, 8> kLastNames = {"Ashdown", "Barrow", "Coleby", "Dunmore",
                                                        "Eastley", "Fenwick", "Gorsey", "Hollins"};

// hh:mm of a time of day, wrapping at midnight.
std::string ClockText(int minutes) {
  minutes %= 24 * 60;
  const int hours = minutes / 60;
  const int rest = minutes % 60;
  std::string text;
  text += static_cast<char>('0' + hours / 10);
  text += static_cast<char>('0' + hours % 10);
  text += ':';
  text += static_cast<char>('0' + rest / 10);
  text += static_cast<char>('0' + rest % 10);
  return text;
}

// Horses are lettered A..Z, AA, AB, ... in the order they stand.
std::string HorseLetters(int index) {
  std::string letters;
  for (int n = index + 1; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters;
}

// A score as entered: one decimal place, 5.0 to 9.9.
std::string ScoreText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

int RoundStart(int round) { return kFirstRoundStart + (round - 1) * (kRoundMinutes + kChangeOverMinutes); }

struct ClassPlan {
  int number = 0;
  std::vector<int> entrants;  // competitor numbers in entry order
  int fires = 1;
  int horses = 1;
};

class Builder {
 public:
  Builder(Competition& competition, const SyntheticShape& shape) : competition_(competition), shape_(shape) {}

  void Build() {
    competition_.state.CompetitionTitle = "Synthetic Championship";
    competition_.state.ActiveClass = 1;
    competition_.state.ActiveReport = 1;
    PlanEntries();
    AddTeams();
    AddCompetitors();
    for (const ClassPlan& plan : classes_) AddClass(plan);
    AddEntries();
    AddReports();
    competition_.BatchList.AddSorted(MakeRecord({"1", "Prize giving"}));
    competition_.LabelList.AddSorted(MakeRecord(
        {"1", "Sheet 21", "7", "3", "1", "N", "Name", "Team", "", "", "", "0.7", "1.5", "0.2", "0", "6.35", "3.81"}));
  }

 private:
  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
  int CompetitorNumber(int index) const { return competition_.settings.LowestCompetitorNumber + index; }

  void PlanEntries() {
    classes_.resize(static_cast<std::size_t>(shape_.classes));
    for (int c = 0; c < shape_.classes; ++c) classes_[static_cast<std::size_t>(c)].number = c + 1;
    std::vector<int> order(static_cast<std::size_t>(shape_.classes));
    entries_.resize(static_cast<std::size_t>(shape_.competitors));
    for (int i = 0; i < shape_.competitors; ++i) {
      // A partial shuffle picks distinct classes; they are listed in class order.
      std::iota(order.begin(), order.end(), 1);
      for (int k = 0; k < shape_.classesPerCompetitor; ++k)
        std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(k + Below(shape_.classes - k))]);
      std::vector<int>& chosen = entries_[static_cast<std::size_t>(i)];
      chosen.assign(order.begin(), order.begin() + shape_.classesPerCompetitor);
      std::sort(chosen.begin(), chosen.end());
      for (const int cls : chosen) classes_[static_cast<std::size_t>(cls - 1)].entrants.push_back(CompetitorNumber(i));
    }
    for (ClassPlan& plan : classes_) {
      const int entrants = std::max(1, static_cast<int>(plan.entrants.size()));
      plan.fires = (entrants + shape_.roundsPerClass - 1) / shape_.roundsPerClass;
      plan.horses = (entrants + 3) / 4;
    }
  }

  void AddTeams() {
    for (int t = 1; t <= shape_.teams; ++t)
      competition_.TeamList.AddSorted(MakeRecord({"Team " + std::to_string(t), "0.0", "0.0"}));
  }

  void AddCompetitors() {
    for (int i = 0; i < shape_.competitors; ++i) {
      const std::string team = shape_.teams > 0 && i % 3 == 0 ? "Team " + std::to_string(1 + i / 3 % shape_.teams) : "";
      const std::string number = std::to_string(CompetitorNumber(i));
      competition_.CompetitorList.AddSorted(MakeRecord({number, kFirstNames[static_cast<std::size_t>(i % 8)],
                                                        kLastNames[static_cast<std::size_t>(i / 8 % 8)], team, "",
                                                        std::to_string(1 + i % 200) + " Forge Lane", "Anvil Green", "",
                                                        "", "", "01632 " + std::to_string(100000 + i), "", ""}));
    }
  }

  void AddClass(const ClassPlan& plan) {
    const std::string cls = std::to_string(plan.number);
    const std::string rounds = std::to_string(shape_.roundsPerClass);
    competition_.ClassList.AddSorted(MakeRecord(
        {cls, "Class " + cls + " Open Shoeing", std::to_string(kScoreFields), rounds, std::to_string(plan.fires),
         std::to_string(plan.horses), "Y", ClockText(kRoundMinutes), "00:10", "", "Class " + cls, "Main Ring", "", "1",
         "Y", ClockText(kChangeOverMinutes), ClockText(kFirstRoundStart), kDate, "1", "1", "Fire"}));

    DSNode fields = MakeRecord({cls, std::to_string(kScoreFields)});
    for (int f = 1; f <= kScoreFields; ++f) fields.SetCell(1 + f, "Field " + std::to_string(f));
    fields.SetCell(18, "Total");
    competition_.FieldList.AddSorted(fields);

    for (int r = 1; r <= shape_.roundsPerClass; ++r) {
      const std::string start = ClockText(RoundStart(r));
      const std::string finish = ClockText(RoundStart(r) + kRoundMinutes);
      const bool last = r == shape_.roundsPerClass;
      competition_.RoundList.AddSorted(MakeRecord({cls, std::to_string(r), start, finish,
                                                   last ? "" : ClockText(kChangeOverMinutes), last ? "" : "Change over",
                                                   std::string(kDate) + " " + start, std::string(kDate) + " " + finish,
                                                   kDate}));
    }
    for (int f = 1; f <= plan.fires; ++f)
      competition_.ForgeList.AddSorted(MakeRecord({cls, std::to_string(f), "Fire " + std::to_string(f)}));
    for (int h = 0; h < plan.horses; ++h) {
      DSNode horse = MakeRecord({cls, std::to_string(h + 1), "Horse " + HorseLetters(h), "Fire"});
      for (int foot = 0; foot < 4; ++foot) {
        const std::size_t entry = static_cast<std::size_t>(4 * h + foot);
        horse.SetCell(4 + foot, entry < plan.entrants.size() ? std::to_string(plan.entrants[entry]) : "0");
      }
      horse.SetCell(8, std::to_string(4 * h % plan.fires + 1));
      competition_.HorseList.AddSorted(horse);
    }
  }

  // Score and schedule records, competitor by competitor as a saved file holds them.
  void AddEntries() {
    std::vector<std::size_t> placed(classes_.size(), 0);
    for (int i = 0; i < shape_.competitors; ++i) {
      const std::string number = std::to_string(CompetitorNumber(i));
      for (const int cls : entries_[static_cast<std::size_t>(i)]) {
        const std::string clsText = std::to_string(cls);
        DSNode score = MakeRecord({number, clsText});
        int total = 0;
        for (int f = 0; f < kScoreFields; ++f) {
          const int tenths = 50 + Below(50);
          total += tenths;
          score.SetCell(2 + f, ScoreText(tenths));
        }
        score.SetCell(18, ScoreText(total));
        score.SetCell(19, "Entered");
        competition_.ScoreList.AddSorted(score);

        const ClassPlan& plan = classes_[static_cast<std::size_t>(cls - 1)];
        const int entry = static_cast<int>(placed[static_cast<std::size_t>(cls - 1)]++);
        const int round = entry / plan.fires + 1;
        const int fire = entry % plan.fires + 1;
        const std::string start = ClockText(RoundStart(round));
        const std::string finish = ClockText(RoundStart(round) + kRoundMinutes);
        competition_.ScheduleList.AddSorted(MakeRecord(
            {number, clsText, std::to_string(round), std::to_string(fire), "", "Y", start, finish,
             "Horse " + HorseLetters(entry / 4) + " " + std::string(kFeet[static_cast<std::size_t>(entry % 4)]),
             std::string(kDate) + " " + start, std::string(kDate) + " " + finish, "", "1"}));
      }
    }
  }

  void AddReports() {
    for (int r = 1; r <= shape_.reports; ++r) {
      const std::string number = std::to_string(r);
      std::string batches(41, 'N');
      batches[1] = 'Y';
      competition_.ReportList.AddSorted(MakeRecord(
          {number, "Report " + number, "Results " + number, "Ties split on field 1", "Sponsored by the Guild", "D",
           r % 2 == 0 ? "IT" : "I", "Y", "P", "Y", "N", "Arial Narrow", "10", "Black", "Yellow Light", "N", "Y", "Y",
           "Italic OFF", "Bold", batches, "Y", "Arial Narrow", "20"}));
      for (const ClassPlan& plan : classes_) {
        DSNode fields = MakeRecord({number, std::to_string(plan.number)});
        for (int f = 0; f < 17; ++f) fields.SetCell(2 + f, f < kScoreFields ? "Y" : "N");
        fields.SetCell(23, " ");
        competition_.RepFieldList.AddSorted(fields);
      }
    }
  }

  Competition& competition_;
  const SyntheticShape& shape_;
  std::mt19937 rng_{kSeed};
  std::vector<ClassPlan> classes_;
  std::vector<std::vector<int>> entries_;  // classes of each competitor, in class order
};

}  // namespace

void FillSyntheticCompetition(Competition& competition, const SyntheticShape& shape) {
  Builder(competition, shape).Build();
}

}  // namespace quenchel
