// The Stability window against a simulated timing receiver asked for both
// timing packets every second: while hidden it keeps the display port's clock
// statistics; opened from the Window menu its picture is saved under the
// build tree (e2e/stability/), and its values, of the bias and of the bias
// rate, are those navbin-stability prints for the reports the monitor took.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QTableWidget>
#include <fstream>

#include "protocol/analysis/stability_table.h"
#include "protocol/commands/config_commands.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/packets.h"
#include "ui/forms/stability_form.h"

namespace navbin::e2e {
namespace {

std::string StabilityOf(const std::string& recording, const char* series,
                        const std::string& folder) {
  ChildProcess run(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-stability",
                   {"--series", series, recording}, folder);
  return run.wait(std::chrono::seconds(20)) == 0 ? run.stdoutText() : "failed";
}

TEST(E2eStability, ValuesOfTheLiveClockEqualNavbinStabilitysOverTheSameReports) {
  const std::string folder = WorkFolder("stability");
  ReceiverTap tap{11};
  ASSERT_TRUE(tap.ok());
  main_form_testing::FixedClock clock;
  LiveApp app(tap.slavePath(), clock);
  ASSERT_TRUE(app.start());
  support::Bytes taken;  // the display port's packets, framed again
  app.core.reports.globals.rawLogActive = 1;
  app.core.dispatcher.setRawPacketWriter([&](int id, const std::uint8_t* p, std::size_t n) {
    support::Bytes packet{static_cast<std::uint8_t>(id)};
    packet.insert(packet.end(), p, p + n);
    const auto frame = support::Frame(packet);
    taken.insert(taken.end(), frame.begin(), frame.end());
  });
  commands::SetPacketMasks(app.core.sender, commands::DISPLAY_PORT, {0x00, 0xC0});
  auto* form = qobject_cast<ui::TForm_Stability*>(app.window(reports::Form::Stability));
  ASSERT_NE(form, nullptr);
  const auto bias = analysis::ClockQuantity::Bias;
  ASSERT_TRUE(app.runUntil(tap, std::chrono::seconds(60), [&] {
    const auto* c = app.core.clocks.port(0);
    return c && c->source() == analysis::ClockSource::Timing && c->samples(bias) >= 22;
  }));
  EXPECT_FALSE(form->isVisible());
  app.form->menus->WindowStability->trigger();
  QCoreApplication::processEvents();
  EXPECT_TRUE(form->isVisible());
  ASSERT_TRUE(form->savePicture(folder + "/stability.png"));
  EXPECT_EQ(QImage(QString::fromStdString(folder + "/stability.png")).size(), form->size());
  EXPECT_EQ(form->Table_Values->rowCount(), 4);  // tau 1, 2, 5, 10

  const std::string recording = folder + "/taken.nvb";
  std::ofstream(recording, std::ios::binary)
      .write(reinterpret_cast<const char*>(taken.data()), std::streamsize(taken.size()));
  EXPECT_EQ(analysis::StabilityCsv(form->results()), StabilityOf(recording, "bias", folder));
  form->ComboBox_Series->setCurrentIndex(1);
  ASSERT_TRUE(form->saveData(folder + "/rate.csv"));
  EXPECT_EQ(ReadFile(folder + "/rate.csv"), StabilityOf(recording, "rate", folder));
}

}  // namespace
}  // namespace navbin::e2e
