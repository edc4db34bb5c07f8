// The application in-process, ticked by hand: the main window and the core
// over real pseudo-terminals with a simulated receiver behind them. The
// display port is lost, shown as lost, and opened again from its port panel
// once a receiver is back on the same device path.

#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "app/main_form.h"
#include "platform/posix_serial_device.h"
#include "shell/monitor_core.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/fakes.h"
#include "ui/widgets/widget_display.h"

namespace navbin::e2e {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class StillClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return {}; }
  bool setUtc(const platform::CalendarTime&) override { return false; }
};

class E2ePortReopen : public ::testing::Test {
 protected:
  E2ePortReopen() : folder(WorkFolder("port_reopen")), link(folder + "/receiver") {
    core.portMap.assign(1, link);
    core.shell.displayPort = 1;
    core.shell.portListCount = -1;
    form = std::make_unique<app::TForm_Main>(core, display, prompter);
  }

  void pointLinkAt(const ReceiverTap& tap) {
    std::error_code ec;
    fs::remove(link, ec);
    fs::create_symlink(tap.slavePath(), link);
  }

  // One monitor tick, then what the receiver got in it.
  Names tick(ReceiverTap* tap) {
    form->NavBinTimer();
    if (!tap) return {};
    const std::size_t before = tap->arrivals.size();
    tap->serve(std::chrono::milliseconds(15));
    Names names;
    for (std::size_t i = before; i < tap->arrivals.size(); ++i)
      names.push_back(tap->arrivals[i].name);
    return names;
  }

  std::string folder;
  std::string link;
  platform::PosixSerialBackend backend;
  ui::WidgetDisplay display;
  support::ScriptedPrompter prompter;
  StillClock clock;
  shell::MonitorCore core{backend, display, prompter, clock};
  std::unique_ptr<app::TForm_Main> form;
};

TEST_F(E2ePortReopen, LostDisplayPortIsShownAndOpensAgainFromItsPanel) {
  auto first = std::make_unique<ReceiverTap>(3);
  ASSERT_TRUE(first->ok());
  pointLinkAt(*first);
  ASSERT_TRUE(form->FormCreate());
  form->Timer_NavBin->stop();
  core.sender.setPause(std::chrono::microseconds(0));

  std::vector<Names> ticks;
  for (int i = 0; i < 7; ++i) ticks.push_back(tick(first.get()));
  EXPECT_EQ(ticks[5], (Names{"1F", "24"}));  // tick 6: Request version, then phase 6
  EXPECT_EQ(ticks[6], (Names{"62", "35", "8E-15", "21", "3C"}));
  tick(first.get());
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM1: 9600: 8-O-1");

  first->hangUp();
  for (int i = 0; i < 3; ++i) tick(nullptr);
  EXPECT_FALSE(core.ports[0].isOpen);
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM1: device lost");
  EXPECT_EQ(form->statusRow->Panel_Serial->fill(), reports::Colour::Red);

  // A receiver on the same path again; a click on the port's panel opens it.
  ReceiverTap second(4);
  ASSERT_TRUE(second.ok());
  pointLinkAt(second);
  emit form->portPanel->Panel_MonCom[0]->clicked();
  ASSERT_TRUE(core.ports[0].isOpen);
  ticks.clear();
  for (int i = 0; i < 10; ++i) ticks.push_back(tick(&second));
  // Opened from the panel the countdown starts at 9: version at the eighth tick.
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(std::count(ticks[i].begin(), ticks[i].end(), "1F"), 0) << "tick " << i + 1;
  }
  EXPECT_EQ(std::count(ticks[7].begin(), ticks[7].end(), "1F"), 1);
  EXPECT_EQ(std::count(ticks[8].begin(), ticks[8].end(), "62"), 1);
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM1: 9600: 8-O-1");
  EXPECT_NE(form->statusRow->Panel_Serial->fill(), reports::Colour::Red);
  EXPECT_GT(second.reportBytes, 0u);
  EXPECT_TRUE(prompter.boxes.empty());
}

}  // namespace
}  // namespace navbin::e2e
