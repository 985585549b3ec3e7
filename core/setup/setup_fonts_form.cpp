#include "setup/setup_fonts_form.h"

#include <optional>
#include <span>

#include "platform/dialogs.h"
#include "platform/font_dialog.h"
#include "setup/colour_tables.h"
#include "shell/whole_number.h"
#include "store/competition.h"

namespace quenchel {

namespace {

constexpr std::string_view kPrintedFontHandler = "btnPrintedFontClick";

std::vector<std::string> ColourNames(std::span<const NamedColour> table) {
  std::vector<std::string> names;
  names.reserve(table.size());
  for (const NamedColour& colour : table) names.emplace_back(colour.name);
  return names;
}

// A font size as the font dialog takes it; nothing when the text is no positive size.
std::optional<int> FontSizeOf(std::string_view text) {
  const std::optional<int> size = ParseWholeNumber(text);
  if (!size || *size <= 0) return std::nullopt;
  return size;
}

}  // namespace

TSetUpFontsForm::TSetUpFontsForm(Competition& competition, FontDialog& fonts, Dialogs& dialogs)
    : competition_(competition),
      fonts_(fonts),
      dialogs_(dialogs),
      fontColourItems_(ColourNames(FontColours())),
      backColourItems_(ColourNames(BackgroundColours())) {}

void TSetUpFontsForm::FormShow() {
  const Settings& settings = competition_.settings;
  webFontName_ = settings.WebFontName;
  webFontSize_ = settings.WebFontSize;
  fontColour_ = settings.WebFontColour;
  backColour_ = settings.WebBackColour;
  printFontName_ = settings.PrintFontName;
  printFontSize_ = settings.PrintFontSize;
}

void TSetUpFontsForm::btnWebpageFontClick() {
  FontChoice initial;
  initial.name = competition_.settings.WebFontName;
  initial.size = FontSizeOf(competition_.settings.WebFontSize).value_or(initial.size);
  const std::optional<FontChoice> chosen = fonts_.ChooseFont(initial);
  if (!chosen) return;
  webFontName_ = chosen->name;
  webFontSize_ = std::to_string(chosen->size);
}

void TSetUpFontsForm::btnPrintedFontClick() {
  Settings& settings = competition_.settings;
  FontChoice initial;
  initial.name = settings.PrintFontName;
  initial.size = kMinPrintSize;
  // A stored size that cannot be set is reported; the dialog still opens so that the
  // user can put it right.
  if (const std::optional<int> size = FontSizeOf(settings.PrintFontSize))
    initial.size = *size;
  else
    dialogs_.ShowInfo("Error Font size 1", kPrintedFontHandler);
  const std::optional<FontChoice> chosen = fonts_.ChooseFont(initial, kMinPrintSize, kMaxPrintSize);
  if (!chosen) return;
  // A platform dialog that does not enforce the limits must not store a size printed
  // schedules are not laid out for.
  if (chosen->name.empty() || chosen->size < kMinPrintSize || chosen->size > kMaxPrintSize) {
    dialogs_.ShowInfo("Error Font size 2", kPrintedFontHandler);
    return;
  }
  settings.PrintFontName = chosen->name;
  settings.PrintFontSize = std::to_string(chosen->size);
  printFontName_ = settings.PrintFontName;
  printFontSize_ = settings.PrintFontSize;
}

ModalResult TSetUpFontsForm::OKClick() {
  Settings& settings = competition_.settings;
  settings.WebFontName = webFontName_;
  settings.WebFontSize = webFontSize_;
  settings.WebFontColour = fontColour_;
  settings.WebBackColour = backColour_;
  return ModalResult::OK;
}

}  // namespace quenchel
