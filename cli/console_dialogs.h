#pragma once
// Message boxes for the command line: every box becomes one "Caption: text" line on the
// error stream, and questions get the answer the command chose beforehand.

#include <ostream>
#include <string_view>

#include "platform/dialogs.h"

namespace quenchel {

class ConsoleDialogs final : public Dialogs {
 public:
  // Questions are answered Yes only when `answerYes` is set; nobody is there to ask.
  explicit ConsoleDialogs(std::ostream& err, bool answerYes = false) : err_(err), answerYes_(answerYes) {}

  bool AskYesNo(std::string_view caption, std::string_view text) override;
  void ShowInfo(std::string_view caption, std::string_view text) override;

 private:
  void Print(std::string_view caption, std::string_view text);

  std::ostream& err_;
  bool answerYes_;
};

}  // namespace quenchel
