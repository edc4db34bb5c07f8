#pragma once
// The PPS dialog: the receiver's pulse-per-second characteristics and output
// qualification. Only the PPS offset is editable; the other controls show what
// the receiver reports and are sent back unchanged.

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_PPSOutput : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_PPSOutput(QWidget* parent);

  void setSetCharHandler(std::function<void()> handler) { setChar_ = std::move(handler); }
  void setSetOutputHandler(std::function<void()> handler) { setOutput_ = std::move(handler); }
  void Button_SetCharClick();
  void Button_SetOutputClick();
  void Button_CancelClick() { hide(); }

  QComboBox* ComboBox_Switch = nullptr;
  QComboBox* ComboBox_TimeBase = nullptr;
  QComboBox* ComboBox_Polarity = nullptr;
  QLineEdit* Edit_Offset = nullptr;
  QLineEdit* Edit_Bias = nullptr;
  QPushButton* Button_SetChar = nullptr;
  QGroupBox* GroupBox_Output = nullptr;  // "Output Options:", disabled
  QRadioButton* RadioButton_Always = nullptr;
  QRadioButton* RadioButton_1SV = nullptr;
  QRadioButton* RadioButton_3SV = nullptr;
  QPushButton* Button_SetOutput = nullptr;
  QPushButton* Button_Cancel = nullptr;

 private:
  QWidget* buildCharacteristics();
  QWidget* buildOutput();
  std::function<void()> setChar_;
  std::function<void()> setOutput_;
};

}  // namespace navbin::ui
