#include "platform/scripted_platform.h"

namespace quenchel {

std::optional<std::string> ScriptedFileDialogs::Take(std::string kind, const FileDialogRequest& request) {
  asked_.push_back({std::move(kind), request});
  if (answers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

std::optional<FontChoice> ScriptedFontDialog::ChooseFont(const FontChoice& initial, int minSize, int maxSize) {
  asked_.push_back({initial, minSize, maxSize});
  if (answers_.empty()) return std::nullopt;
  std::optional<FontChoice> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

ModalResult ScriptedFormHost::ShowModal(Form& form) {
  shown_.emplace_back(form.FormName());
  if (handlers_.empty()) {
    ++unexpected_;
    return ModalResult::Cancel;
  }
  Handler handler = std::move(handlers_.front());
  handlers_.pop_front();
  return handler(form);
}

std::optional<PrintRange> ScriptedPrintDialog::Ask(const PrintRequest& request) {
  asked_.push_back(request);
  if (answers_.empty()) return std::nullopt;
  const Answer answer = answers_.front();
  answers_.pop_front();
  if (!answer.confirm) return std::nullopt;
  if (answer.range) return answer.range;
  return PrintRange{request.copies, request.pages, request.fromPage, request.toPage};
}

}  // namespace quenchel
