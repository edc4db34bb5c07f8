// The display-port switch on real pseudo-terminals: the new receiver is sent
// the four identification queries, the serial panel and the title name it,
// and the window then shows where that receiver stands. Ports whose device
// does not exist: a click opens nothing silently; a switch to one warns once
// and the program goes on.

#include <QComboBox>
#include <QGuiApplication>
#include <algorithm>

#include "protocol/presentation/angle_text.h"
#include "protocol/receiver/receiver_state.h"
#include "sim/receiver_profile.h"
#include "tests/e2e/e2e_multi_port_app.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using Names = std::vector<std::string>;

// The whole degrees the main window shows for the site of receiver `seed`.
struct Site {
  std::string latitude, longitude;
  bool operator==(const Site&) const = default;
};
Site SiteOf(std::uint64_t seed) {
  const sim::Lla site = sim::ReceiverProfile::FromSeed(seed).site;
  return {reports::SplitAngle(site.latitude * reports::kDegreesPerRadian, 'N', 'S').degrees,
          reports::SplitAngle(site.longitude * reports::kDegreesPerRadian, 'E', 'W').degrees};
}

Names FirstNames(const Names& names, std::size_t n) {
  return Names(names.begin(), names.begin() + static_cast<long>(std::min(n, names.size())));
}

class E2eMultiPortSwitch : public MultiPortApp {
 protected:
  Site shown() const {
    return {form->position->Panel_LatDeg->text().toStdString(),
            form->position->Panel_LonDeg->text().toStdString()};
  }
  bool showsSite(const Site& site) {
    return run(milliseconds(4000), [&] { return shown() == site; });
  }
  void pick(int com) {
    const int item =
        form->portPanel->ComboBox_DisplayCom->findText(QStringLiteral("COM%1").arg(com));
    ASSERT_GE(item, 0) << "COM" << com;
    emit form->portPanel->ComboBox_DisplayCom->activated(item);
  }
};

const Names kIdentification = {"62", "35", "8E-15", "21"};

TEST_F(E2eMultiPortSwitch, NewDisplayPortIsQueriedNamedAndShown) {
  addReceiver(1, 51);
  addReceiver(2, 52);
  const Site first = SiteOf(51), second = SiteOf(52);
  ASSERT_NE(first, second);
  ASSERT_TRUE(start(1));
  ASSERT_TRUE(showsSite(first)) << shown().latitude << " " << shown().longitude;

  pick(2);
  EXPECT_EQ(core.shell.displayPort, 2);
  EXPECT_EQ(writtenTo(2), kIdentification);  // at once, before any tick
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM2 9600, 8-O-1");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "2 M2_Monitor");
  EXPECT_EQ(form->position->Panel_LatDeg->text(), "?");
  EXPECT_FALSE(port(1).isOpen);  // not monitored: closed
  ASSERT_TRUE(showsSite(second)) << shown().latitude << " " << shown().longitude;
  Names arrived;
  for (const Arrival& a : tap(2).arrivals) arrived.push_back(a.name);
  EXPECT_EQ(FirstNames(arrived, 4), kIdentification);
  EXPECT_NE(receiver(2).position.latitude, 0.0);
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(E2eMultiPortSwitch, PortsThatCannotBeOpenedLeaveTheProgramUsable) {
  addReceiver(1, 53);
  addMissing(6);
  ASSERT_TRUE(start(1));

  // A click on the panel of a port without a device: nothing, silently.
  emit form->portPanel->Panel_MonCom[5]->clicked();
  EXPECT_FALSE(port(6).isOpen);
  EXPECT_FALSE(port(6).monitored);
  EXPECT_EQ(lamps(), "----------------");
  EXPECT_TRUE(prompter.boxes.empty());

  pick(6);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "Could not initialize COM6.");
  EXPECT_EQ(prompter.boxes[0].caption, "Error");
  EXPECT_FALSE(prompter.boxes[0].question);
  EXPECT_EQ(core.shell.displayPort, 6);
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "6 M2_Monitor");
  run(milliseconds(400));  // ticks with no port open

  // Back to the receiver: opened again, queried and shown, no more boxes.
  pick(1);
  EXPECT_TRUE(port(1).isOpen);
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM1 9600, 8-O-1");
  EXPECT_TRUE(showsSite(SiteOf(53))) << shown().latitude << " " << shown().longitude;
  EXPECT_EQ(prompter.boxes.size(), 1u);
}

}  // namespace
}  // namespace navbin::e2e
