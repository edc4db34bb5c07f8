#pragma once
// The raw packet log window: file choice, append switch, Start and Stop, and
// the recording state, which the raw log writes back by name.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "logging/raw_log.h"
#include "ui/forms/form_window.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

class TForm_LogNavBin : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_LogNavBin(QWidget* parent);

  // Connects Open, Start and Stop to the raw log.
  void attach(logging::RawLog& rawLog);

  Shape* Shape_OnOff = nullptr;
  QLabel* Label_OnOff = nullptr;
  Panel* Panel_Filename = nullptr;
  QPushButton* Button_Open = nullptr;
  QCheckBox* CheckBox_Append = nullptr;
  QPushButton* Button_Start = nullptr;
  QPushButton* Button_Stop = nullptr;
  QPushButton* Button_Close = nullptr;
};

}  // namespace navbin::ui
