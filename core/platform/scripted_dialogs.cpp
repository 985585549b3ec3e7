#include "platform/scripted_dialogs.h"

#include <algorithm>

namespace quenchel {

bool ScriptedDialogs::AskYesNo(std::string_view caption, std::string_view text) {
  shown_.push_back({Kind::Question, std::string(caption), std::string(text)});
  if (answers_.empty()) {
    ++unexpected_;
    return false;
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void ScriptedDialogs::ShowInfo(std::string_view caption, std::string_view text) {
  shown_.push_back({Kind::Information, std::string(caption), std::string(text)});
}

SaveChoice ScriptedDialogs::AskSaveDiscardCancel(std::string_view caption, std::string_view text) {
  shown_.push_back({Kind::SaveQuestion, std::string(caption), std::string(text)});
  if (saveAnswers_.empty()) {
    ++unexpected_;
    return SaveChoice::Cancel;
  }
  const SaveChoice choice = saveAnswers_.front();
  saveAnswers_.pop_front();
  return choice;
}

void ScriptedDialogs::Flash(std::string_view caption, std::string_view text) {
  shown_.push_back({Kind::Flash, std::string(caption), std::string(text)});
}

int ScriptedDialogs::CountShown(std::string_view caption, std::string_view text) const {
  return static_cast<int>(std::count_if(shown_.begin(), shown_.end(), [&](const Shown& s) {
    return s.caption == caption && s.text == text;
  }));
}

}  // namespace quenchel
