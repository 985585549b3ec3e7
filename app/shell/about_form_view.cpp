#include "shell/about_form_view.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "shell/about_form.h"
#include "shell/dialog_parts.h"
#include "shell/pictures.h"

namespace quenchel {

AboutFormView::AboutFormView(About1& model, QWidget* parent) : ModelDialog(parent) {
  setWindowTitle(FromCellText(model.Caption()));
  auto* layout = new QVBoxLayout(this);
  AddHeadingPanel(*layout, this)->setText(FromCellText(model.Heading()));

  auto* picture = new QLabel(this);
  const int height = picture->fontMetrics().height() * 8;
  picture->setPixmap(pictures::LogoIcon().pixmap(QSize(static_cast<int>(height * pictures::kLogoAspect), height)));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);

  auto* buildDate = new QLabel(FromCellText(model.BuildDate()), this);
  buildDate->setAlignment(Qt::AlignCenter);
  layout->addWidget(buildDate);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddButton(*buttons, tr("&OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);  // nothing else here takes Enter
  layout->addWidget(buttons);
  connect(ok, &QPushButton::clicked, this, [this, &model] { Finish(model.OKClick()); });
}

}  // namespace quenchel
