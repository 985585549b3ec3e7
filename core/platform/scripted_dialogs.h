#pragma once
// Dialogs for tests: questions take their answers from a queue, and every box shown is
// recorded with its caption and text.

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace quenchel {

class ScriptedDialogs final : public Dialogs {
 public:
  enum class Kind { Question, Information, SaveQuestion, Flash };
  struct Shown {
    Kind kind;
    std::string caption;
    std::string text;
    bool operator==(const Shown&) const = default;
  };

  // Queues the answer to the next question. A question with no queued answer is
  // answered No and counted in `UnexpectedQuestions`.
  void Answer(bool yes) { answers_.push_back(yes); }
  // Queues the answer to the next Save/Discard/Cancel question (unqueued: Cancel).
  void AnswerSave(SaveChoice choice) { saveAnswers_.push_back(choice); }

  bool AskYesNo(std::string_view caption, std::string_view text) override;
  void ShowInfo(std::string_view caption, std::string_view text) override;
  SaveChoice AskSaveDiscardCancel(std::string_view caption, std::string_view text) override;
  void Flash(std::string_view caption, std::string_view text) override;

  const std::vector<Shown>& Messages() const noexcept { return shown_; }
  // How often a box with exactly this caption and text was shown.
  int CountShown(std::string_view caption, std::string_view text) const;
  int UnexpectedQuestions() const noexcept { return unexpected_; }
  std::size_t PendingAnswers() const noexcept { return answers_.size() + saveAnswers_.size(); }
  void ClearMessages() { shown_.clear(); }

 private:
  std::deque<bool> answers_;
  std::deque<SaveChoice> saveAnswers_;
  std::vector<Shown> shown_;
  int unexpected_ = 0;
};

}  // namespace quenchel
