#pragma once
// The data logging window: data set selection, collection set-up and the
// status of the data log. It reads its controls into a DataLogSetup at Start;
// the data log writes the status panels back by name.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <functional>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "logging/data_log.h"
#include "logging/data_log_link.h"
#include "ui/forms/form_window.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

class TForm_Log : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Log(QWidget* parent);

  // Connects the buttons and Timer_System to the data log. `portsChanged`
  // repaints the main window's port indicators after Start has marked the
  // display port monitored; `formatWindow` is shown by "Data Log Formats...".
  void attach(logging::DataLog& dataLog, link::PortTable& ports, const link::PortSelection& shell,
              logging::DataLogLink& link, QWidget* formatWindow,
              std::function<void()> portsChanged);

  // The set-up as the controls show it.
  logging::DataLogSetup setup() const;

  QGroupBox* Panel_DataSelection = nullptr;
  // In record order: CheckBox_TOW ... CheckBox_DOPs.
  std::array<QCheckBox*, logging::kDataSetCount> dataSetBoxes{};
  QCheckBox* CheckBox_Bias = nullptr;
  QPushButton* Button_SelectAll = nullptr;
  QPushButton* Button_SelectClear = nullptr;
  QPushButton* Button_LogFormat = nullptr;

  QGroupBox* Panel_Setup = nullptr;
  QLineEdit* Edit_Interval = nullptr;
  QLineEdit* Edit_FileRoot = nullptr;
  QCheckBox* CheckBox_SystemTimer = nullptr;
  QCheckBox* CheckBox_Append = nullptr;
  Panel* Panel_Filename = nullptr;
  QPushButton* Button_Browse = nullptr;
  QPushButton* Button_Clear = nullptr;

  QGroupBox* Panel_Status = nullptr;
  Shape* Shape_OnOff = nullptr;
  QLabel* Label_OnOff = nullptr;
  Panel* Panel_DataSets = nullptr;
  Panel* Panel_StartTime = nullptr;
  Panel* Panel_Duration = nullptr;
  Panel* Panel_Data = nullptr;

  QPushButton* Button_Start = nullptr;
  QPushButton* Button_Stop = nullptr;
  QPushButton* Button_Cancel = nullptr;
  QTimer* Timer_System = nullptr;

  void Button_SelectAllClick();
  void Button_SelectClearClick();
  void Button_StartClick();
  void Button_StopClick();

 private:
  QGroupBox* buildDataSelection();
  QGroupBox* buildSetup();
  QGroupBox* buildStatus();
  void excludeEachOther(logging::DataSet a, logging::DataSet b);

  logging::DataLog* dataLog_ = nullptr;
  link::PortTable* ports_ = nullptr;
  const link::PortSelection* shell_ = nullptr;
  logging::DataLogLink* link_ = nullptr;
  std::function<void()> portsChanged_;
};

}  // namespace navbin::ui
