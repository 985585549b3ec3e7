#include "setup/print_font.h"

#include <optional>

#include "platform/font_dialog.h"
#include "shell/whole_number.h"
#include "store/competition.h"

namespace quenchel {

void ChoosePrintFont(Competition& competition, FontDialog& fonts) {
  Settings& settings = competition.settings;
  FontChoice initial;
  initial.name = settings.PrintFontName;
  // A size that is not a positive number opens the dialog at its default size.
  if (const std::optional<int> size = ParseWholeNumber(settings.PrintFontSize); size && *size > 0) initial.size = *size;
  const std::optional<FontChoice> chosen = fonts.ChooseFont(initial);
  if (!chosen) return;
  settings.PrintFontName = chosen->name;
  settings.PrintFontSize = std::to_string(chosen->size);
}

}  // namespace quenchel
