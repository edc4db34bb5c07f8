// The transfers from the menu entries, in the whole application in-process
// against navbin-sim on a pseudo-terminal: Form_Alm and Form_Eph, the windows
// painting while input is dropped, and the monitor timer held meanwhile.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <vector>

#include "tests/app/e2e_live_app.h"
#include "tests/support/child_process.h"
#include "transfer/data_block.h"
#include "ui/forms/alm_form.h"
#include "ui/forms/eph_form.h"

namespace navbin::e2e {
namespace {

using reports::Colour;
using reports::Form;

void Click(QWidget* target) {
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, target->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
  }
}

// A click as the window system delivers it: to the window, which hands it on.
void ClickThroughWindow(QWidget* target) {
  const QPointF at = target->mapTo(target->window(), QPointF(target->width() / 2.0, 4));
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, target->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target->window()->windowHandle(), &e);
  }
}

// Bytes of the whole blocks in `file` after `skip` prefix bytes.
std::size_t WholeBlockBytes(const std::string& file, std::size_t skip) {
  const std::string text = ReadFile(file);
  const std::vector<std::uint8_t> bytes(text.begin(), text.end());
  transfer::SpanSource in(
      std::span<const std::uint8_t>(bytes).subspan(std::min(skip, bytes.size())));
  std::size_t size = skip;
  for (auto b = transfer::ReadBlock(in); b.end == transfer::BlockEnd::Complete;
       b = transfer::ReadBlock(in)) {
    size += transfer::EncodeBlock(b.type, b.sv, b.data).size();
  }
  return bytes.size() == size ? size : 0;
}

// Remembers the fill of a light each time it is painted.
struct PaintLog : QObject {
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) fills.push_back(static_cast<ui::Shape*>(watched)->fill());
    return false;
  }
  std::vector<Colour> fills;
};

TEST(TransferWindows, MenuEntriesRunTheTransfersWhileInputIsDropped) {
  support::ChildProcess sim(SimBinary(), {"--seed", "31", "--no-ephemeris", "2"});
  sim.readOut(1, support::Ms(5000));
  ASSERT_FALSE(sim.outLines().empty());
  main_form_testing::FixedClock clock;
  LiveApp app(sim.outLines().front(), clock);
  ASSERT_TRUE(app.start());
  auto* alm = qobject_cast<ui::TForm_Alm*>(app.window(Form::Alm));
  auto* eph = qobject_cast<ui::TForm_Eph*>(app.window(Form::Eph));
  ASSERT_TRUE(alm && eph);
  const std::string folder = WorkFolder("transfer_windows");
  app.prompter.files = {folder + "/alm.dat", folder + "/eph.dat"};

  PaintLog paints;
  alm->Shape_SV[0]->installEventFilter(&paints);
  bool timerHeld = false;
  QTimer::singleShot(0, [&] {  // runs inside the transfer, from its first refresh
    timerHeld = !app.form->Timer_NavBin->isActive();
    Click(alm->Button_Close);                    // dropped
    app.form->InitializeDownloadEph->trigger();  // refused: one at a time
  });
  app.form->InitializeDownloadAlm->trigger();
  EXPECT_TRUE(timerHeld);
  EXPECT_TRUE(app.form->Timer_NavBin->isActive());
  EXPECT_EQ(app.prompter.fileRequests.size(), 1u);
  EXPECT_TRUE(alm->isVisible());
  EXPECT_EQ(alm->Label_LoadStatus->text(), "Download Complete");
  for (ui::Shape* light : alm->findChildren<ui::Shape*>()) EXPECT_EQ(light->fill(), Colour::Lime);
  const std::vector<Colour> expected{Colour::Yellow, Colour::Lime};
  EXPECT_NE(std::search(paints.fills.begin(), paints.fills.end(), expected.begin(), expected.end()),
            paints.fills.end())
      << "the light is painted yellow, then lime, during the transfer";

  app.form->InitializeDownloadEph->trigger();
  const QString text = eph->Memo_Eph->toPlainText();
  EXPECT_TRUE(text.contains("SV 2 ephemeris requested...\nData not available!\nSV 3 ephemeris") &&
              text.endsWith("   received, length = 151\nEphemeris download complete.\n"))
      << text.toStdString();

  // Closing resets: grey lights and "Off"; an empty text box.
  Click(alm->Button_Close);
  EXPECT_FALSE(alm->isVisible());
  EXPECT_EQ(alm->Label_LoadStatus->text(), "Off");
  EXPECT_EQ(alm->Shape_LoadStatus->fill(), Colour::Gray);
  EXPECT_EQ(alm->Shape_SV[31]->fill(), Colour::Gray);
  eph->close();
  EXPECT_TRUE(eph->Memo_Eph->toPlainText().isEmpty());
}

// Against a receiver slow to answer: Cancel in Form_Alm, then Esc in
// Form_Eph, each in the middle of a download.
TEST(TransferWindows, CancelEndsARunningTransferWithinHalfASecond) {
  using Clock = std::chrono::steady_clock;
  support::ChildProcess sim(SimBinary(), {"--seed", "32", "--late", "150"});
  sim.readOut(1, support::Ms(5000));
  ASSERT_FALSE(sim.outLines().empty());
  main_form_testing::FixedClock clock;
  LiveApp app(sim.outLines().front(), clock);
  ASSERT_TRUE(app.start());
  auto* alm = qobject_cast<ui::TForm_Alm*>(app.window(Form::Alm));
  auto* eph = qobject_cast<ui::TForm_Eph*>(app.window(Form::Eph));
  ASSERT_TRUE(alm && eph);
  const std::string folder = WorkFolder("transfer_cancel");
  const std::string almFile = folder + "/alm.dat", ephFile = folder + "/eph.dat";
  app.prompter.files = {almFile, ephFile};
  Clock::time_point asked;
  QTimer::singleShot(700, [&] {
    asked = Clock::now();
    ClickThroughWindow(alm->Button_Cancel);
  });
  app.form->InitializeDownloadAlm->trigger();
  const auto almLatency = Clock::now() - asked;
  QTimer::singleShot(700, [&] {
    asked = Clock::now();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(eph->windowHandle(), &esc);
  });
  app.form->InitializeDownloadEph->trigger();
  const auto ephLatency = Clock::now() - asked;

  EXPECT_LT(almLatency, std::chrono::milliseconds(500));
  EXPECT_LT(ephLatency, std::chrono::milliseconds(500));
  EXPECT_TRUE(app.form->Timer_NavBin->isActive());
  EXPECT_FALSE(alm->Button_Cancel->isEnabled() || eph->Button_Cancel->isEnabled());
  EXPECT_EQ(alm->Label_LoadStatus->text(), "Download Cancelled");
  EXPECT_EQ(alm->Shape_SV[1]->fill(), Colour::Lime);
  for (ui::Shape* light : alm->findChildren<ui::Shape*>()) EXPECT_NE(light->fill(), Colour::Yellow);
  const QString text = eph->Memo_Eph->toPlainText();
  EXPECT_TRUE(text.startsWith("SV 1 ephemeris requested...\n   received") &&
              text.endsWith(" ephemeris requested...\nEphemeris download cancelled.\n"))
      << text.toStdString();
  EXPECT_GT(WholeBlockBytes(almFile, 2), 2u) << "whole blocks only";
  EXPECT_GT(WholeBlockBytes(ephFile, 0), 0u) << "whole blocks only";
}

TEST(TransferWindows, AlmanacLightsStandInThreeColumns) {
  ui::TForm_Alm alm(nullptr);
  auto at = [](QWidget* w) { return w->mapTo(w->window(), QPoint()); };
  for (int sv = 1; sv <= 32; ++sv) {  // SV 1 to 12, 13 to 24, 25 to 32
    ASSERT_EQ(alm.findChild<ui::Shape*>(QString("Shape_SV%1").arg(sv)), alm.Shape_SV[sv - 1]);
    EXPECT_EQ(at(alm.Shape_SV[sv - 1]).x(), at(alm.Shape_SV[(sv - 1) / 12 * 12]).x()) << sv;
  }
  EXPECT_LT(at(alm.Shape_SV[0]).x(), at(alm.Shape_SV[12]).x());
  EXPECT_LT(at(alm.Shape_SV[12]).x(), at(alm.Shape_SV[24]).x());
  ui::Shape* third[] = {alm.Shape_SV[31], alm.Shape_Iono, alm.Shape_UTC, alm.Shape_Alm};
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(at(third[i]).x(), at(alm.Shape_SV[24]).x());
    EXPECT_GT(at(third[i]).y(), at(third[i - 1]).y());
  }
}

}  // namespace
}  // namespace navbin::e2e
