#pragma once
// The fonts form of the schedules: the web page font and colours, taken on OK, and the
// printed font, taken as soon as it is chosen.

#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"

namespace quenchel {

class Competition;
class Dialogs;
class FontDialog;

class TSetUpFontsForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "TSetUpFontsForm";
  static constexpr std::string_view kCaption = "Fonts for Schedules";
  static constexpr std::string_view kWebGroup = "Settings for Webpage Schedules";
  static constexpr std::string_view kWebFontButton = "Webpage Font";
  static constexpr std::string_view kFontColourLabel = "Font Colour";
  static constexpr std::string_view kBackColourLabel = "Background Colour";
  static constexpr std::string_view kPrintGroup = "Settings for Printed Schedules";
  static constexpr std::string_view kPrintFontButton = "Printed Font";
  // Printed schedules are laid out for these sizes only.
  static constexpr int kMinPrintSize = 8;
  static constexpr int kMaxPrintSize = 12;

  // Fills the colour lists from the colour tables.
  TSetUpFontsForm(Competition& competition, FontDialog& fonts, Dialogs& dialogs);

  std::string_view FormName() const override { return kFormName; }

  // Shows the competition's settings.
  void FormShow();
  // Chooses the web font for the fields; the settings change only on OK.
  void btnWebpageFontClick();
  // Chooses the printed font and stores it at once.
  void btnPrintedFontClick();
  // The colour lists accept any typed text.
  void cbFontColourChange(std::string_view text) { fontColour_ = text; }
  void cbBackColourChange(std::string_view text) { backColour_ = text; }
  // Stores the web font and colours; Cancel leaves them (a printed font stays chosen).
  ModalResult OKClick();
  ModalResult CancelClick() const noexcept { return ModalResult::Cancel; }

  const std::string& WebFontName() const noexcept { return webFontName_; }
  const std::string& WebFontSize() const noexcept { return webFontSize_; }
  const std::string& FontColour() const noexcept { return fontColour_; }
  const std::string& BackColour() const noexcept { return backColour_; }
  const std::string& PrintFontName() const noexcept { return printFontName_; }
  const std::string& PrintFontSize() const noexcept { return printFontSize_; }
  const std::vector<std::string>& FontColourItems() const noexcept { return fontColourItems_; }
  const std::vector<std::string>& BackColourItems() const noexcept { return backColourItems_; }

 private:
  Competition& competition_;
  FontDialog& fonts_;
  Dialogs& dialogs_;
  std::vector<std::string> fontColourItems_;
  std::vector<std::string> backColourItems_;
  std::string webFontName_, webFontSize_;
  std::string fontColour_, backColour_;
  std::string printFontName_, printFontSize_;
};

}  // namespace quenchel
