#pragma once
// The port-selection dialog of start-up: one drop-down list of ports, OK and
// Cancel. OK stores the chosen item index as "Comm"; Cancel or closing the
// window ends the dialog with the reject result.

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/port_settings.h"
#include "shell/startup.h"

namespace navbin::app {

class TForm_Comm : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Comm(shell::SettingsStorage& settings, QWidget* parent = nullptr);

  // Replaces the items; `devices[i]` (may be empty) is shown beside item i.
  void setPorts(const std::vector<std::string>& items, const std::vector<std::string>& devices);
  // Selects `item` when it is in the list.
  void selectItem(int item);
  int selectedItem() const { return ComboBox_Com->currentIndex(); }

  QFrame* Panel_Com;
  QLabel* Label1;
  QComboBox* ComboBox_Com;
  QLabel* Label_Device;  // the device path of the selected item
  QPushButton* Button_OK;
  QPushButton* Button_Cancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void Button_OKClick();
  void ComboBox_ComChange(int item);

 private:
  shell::SettingsStorage& settings_;
};

// Start-up step 5: the dialog filled from the plan, shown modally. The COM
// number of the chosen item, or nothing when the user cancelled or closed it.
std::optional<std::int32_t> AskDisplayPort(const shell::StartupPlan& plan,
                                           shell::SettingsStorage& settings);

}  // namespace navbin::app
