#pragma once
// The packet masks dialog: which reports the receiver sends unasked. Unlike
// the other settings dialogs, "&OK" sends and leaves the dialog open; only
// "&Close" closes it.

#include <QCheckBox>
#include <QPushButton>
#include <functional>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_PacketMasks : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_PacketMasks(QWidget* parent);

  using SendHandler = std::function<void()>;
  void setSendHandler(SendHandler handler) { send_ = std::move(handler); }

  void Button_OKClick();
  void Button_CloseClick() { hide(); }

  QCheckBox* CheckBox_B2Bit5 = nullptr;
  QCheckBox* CheckBox_B2Bit6 = nullptr;
  QCheckBox* CheckBox_B2Bit7 = nullptr;
  QPushButton* Button_OK = nullptr;
  QPushButton* Button_Close = nullptr;

 private:
  SendHandler send_;
};

}  // namespace navbin::ui
