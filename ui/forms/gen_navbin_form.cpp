#include "ui/forms/gen_navbin_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "ui/forms/common_control_names.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

namespace {
QLabel* Label(const ObjectName& name, const char* text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name.text());
  return label;
}
}  // namespace

TForm_GenNavBin::TForm_GenNavBin(QWidget* parent)
    : FormWindow("Form_GenNavBin", "Send Generic NavBin Command", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  Label2 = Label("Label2", "NavBin Command:", this);
  layout->addWidget(Label2);
  auto* row = new QHBoxLayout;
  Label1 = Label("Label1", "10", this);
  Edit_NavBin = Edit(names::Edit_NavBin, "", this, 360);
  Label3 = Label("Label3", "10 03", this);
  Label2->setBuddy(Edit_NavBin);
  row->addWidget(Label1);
  row->addWidget(Edit_NavBin);
  row->addWidget(Label3);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button_Send = Button(names::Button_Send, "&Send", this);
  Button_Close = Button(common::Button_Close, "&Close", this);
  connect(Button_Send, &QPushButton::clicked, this, &TForm_GenNavBin::Button_SendClick);
  connect(Button_Close, &QPushButton::clicked, this, &TForm_GenNavBin::Button_CloseClick);
  buttons->addWidget(Button_Send);
  buttons->addWidget(Button_Close);
  layout->addLayout(buttons);
  fixSize();
}

void TForm_GenNavBin::Button_SendClick() {
  if (send_) send_();
}

}  // namespace navbin::ui
