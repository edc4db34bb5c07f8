// The port-selection dialog, offscreen: its controls, the items start-up
// puts in it, the stored selection, and what OK and Cancel leave behind.

#include <gtest/gtest.h>

#include <QTimer>

#include "app/comm_form.h"
#include "shell/port_settings.h"
#include "shell/startup.h"

namespace navbin::app {
namespace {

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

TEST(StartupCommForm, ControlsAsCreated) {
  shell::MemorySettingsStorage settings;
  TForm_Comm form(settings);
  EXPECT_EQ(form.windowTitle(), "M1_Monitor");
  EXPECT_NE(form.findChild<QFrame*>("Panel_Com"), nullptr);
  EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Select Serial Port:");
  const auto* box = form.findChild<QComboBox*>("ComboBox_Com");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Items(box), QStringList({"COM 1", "COM 2", "COM 3", "COM 4"}));
  EXPECT_EQ(box->currentIndex(), 0);
  EXPECT_EQ(form.findChild<QPushButton*>("Button_OK")->text(), "&OK");
  EXPECT_EQ(form.findChild<QPushButton*>("Button_Cancel")->text(), "&Cancel");
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

// Start-up fills the dialog from the plan: list 1, 3, 4 and stored item "2".
TEST(StartupCommForm, ShowsTheListedPortsAndTheStoredItem) {
  shell::MemorySettingsStorage settings;
  settings.values.emplace("Comm", "2");
  platform::PortMap map;
  map.assign(1, "/dev/ttyS0");
  map.assign(3, "/dev/ttyUSB0");
  map.assign(4, "/dev/ttyUSB1");
  const shell::StartupPlan plan = shell::PlanStartup(
      {},
      [] {
        return std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1"};
      },
      map, LoadCommItem(settings));
  TForm_Comm form(settings);
  form.setPorts(plan.dialog.items, plan.dialog.devices);
  form.selectItem(plan.dialog.selected);
  EXPECT_EQ(Items(form.ComboBox_Com), QStringList({"COM1", "COM3", "COM4"}));
  EXPECT_EQ(form.selectedItem(), 2);
  EXPECT_EQ(form.ComboBox_Com->itemData(2, Qt::ToolTipRole).toString(), "/dev/ttyUSB1");
  EXPECT_EQ(form.Label_Device->text(), "Device: /dev/ttyUSB1");
  EXPECT_EQ(DisplayPortOfItem(plan, form.selectedItem()), 4);
  form.ComboBox_Com->setCurrentIndex(0);
  EXPECT_EQ(form.Label_Device->text(), "Device: /dev/ttyS0");
}

TEST(StartupCommForm, UnwritableSettingsStillEndWithOk) {
  shell::MemorySettingsStorage settings;
  settings.writable = false;
  TForm_Comm form(settings);
  QTimer::singleShot(0, form.Button_OK, &QPushButton::click);
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_TRUE(settings.values.empty());
}

TEST(StartupCommForm, OutOfRangeSelectionIsIgnored) {
  shell::MemorySettingsStorage settings;
  TForm_Comm form(settings);
  form.selectItem(2);
  form.selectItem(9);
  form.selectItem(-1);
  EXPECT_EQ(form.selectedItem(), 2);
}

}  // namespace
}  // namespace navbin::app
