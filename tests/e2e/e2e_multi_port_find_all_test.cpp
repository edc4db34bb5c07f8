// "&Auto Find All Receivers" on the real monitor timer, over five
// pseudo-terminals: three simulated receivers and two silent lines. The
// search keeps exactly the receivers, two to four seconds after the command,
// and their receiver states fill. A picture of the window in the multi-port
// layout with its lit lamps is kept under the build tree.

#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <algorithm>

#include "tests/e2e/e2e_multi_port_app.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using Seconds = std::chrono::duration<double>;

// Share of the pixels of `widget` in `image` (a grab of `window`) that are
// exactly `colour`.
double ShareOf(const QImage& image, const QWidget* window, const QWidget* widget, QRgb colour) {
  const QRect r(widget->mapTo(window, QPoint(0, 0)), widget->size());
  const double scale = double(image.width()) / window->width();
  int hits = 0, all = 0;
  for (int y = int(r.top() * scale); y < int(r.bottom() * scale); ++y) {
    for (int x = int(r.left() * scale); x < int(r.right() * scale); ++x) {
      ++all;
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++hits;
    }
  }
  return all ? double(hits) / all : 0;
}

class E2eMultiPortFindAll : public MultiPortApp {};

TEST_F(E2eMultiPortFindAll, KeepsExactlyTheReceiversTwoToFourSecondsLater) {
  addReceiver(1, 31);
  addReceiver(2, 32);
  addReceiver(3, 33);
  addSilent(4);
  addSilent(5);
  ASSERT_TRUE(start(1));
  EXPECT_EQ(form->menus->MenuCOM_AutoFind->shortcut(), QKeySequence("Ctrl+A"));

  const auto commanded = Clock::now();
  form->menus->MenuCOM_AutoFind->trigger();
  for (int com = 1; com <= 5; ++com) {
    EXPECT_TRUE(port(com).isOpen && port(com).monitored) << "COM" << com;
  }
  ASSERT_TRUE(run(milliseconds(7000), [&] { return !port(4).isOpen && !port(5).isOpen; }))
      << lamps();
  const double after = Seconds(Clock::now() - commanded).count();
  // The second phase 9 after the command; a sanitizer build ticks late.
  EXPECT_GE(after, 1.9);
  EXPECT_LE(after, 4.0 + 1.0);

  EXPECT_EQ(lamps(), "GGG-------------");
  for (int com = 1; com <= 3; ++com) {
    SCOPED_TRACE("COM" + std::to_string(com));
    EXPECT_TRUE(port(com).isOpen);
    EXPECT_TRUE(port(com).monitored);
    // Decoded although only COM1 is the display port.
    EXPECT_NE(receiver(com).position.latitude, 0.0);
    EXPECT_NE(receiver(com).position.longitude, 0.0);
    EXPECT_NE(receiver(com).position.timeOfFix, 0.0f);
  }
  for (int com = 4; com <= 5; ++com) EXPECT_FALSE(port(com).monitored) << "COM" << com;
  // The auto-queries go to the display port only: its satellites in the fix.
  EXPECT_TRUE(std::any_of(receiver(1).fixSvs.begin(), receiver(1).fixSvs.end(),
                          [](std::int32_t sv) { return sv != 0; }));
  EXPECT_TRUE(prompter.boxes.empty());

  // The window as a person sees it: the three lamps green, the others not.
  const std::string file = WorkFolder("multi_port_find_all") + "/main.png";
  const QImage image = form->grab().toImage();
  ASSERT_TRUE(image.save(QString::fromStdString(file), "PNG")) << file;
  EXPECT_TRUE(form->isMultiportLayout());
  const QRgb lime = qRgb(0, 255, 0);
  for (int com = 1; com <= 16; ++com) {
    const double share = ShareOf(image, form.get(), form->portPanel->Panel_MonCom[com - 1], lime);
    if (com <= 3) {
      EXPECT_GT(share, 0.5) << "COM" << com;
    } else {
      EXPECT_EQ(share, 0.0) << "COM" << com;
    }
  }
}

}  // namespace
}  // namespace navbin::e2e
