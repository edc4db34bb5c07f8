#pragma once
// The serial port dialog: line settings and protocols of the receiver's two
// serial ports. Each panel's button hands its panel (0 "Port 1", 1 "Port 2")
// to the handler the application gives.

#include <QComboBox>
#include <QPushButton>
#include <functional>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Serial : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Serial(QWidget* parent);

  using SetPortHandler = std::function<void(int panel)>;
  void setSetPortHandler(SetPortHandler handler) { setPort_ = std::move(handler); }

  void Button_Port1Click();
  void Button_Port2Click();
  void Button_CancelClick() { hide(); }

  QComboBox* ComboBox_Port1BaudRate = nullptr;
  QComboBox* ComboBox_Port1DataBits = nullptr;
  QComboBox* ComboBox_Port1Parity = nullptr;
  QComboBox* ComboBox_Port1StopBits = nullptr;
  QComboBox* ComboBox_Port1ProtocolIn = nullptr;
  QComboBox* ComboBox_Port1ProtocolOut = nullptr;
  QComboBox* ComboBox_Port2BaudRate = nullptr;
  QComboBox* ComboBox_Port2DataBits = nullptr;
  QComboBox* ComboBox_Port2Parity = nullptr;
  QComboBox* ComboBox_Port2StopBits = nullptr;
  QComboBox* ComboBox_Port2ProtocolIn = nullptr;
  QComboBox* ComboBox_Port2ProtocolOut = nullptr;
  QPushButton* Button_Port1 = nullptr;
  QPushButton* Button_Port2 = nullptr;
  QPushButton* Button_Cancel = nullptr;

 private:
  QWidget* buildPanel(int panel);
  SetPortHandler setPort_;
};

}  // namespace navbin::ui
