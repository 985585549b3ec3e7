#pragma once
// The message boxes every rule of the program speaks through. The window program shows
// them as the platform's message boxes; tests script them; the command-line tool prints
// them.

#include <string_view>

namespace quenchel {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A question with Yes and No buttons and a question icon; true only for Yes (closing
  // the box without choosing counts as No).
  virtual bool AskYesNo(std::string_view caption, std::string_view text) = 0;
  // An information message with an OK button; returns when it is closed.
  virtual void ShowInfo(std::string_view caption, std::string_view text) = 0;
};

}  // namespace quenchel
