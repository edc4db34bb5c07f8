#include "ui/forms/packet_masks_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "ui/forms/common_control_names.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

TForm_PacketMasks::TForm_PacketMasks(QWidget* parent)
    : FormWindow("Form_PacketMasks", "Broadcast Packet Masks", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  auto box = [this, layout](const ObjectName& name, const char* caption) {
    QCheckBox* check = CheckBox(name, caption, this);
    layout->addWidget(check);
    return check;
  };
  CheckBox_B2Bit5 = box(names::CheckBox_B2Bit5, "Auto NavBin Outputs");
  CheckBox_B2Bit6 = box(names::CheckBox_B2Bit6, "8F-AB on all NavBin ports");
  CheckBox_B2Bit7 = box(names::CheckBox_B2Bit7, "8F-AC on all NavBin ports");
  layout->addSpacing(8);
  auto* buttons = new QHBoxLayout;
  Button_OK = Button(names::Button_OK, "&OK", this);
  Button_Close = Button(common::Button_Close, "&Close", this);
  connect(Button_OK, &QPushButton::clicked, this, &TForm_PacketMasks::Button_OKClick);
  connect(Button_Close, &QPushButton::clicked, this, &TForm_PacketMasks::Button_CloseClick);
  buttons->addWidget(Button_OK);
  buttons->addWidget(Button_Close);
  layout->addLayout(buttons);
  fixSize();
}

void TForm_PacketMasks::Button_OKClick() {
  if (send_) send_();
}

}  // namespace navbin::ui
