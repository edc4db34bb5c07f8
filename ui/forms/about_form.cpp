#include "ui/forms/about_form.h"

#include <QFrame>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "ui/forms/about_emblem.h"
#include "ui/widgets/object_name.h"

namespace navbin::ui {

namespace {
constexpr const char* kLines[] = {
    "Version 1.36",
    "NavBin Monitor",
    "Monitor and configuration tool for NavBin GPS receivers",
    "Qt 6 edition",
};

QFrame* InformationPanel(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setObjectName("Panel_About");
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(12, 8, 12, 8);
  layout->setSpacing(4);
  for (const char* line : kLines) {
    auto* label = new QLabel(line, frame);
    label->setAlignment(Qt::AlignCenter);
    if (line == kLines[0]) {  // the version line stands out
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
    }
    layout->addWidget(label);
  }
  return frame;
}
}  // namespace

TForm_About::TForm_About(QWidget* parent) : FormWindow("Form_About", "About M1_Monitor", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);

  Image_Emblem = new QLabel(this);
  Image_Emblem->setObjectName("Image_Emblem");
  Image_Emblem->setPixmap(DrawAboutEmblem());
  Image_Emblem->setFixedSize(kEmblemWidth, kEmblemHeight);
  layout->addWidget(Image_Emblem, 0, Qt::AlignHCenter);

  layout->addWidget(InformationPanel(this));

  Button_OK = new QPushButton("&OK", this);
  Button_OK->setObjectName(Name(names::Button_OK));
  Button_OK->setDefault(true);
  connect(Button_OK, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(Button_OK, 0, Qt::AlignHCenter);
  fixSize();
}

}  // namespace navbin::ui
