// The timing packets window and the main window's timing layout, fed by the
// two timing recordings on the display port and by a simulated receiver whose
// packet masks ask for the timing packets once a second. Pictures stay under
// the build tree (e2e/timing_packets/, e2e/timing_packets_live/).

// First, before Qt defines its emit keyword, which the receiver uses as a name.
#include "sim/simulated_receiver.h"

#include <QAction>
#include <QRadioButton>
#include <algorithm>
#include <set>

#include "app/monitor_application.h"
#include "protocol/commands/config_commands.h"
#include "protocol/commands/init_commands.h"
#include "protocol/history/chart_geometry.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/captures.h"
#include "ui/forms/sky_view_form.h"
#include "ui/forms/timing_packets_form.h"

namespace navbin::main_form_testing {
namespace {

using reports::Colour;
using reports::Form;

constexpr const char* kWindowPanels[] = {
    "Panel_TOW",          "Panel_WeekNum",  "Panel_UTCOffset",  "Panel_Time",      "Panel_Date",
    "Panel_Mode",         "Panel_Status",   "Panel_SelfSurvey", "Panel_PPSOffset", "Panel_10MHz",
    "Panel_Quantization", "Panel_Latitude", "Panel_Longitude",  "Panel_Altitude"};
constexpr const char* kMainPanels[] = {
    "Panel_SuperTOW", "Panel_SuperTime", "Label_SuperTimeMode", "Panel_SuperReceiverMode",
    "Panel_SuperLat", "Panel_SuperLon",  "Panel_SuperAlt"};

struct Recording {
  const char* file;
  std::vector<std::string> window;
  // The main window shows the same time of week, time, mode and position.
  std::vector<std::string> main() const {
    return {window[0], window[3], "GPS", window[5], window[11], window[12], window[13]};
  }
};

// The last 0x8F-AB (time) and 0x8F-AC of each recording, packets counted from 0.
const Recording kRecordings[] = {
    // #116 AB: 0003A95F 081C 0012 00 1B 27 12 16 0A 07E3. #117 AC: mode 07, 0x64 %,
    // alarms 0000, status 00, bias C04484F6, rate 417FE7E9, latitude
    // 3FE7169D33961BB9 = 0.72151 rad, longitude BFF5241E2E97B53C = -1.32132 rad,
    // altitude 406A5357A786C246, quantization 40FF1F51, byte 64 00.
    {"timing-a.nvb",
     {"239967", "2076", "18", "18:39:27", "Oct 22, 2019", "Overdetermined Clock", "Doing fixes",
      "100%", "-3.07", "15.99", "7.97", "41° 20' 22.223", "-75° 42' 21.365", "210.6"}},
    // #123 AB: 00011CD5 0825 0012 00 11 0F 14 16 0C 07E3. #124 AC: mode 07, 0x64 %,
    // bias 46D590C6, rate C3AD8B04, latitude 3FE7169A5005660D, longitude
    // BFF52420B45B0D07, altitude 406B56AB0D10624E, quantization 409C4602.
    {"timing-b.nvb",
     {"72917", "2085", "18", "20:15:17", "Dec 22, 2019", "Overdetermined Clock", "Doing fixes",
      "100%", "27336.39", "-347.09", "4.88", "41° 20' 21.938", "-75° 42' 21.862", "218.7"}},
};

std::vector<std::string> Texts(const reports::Display& d, Form form, const auto& names) {
  std::vector<std::string> texts;
  for (const char* name : names) texts.push_back(d.text(form, reports::ControlName{name}));
  return texts;
}

TEST_F(MainFormTest, TimingRecordingsFillTheWindowAndTheMainTimingLayoutClearKeepsTheMain) {
  ASSERT_TRUE(app::CreateWindows(*form, display, shell::StartupPlan{}));
  form->Timer_NavBin->stop();
  core.sender.setPause(std::chrono::microseconds(0));
  auto* window = qobject_cast<ui::TForm_TimingPackets*>(display.form(Form::TimingPackets));
  ASSERT_NE(window, nullptr);
  for (const Recording& r : kRecordings) {
    SCOPED_TRACE(r.file);
    const Bytes bytes = support::ReadCapture(r.file);
    for (std::size_t at = 0; at < bytes.size(); at += 4096) {
      line(kDisplayCom)
          .push(std::span(bytes).subspan(at, std::min<std::size_t>(4096, bytes.size() - at)));
      tick();
    }
    EXPECT_EQ(Texts(display, Form::TimingPackets, kWindowPanels), r.window);
    EXPECT_EQ(Texts(display, Form::Main, kMainPanels), r.main());
    EXPECT_EQ(window->Shape_PPS->fill(), Colour::Yellow);  // byte 64 is 0
    for (const ui::Shape* light : window->alarmLights) EXPECT_EQ(light->fill(), Colour::Lime);
    EXPECT_TRUE(!form->timing->Panel_SuperTOW->isHidden() && form->timing->Panel_TOW->isHidden());
    EXPECT_EQ(form->position->toolTip(), "Position: Packet 0x8F-AC");
  }
  form->menus->WindowTimingPackets->trigger();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(
      e2e::LiveApp::SavePicture(window, e2e::WorkFolder("timing_packets") + "/timing_window.png"));

  window->Button_Clear->click();
  for (const char* name : kWindowPanels)
    EXPECT_EQ(display.text(Form::TimingPackets, reports::ControlName{name}), "") << name;
  EXPECT_EQ(window->Shape_PPS->fill(), Colour::Gray);
  for (const ui::Shape* light : window->alarmLights) EXPECT_EQ(light->fill(), Colour::Gray);
  EXPECT_EQ(Texts(display, Form::Main, kMainPanels), kRecordings[1].main());

  takeSent();
  window->RadioButton_AB1->setChecked(true);
  window->Button_8FAB->click();
  window->RadioButton_AC2->setChecked(true);
  window->Button_8FAC->click();
  EXPECT_EQ(takeSent(), (std::vector<Bytes>{{0x8E, 0xAB, 1}, {0x8E, 0xAC, 2}}));
  window->Button_Close->click();
  EXPECT_FALSE(window->isVisible());
}

// A simulated receiver asked for both timing packets every second (and
// nothing else), its self-survey restarted with a length of three fixes.
TEST(TimingPacketsLive, SimulatedReceiverSurveysThenRunsAsAnOverdeterminedClock) {
  e2e::ReceiverTap tap(11);
  ASSERT_TRUE(tap.ok());
  FixedClock clock;
  e2e::LiveApp app(tap.slavePath(), clock);
  ASSERT_TRUE(app.start());
  auto* window = qobject_cast<ui::TForm_TimingPackets*>(app.window(Form::TimingPackets));
  commands::SetPacketMasks(app.core.sender, commands::DISPLAY_PORT, {0x00, 0xC0});
  commands::RestartSelfSurvey(app.core.sender, commands::DISPLAY_PORT);
  commands::SetSelfSurveyParameters(app.core.sender, commands::DISPLAY_PORT, {1, 0, 3});
  std::set<std::string> progress;
  bool surveyAlarm = false;
  const auto shown = [&](const char* name) { return app.text(name, Form::TimingPackets); };
  ASSERT_TRUE(app.runUntil(tap, std::chrono::seconds(20), [&] {
    progress.insert(shown("Panel_SelfSurvey"));
    surveyAlarm |= window->alarmLights[1]->fill() == Colour::Yellow;  // Shape_Bit5
    return shown("Panel_Mode") == "Overdetermined Clock";
  }));
  EXPECT_TRUE(progress.contains("33%") && progress.contains("66%") && surveyAlarm);
  EXPECT_EQ(shown("Panel_SelfSurvey"), "100%");
  EXPECT_TRUE(window->alarmLights[1]->fill() == Colour::Lime &&
              window->Shape_PPS->fill() == Colour::Lime);  // surveyed, PPS generated
  for (const char* name : kWindowPanels) EXPECT_NE(shown(name), "") << name;
  std::set<std::string> sentTows;
  for (const support::Packet& p : support::Deframe(tap.sent)) {
    if (p.id == 0x8F && p.subId() == 0xAB) sentTows.insert(std::to_string(link::GetS32(p.at(1))));
  }
  EXPECT_TRUE(sentTows.contains(shown("Panel_TOW"))) << shown("Panel_TOW");
  EXPECT_EQ(app.text("Panel_SuperTOW"), shown("Panel_TOW"));
  EXPECT_EQ(app.text("Panel_SuperReceiverMode"), "Overdetermined Clock");
  EXPECT_TRUE(!app.form->position->Panel_SuperLat->isHidden() &&
              app.form->position->Panel_LatDeg->isHidden());
  e2e::LiveApp::SavePicture(app.form.get(), e2e::WorkFolder("timing_packets_live") + "/main.png");

  // Sky and Signals: the mode change on the timeline with its hint, and the
  // offset of the PC's (fixed) clock from each second's time report.
  const reports::PortHistory& history = app.core.history.port(0);
  auto* sky = qobject_cast<ui::TForm_SkyView*>(app.window(Form::SkyView));
  sky->Chart_Series->refresh();
  const auto& events = sky->Chart_Series->eventStrip().events();
  ASSERT_EQ(events.size(), history.timeline.events().size());
  const auto find = [&](const char* text) {
    return std::find_if(events.begin(), events.end(),
                        [&](const auto& e) { return reports::EventText(e) == text; });
  };
  const auto mode = find("Receiver mode: Overdetermined Clock");
  ASSERT_TRUE(mode != events.end() && find("Self-survey ended, 100%") != events.end());
  EXPECT_TRUE(sky->Chart_Series->eventStrip()
                  .hintAt(sky->Chart_Series->eventStrip().pixelOf(*mode))
                  .contains(QString::fromStdString(reports::EventHint(*mode))));
  ASSERT_GE(history.pcOffset.size(), 3u);
  EXPECT_EQ(sky->Chart_Series->pointCounts()[4], int(history.pcOffset.size()));
  for (std::size_t i = 0; i < history.pcOffset.size(); ++i) {
    EXPECT_NEAR(history.pcOffset[i].offset + history.pcOffset[i].utc, 315532800.0, 1e-6);
  }
  EXPECT_EQ(sky->Chart_Series->offsetNote(), reports::kPcOffsetLiveNote);
  e2e::LiveApp::SavePicture(sky, e2e::WorkFolder("timing_packets_live") + "/sky.png");
}

}  // namespace
}  // namespace navbin::main_form_testing
