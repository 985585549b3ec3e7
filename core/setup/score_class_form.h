#pragma once
// The list inspection view, a developer's window: the raw contents of any of the
// competition's lists (record links and all 26 cells) with the list's three titles, a
// sort of the competitors by first name, and printing of what is shown.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "platform/form_host.h"
#include "print/grid.h"
#include "print/grid_pages.h"
#include "print/surface.h"
#include "store/competition.h"

namespace quenchel {

class Dialogs;
class DSList;
class Printing;

// The view's content for one list: its three titles and the dump of its records.
struct ListInspection {
  std::array<std::string, 3> titles;
  Grid grid;
};

// Fills `inspection` from `list`; `measure` fits the grid's column widths.
void InspectList(const DSList& list, ListInspection& inspection, const TextMeasure& measure);

class TScoreClassForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TScoreClassForm";
  static constexpr std::string_view kCaption = "Program Class Form";

  struct ListButton {
    std::string_view caption;
    ListId list;
  };
  // One button per list, in the order they stand in the window.
  static constexpr std::array<ListButton, 13> kListButtons{{
      {"Score", ListId::Score},
      {"Competitors", ListId::Competitor},
      {"Teams", ListId::Team},
      {"Classes", ListId::Class},
      {"Field", ListId::Field},
      {"Reports", ListId::Report},
      {"RepFields", ListId::RepField},
      {"Rounds", ListId::Round},
      {"Forges", ListId::Forge},
      {"Horses", ListId::Horse},
      {"Schedule", ListId::Schedule},
      {"Labels", ListId::Label},
      {"Batch", ListId::Batch},
  }};
  static constexpr std::string_view kSortButton = "Sort";
  static constexpr std::string_view kPrintButton = "Print";
  static constexpr std::string_view kPrinterSetupButton = "Printer Setup";
  static constexpr std::string_view kOKButton = "&OK";

  // Prints a grid under three heading lines (the engine's print-a-grid command with the
  // program's printer and print dialog).
  using GridPrinter = std::function<void(const Grid& grid, const PrintHeadings& headings)>;

  TScoreClassForm(Competition& competition, Dialogs& dialogs, Printing& printing, GridPrinter print);

  std::string_view FormName() const override { return kFormName; }

  // --- what the window shows -------------------------------------------------------------
  // The three title labels and the grid.
  const std::array<std::string, 3>& Titles() const noexcept { return shown_.titles; }
  const Grid& ListGrid() const noexcept { return shown_.grid; }
  // The grid the window's table shows; the same grid for the life of the form.
  Grid& ListGrid() noexcept { return shown_.grid; }
  ListId ShownList() const noexcept { return shownList_; }
  // The grid's column widths are fitted with this measure (the window's grid font); until
  // a view sets one, every byte counts as kFallbackCharWidth units.
  void SetGridMeasure(const TextMeasure& measure) noexcept { measure_ = &measure; }
  static constexpr int kFallbackCharWidth = 8;
  // Spare width of the grid is spread over its columns (see FitColumnWidths).
  void SetGridClientWidth(int width) noexcept { shown_.grid.SetClientWidth(width); }

  // --- events ----------------------------------------------------------------------------
  // Shows ClassList.
  void FormActivate();
  void ListButtonClick(ListId list);
  // Sorts CompetitorList by first name (cell 1) and shows it.
  void SortClick();
  // Prints the grid with the three titles as the page headings.
  void PrintClick();
  // The printer set-up dialog, when there is a printer.
  void PrinterSetupClick();
  ModalResult OKClick() const noexcept { return ModalResult::OK; }

 private:
  void Show(ListId list);

  Competition& competition_;
  Dialogs& dialogs_;
  Printing& printing_;
  GridPrinter print_;
  const TextMeasure* measure_;
  ListId shownList_ = ListId::Class;
  ListInspection shown_;
};

}  // namespace quenchel
