#pragma once
// Pieces several dialog views share.

#include <QDialogButtonBox>
#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace quenchel {

// A raised panel with one bold, centred text across the top of a dialog; answers the
// label so that the view can show the model's heading in it.
QLabel* AddHeadingPanel(QBoxLayout& layout, QWidget* parent);

// A push button that does not react to Enter elsewhere in the dialog: Enter is an event
// the models handle themselves.
QPushButton* AddButton(QDialogButtonBox& box, const QString& text, QDialogButtonBox::ButtonRole role);

}  // namespace quenchel
