#include "file/file_format.h"

#include "store/cell_text.h"

namespace quenchel {

namespace {
std::string SectionLine(int dashes, std::string_view name) {
  return "<" + std::string(static_cast<std::size_t>(dashes), '-') + std::string(name);
}
}  // namespace

const std::array<SectionFormat, kListCount>& Sections() {
  static const std::array<SectionFormat, kListCount> sections = {{
      {ListId::Competitor, SectionLine(55, " Competitor Names"), "Next Comp:", "End Comp",
       "Saving Competitor Name", "", "Loading Competitors", "Loading Competitors"},
      {ListId::Class, SectionLine(58, "Class Definitions"), "Next Class:", "End Class", "Saving Classes", "",
       "Loading Classes", "Loading Classes"},
      {ListId::Field, SectionLine(58, " Field Defs."), "Next Field:", "End Field", "Saving Score Fields",
       "Loading Field Names", "Loading Field Names", "Loading Field Names"},
      {ListId::Score, SectionLine(58, " Scores"), "Next Score:", "End Score", "Saving Scores", "",
       "Loading Scores", "Loading Scores"},
      {ListId::Report, SectionLine(58, " Reports"), "Next Report:", "End Reports", "Saving Reps",
       "Loading Reports", "Loading Reports", "Loading Reports"},
      {ListId::RepField, SectionLine(58, " RepFields"), "Next RepField:", "End RepField", "Saving RepFields", "",
       "Loading Report Fields", "Loading Report Fields"},
      {ListId::Team, SectionLine(58, " Team Names"), "Next Team:", "End Team", "Saving Teams", "Loading Teams",
       "Loading Teams", "Loading Teams..."},
      {ListId::Round, SectionLine(58, " Rounds"), "Next Round:", "End Round", "Saving Rounds", "Loading Rounds",
       "", "Loading Rounds"},
      {ListId::Horse, SectionLine(57, " Horses"), "Next Horse:", "End Horse", "Saving Horses", "Loading horses",
       "", "Loading horses"},
      {ListId::Forge, SectionLine(58, " Forges"), "Next Forge:", "End Forge", "Saving Forges", "Loading Forges",
       "", "Loading Forges"},
      {ListId::Schedule, SectionLine(58, " ScheduleList"), "Next Schedule:", "End ScheduleList",
       "Saving ScheduleList", "Loading ScheduleList", "", "Loading ScheduleList"},
      {ListId::Label, SectionLine(58, " Label List"), "Next Label:", "End Label", "Saving Label List",
       "Loading Label List", "", "Loading Label List"},
      {ListId::Batch, SectionLine(58, " Batch List"), "Next Batch:", "End Batch", "Saving Batch List",
       "Loading Batch List", "", ""},
      {ListId::Unused, SectionLine(58, " Unused List"), "Next Unused:", "End Unused", "Saving Unused List",
       "Loading Unused List", "", ""},
  }};
  return sections;
}

int VersionNumber(std::string_view versionText) { return ReadInt(versionText); }

}  // namespace quenchel
