// The monitor on network ports. Through Debian's ser2net in front of a
// simulated receiver's terminal (rfc2217://) it shows the fix, and the serial
// dialog moves receiver and remote line to 38400 without losing the receiver.
// On a tcp:// port whose server dies it shows the port lost, and reconnects
// by itself when the server is back on the same port.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <thread>

#include "platform/network_serial_device.h"
#include "protocol/presentation/config_control_names.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/fakes.h"
#include "tests/support/ser2net.h"

namespace navbin::e2e {
namespace {

using reports::Form;
using std::chrono::milliseconds;

TEST(E2eNetworkPorts, Rfc2217ShowsTheFixAndFollowsTheSerialDialogTo38400) {
  ASSERT_TRUE(support::Ser2net::Installed()) << "scripts/deps installs Debian's ser2net";
  ReceiverTap tap(12);
  ASSERT_TRUE(tap.ok());
  support::Ser2net server(tap.slavePath());
  ASSERT_TRUE(server.waitListening(milliseconds(5000)));
  support::FakeClock clock;
  LiveApp app(server.url(), clock);
  ASSERT_TRUE(app.start());
  const auto run = [&](const std::function<bool()>& until) {
    return app.runUntil(tap, milliseconds(10000), until);
  };
  auto& port = app.core.ports[static_cast<std::size_t>(app.core.shell.displayIndex())];
  ASSERT_TRUE(run([&] { return !app.text("Panel_LatDeg").empty() && port.rxActive; }))
      << app.text("Panel_Serial");
  EXPECT_FALSE(app.text("Panel_Version").empty());

  // Port 1 to 38400 in the dialog, the PC following, nothing flashed.
  app.form->menus->ConfigureSerial->trigger();
  const auto baud = reports::kSerialPanels[0].baudRate;
  ASSERT_TRUE(run([&] { return app.display.selectedIndex(Form::Serial, baud) == 2; }));
  app.display.setSelectedIndex(Form::Serial, baud, 4);
  app.prompter.answers = {true, false};
  app.window(Form::Serial)->findChild<QAbstractButton*>("Button_Port1")->click();
  ASSERT_TRUE(run([&] { return tap.receiverLine().inputBaud == 9; }));
  EXPECT_EQ(app.text("Panel_Serial"), "COM1 38400, 8-O-1");

  // The tap only talks while its terminal, set by ser2net, agrees with the
  // receiver; the monitor hears it and ser2net reports the new speed.
  const std::size_t talked = tap.reportBytes;
  const std::uint64_t heard = port.readIo.bytes;
  EXPECT_TRUE(run([&] {
    return tap.reportBytes > talked + 200 && port.readIo.bytes > heard + 200 && port.rxActive;
  })) << tap.reportBytes - talked;
  const auto* device = dynamic_cast<platform::NetworkSerialDevice*>(port.handle.get());
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->reportedLine()->baud, 38400u);
  EXPECT_EQ(app.prompter.boxes.size(), 2u);  // the two serial questions
}

TEST(E2eNetworkPorts, TcpServerRestartedOnTheSamePortIsReconnected) {
  const std::string folder = WorkFolder("tcp_restart");
  const std::string port = std::to_string(support::FreeLoopbackPort());
  const std::string url = "tcp://127.0.0.1:" + port;
  auto serve = [&](const char* seed) {
    auto sim = std::make_unique<ChildProcess>(
        SimBinary(), std::vector<std::string>{"--tcp", port, "--seed", seed}, folder);
    for (const auto end = Clock::now() + milliseconds(5000);
         sim->stdoutText().find(url) == std::string::npos && Clock::now() < end;)
      std::this_thread::sleep_for(milliseconds(20));
    return sim;
  };
  auto sim = serve("5");
  ASSERT_NE(sim->stdoutText().find(url), std::string::npos) << sim->stderrText();

  ChildProcess monitor(MonitorBinary(), {"-c" + url}, folder,
                       ChildProcess::MonitorEnvironment(folder));
  const std::string log = folder + "/state.log";
  const auto live = [](const StateSample& s) {
    return s.at("Panel_Serial") == "COM1: 9600: 8-O-1" && s.at("Shape_RxLED") == "Lime" &&
           !s.at("Panel_Version").empty();
  };
  ASSERT_TRUE(WaitForSample(log, live, milliseconds(10000))) << monitor.stderrText();

  sim.reset();  // SIGTERM, then waited for
  ASSERT_TRUE(WaitForSample(
      log,
      [](const StateSample& s) {
        return s.at("Panel_Serial") == "COM1: device lost" && s.at("Shape_RxLED") == "Gray";
      },
      milliseconds(5000)))
      << ReadFile(log);

  const std::size_t seen = ReadStateLog(log).size();
  sim = serve("6");
  EXPECT_TRUE(WaitForSample(log, live, milliseconds(8000), seen))
      << ReadFile(log) << monitor.stderrText();
  EXPECT_TRUE(monitor.running());
  EXPECT_EQ(monitor.stderrText().find("[message]"), std::string::npos) << monitor.stderrText();
}

}  // namespace
}  // namespace navbin::e2e
