// The data logging and raw packet log windows over the real logs: captions,
// the data set rules, Start and Stop with their disabled controls.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "logging/data_log.h"
#include "logging/raw_log.h"
#include "tests/support/fakes.h"
#include "ui/forms/all_forms.h"
#include "ui/forms/log_form.h"
#include "ui/forms/log_format_form.h"
#include "ui/forms/log_navbin_form.h"

namespace navbin::ui {
namespace {

class LogFormsTest : public ::testing::Test {
 protected:
  LogFormsTest() {
    char pattern[] = "/tmp/navbin-log-forms-XXXXXX";
    folder = ::mkdtemp(pattern);
    shell.displayPort = 2;
    forms = CreateSecondaryForms(display, &owner);
    log = forms.Form_Log;
    raw = forms.Form_LogNavBin;
    log->attach(dataLog, ports, shell, link, forms.Form_LogFormat, [this] { ++repaints; });
    raw->attach(rawLog);
    log->Edit_FileRoot->setText(QString::fromStdString(folder + "/data"));
  }
  ~LogFormsTest() override { std::filesystem::remove_all(folder); }

  std::vector<std::string> checkedBoxes() const {
    std::vector<std::string> names;
    for (QCheckBox* box : log->dataSetBoxes) {
      if (box->isChecked()) names.push_back(box->objectName().toStdString());
    }
    return names;
  }

  std::string folder;
  QWidget owner;
  WidgetDisplay display;
  support::ScriptedPrompter prompter;
  reports::ReportState state;
  link::PortTable ports;
  link::ShellGlobals shell;
  reports::DataLogLink link;
  logging::DataLog dataLog{state, ports, shell, link, display, prompter};
  logging::RawLog rawLog{state.globals, link, display, prompter};
  SecondaryForms forms;
  TForm_Log* log = nullptr;
  TForm_LogNavBin* raw = nullptr;
  int repaints = 0;
};

TEST_F(LogFormsTest, CaptionsAndDefaults) {
  const std::pair<const char*, const char*> captions[] = {
      {"Button_SelectAll", "&All"},
      {"Button_SelectClear", "Clea&r"},
      {"Button_Browse", "&Browse"},
      {"Button_Clear", "C&lear"},
      {"Button_Start", "&Start"},
      {"Button_Stop", "Sto&p"},
      {"Button_Cancel", "&Close"},
      {"Button_LogFormat", "Data Log Formats..."},
      {"CheckBox_TOW", "Time of Week (s) "},
      {"CheckBox_PosXYZ", "Position XYZ"},
      {"CheckBox_SystemTimer", "Use System Timer"},
      {"CheckBox_Append", "Append to Log File"},
  };
  for (const auto& [name, caption] : captions) {
    auto* button = log->findChild<QAbstractButton*>(name);
    ASSERT_TRUE(button) << name;
    EXPECT_EQ(button->text().toStdString(), caption);
  }
  for (const char* name : {"Button_Open", "Button_Start", "Button_Stop", "Button_Close"}) {
    EXPECT_TRUE(raw->findChild<QPushButton*>(name)) << name;
  }
  EXPECT_EQ(checkedBoxes(), std::vector<std::string>{"CheckBox_TOW"});
  EXPECT_EQ(log->Edit_Interval->text(), "1");
  EXPECT_EQ(log->Timer_System->interval(), 1000);
  EXPECT_TRUE(log->Timer_System->isActive());
  EXPECT_EQ(forms.Form_LogFormat->StringGrid_Format->rowCount(), 26);
}

TEST_F(LogFormsTest, AllLeavesTenBoxesWithXyzWinningAndTheyExcludeEachOther) {
  log->Button_SelectAll->click();
  EXPECT_EQ(checkedBoxes().size(), 10u);
  EXPECT_TRUE(log->findChild<QCheckBox*>("CheckBox_PosXYZ")->isChecked());
  EXPECT_TRUE(log->findChild<QCheckBox*>("CheckBox_VelXYZ")->isChecked());
  log->findChild<QCheckBox*>("CheckBox_PosLLA")->click();
  log->findChild<QCheckBox*>("CheckBox_VelENU")->click();
  EXPECT_FALSE(log->findChild<QCheckBox*>("CheckBox_PosXYZ")->isChecked());
  EXPECT_FALSE(log->findChild<QCheckBox*>("CheckBox_VelXYZ")->isChecked());
  EXPECT_EQ(checkedBoxes().size(), 10u);
  log->Button_SelectClear->click();
  EXPECT_TRUE(checkedBoxes().empty());
}

TEST_F(LogFormsTest, StartMonitorsTheDisplayPortAndLocksTheSetUpUntilStop) {
  link.biasWarningGiven.fill(1);
  log->Edit_Interval->setText("3");
  log->Button_Start->click();
  EXPECT_TRUE(ports[1].monitored);
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(link.biasWarningGiven[5], 0);
  EXPECT_EQ(dataLog.logInterval, 3);
  EXPECT_FALSE(log->Panel_DataSelection->isEnabled());
  EXPECT_FALSE(log->Button_Browse->isEnabled());
  EXPECT_FALSE(log->Button_Start->isEnabled());
  EXPECT_EQ(log->Label_OnOff->text(), "On");
  EXPECT_EQ(log->Panel_Filename->text().toStdString(), " " + folder + "/data2.dat");
  log->Button_Stop->click();
  EXPECT_TRUE(log->Panel_Setup->isEnabled());
  EXPECT_TRUE(log->Button_Start->isEnabled());
  EXPECT_EQ(log->Shape_OnOff->fill(), reports::Colour::Gray);
}

TEST_F(LogFormsTest, RawLogWindowOpensStartsAndStops) {
  prompter.files = {folder + "/raw.nvb"};
  raw->Button_Open->click();
  EXPECT_EQ(raw->Panel_Filename->text().toStdString(), folder + "/raw.nvb");
  raw->Button_Start->click();
  EXPECT_TRUE(rawLog.active());
  EXPECT_FALSE(raw->Button_Open->isEnabled());
  EXPECT_FALSE(raw->Button_Start->isEnabled());
  EXPECT_EQ(raw->Label_OnOff->text(), "On");
  raw->Button_Stop->click();
  EXPECT_FALSE(rawLog.active());
  EXPECT_TRUE(raw->Button_Start->isEnabled());
  EXPECT_EQ(raw->Shape_OnOff->fill(), reports::Colour::Gray);
}

}  // namespace
}  // namespace navbin::ui
