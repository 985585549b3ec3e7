#pragma once
// The message boxes every rule of the program speaks through. The window program shows
// them as the platform's message boxes; tests script them; the command-line tool prints
// them.

#include <string_view>

namespace quenchel {

// The answer to a question about unsaved changes.
enum class SaveChoice { Save, Discard, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A question with Yes and No buttons and a question icon; true only for Yes (closing
  // the box without choosing counts as No).
  virtual bool AskYesNo(std::string_view caption, std::string_view text) = 0;
  // An information message with an OK button; returns when it is closed.
  virtual void ShowInfo(std::string_view caption, std::string_view text) = 0;
  // A question with Save, Discard and Cancel buttons; closing the box counts as Cancel,
  // which is also the answer where no such box can be shown (nothing is lost).
  virtual SaveChoice AskSaveDiscardCancel(std::string_view /*caption*/, std::string_view /*text*/) {
    return SaveChoice::Cancel;
  }
  // A short notice that closes itself within a second; shown as information by default.
  virtual void Flash(std::string_view caption, std::string_view text) { ShowInfo(caption, text); }
};

}  // namespace quenchel
