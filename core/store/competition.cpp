#include "store/competition.h"

#include "store/list_headings.h"

namespace quenchel {

Competition::Competition() { ApplyListHeadings(); }

DSList& Competition::List(ListId id) noexcept {
  return const_cast<DSList&>(static_cast<const Competition&>(*this).List(id));
}

const DSList& Competition::List(ListId id) const noexcept {
  switch (id) {
    case ListId::Competitor: return CompetitorList;
    case ListId::Class: return ClassList;
    case ListId::Field: return FieldList;
    case ListId::Score: return ScoreList;
    case ListId::Report: return ReportList;
    case ListId::RepField: return RepFieldList;
    case ListId::Team: return TeamList;
    case ListId::Round: return RoundList;
    case ListId::Horse: return HorseList;
    case ListId::Forge: return ForgeList;
    case ListId::Schedule: return ScheduleList;
    case ListId::Label: return LabelList;
    case ListId::Batch: return BatchList;
    case ListId::Unused: return UnusedList;
  }
  return UnusedList;
}

std::string_view Competition::ListName(ListId id) noexcept {
  switch (id) {
    case ListId::Competitor: return "CompetitorList";
    case ListId::Class: return "ClassList";
    case ListId::Field: return "FieldList";
    case ListId::Score: return "ScoreList";
    case ListId::Report: return "ReportList";
    case ListId::RepField: return "RepFieldList";
    case ListId::Team: return "TeamList";
    case ListId::Round: return "RoundList";
    case ListId::Horse: return "HorseList";
    case ListId::Forge: return "ForgeList";
    case ListId::Schedule: return "ScheduleList";
    case ListId::Label: return "LabelList";
    case ListId::Batch: return "BatchList";
    case ListId::Unused: return "UnusedList";
  }
  return {};
}

void Competition::ApplyListHeadings() {
  for (const ListHeadings& headings : StartupListHeadings()) {
    DSList& list = List(headings.list);
    list.SetColumnCount(headings.columnCount);
    list.SetTitleText(1, headings.title1);
    list.SetTitleText(2, "");
    list.SetTitleText(3, headings.title3);
    list.SetTitleRow(headings.upper, 0);
    list.SetTitleRow(headings.lower, 1);
  }
}

void Competition::ClearAllData() {
  // The order in which the lists are emptied, as the program has always done it.
  for (DSList* list : {&ClassList, &CompetitorList, &TeamList, &RoundList, &FieldList, &HorseList,
                       &ScoreList, &ForgeList, &ReportList, &RepFieldList, &ScheduleList, &LabelList,
                       &BatchList, &UnusedList})
    list->Clear();
  state.ActiveReport = 0;
  state.ActiveClass = 0;
  settings.LowestCompetitorNumber = 500;
  state.UnsavedData = false;
  state.CompetitionTitle.clear();
}

void Competition::SetStatus(std::string_view text) {
  statusText_.assign(text);
  if (onStatus) onStatus(statusText_);
}

}  // namespace quenchel
