// make-sample-competition FILE: writes the sample competition "Spring Show 2026" with
// the program's own writer, so the file is exactly what the program saves. Everything is
// fixed data or a fixed-seed sequence, so regenerating gives the same bytes.
//
// The show: three classes over a weekend, forty farriers in six teams, every entrant
// scored and placed on the schedule, an individual report over the Open Championship and
// a team report over all classes, both in the "Prize Giving" batch.

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "console_dialogs.h"
#include "file/competition_file.h"
#include "sample_entrants.h"
#include "store/competition.h"
#include "store/time_values.h"
#include "store/values.h"

namespace quenchel::sample {

namespace {

struct ClassPlan {
  int number;
  std::string_view name;
  std::string_view shortName;
  std::string_view location;
  std::string_view date;  // dd/mm/yyyy
  std::string_view firstStart;
  std::string_view duration;
  std::string_view changeOver;
  std::string_view prepTime;
  int rounds;
  int forges;
  std::vector<std::string_view> fields;
  std::vector<std::string_view> horses;  // one per forge: rounds x forges / 4 feet
  int lunchAfterRound;                   // 0: no lunch break
  double lowestScore;                    // scores run from here in half points
};

const std::vector<ClassPlan>& ClassPlans() {
  static const std::vector<ClassPlan> plans = {
      {1, "Open Championship", "Open", "Main Arena", "18/04/2026", "08:30", "01:20", "00:20", "00:15", 4, 4,
       {"Foot Prep", "Shoe", "Fit", "Finish"}, {"Bramble", "Duke", "Molly", "Samson"}, 2, 6.0},
      {2, "Intermediate", "Inter", "North Forge Shed", "19/04/2026", "08:00", "01:00", "00:15", "00:15", 4, 5,
       {"Foot Prep", "Shoe", "Fit", "Finish"}, {"Barney", "Tilly", "Jasper", "Peggy", "Captain"}, 0, 5.0},
      {3, "Young Farriers", "Young", "North Forge Shed", "19/04/2026", "13:45", "00:50", "00:15", "00:15", 4, 3,
       {"Foot Prep", "Shoe", "Fit"}, {"Nutmeg", "Rocky", "Daisy"}, 0, 4.5},
  };
  return plans;
}

constexpr std::string_view kLunchBreak = "01:00";
constexpr std::string_view kForgeTitles = "Forge";
constexpr std::array<std::string_view, 4> kFeet = {"LF", "RF", "LH", "RH"};
constexpr std::uint_fast32_t kScoreSeed = 20260418;

// Entrants who did not finish: from this field (counted from 0) on, their scores read DNF.
const std::map<std::pair<int, int>, std::size_t>& DidNotFinish() {
  static const std::map<std::pair<int, int>, std::size_t> dnf = {{{529, 1}, 2}, {{540, 2}, 3}};
  return dnf;
}

std::string Text(int value) { return std::to_string(value); }

std::string ForgeTitle(int forge) { return std::string(kForgeTitles) + " " + Text(forge); }

void AddClassRecords(Competition& competition, const ClassPlan& plan) {
  DSNode record;
  record.SetCell(0, Text(plan.number));
  record.SetCell(1, plan.name);
  record.SetCell(2, Text(static_cast<int>(plan.fields.size())));
  record.SetCell(3, Text(plan.rounds));
  record.SetCell(4, Text(plan.forges));
  record.SetCell(5, Text(static_cast<int>(plan.horses.size())));
  record.SetCell(6, "Y");
  record.SetCell(7, plan.duration);
  record.SetCell(8, plan.prepTime);
  record.SetCell(10, plan.shortName);
  record.SetCell(11, plan.location);
  record.SetCell(13, "1");
  record.SetCell(14, "Y");
  record.SetCell(15, plan.changeOver);
  record.SetCell(16, plan.firstStart);
  record.SetCell(17, plan.date);
  record.SetCell(18, "1");
  record.SetCell(19, "1");
  record.SetCell(20, kForgeTitles);
  competition.ClassList.AddSorted(record);

  DSNode fields;
  fields.SetCell(0, Text(plan.number));
  fields.SetCell(1, Text(static_cast<int>(plan.fields.size())));
  for (std::size_t i = 0; i < plan.fields.size(); ++i) fields.SetCell(2 + static_cast<int>(i), plan.fields[i]);
  fields.SetCell(18, "Total");
  competition.FieldList.AddSorted(fields);

  for (int forge = 1; forge <= plan.forges; ++forge)
    competition.ForgeList.AddSorted(MakeRecord({Text(plan.number), Text(forge), ForgeTitle(forge)}));
}

// The rounds table as the class form recalculates it: each round lasts the duration and
// the next starts after the change-over (the lunch break where there is one); the last
// round has none. Every class here ends before midnight, so the date never advances.
void AddRounds(Competition& competition, const ClassPlan& plan) {
  std::string start(plan.firstStart);
  for (int round = 1; round <= plan.rounds; ++round) {
    const std::string finish = TimeSum24(start, plan.duration);
    const bool last = round == plan.rounds;
    const bool lunch = round == plan.lunchAfterRound;
    const std::string changeOver = last ? "" : std::string(lunch ? kLunchBreak : plan.changeOver);
    const std::string date(plan.date);
    competition.RoundList.AddSorted(MakeRecord({Text(plan.number), Text(round), start, finish, changeOver,
                                                lunch ? "Lunch" : "", date + " " + start, date + " " + finish,
                                                date}));
    if (!last) start = TimeSum24(finish, changeOver);
  }
}

std::vector<DSNode> Horses(const ClassPlan& plan) {
  std::vector<DSNode> horses;
  for (std::size_t i = 0; i < plan.horses.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const int forge = static_cast<int>(i) % plan.forges + 1;
    horses.push_back(MakeRecord({Text(plan.number), Text(number), plan.horses[i], ForgeTitle(forge), "", "", "",
                                 "", Text(forge)}));
  }
  return horses;
}

// The foot a competitor gets at a fire with sorted feet: the first free foot of the
// lowest-numbered horse standing there. Marks it taken and answers its foot text
// (horse number in two places, the foot, the horse's name).
std::string TakeFirstFreeFoot(std::vector<DSNode>& horses, int fire, int competitor) {
  for (DSNode& horse : horses) {
    if (horse.Cell(8) != Text(fire)) continue;
    for (std::size_t foot = 0; foot < kFeet.size(); ++foot) {
      const int cell = 4 + static_cast<int>(foot);
      if (!horse.Cell(cell).empty()) continue;
      horse.SetCell(cell, Text(competitor));
      const std::string number = horse.CellString(1);
      return std::string(2 - std::min<std::size_t>(2, number.size()), ' ') + number + " " +
             std::string(kFeet[foot]) + " " + horse.CellString(2);
    }
  }
  return "";
}

std::string RoundCell(const Competition& competition, int classNumber, int round, int cell) {
  const DSNode* record = competition.RoundList.FindKey2(Text(classNumber), Text(round));
  return record != nullptr ? record->CellString(cell) : std::string();
}

// Schedule places in competitor-number order: round by round, one competitor per fire,
// each with the next free foot of the horse at the fire and the striker named on entry.
std::map<int, DSNode> SchedulePlaces(Competition& competition, const ClassPlan& plan,
                                     const std::vector<Entrant>& entrants) {
  std::vector<DSNode> horses = Horses(plan);
  std::map<int, DSNode> places;
  int place = 0;
  for (const Entrant& entrant : entrants) {
    if (std::find(entrant.classes.begin(), entrant.classes.end(), plan.number) == entrant.classes.end()) continue;
    const int round = place / plan.forges + 1;
    const int fire = place % plan.forges + 1;
    ++place;
    const std::string start = RoundCell(competition, plan.number, round, 2);
    const std::string finish = RoundCell(competition, plan.number, round, 3);
    const std::string date = RoundCell(competition, plan.number, round, 8);
    DSNode record;
    record.SetCell(0, Text(entrant.number));
    record.SetCell(1, Text(plan.number));
    record.SetCell(2, Text(round));
    record.SetCell(3, Text(fire));
    record.SetCell(4, entrant.striker);
    record.SetCell(5, "Y");
    record.SetCell(6, start);
    record.SetCell(7, finish);
    record.SetCell(8, TakeFirstFreeFoot(horses, fire, entrant.number));
    record.SetCell(9, date + " " + start + ":00");
    record.SetCell(10, date + " " + finish + ":00");
    record.SetCell(12, "1");
    places.emplace(entrant.number, record);
  }
  for (const DSNode& horse : horses) competition.HorseList.AddSorted(horse);
  return places;
}

// A score sheet as the entry form stores it: every value and the total written with the
// score format, "DNF" for fields not finished.
DSNode ScoreSheet(const Competition& competition, const ClassPlan& plan, int competitor, std::minstd_rand& scores) {
  const std::string& format = competition.settings.ScoreFormat;
  const auto dnf = DidNotFinish().find({competitor, plan.number});
  DSNode record;
  record.SetCell(0, Text(competitor));
  record.SetCell(1, Text(plan.number));
  double total = 0;
  for (std::size_t field = 0; field < plan.fields.size(); ++field) {
    const int cell = 2 + static_cast<int>(field);
    if (dnf != DidNotFinish().end() && field >= dnf->second) {
      record.SetCell(cell, "DNF");
      continue;
    }
    const double value = plan.lowestScore + static_cast<double>(scores() % 8) * 0.5;
    total += value;
    record.SetCell(cell, FormatFloat(format, value));
  }
  record.SetCell(18, FormatFloat(format, total));
  record.SetCell(19, "Entered");
  return record;
}

void AddPeople(Competition& competition, const std::vector<Entrant>& entrants) {
  for (const std::string& team : TeamNames()) competition.TeamList.AddSorted(MakeRecord({team, "0.0", "0.0"}));
  for (const Entrant& entrant : entrants) {
    DSNode record = MakeRecord({Text(entrant.number), entrant.first, entrant.last, entrant.team, entrant.striker});
    for (std::size_t line = 0; line < entrant.address.size(); ++line)
      record.SetCell(5 + static_cast<int>(line), entrant.address[line]);
    record.SetCell(10, entrant.phone);
    record.SetCell(11, entrant.mobile);
    competition.CompetitorList.AddSorted(record);
  }
}

// Each entry is a score record and a schedule record, in competitor then class order.
void AddEntries(Competition& competition, const std::vector<Entrant>& entrants) {
  std::map<int, std::map<int, DSNode>> places;  // class -> competitor -> place
  for (const ClassPlan& plan : ClassPlans()) places[plan.number] = SchedulePlaces(competition, plan, entrants);

  std::minstd_rand scores(kScoreSeed);
  for (const Entrant& entrant : entrants) {
    for (const int classNumber : entrant.classes) {
      const ClassPlan& plan = ClassPlans()[static_cast<std::size_t>(classNumber - 1)];
      competition.ScoreList.AddSorted(ScoreSheet(competition, plan, entrant.number, scores));
      competition.ScheduleList.AddSorted(places[classNumber].at(entrant.number));
    }
  }
}

struct ReportPlan {
  int number;
  std::string_view title;
  std::string_view tieBreakMessage;
  std::string_view sponsor;
  std::string_view layout;  // "I" individual, "T" team
  bool tieBreak;
  bool shortClassNames;  // headings carry the short class name
};

// The report record as the report editor saves it, with the cells the file reader would
// otherwise fill in, so the file reads back unchanged. Both reports are in batch 0.
DSNode ReportRecord(const ReportPlan& plan) {
  std::string batches(41, 'N');
  batches[0] = 'Y';
  return MakeRecord({Text(plan.number), plan.title, plan.title, plan.tieBreakMessage, plan.sponsor, "D",
                     plan.layout, plan.shortClassNames ? "Y" : "N", "P", "Y", "N", "Arial Narrow", "10", "Black", "Yellow Light", "Y",
                     plan.tieBreak ? "Y" : "N", plan.tieBreak ? "Y" : "N", "Italic OFF", "Bold", batches, "N",
                     "Arial Narrow", "20"});
}

// Selection flags of fields 1 to 16 and the total; the trust mark stays empty (trusted).
DSNode RepFieldRecord(int report, int classNumber, std::string_view flags) {
  DSNode record = MakeRecord({Text(report), Text(classNumber)});
  for (int field = 0; field < 17; ++field) {
    const auto i = static_cast<std::size_t>(field);
    record.SetCell(2 + field, i < flags.size() ? flags.substr(i, 1) : "N");
  }
  return record;
}

void AddReports(Competition& competition) {
  competition.ReportList.AddSorted(ReportRecord({1, "Open Championship Results", "Ties are decided on the Finish score",
                                                 "Sponsored by Hartwell Farrier Supplies", "I", true, false}));
  competition.ReportList.AddSorted(
      ReportRecord({2, "Team Championship", "", "Sponsored by the Spring Show Committee", "T", false, true}));

  // Open Championship: its four fields, the Finish also breaking ties.
  competition.RepFieldList.AddSorted(RepFieldRecord(1, 1, "YYYB"));
  // Teams: the class total of every class.
  for (const ClassPlan& plan : ClassPlans())
    competition.RepFieldList.AddSorted(RepFieldRecord(2, plan.number, "NNNNNNNNNNNNNNNNY"));

  competition.BatchList.AddSorted(MakeRecord({"0", "Prize Giving"}));
}

void BuildSpringShow(Competition& competition) {
  competition.ClearAllData();
  competition.state.FileFormatVersion = "2";
  competition.state.CompetitionTitle = "Spring Show 2026";
  competition.settings.LowestCompetitorNumber = 500;

  const std::vector<Entrant> entrants = Entrants();
  AddPeople(competition, entrants);
  for (const ClassPlan& plan : ClassPlans()) {
    AddClassRecords(competition, plan);
    AddRounds(competition, plan);
  }
  AddEntries(competition, entrants);
  AddReports(competition);
  competition.state.ActiveClass = 1;
  competition.state.ActiveReport = 1;
}

}  // namespace

}  // namespace quenchel::sample

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "Usage: make-sample-competition FILE\n";
    return 2;
  }
  quenchel::ConsoleDialogs dialogs(std::cerr);
  quenchel::Competition competition;
  quenchel::sample::BuildSpringShow(competition);
  return quenchel::SaveCompetitionFile(competition, argv[1], dialogs) == 1 ? 0 : 1;
}
