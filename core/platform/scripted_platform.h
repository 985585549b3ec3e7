#pragma once
// Test doubles of the platform: every dialog takes its answers from a queue and records
// what it was asked.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/print_dialog.h"
#include "platform/scripted_dialogs.h"

namespace quenchel {

class ScriptedFileDialogs final : public FileDialogs {
 public:
  // Queues the next dialog's answer; nothing means Cancel. An unqueued dialog cancels.
  void Choose(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override { return Take("open", request); }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override { return Take("save", request); }

  struct Asked {
    std::string kind;  // "open" or "save"
    FileDialogRequest request;
  };
  const std::vector<Asked>& Requests() const noexcept { return asked_; }

 private:
  std::optional<std::string> Take(std::string kind, const FileDialogRequest& request);
  std::deque<std::optional<std::string>> answers_;
  std::vector<Asked> asked_;
};

class ScriptedFontDialog final : public FontDialog {
 public:
  void Choose(std::optional<FontChoice> font) { answers_.push_back(std::move(font)); }
  std::optional<FontChoice> ChooseFont(const FontChoice& initial, int minSize, int maxSize) override;

  struct Asked {
    FontChoice initial;
    int minSize;
    int maxSize;
  };
  const std::vector<Asked>& Requests() const noexcept { return asked_; }

 private:
  std::deque<std::optional<FontChoice>> answers_;
  std::vector<Asked> asked_;
};

class FakePrinting final : public Printing {
 public:
  bool installed = true;
  int resolution = 600;
  int setupShown = 0;
  bool HasPrinter() const override { return installed; }
  int PrinterResolution() const override { return installed ? resolution : 0; }
  void ShowPrinterSetup() override { ++setupShown; }
  std::optional<PageOrientation> orientation;  // the last orientation set, if any
  void SetOrientation(PageOrientation value) override { orientation = value; }
};

class ScriptedFormHost final : public FormHost {
 public:
  using Handler = std::function<ModalResult(Form&)>;
  // Queues what the user does with the next form shown. An unqueued form closes with
  // Cancel and is counted in UnexpectedForms.
  void Then(Handler handler) { handlers_.push_back(std::move(handler)); }
  ModalResult ShowModal(Form& form) override;

  const std::vector<std::string>& Shown() const noexcept { return shown_; }
  int UnexpectedForms() const noexcept { return unexpected_; }

 private:
  std::deque<Handler> handlers_;
  std::vector<std::string> shown_;
  int unexpected_ = 0;
};

// One of each, ready to hand to the logic as a Platform.
struct ScriptedPlatform {
  ScriptedDialogs dialogs;
  ScriptedFileDialogs files;
  ScriptedFontDialog fonts;
  FakePrinting printing;
  FixedClock clock{LocalDateTime{2026, 4, 18, 9, 30, 0}};
  ScriptedFormHost forms;

  Platform Get() { return Platform{dialogs, files, fonts, printing, clock, forms}; }
};

// The print dialog for tests: answers come from a queue (an unqueued dialog cancels) and
// every request is recorded.
class ScriptedPrintDialog final : public PrintDialog {
 public:
  // Confirms the next dialog with what it offers: its copies, its selected choice and its
  // range.
  void Confirm() { answers_.push_back(Answer{true, std::nullopt}); }
  // Confirms the next dialog with this answer.
  void ConfirmWith(PrintRange range) { answers_.push_back(Answer{true, range}); }
  void Cancel() { answers_.push_back(Answer{false, std::nullopt}); }

  std::optional<PrintRange> Ask(const PrintRequest& request) override;

  const std::vector<PrintRequest>& Requests() const noexcept { return asked_; }

 private:
  struct Answer {
    bool confirm;
    std::optional<PrintRange> range;
  };
  std::deque<Answer> answers_;
  std::vector<PrintRequest> asked_;
};

}  // namespace quenchel
