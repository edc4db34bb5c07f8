// Start-up in-process: the port-selection dialog as start-up runs it, and
// the windows created from a plan over in-memory ports.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "app/comm_form.h"
#include "app/monitor_application.h"
#include "platform/memory_serial_device.h"
#include "shell/monitor_core.h"
#include "tests/support/fakes.h"

namespace navbin::app {
namespace {

using Paths = std::vector<std::string>;

class StillClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return {}; }
  bool setUtc(const platform::CalendarTime&) override { return false; }
};

// Acts on the port-selection dialog once it is up.
void WhenDialogShows(std::function<void(TForm_Comm&)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* d = qobject_cast<TForm_Comm*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(*d);
    }
  });
  timer->start(5);
}

shell::StartupPlan Plan(const Paths& args, const Paths& found, const platform::PortMap& map,
                        std::optional<int> item = {}) {
  return shell::PlanStartup(
      shell::ReadCommandLine(args), [found] { return found; }, map, item);
}

platform::PortMap Com1And3() {
  platform::PortMap map;
  map.assign(1, "/dev/ttyS0");
  map.assign(3, "/dev/ttyUSB0");
  return map;
}

TEST(StartupDialog, OkGivesTheComNumberOfTheChosenItem) {
  shell::MemorySettingsStorage settings;
  const shell::StartupPlan plan = Plan({}, {"/dev/ttyS0", "/dev/ttyUSB0"}, Com1And3(), 1);
  WhenDialogShows([](TForm_Comm& d) {
    EXPECT_EQ(d.ComboBox_Com->currentText(), "COM3");  // the stored item
    d.Button_OK->click();
  });
  EXPECT_EQ(AskDisplayPort(plan, settings), 3);
  EXPECT_EQ(settings.values["Comm"], "1");
}

TEST(StartupDialog, CancelOrCloseGivesNothing) {
  shell::MemorySettingsStorage settings;
  const shell::StartupPlan plan = Plan({"-c0"}, {}, {});
  WhenDialogShows([](TForm_Comm& d) { d.Button_Cancel->click(); });
  EXPECT_EQ(AskDisplayPort(plan, settings), std::nullopt);
  WhenDialogShows([](TForm_Comm& d) { d.close(); });
  EXPECT_EQ(AskDisplayPort(plan, settings), std::nullopt);
  EXPECT_TRUE(settings.values.empty());
}

TEST(StartupDialog, BuiltInItemsMeanComOneToFour) {
  shell::MemorySettingsStorage settings;
  const shell::StartupPlan plan = Plan({}, {}, {}, 7);  // stored item beyond the four
  WhenDialogShows([](TForm_Comm& d) {
    EXPECT_EQ(d.selectedItem(), 0);
    d.ComboBox_Com->setCurrentIndex(3);
    d.Button_OK->click();
  });
  EXPECT_EQ(AskDisplayPort(plan, settings), 4);
}

class StartupWindows : public ::testing::Test {
 protected:
  // Windows for `plan`; the devices in `present` exist.
  bool create(const shell::StartupPlan& plan, const Paths& present) {
    for (const auto& path : present) backend.addDevice(path);
    core.portMap = plan.portMap;
    shell::ApplyPlan(plan, core.shell);
    form = std::make_unique<TForm_Main>(core, display, prompter);
    const bool created = CreateWindows(*form, display, plan);
    if (created) form->Timer_NavBin->stop();
    return created;
  }
  QStringList displayComItems() const {
    QStringList items;
    for (int i = 0; i < form->portPanel->ComboBox_DisplayCom->count(); ++i) {
      items << form->portPanel->ComboBox_DisplayCom->itemText(i);
    }
    return items;
  }

  platform::MemorySerialBackend backend;
  ui::WidgetDisplay display;
  support::ScriptedPrompter prompter;
  StillClock clock;
  shell::MonitorCore core{backend, display, prompter, clock};
  std::unique_ptr<TForm_Main> form;
};

TEST_F(StartupWindows, PortFiveJoinsTheListOfOneAndThree) {
  platform::PortMap map = Com1And3();
  map.assign(5, "/dev/ttyUSB1");
  const shell::StartupPlan plan = Plan({"-c5"}, {"/dev/ttyS0", "/dev/ttyUSB0"}, map);
  ASSERT_TRUE(create(plan, {"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1"}));
  EXPECT_EQ(displayComItems(), QStringList({"COM1", "COM3", "COM5"}));
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->currentText(), "COM5");
  EXPECT_TRUE(core.ports[4].isOpen);
  EXPECT_TRUE(form->portPanel->Panel_MonCom[2]->isEnabled());
  EXPECT_FALSE(form->portPanel->Panel_MonCom[1]->isEnabled());
  EXPECT_FALSE(form->isVisible());
}

TEST_F(StartupWindows, EnableAllListsSixteen) {
  const shell::StartupPlan plan = Plan({"-e", "-c/dev/pts/3"}, {}, {});
  ASSERT_TRUE(create(plan, {"/dev/pts/3"}));
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->count(), 16);
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->currentText(), "COM1");
}

TEST_F(StartupWindows, NoListKnownEnablesAllPortsInTheMainWindow) {
  platform::PortMap map;
  map.assign(3, "/dev/ttyUSB7");
  const shell::StartupPlan plan = Plan({"-c3"}, {}, map);
  ASSERT_EQ(plan.portListCount, -1);
  ASSERT_TRUE(create(plan, {"/dev/ttyUSB7"}));
  EXPECT_EQ(core.shell.portListCount, 16);
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->currentText(), "COM3");
}

TEST_F(StartupWindows, LayoutDiagnosticsAndHiddenWindows) {
  const shell::StartupPlan plan = Plan({"-m", "-d", "-c/dev/pts/3"}, {}, {});
  ASSERT_TRUE(create(plan, {"/dev/pts/3"}));
  EXPECT_TRUE(form->isMultiportLayout());
  EXPECT_TRUE(form->menus->Menu_Diagnostics->menuAction()->isVisible());
  for (const auto f : {reports::Form::About, reports::Form::Track, reports::Form::Eph}) {
    ASSERT_NE(display.form(f), nullptr);
    EXPECT_FALSE(display.form(f)->isVisible());
  }
}

TEST_F(StartupWindows, PlainStartIsSinglePortWithoutDiagnostics) {
  const shell::StartupPlan plan = Plan({"m", "d", "-c/dev/pts/3"}, {}, {});
  ASSERT_TRUE(create(plan, {"/dev/pts/3"}));
  EXPECT_FALSE(form->isMultiportLayout());
  EXPECT_FALSE(form->menus->Menu_Diagnostics->menuAction()->isVisible());
}

TEST_F(StartupWindows, UnopenablePortStopsBeforeTheOtherWindows) {
  const shell::StartupPlan plan = Plan({"-c/dev/ttyGONE"}, {}, {});
  ASSERT_FALSE(create(plan, {}));
  EXPECT_EQ(prompter.shown(), Paths{"Serial Port Error: Could not initialize COM1."});
  EXPECT_EQ(display.form(reports::Form::About), nullptr);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace navbin::app
