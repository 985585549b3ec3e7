#pragma once
// Qt's fonts and painters need a QGuiApplication. The command-line tool makes one for
// the time it prints, on the "offscreen" platform unless QT_QPA_PLATFORM names another,
// so it runs where there is no display.

#include <array>
#include <memory>

class QGuiApplication;

namespace quenchel {

class HeadlessGui {
 public:
  // Uses the running application when there is one.
  HeadlessGui();
  ~HeadlessGui();
  HeadlessGui(const HeadlessGui&) = delete;
  HeadlessGui& operator=(const HeadlessGui&) = delete;

 private:
  // The application keeps references to its arguments (and takes out those it used)
  // for its whole life, so they live here, before it.
  int argumentCount_ = 0;
  std::array<char*, 4> arguments_{};
  std::unique_ptr<QGuiApplication> own_;
};

}  // namespace quenchel
