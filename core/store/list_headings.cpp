#include "store/list_headings.h"

#include <string>

namespace quenchel {

namespace {

// Sets cells first..last to prefix + (start, start + 1, ...).
void Numbered(DSNode& row, int first, int last, std::string_view prefix, int start) {
  for (int i = first; i <= last; ++i) row.SetCell(i, std::string(prefix) + std::to_string(start + i - first));
}

void Repeat(DSNode& row, int first, int last, std::string_view text) {
  for (int i = first; i <= last; ++i) row.SetCell(i, text);
}

std::vector<ListHeadings> MakeHeadings() {
  std::vector<ListHeadings> all;

  {
    ListHeadings h{ListId::Competitor, "Competitors", "", 12,
                   MakeRecord({"No.", "First", "Last", "Team", "Striker", "Address", "", "", "", "",
                               "Telephone", "Telephone", "Striker No", "<end>"}),
                   MakeRecord({"No.", "Name", "Name", "Team", "Striker", "Line 1", "Line 2", "Line 3",
                               "Line 4", "Line 5", "Tel 1", "Tel 2", "Striker No", "<end>"})};
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Team, "Teams", "", 1, MakeRecord({"Name", "Tie Break", "Total", "<end>"}),
                   MakeRecord({"", "", "", "<end>"})};
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Class, "Classs", "", 2,
                   MakeRecord({"No.", "Name", "Fields", "Rounds", "Forges", "Horses", "AutoUpDate",
                               "Duration", "Prep. Time", "Shoeing Class", "Short Title", "Location", "",
                               "No. Comps Per Round", "Sort feet", "Change Over (D)", "Start Time", "Date",
                               "Show Strikers", "Show Teams", "ForgeTitles"}),
                   NewRecord()};
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Field, "Field Titles", "", 19, MakeRecord({"Class", "Fields"}),
                   MakeRecord({"No.", "Active"})};
    Repeat(h.upper, 2, 17, "Field");
    Numbered(h.lower, 2, 17, "", 1);
    h.upper.SetCell(18, "Total");
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Round, "Rounds", "", 8,
                   MakeRecord({"Class", "Round", "Start", "Finish", "Break Time", "Break Text",
                               "Date/Time Start", "Date/Time End", "Date"}),
                   MakeRecord({"No.", "No.", "No.", "No.", "", "No."})};
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Forge, "Forges", "", 6, MakeRecord({"Class", "Forge", "Title"}),
                   MakeRecord({"No.", "No."})};
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Horse, "Horses", "", 9,
                   MakeRecord({"Class", "Horse", "Name", "Forge", "LF", "RF", "LH", "RH", "Forge"}),
                   MakeRecord({"", "Ref.No.", "", "No.", "", "", "", "", "Ref"})};
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Score, "Scores", "All Classes", 20, MakeRecord({"Comp", "Class"}),
                   MakeRecord({"No.", "No."})};
    Repeat(h.upper, 2, 17, "Field");
    Numbered(h.lower, 2, 17, "", 1);
    h.upper.SetCell(18, "Total");
    h.lower.SetCell(18, "Total");
    h.upper.SetCell(19, "Entered");
    h.lower.SetCell(19, "Entered");
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Report, "Reports", "", 2,
                   MakeRecord({"No", "Name", "Title", "Tie Break Mess", "Sponsor", "Sort", "Ind/Team",
                               "Short Cl Name", "Port/Land", "Heading", "Legend", "Rep Font",
                               "Rep Font Size", "WP Font Colour", "WP Back Colour", "Team",
                               "TieBreak Active", "Show Tie break", "WP Font Style", "WP Font Weight",
                               "1-MAXBATCH Flag", "Pub/Pri Batch", "WP Font", "WP Font Size", ".y", ".z"}),
                   NewRecord()};
    for (int i = 0; i < DSNode::kCellCount; ++i) h.lower.SetCell(i, std::string(1, static_cast<char>('A' + i)));
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::RepField, "Report Field Names", "", 19, MakeRecord({"Rep", "Class"}),
                   MakeRecord({"No.", "No."})};
    Repeat(h.upper, 2, 17, "Field");
    Numbered(h.lower, 2, 17, "", 1);
    for (int i = 18; i <= 25; ++i) {
      const std::string placeholder{'.', static_cast<char>('s' + i - 18)};
      h.upper.SetCell(i, placeholder);
      h.lower.SetCell(i, placeholder);
    }
    h.upper.SetCell(23, "Trust");
    h.lower.SetCell(18, "Total ");
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Schedule, "Schedule List", "", 10,
                   MakeRecord({"Comp No.", "Class", "Round", "Fire", "Active Striker", "In Sched", "Start",
                               "Finish", "Horse & Foot", "TD Start", "TD Finish", "ScheduleList",
                               "Multiple Comp none  2 3 4 etc"}),
                   NewRecord()};
    Repeat(h.upper, 13, 18, "ScheduleList");
    Numbered(h.lower, 2, 18, "", 1);
    all.push_back(h);
  }
  {
    ListHeadings h{ListId::Label, "Labels", "", 4,
                   MakeRecord({"Label Report No.", "Label sheet type", "Labels down", "Labels across",
                               "Start Label", "BigBox", "LabelLine1", "LabelLine2", "LabelLine3",
                               "LabelLine4", "LabelLine5", "Side Margin", "Top Margin", "Hor Gap", "Ver Gap",
                               "Label Width", "Label Height", "Sched/Add", "Sel. Round", "Sort Col", "U/D",
                               "Repeat label", "Labels for all names", "Cm/Mm 0/1", "", "Layout grid"}),
                   NewRecord()};
    all.push_back(h);
  }
  return all;
}

}  // namespace

const std::vector<ListHeadings>& StartupListHeadings() {
  static const std::vector<ListHeadings> headings = MakeHeadings();
  return headings;
}

}  // namespace quenchel
