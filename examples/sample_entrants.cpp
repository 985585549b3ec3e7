#include "sample_entrants.h"

#include <array>
#include <string_view>

namespace quenchel::sample {

namespace {

// Where a team's members live. The telephone numbers come from the ranges set aside for
// drama and examples, so none of them reaches a real line.
struct Region {
  std::string_view team;
  std::array<std::string_view, 4> towns;
  std::array<std::string_view, 4> counties;
  std::array<std::string_view, 4> postcodeDistricts;
  std::string_view phonePrefix;
};

constexpr std::array<Region, 6> kRegions = {{
    {"Lothian Smiths", {"Dalkeith", "Haddington", "Linlithgow", "Musselburgh"},
     {"Midlothian", "East Lothian", "West Lothian", "East Lothian"}, {"EH22", "EH41", "EH49", "EH21"}, "0131 496 0"},
    {"Ulster Anvil", {"Lisburn", "Ballymena", "Newtownards", "Banbridge"},
     {"Co. Antrim", "Co. Antrim", "Co. Down", "Co. Down"}, {"BT28", "BT43", "BT23", "BT32"}, "028 9649 6"},
    {"Welsh Marches", {"Caerphilly", "Pontypridd", "Cowbridge", "Llantrisant"},
     {"Mid Glamorgan", "Mid Glamorgan", "Vale of Glamorgan", "Mid Glamorgan"}, {"CF83", "CF37", "CF71", "CF72"},
     "029 2018 0"},
    {"Pennine Forge", {"Otley", "Wetherby", "Ilkley", "Pudsey"},
     {"West Yorkshire", "West Yorkshire", "West Yorkshire", "West Yorkshire"}, {"LS21", "LS22", "LS29", "LS28"},
     "0113 496 0"},
    {"Mersey Farriers", {"Ormskirk", "Frodsham", "Neston", "Prescot"},
     {"Lancashire", "Cheshire", "Cheshire", "Merseyside"}, {"L39", "WA6", "CH64", "L34"}, "0151 496 0"},
    {"Shires Forge", {"Melton Mowbray", "Market Harborough", "Oakham", "Lutterworth"},
     {"Leicestershire", "Leicestershire", "Rutland", "Leicestershire"}, {"LE13", "LE16", "LE15", "LE17"},
     "0116 496 0"},
}};

constexpr std::array<std::string_view, 12> kHouses = {
    "Forge Cottage", "The Old Smithy", "Anvil House", "Holly Farm",   "Rose Cottage", "Stable Yard",
    "Ivy Barn",      "Yew Tree Farm",  "The Paddocks", "Orchard House", "Mill House",  "Hawthorn Lodge"};
constexpr std::array<std::string_view, 7> kLanes = {"Mill Lane",    "Back Lane", "Church Road", "Green Lane",
                                                    "Station Road", "Moor Lane", "Chapel Street"};
constexpr std::string_view kPostcodeLetters = "ABDEFGHJLNPQRSTUWXYZ";

// Which classes an entrant enters: the Open Championship alone, the Intermediate alone,
// the Intermediate and the Young Farriers, or the Young Farriers alone.
enum class Entry { Open, Intermediate, Both, Young };

struct Person {
  std::string_view first;
  std::string_view last;
  int region;
  Entry entry;
};

constexpr std::array<Person, 40> kPeople = {{
    {"Callum", "Fraser", 0, Entry::Open},         {"Ciaran", "McAllister", 1, Entry::Open},
    {"Gareth", "Pritchard", 2, Entry::Intermediate}, {"Tom", "Hargreaves", 3, Entry::Open},
    {"Ryan", "Doyle", 4, Entry::Open},            {"James", "Whitworth", 5, Entry::Both},
    {"Ewan", "Douglas", 0, Entry::Intermediate},  {"Declan", "O'Neill", 1, Entry::Both},
    {"Rhys", "Llewellyn", 2, Entry::Open},        {"Sam", "Ackroyd", 3, Entry::Intermediate},
    {"Liam", "Kershaw", 4, Entry::Young},         {"Oliver", "Pickering", 5, Entry::Open},
    {"Fraser", "Laidlaw", 0, Entry::Open},        {"Niamh", "Quinn", 1, Entry::Intermediate},
    {"Owain", "Jenkins", 2, Entry::Both},         {"Matthew", "Sutcliffe", 3, Entry::Open},
    {"Daniel", "Rimmer", 4, Entry::Intermediate}, {"Harry", "Bellamy", 5, Entry::Open},
    {"Alasdair", "Ross", 0, Entry::Both},         {"Seamus", "Doherty", 1, Entry::Open},
    {"Dylan", "Morgan", 2, Entry::Intermediate},  {"Jack", "Illingworth", 3, Entry::Young},
    {"Connor", "Molyneux", 4, Entry::Open},       {"George", "Catterall", 5, Entry::Intermediate},
    {"Iain", "Cockburn", 0, Entry::Intermediate}, {"Conor", "McKee", 1, Entry::Both},
    {"Aled", "Davies", 2, Entry::Open},           {"Ben", "Holroyd", 3, Entry::Both},
    {"Joe", "Halsall", 4, Entry::Open},           {"William", "Tebbutt", 5, Entry::Intermediate},
    {"Hamish", "Baird", 0, Entry::Young},         {"Aoife", "Gallagher", 1, Entry::Open},
    {"Huw", "Price", 2, Entry::Intermediate},     {"Nathan", "Firth", 3, Entry::Both},
    {"Kieran", "Heaton", 4, Entry::Open},         {"Edward", "Sharman", 5, Entry::Both},
    {"Padraig", "Murphy", 1, Entry::Intermediate}, {"Sophie", "Armitage", 3, Entry::Open},
    {"Megan", "Rowlands", 2, Entry::Young},       {"Charlie", "Brindley", 4, Entry::Intermediate},
}};

constexpr int kFirstNumber = 501;

std::vector<int> ClassesOf(Entry entry) {
  switch (entry) {
    case Entry::Open: return {1};
    case Entry::Intermediate: return {2};
    case Entry::Both: return {2, 3};
    case Entry::Young: return {3};
  }
  return {};
}

std::vector<std::string> AddressOf(int index, const Region& region) {
  const auto i = static_cast<std::size_t>(index);
  const std::size_t town = i % region.towns.size();
  std::string postcode(region.postcodeDistricts[town]);
  postcode += ' ';
  postcode += static_cast<char>('1' + i % 9);
  postcode += kPostcodeLetters[i % kPostcodeLetters.size()];
  postcode += kPostcodeLetters[(i * 7 + 3) % kPostcodeLetters.size()];
  return {std::string(kHouses[i % kHouses.size()]), std::string(kLanes[i % kLanes.size()]),
          std::string(region.towns[town]), std::string(region.counties[town]), postcode};
}

std::string ThreeDigits(int value) {
  const std::string digits = std::to_string(value % 1000);
  return std::string(3 - digits.size(), '0') + digits;
}

std::vector<const Entrant*> WithEntry(const std::vector<Entrant>& entrants, Entry entry) {
  std::vector<const Entrant*> chosen;
  for (std::size_t i = 0; i < entrants.size(); ++i)
    if (kPeople[i].entry == entry) chosen.push_back(&entrants[i]);
  return chosen;
}

// Strikers work in classes they do not compete in, on another day or another half of the
// day, so that the schedule shows no clash:
// - the Open Championship (Saturday) takes the young farriers, the Intermediate-and-Young
//   entrants and the first four Intermediate entrants;
// - Intermediate-only entrants (Sunday morning) take the young farriers and the last eight
//   Open entrants; Intermediate-and-Young entrants take the first eight Open entrants
//   (they keep them in the afternoon);
// - the Young Farriers (Sunday afternoon) take the next four Intermediate entrants.
void AssignStrikers(std::vector<Entrant>& entrants) {
  const auto open = WithEntry(entrants, Entry::Open);
  const auto intermediate = WithEntry(entrants, Entry::Intermediate);
  const auto both = WithEntry(entrants, Entry::Both);
  const auto young = WithEntry(entrants, Entry::Young);

  std::vector<const Entrant*> forOpen = young;
  forOpen.insert(forOpen.end(), both.begin(), both.end());
  forOpen.insert(forOpen.end(), intermediate.begin(), intermediate.begin() + 4);
  std::vector<const Entrant*> forIntermediate = young;
  forIntermediate.insert(forIntermediate.end(), open.begin() + 8, open.end());

  std::vector<std::string> strikers(entrants.size());
  auto give = [&](const std::vector<const Entrant*>& to, const std::vector<const Entrant*>& from,
                  std::size_t offset) {
    for (std::size_t k = 0; k < to.size(); ++k)
      strikers[static_cast<std::size_t>(to[k]->number - kFirstNumber)] = from[offset + k]->DisplayName();
  };
  give(open, forOpen, 0);
  give(intermediate, forIntermediate, 0);
  give(both, open, 0);
  give(young, intermediate, 4);
  for (std::size_t i = 0; i < entrants.size(); ++i) entrants[i].striker = strikers[i];
}

}  // namespace

std::vector<std::string> TeamNames() {
  std::vector<std::string> names;
  for (const Region& region : kRegions) names.emplace_back(region.team);
  return names;
}

std::vector<Entrant> Entrants() {
  std::vector<Entrant> entrants;
  for (std::size_t i = 0; i < kPeople.size(); ++i) {
    const Person& person = kPeople[i];
    const Region& region = kRegions[static_cast<std::size_t>(person.region)];
    const int index = static_cast<int>(i);
    Entrant entrant;
    entrant.number = kFirstNumber + index;
    entrant.first = person.first;
    entrant.last = person.last;
    entrant.team = region.team;
    entrant.address = AddressOf(index, region);
    entrant.phone = std::string(region.phonePrefix) + ThreeDigits(137 + index * 23);
    entrant.mobile = "07700 900" + ThreeDigits(412 + index * 17);
    entrant.classes = ClassesOf(person.entry);
    entrants.push_back(std::move(entrant));
  }
  AssignStrikers(entrants);
  return entrants;
}

}  // namespace quenchel::sample
