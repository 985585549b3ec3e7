#include "print/print_preview_form.h"

#include <array>
#include <cstdio>
#include <utility>

#include "platform/printing.h"
#include "print/print_primitives.h"
#include "print/print_state.h"
#include "store/competition.h"

namespace quenchel {

void TPrintPreviewForm::RegisterPrintout(std::string_view caption, Renderer render, PrintCommand print) {
  printouts_.insert_or_assign(std::string(caption), Printout{std::move(render), std::move(print)});
}

bool TPrintPreviewForm::HasPrintout(std::string_view caption) const { return printouts_.contains(caption); }

int TPrintPreviewForm::ScaledToScreen(int printerUnits, int printerResolution, int screenResolution,
                                      double factor) noexcept {
  if (printerResolution <= 0 || screenResolution <= 0 || printerUnits <= 0) return 0;
  const double centimetres = printerUnits * 2.54 / printerResolution;
  return static_cast<int>(screenResolution / 2.54 * centimetres * factor);
}

void TPrintPreviewForm::PreviewPageSetup(int printerPageWidth, int printerPageHeight) {
  AppState& state = competition_.state;
  state.PrinterResolution = printing_.PrinterResolution();
  surfaceWidth_ = ScaledToScreen(printerPageWidth, state.PrinterResolution, state.ScreenResolution, 1.065);
  surfaceHeight_ = ScaledToScreen(printerPageHeight, state.PrinterResolution, state.ScreenResolution, 1.025);
  if (print_.PrintToPrinter) {
    print_.PageWidth = printerPageWidth;
    print_.PageHeight = printerPageHeight;
  } else {
    print_.PageWidth = surfaceWidth_;
    print_.PageHeight = surfaceHeight_;
  }
  panelColour_ = kPanelSilver;
  if (painting_ != nullptr && !print_.PrintToPrinter) {
    DrawPage(*painting_);
    if (ShowLayoutGrid) DrawLayoutGrid(*painting_);
  }
}

void TPrintPreviewForm::DrawPage(Surface& surface) const {
  surface.FillRect(0, 0, surfaceWidth_, surfaceHeight_, kPageWhite);
  const int right = surfaceWidth_ - 1;
  const int bottom = surfaceHeight_ - 1;
  surface.SetPen(kFrameGreen, 1);
  surface.Polyline({{0, 0}, {right, 0}, {right, bottom}, {0, bottom}, {0, 0}});
}

void TPrintPreviewForm::DrawLayoutGrid(Surface& surface) const {
  const int cm = static_cast<int>(competition_.state.ScreenResolution / 2.54);
  surface.SetPen(kFrameGreen, 1);
  for (int i = 0; i < kLayoutGridSquares; ++i) {
    for (int j = 0; j < kLayoutGridSquares; ++j) {
      const int left = i * cm;
      const int top = j * cm;
      const int right = (i + 1) * cm + 1;
      const int bottom = (j + 1) * cm + 1;
      surface.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
      std::array<char, 32> label{};
      std::snprintf(label.data(), label.size(), "%d, %d", i + 1, j + 1);
      const std::string_view text(label.data());
      surface.FillRect(left + 5, top + 5, left + 5 + surface.TextWidth(text), top + 5 + surface.TextHeight(text),
                       kPageWhite);
      surface.TextOut(left + 5, top + 5, text);
    }
  }
}

void TPrintPreviewForm::NewPageList() {
  pageCount_ = 0;
  tabs_.clear();
}

void TPrintPreviewForm::PageBegins(int page) {
  tabs_.push_back(std::string(kTabPrefix) + std::to_string(page));
  ++pageCount_;
}

void TPrintPreviewForm::Render(Surface& pageSurface, int page) {
  const auto found = printouts_.find(Caption);
  if (found == printouts_.end() || !found->second.render) return;
  painting_ = &pageSurface;
  struct PaintingEnds {
    Surface*& painting;
    ~PaintingEnds() { painting = nullptr; }
  } paintingEnds{painting_};
  found->second.render(pageSurface, page);
}

void TPrintPreviewForm::FormShow(Surface& pageSurface) {
  printerReady_ = PrinterInstalled(printing_, dialogs_);
  if (!printerReady_) return;
  shownPage_ = 1;
  if (Caption == kReport)
    CountReportPages(pageSurface);
  else
    Render(pageSurface, shownPage_);
}

void TPrintPreviewForm::Paint(Surface& pageSurface) {
  if (!printerReady_ || print_.PrintToPrinter) return;
  Render(pageSurface, shownPage_);
}

void TPrintPreviewForm::TabChange(int tab) {
  if (tab < 0) return;
  shownPage_ = tab + 1;
  if (Caption == kReport) {
    report_.selectedTab = tab;
    report_.last = static_cast<int>(tabs_.size());
  }
  Repaint();
}

void TPrintPreviewForm::PrintClick() {
  if (!PrinterInstalled(printing_, dialogs_)) return;
  print_.PrintToPrinter = true;
  if (const auto found = printouts_.find(Caption); found != printouts_.end() && found->second.print)
    found->second.print();
  print_.PrintToPrinter = false;
  Repaint();
}

int TPrintPreviewForm::CountReportPages(Surface& pageSurface) {
  shownPage_ = 1;
  report_.first = 1;
  report_.selectedTab = 0;
  const std::string caption = std::exchange(Caption, std::string(kReport));
  Render(pageSurface, 1);
  Caption = caption;
  report_.last = static_cast<int>(tabs_.size());
  return report_.last;
}

TPrintPreviewForm::ButtonLefts TPrintPreviewForm::LayOutButtons(int panelWidth, int printWidth,
                                                                int cancelWidth) noexcept {
  ButtonLefts lefts;
  lefts.cancel = panelWidth - 10 - cancelWidth;
  lefts.print = lefts.cancel - 10 - printWidth;
  return lefts;
}

ModalResult ShowPrintPreview(FormHost& host, TPrintPreviewForm& preview, std::string_view caption) {
  preview.Caption = caption;
  const ModalResult result = host.ShowModal(preview);
  preview.Caption.clear();
  return result;
}

}  // namespace quenchel
