#include "console_dialogs.h"

namespace quenchel {

bool ConsoleDialogs::AskYesNo(std::string_view caption, std::string_view text) {
  Print(caption, text);
  return answerYes_;
}

void ConsoleDialogs::ShowInfo(std::string_view caption, std::string_view text) { Print(caption, text); }

void ConsoleDialogs::Print(std::string_view caption, std::string_view text) {
  err_ << caption << ": " << text << '\n';
}

}  // namespace quenchel
