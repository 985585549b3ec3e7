#pragma once
// The print preview's window: the shown page on a white panel in a scroll area, a tab
// per page under it, "Print" and "Cancel" at the bottom right and a status bar. The page
// is painted by the printout's renderer through the preview model at every repaint.

#include <string>
#include <vector>

#include "shell/model_dialog.h"

class QPushButton;
class QScrollArea;
class QTabBar;

namespace quenchel {

class PreviewPage;
class TPrintPreviewForm;

class PrintPreviewView final : public ModelDialog {
  Q_OBJECT

 public:
  PrintPreviewView(TPrintPreviewForm& model, QWidget* parent = nullptr);
  ~PrintPreviewView() override;

  // For tests and screenshots: the page widget and the tab bar.
  QWidget* Page() const;
  QTabBar* Tabs() const { return tabs_; }

 private:
  void Opening() override;
  // The page's size and the tabs as the last rendering left them.
  void ShowModelState();
  void ShowTabs();

  TPrintPreviewForm& model_;
  QScrollArea* scroll_;
  PreviewPage* page_;
  QTabBar* tabs_;
  QPushButton* print_;
  QPushButton* cancel_;
  std::vector<std::string> shownTabs_;
};

}  // namespace quenchel
