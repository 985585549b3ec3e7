#pragma once
// The logic's message boxes as Qt message boxes.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/dialogs.h"

namespace quenchel {

class QtDialogs final : public Dialogs {
 public:
  // Shows a flash notice and returns once it has closed itself.
  using FlashPresenter = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

  // The window the boxes are centred over and modal to.
  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  // Replaces the plain self-closing message box used for flash notices.
  void SetFlashPresenter(FlashPresenter presenter) { flashPresenter_ = std::move(presenter); }

  bool AskYesNo(std::string_view caption, std::string_view text) override;
  void ShowInfo(std::string_view caption, std::string_view text) override;
  SaveChoice AskSaveDiscardCancel(std::string_view caption, std::string_view text) override;
  void Flash(std::string_view caption, std::string_view text) override;

  // How long a flash notice stays up.
  static constexpr int kFlashMilliseconds = 1000;

 private:
  QPointer<QWidget> parent_;
  FlashPresenter flashPresenter_;
};

}  // namespace quenchel
