#pragma once
// The print preview: one page of a printout at a time on a white page drawn to
// scale, a tab per page and a Print button. It has no renderer of its own: its caption
// names the printout, and the renderer registered for that caption draws the shown page
// on the preview's page surface. The renderers in turn call the page set-up and page list
// below at every rendering, for the preview or the printer; that is how the preview
// learns the page size and the page count.
//
// The window is made once and reused. The opening command sets the caption just before
// showing it modally and empties it afterwards (ShowPrintPreview does both).

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"
#include "print/page_list.h"
#include "print/surface.h"

namespace quenchel {

class Competition;
class Dialogs;
class Printing;
struct PrintState;

class TPrintPreviewForm final : public Form, public PageList {
 public:
  static constexpr std::string_view kFormName = "TPrintPreviewForm";
  // The printouts, by caption.
  static constexpr std::string_view kReport = "Report";
  static constexpr std::string_view kCompetitors = "Competitors";
  static constexpr std::string_view kSchedule = "Schedule";
  static constexpr std::string_view kLabels = "Labels";
  static constexpr std::string_view kScoreSheet = "Score Sheet";

  static constexpr std::string_view kPrintButton = "Print";
  static constexpr std::string_view kCancelButton = "Cancel";
  static constexpr std::string_view kTabPrefix = "Page ";
  static constexpr Rgb kPanelSilver{192, 192, 192};
  static constexpr Rgb kPageWhite{255, 255, 255};
  static constexpr Rgb kFrameGreen{0, 255, 0};
  static constexpr int kLayoutGridSquares = 31;  // centimetres each way

  // Draws page `wantedPage` of a printout on the surface.
  using Renderer = std::function<void(Surface& surface, int wantedPage)>;
  // Prints the printout on the printer (its own print dialog and all).
  using PrintCommand = std::function<void()>;

  TPrintPreviewForm(Competition& competition, PrintState& print, Dialogs& dialogs, Printing& printing)
      : competition_(competition), print_(print), dialogs_(dialogs), printing_(printing) {}

  std::string_view FormName() const override { return kFormName; }

  // --- the printouts ---------------------------------------------------------------------
  // Plugs a printout in under its caption; a later registration replaces an earlier one.
  void RegisterPrintout(std::string_view caption, Renderer render, PrintCommand print = {});
  bool HasPrintout(std::string_view caption) const;

  // --- state of the window ----------------------------------------------------------------
  // The printout key; a caption that names no printout shows an empty page.
  std::string Caption;
  // The label window's "Show layout grid on Print Preview".
  bool ShowLayoutGrid = false;
  // The tab set shows its captions in bold.
  static constexpr bool kTabCaptionsBold = true;

  int ShownPage() const noexcept { return shownPage_; }
  int PageCount() const noexcept { return pageCount_; }
  // "Page 1", "Page 2" ... for every page announced by the last rendering.
  const std::vector<std::string>& Tabs() const noexcept { return tabs_; }
  int SelectedTab() const noexcept { return shownPage_ - 1; }
  // The page surface's size from the last page set-up; the view sizes its page to it.
  int SurfaceWidth() const noexcept { return surfaceWidth_; }
  int SurfaceHeight() const noexcept { return surfaceHeight_; }
  Rgb PanelColour() const noexcept { return panelColour_; }

  // Kept for the report's print dialog: pages first to last, and the selected
  // tab (its page is selectedTab + 1, the page the dialog's "selection" prints).
  struct ReportPages {
    int first = 1;
    int last = 0;
    int selectedTab = 0;
  };
  const ReportPages& Report() const noexcept { return report_; }

  // Asked whenever the shown page changed and the page surface must be painted again.
  std::function<void()> onRepaint;

  // --- PageList: called by the renderers ----------------------------------------------------
  // PrinterResolution := the printer's; the surface becomes the printer page scaled to
  // the screen; PageWidth and PageHeight := the printer page while printing, else the
  // surface. While the preview paints, the page is made white and framed in green, and
  // the centimetre grid is drawn when ShowLayoutGrid is set.
  void PreviewPageSetup(int printerPageWidth, int printerPageHeight) override;
  void NewPageList() override;
  void PageBegins(int page) override;

  // --- events ---------------------------------------------------------------------------
  // The printer check (its box when there is none, and then nothing is drawn); shown
  // page 1 rendered on the page surface ("Report" through CountReportPages).
  void FormShow(Surface& pageSurface);
  // Renders the shown page again (not while printing, nor after an opening that found no
  // printer).
  void Paint(Surface& pageSurface);
  // Tab k (from 0) shows page k + 1.
  void TabChange(int tab);
  // The printer check; PrintToPrinter while the printout's print command runs; then the
  // page is painted again.
  void PrintClick();
  // For the report printout, also without showing the window (batch printing):
  // renders page 1 and answers the number of pages.
  int CountReportPages(Surface& pageSurface);

  // Left edges of the bottom buttons, laid out from the right: "Cancel" 10 pixels from the
  // panel's right edge, "Print" 10 pixels left of it.
  struct ButtonLefts {
    int print = 0;
    int cancel = 0;
  };
  static ButtonLefts LayOutButtons(int panelWidth, int printWidth, int cancelWidth) noexcept;

  // trunc(screen / 2.54 × (size × 2.54 / printer) × factor): a printer length scaled to
  // the screen (factor 1.065 across, 1.025 down); 0 without a printer resolution.
  static int ScaledToScreen(int printerUnits, int printerResolution, int screenResolution, double factor) noexcept;

 private:
  struct Printout {
    Renderer render;
    PrintCommand print;
  };
  void Render(Surface& pageSurface, int page);
  void DrawPage(Surface& surface) const;
  void DrawLayoutGrid(Surface& surface) const;
  void Repaint() const {
    if (onRepaint) onRepaint();
  }

  Competition& competition_;
  PrintState& print_;
  Dialogs& dialogs_;
  Printing& printing_;

  std::map<std::string, Printout, std::less<>> printouts_;
  int shownPage_ = 1;
  int pageCount_ = 0;
  std::vector<std::string> tabs_;
  int surfaceWidth_ = 0;
  int surfaceHeight_ = 0;
  Rgb panelColour_{kPanelSilver};
  ReportPages report_;
  bool printerReady_ = false;
  Surface* painting_ = nullptr;  // the page surface while a rendering draws on it
};

// Sets the caption, shows the preview modally and empties the caption again.
ModalResult ShowPrintPreview(FormHost& host, TPrintPreviewForm& preview, std::string_view caption);

}  // namespace quenchel
