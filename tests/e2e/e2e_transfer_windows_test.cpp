// The transfers from the menu entries, in the whole application in-process
// against navbin-sim on a pseudo-terminal: Form_Alm and Form_Eph, the windows
// painting while input other than a cancel is dropped, and the monitor timer
// held meanwhile.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <vector>

#include "tests/e2e/e2e_live_app.h"
#include "tests/support/child_process.h"
#include "ui/forms/alm_form.h"
#include "ui/forms/eph_form.h"

namespace navbin::e2e {
namespace {

using reports::Colour;
using reports::Form;

// A click as the window system delivers it: to the window, which hands it on.
void Click(QWidget* target) {
  const QPointF at = target->mapTo(target->window(), QPointF(target->width() / 2.0, 4));
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, target->window()->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target->window()->windowHandle(), &e);
  }
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
  support::ChildProcess sim(SimBinary(), {"--seed", "31", "--no-ephemeris", "2", "--late", "20"});
  sim.readOut(1, support::Ms(5000));
  ASSERT_FALSE(sim.outLines().empty());
  main_form_testing::FixedClock clock;
  LiveApp app(sim.outLines().front(), clock);
  ASSERT_TRUE(app.start());
  auto* alm = qobject_cast<ui::TForm_Alm*>(app.window(Form::Alm));
  auto* eph = qobject_cast<ui::TForm_Eph*>(app.window(Form::Eph));
  ASSERT_TRUE(alm && eph);
  const std::string folder = WorkFolder("transfer_windows");
  app.prompter.files = {folder + "/alm.dat", folder + "/eph.dat", folder + "/alm2.dat",
                        folder + "/eph2.dat"};

  PaintLog paints;
  alm->Shape_SV[0]->installEventFilter(&paints);
  bool timerHeld = false;
  QTimer::singleShot(0, [&] {  // runs inside the transfer, from its first refresh
    timerHeld = !app.form->Timer_NavBin->isActive();
    Click(alm->Button_Close);                           // dropped
    app.form->menus->InitializeDownloadEph->trigger();  // refused: one at a time
  });
  app.form->menus->InitializeDownloadAlm->trigger();
  EXPECT_TRUE(timerHeld);
  EXPECT_TRUE(app.form->Timer_NavBin->isActive());
  EXPECT_EQ(app.prompter.requests.size(), 1u);
  EXPECT_TRUE(alm->isVisible());
  EXPECT_EQ(alm->Label_LoadStatus->text(), "Download Complete");
  for (ui::Shape* light : alm->findChildren<ui::Shape*>()) EXPECT_EQ(light->fill(), Colour::Lime);
  const std::vector<Colour> expected{Colour::Yellow, Colour::Lime};
  EXPECT_NE(std::search(paints.fills.begin(), paints.fills.end(), expected.begin(), expected.end()),
            paints.fills.end())
      << "the light is painted yellow, then lime, during the transfer";

  app.form->menus->InitializeDownloadEph->trigger();
  const QString text = eph->Memo_Eph->toPlainText();
  EXPECT_TRUE(text.contains("SV 2 ephemeris requested...\nData not available!\nSV 3 ephemeris") &&
              text.endsWith("   received, length = 151\nEphemeris download complete.\n"))
      << text.toStdString();

  // Cancel, then Esc, end a download within half a second; the timer runs again.
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  for (QAction* download :
       {app.form->menus->InitializeDownloadAlm, app.form->menus->InitializeDownloadEph}) {
    std::chrono::steady_clock::time_point asked;
    QTimer::singleShot(200, [&] {
      asked = std::chrono::steady_clock::now();
      if (download == app.form->menus->InitializeDownloadAlm) Click(alm->Button_Cancel);
      if (download == app.form->menus->InitializeDownloadEph) QApplication::sendEvent(eph, &esc);
    });
    download->trigger();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(500));
    EXPECT_TRUE(app.form->Timer_NavBin->isActive());
  }
  EXPECT_EQ(alm->Label_LoadStatus->text(), "Download Cancelled");
  // The cancel may fall in a reply wait or between two SVs: either way it is the last line.
  EXPECT_TRUE(eph->Memo_Eph->toPlainText().endsWith("\nEphemeris download cancelled.\n"))
      << eph->Memo_Eph->toPlainText().toStdString();

  // Closing resets: grey lights and "Off"; an empty text box.
  Click(alm->Button_Close);
  EXPECT_FALSE(alm->isVisible());
  EXPECT_EQ(alm->Label_LoadStatus->text(), "Off");
  EXPECT_EQ(alm->Shape_LoadStatus->fill(), Colour::Gray);
  EXPECT_EQ(alm->Shape_SV[31]->fill(), Colour::Gray);
  eph->close();
  EXPECT_TRUE(eph->Memo_Eph->toPlainText().isEmpty());
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
