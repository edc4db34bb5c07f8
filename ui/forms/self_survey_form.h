#pragma once
// The self-survey dialog: survey on/off, auto-save and the survey limit.
// "&OK" sends and the dialog stays open; "&Close" closes without sending.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_SelfSurvey : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_SelfSurvey(QWidget* parent);

  void setSendHandler(std::function<void()> handler) { send_ = std::move(handler); }
  void Button_OKClick();
  void Button_CloseClick() { hide(); }

  QCheckBox* CheckBox_EnableSurvey = nullptr;
  QCheckBox* CheckBox_Flag = nullptr;
  QLineEdit* Edit_Limit = nullptr;
  QPushButton* Button_OK = nullptr;
  QPushButton* Button_Close = nullptr;

 private:
  std::function<void()> send_;
};

}  // namespace navbin::ui
