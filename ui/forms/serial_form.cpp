#include "ui/forms/serial_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

namespace lists = reports::lists;

TForm_Serial::TForm_Serial(QWidget* parent)
    : FormWindow("Form_Serial", "Serial Port Configuration", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  auto* panels = new QHBoxLayout;
  panels->addWidget(buildPanel(0));
  panels->addWidget(buildPanel(1));
  layout->addLayout(panels);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button_Cancel = Button(names::Button_Cancel, "&Close", this);
  connect(Button_Cancel, &QPushButton::clicked, this, &TForm_Serial::Button_CancelClick);
  buttons->addWidget(Button_Cancel);
  layout->addLayout(buttons);
  fixSize();
}

QWidget* TForm_Serial::buildPanel(int panel) {
  const bool first = panel == 0;
  auto* box = new QGroupBox(first ? "Port 1" : "Port 2", this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  auto add = [&](const char* label, QComboBox*& member, reports::ControlName name1,
                 reports::ControlName name2, const auto& items) {
    member = ListBox(first ? name1 : name2, items, box);
    member->setMinimumWidth(90);
    auto* caption = new QLabel(label, box);
    caption->setBuddy(member);
    grid->addWidget(caption, row, 0);
    grid->addWidget(member, row, 1);
    ++row;
  };
  add("Baud Rate", first ? ComboBox_Port1BaudRate : ComboBox_Port2BaudRate,
      names::ComboBox_Port1BaudRate, names::ComboBox_Port2BaudRate, lists::kBaudRates);
  add("Data Bits", first ? ComboBox_Port1DataBits : ComboBox_Port2DataBits,
      names::ComboBox_Port1DataBits, names::ComboBox_Port2DataBits, lists::kDataBits);
  add("Parity", first ? ComboBox_Port1Parity : ComboBox_Port2Parity, names::ComboBox_Port1Parity,
      names::ComboBox_Port2Parity, lists::kParities);
  add("Stop Bits", first ? ComboBox_Port1StopBits : ComboBox_Port2StopBits,
      names::ComboBox_Port1StopBits, names::ComboBox_Port2StopBits, lists::kStopBits);
  add("Protocol In", first ? ComboBox_Port1ProtocolIn : ComboBox_Port2ProtocolIn,
      names::ComboBox_Port1ProtocolIn, names::ComboBox_Port2ProtocolIn, lists::kProtocolsIn);
  add("Protocol Out", first ? ComboBox_Port1ProtocolOut : ComboBox_Port2ProtocolOut,
      names::ComboBox_Port1ProtocolOut, names::ComboBox_Port2ProtocolOut, lists::kProtocolsOut);
  QPushButton*& button = first ? Button_Port1 : Button_Port2;
  button = Button(first ? names::Button_Port1 : names::Button_Port2,
                  first ? "&Set Port 1" : "Set Port &2", box);
  connect(button, &QPushButton::clicked, this,
          first ? &TForm_Serial::Button_Port1Click : &TForm_Serial::Button_Port2Click);
  grid->addWidget(button, row, 0, 1, 2);
  return box;
}

void TForm_Serial::Button_Port1Click() {
  if (setPort_) setPort_(0);
}

void TForm_Serial::Button_Port2Click() {
  if (setPort_) setPort_(1);
}

}  // namespace navbin::ui
