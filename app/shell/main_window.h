#pragma once
// The main window: shows TMainForm's state (caption, heading, status line, menu) and
// forwards every menu command, tool button, timer tick, activation and close to it.

#include <QElapsedTimer>
#include <QMainWindow>
#include <string>
#include <vector>

#include "shell/main_menu.h"

class QAction;
class QLabel;
class QToolBar;

namespace quenchel {

class Competition;
class HeadingPanel;
class TMainForm;
class WorkArea;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` are the command-line arguments after the program's name; the first
  // activation hands them to the form.
  MainWindow(TMainForm& form, Competition& competition, std::vector<std::string> arguments,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  static constexpr int kMainTimerMilliseconds = 1000;
  static constexpr int kBackupTimerMilliseconds = 60000;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct MenuEntry {
    const MenuItem* item;
    QAction* action;
  };

  void BuildMenu();
  QToolBar* BuildToolBar();
  QWidget* BuildClientArea();
  void StartTimers();
  void RunCommand(Command command);
  void Activated();
  void ShowWelcomeScreen();
  void Refresh();

  TMainForm& form_;
  Competition& competition_;
  std::vector<std::string> arguments_;
  bool firstActivation_ = true;
  HeadingPanel* heading_;
  WorkArea* workArea_ = nullptr;
  QLabel* status_;
  QElapsedTimer progressClock_;  // paces the status line's repaints while files load
  std::vector<MenuEntry> menuEntries_;
};

}  // namespace quenchel
