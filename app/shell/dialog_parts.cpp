#include "shell/dialog_parts.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quenchel {

QLabel* AddHeadingPanel(QBoxLayout& layout, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* label = new QLabel(panel);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  auto* inside = new QVBoxLayout(panel);
  inside->addWidget(label);
  layout.addWidget(panel);
  return label;
}

QPushButton* AddButton(QDialogButtonBox& box, const QString& text, QDialogButtonBox::ButtonRole role) {
  QPushButton* button = box.addButton(text, role);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace quenchel
