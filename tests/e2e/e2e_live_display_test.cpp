// The whole application in-process against a simulated receiver on a
// pseudo-terminal, for a few seconds of real time: the main window and the
// tracking window fill with the receiver's fix, channels, DOPs, version and
// time; then the receiver is switched to double-precision LLA and to
// double-precision XYZ output with Set I/O options sent through the monitor,
// and the position layout follows. Pictures of both windows are kept under
// the build tree (e2e/live_display/).

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "protocol/commands/config_commands.h"
#include "protocol/presentation/time_functions.h"
#include "sim/constellation.h"
#include "sim/geodesy.h"
#include "sim/gps_time.h"
#include "sim/receiver_profile.h"
#include "tests/e2e/e2e_live_app.h"

namespace navbin::e2e {
namespace {

using reports::Form;
using std::chrono::milliseconds;

constexpr std::uint64_t kSeed = 11;
constexpr double kRadToDeg = 180.0 / sim::kPi;
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

// What the simulated receiver of kSeed is: its place, firmware, start time
// and the satellite on each channel.
struct Expected {
  sim::ReceiverProfile profile = sim::ReceiverProfile::FromSeed(kSeed);
  std::vector<sim::SatelliteView> sky =
      sim::Constellation(kSeed, profile.trackedSatellites).viewAt(0, sim::GpsConfig{});

  // " Jan 9, 2003" for a GPS second.
  static std::string DateText(std::int64_t gpsSeconds) {
    const sim::CivilTime t = sim::CivilFromGpsSeconds(gpsSeconds);
    std::string text = " ";  // built by append: GCC 12 -O2 misreads operator+ here
    text.append(kMonths[t.month - 1]).append(" ").append(std::to_string(t.day));
    return text.append(", ").append(std::to_string(t.year));
  }
  std::int64_t startSecond() const { return profile.startGpsMs / 1000; }
};

// The controls a check looks at, as they were when a stage was reached.
struct Snapshot {
  bool reached = false;
  std::map<std::string, std::string> main;
  std::map<std::string, std::string> track;
  std::map<std::string, bool> shown;
  std::map<std::string, bool> fits;  // the cell is wide enough for its text
  std::string positionHint;
};

constexpr const char* kMainTexts[] = {
    "Label_PanelPos", "Label_Lat_X",    "Panel_LatDeg",   "Panel_LatMin",  "Panel_NorthSouth",
    "Panel_LonDeg",   "Panel_LonMin",   "Panel_EastWest", "Panel_Alt_Z",   "Panel_X",
    "Panel_Y",        "Panel_DeltaLat", "Panel_DeltaLon", "Panel_Version", "Panel_Date",
    "Panel_Week",     "Panel_Time",     "Panel_TOW",      "Panel_PDOP",    "Panel_HDOP",
    "Panel_VDOP",     "Panel_TDOP",     "Panel_RecMode"};
constexpr const char* kShown[] = {"Panel_X",      "Panel_Y",      "Panel_LatDeg",
                                  "Panel_LatMin", "Panel_LonDeg", "Panel_DeltaLat"};
constexpr const char* kPositionCells[] = {"Panel_LatDeg", "Panel_LatMin", "Panel_LonMin",
                                          "Panel_X",      "Panel_Y",      "Panel_Alt_Z"};
constexpr const char* kDops[] = {"Panel_PDOP", "Panel_HDOP", "Panel_VDOP", "Panel_TDOP"};

std::string Row(const char* column, std::size_t channel) {
  return column + std::to_string(channel + 1);
}

struct LiveDisplayRun {
  std::string folder = WorkFolder("live_display");
  Expected expected;
  ReceiverTap tap{kSeed};
  main_form_testing::FixedClock clock;  // nothing here may set the real clock
  std::unique_ptr<LiveApp> app;
  Snapshot lla, lla84, ecef83;
  bool trackShown = false;
  std::size_t ioCommands = 0;

  std::string mainText(const char* name) const { return app->text(name); }

  bool tracked(std::size_t channel) const {
    return channel < static_cast<std::size_t>(expected.profile.trackedSatellites);
  }

  bool firstFixShown() const {
    if (mainText("Label_PanelPos") != "LLA Position") return false;
    for (const char* name : {"Panel_LatDeg", "Panel_Version", "Panel_Week", "Panel_Date",
                             "Panel_PDOP", "Panel_Time"}) {
      if (mainText(name).empty()) return false;
    }
    for (std::size_t c = 0; tracked(c); ++c) {
      if (mainText(Row("Panel_SV", c).c_str()).empty()) return false;
    }
    return !app->text("Panel_SVSel", Form::Track).empty();
  }

  std::string positionHint() const { return app->form->position->toolTip().toStdString(); }

  Snapshot take() const {
    Snapshot s;
    s.reached = true;
    for (const char* name : kMainTexts) s.main[name] = mainText(name);
    for (std::size_t c = 0; c < 12; ++c) {
      for (const char* column : {"Panel_SV", "Panel_AMU", "Panel_AZ", "Panel_EL"}) {
        s.main[Row(column, c)] = mainText(Row(column, c).c_str());
      }
      for (const char* column : {"Panel_SV", "Panel_Amu", "Panel_Time", "Panel_Elev"}) {
        s.track[Row(column, c)] = app->text(Row(column, c).c_str(), Form::Track);
      }
    }
    for (const char* name : {"Panel_SVSel", "Panel_PDOP", "Panel_HDOP", "Panel_VDOP", "Panel_TDOP"})
      s.track[name] = app->text(name, Form::Track);
    for (const char* name : kShown) {
      const auto* w = app->window(Form::Main)->findChild<QWidget*>(name);
      s.shown[name] = w && w->isVisible();
    }
    for (const char* name : kPositionCells) {
      const auto* w = app->window(Form::Main)->findChild<QLabel*>(name);
      s.fits[name] = w && w->width() >= w->fontMetrics().horizontalAdvance(w->text());
    }
    s.positionHint = positionHint();
    return s;
  }

  void setPositionOutput(std::uint8_t position) {
    commands::IoOptions options;
    options.position = position;
    options.velocity = 0x02;  // ENU
    commands::SetIoOptions(app->core.sender, commands::DISPLAY_PORT, options);
  }

  void run() {
    ASSERT_TRUE(tap.ok());
    app = std::make_unique<LiveApp>(tap.slavePath(), clock);
    ASSERT_TRUE(app->start()) << "the display port did not open";
    app->form->show();

    // Single-precision LLA, the receiver's factory output.
    if (!app->runUntil(tap, milliseconds(10000), [&] { return firstFixShown(); })) return;
    lla = take();
    app->form->menus->WindowTrack->trigger();
    QCoreApplication::processEvents();
    trackShown = app->window(Form::Track)->isVisible();
    LiveApp::SavePicture(app->form.get(), folder + "/main.png");
    LiveApp::SavePicture(app->window(Form::Track), folder + "/track.png");

    setPositionOutput(0x12);  // LLA, double precision: report 0x84
    if (!app->runUntil(tap, milliseconds(6000),
                       [&] { return positionHint() == "Double Precision Position: Packet 84"; }))
      return;
    lla84 = take();

    setPositionOutput(0x10);  // XYZ, double precision: report 0x83
    if (!app->runUntil(tap, milliseconds(6000), [&] {
          return positionHint() == "Double Precision Position: Packet 83" &&
                 mainText("Label_PanelPos") == "ECEF Position";
        }))
      return;
    ecef83 = take();
    LiveApp::SavePicture(app->form.get(), folder + "/main_ecef.png");
    for (const Arrival& a : tap.arrivals) ioCommands += a.name == "35";
  }
};

// The shown latitude or longitude in signed degrees, from its three panels.
double ShownAngle(const Snapshot& s, const char* deg, const char* min, const char* hemisphere,
                  char negative) {
  const double value = Number(s.main.at(deg)) + Number(s.main.at(min)) / 60.0;
  return s.main.at(hemisphere) == std::string(1, negative) ? -value : value;
}

void ExpectLlaOfTheSimulatedPlace(const Snapshot& s, const Expected& e) {
  ASSERT_TRUE(s.reached);
  EXPECT_EQ(s.main.at("Label_PanelPos"), "LLA Position");
  EXPECT_EQ(s.main.at("Label_Lat_X"), "Latitude");
  EXPECT_TRUE(s.shown.at("Panel_LatDeg") && s.shown.at("Panel_LatMin") &&
              s.shown.at("Panel_LonDeg"));
  EXPECT_TRUE(s.shown.at("Panel_DeltaLat"));
  for (const char* name : {"Panel_LatDeg", "Panel_LatMin", "Panel_LonMin", "Panel_Alt_Z"})
    EXPECT_TRUE(s.fits.at(name)) << name << " too narrow for " << s.main.at(name);
  EXPECT_FALSE(s.shown.at("Panel_X"));
  EXPECT_FALSE(s.shown.at("Panel_Y"));
  // Whole degrees with the degree sign, minutes with five decimals and a quote.
  EXPECT_NE(s.main.at("Panel_LatDeg").find("\xC2\xB0"), std::string::npos)
      << s.main.at("Panel_LatDeg");
  const std::string minutes = s.main.at("Panel_LatMin");
  ASSERT_GE(minutes.size(), 7u);
  EXPECT_EQ(minutes.back(), '\'');
  EXPECT_EQ(minutes[minutes.size() - 7], '.') << minutes;
  // The simulated fix scatters a few metres round the receiver's site: 0.0005
  // degrees is some 50 m.
  const sim::Lla& site = e.profile.site;
  EXPECT_EQ(s.main.at("Panel_NorthSouth"), site.latitude < 0 ? "S" : "N");
  EXPECT_EQ(s.main.at("Panel_EastWest"), site.longitude < 0 ? "W" : "E");
  EXPECT_NEAR(ShownAngle(s, "Panel_LatDeg", "Panel_LatMin", "Panel_NorthSouth", 'S'),
              site.latitude * kRadToDeg, 0.0005);
  EXPECT_NEAR(ShownAngle(s, "Panel_LonDeg", "Panel_LonMin", "Panel_EastWest", 'W'),
              site.longitude * kRadToDeg, 0.0005);
  EXPECT_NEAR(Number(s.main.at("Panel_Alt_Z")), site.altitude, 50.0) << s.main.at("Panel_Alt_Z");
  // Deltas from the first fix of the run stay within the scatter.
  EXPECT_FALSE(s.main.at("Panel_DeltaLat").empty());
  EXPECT_LT(std::abs(Number(s.main.at("Panel_DeltaLat"))), 50.0);
  EXPECT_LT(std::abs(Number(s.main.at("Panel_DeltaLon"))), 50.0);
}

void ExpectVersionDateAndTime(const Snapshot& s, const Expected& e) {
  char version[16];
  std::snprintf(version, sizeof version, "%d.%02d", e.profile.navigation.major,
                e.profile.navigation.minor);
  EXPECT_EQ(s.main.at("Panel_Version"), version);
  // The run lasts seconds; a minute of slack covers a week or a day turning.
  const std::int64_t start = e.startSecond();
  const std::int64_t week = start / sim::kSecondsPerWeek;
  const std::string shownWeek = s.main.at("Panel_Week");
  EXPECT_TRUE(shownWeek == std::to_string(week) || shownWeek == std::to_string(week + 1))
      << shownWeek << " for week " << week;
  const std::string date = s.main.at("Panel_Date");
  EXPECT_TRUE(date == Expected::DateText(start) || date == Expected::DateText(start + 60))
      << date << " for " << Expected::DateText(start);
  const double tow = Number(s.main.at("Panel_TOW"));
  const double startTow = static_cast<double>(start % sim::kSecondsPerWeek);
  const double ahead = std::fmod(tow - startTow + sim::kSecondsPerWeek, sim::kSecondsPerWeek);
  EXPECT_LT(ahead, 60.0) << s.main.at("Panel_TOW") << " from " << startTow;
  EXPECT_EQ(s.main.at("Panel_Time"), reports::TimeOfWeekText(static_cast<float>(tow), true));
}

void ExpectChannelsAndDops(const Snapshot& s, const Expected& e) {
  const auto tracked = static_cast<std::size_t>(e.profile.trackedSatellites);
  ASSERT_EQ(e.sky.size(), tracked);
  std::set<int> svs;
  for (std::size_t c = 0; c < 12; ++c) {
    SCOPED_TRACE("channel " + std::to_string(c));
    if (c >= tracked) {
      EXPECT_EQ(s.main.at(Row("Panel_SV", c)), "");
      EXPECT_EQ(s.track.at(Row("Panel_SV", c)), "");
      continue;
    }
    const std::string sv = std::to_string(e.sky[c].sv);
    svs.insert(e.sky[c].sv);
    EXPECT_EQ(s.main.at(Row("Panel_SV", c)), sv);
    EXPECT_EQ(s.track.at(Row("Panel_SV", c)), sv);
    for (const char* column : {"Panel_AMU", "Panel_AZ", "Panel_EL"})
      EXPECT_FALSE(s.main.at(Row(column, c)).empty()) << column;
    EXPECT_FALSE(s.track.at(Row("Panel_Amu", c)).empty());
    EXPECT_FALSE(s.track.at(Row("Panel_Time", c)).empty());
    // Elevations swing over hours: the start-up sky holds to a degree.
    EXPECT_NEAR(Number(s.track.at(Row("Panel_Elev", c))), e.sky[c].elevation * kRadToDeg, 1.0);
  }
  for (const char* dop : kDops) {
    const double value = Number(s.main.at(dop));
    EXPECT_GT(value, 0.0) << dop << " " << s.main.at(dop);
    EXPECT_LT(value, 99.0) << dop;
    EXPECT_EQ(s.main.at(dop), s.track.at(dop)) << dop;
  }
  // The selection list: one four-character field per tracked SV, those left
  // out of the fix as the unsigned value of their negative number (-27: 229).
  const std::string sel = s.track.at("Panel_SVSel");
  ASSERT_EQ(sel.size(), 4 * tracked) << "'" << sel << "'";
  for (std::size_t i = 0; i < sel.size(); i += 4) {
    const int shown = std::atoi(sel.substr(i, 4).c_str());
    EXPECT_EQ(svs.count(shown > 128 ? 256 - shown : shown), 1u) << "'" << sel << "'";
  }
  const std::string mode = s.main.at("Panel_RecMode");
  EXPECT_NE(mode.find("-D  (" + std::to_string(tracked) + " SV)"), std::string::npos) << mode;
}

void ExpectDoublePrecisionLla(const Snapshot& s, const Expected& e) {
  ASSERT_TRUE(s.reached) << "no 0x84 shown after Set I/O options";
  EXPECT_EQ(s.positionHint, "Double Precision Position: Packet 84");
  ExpectLlaOfTheSimulatedPlace(s, e);
}

void ExpectEcefOfTheSimulatedPlace(const Snapshot& s, const Expected& e) {
  ASSERT_TRUE(s.reached) << "no 0x83 shown after Set I/O options";
  EXPECT_EQ(s.positionHint, "Double Precision Position: Packet 83");
  EXPECT_EQ(s.main.at("Label_PanelPos"), "ECEF Position");
  EXPECT_EQ(s.main.at("Label_Lat_X"), "X");
  EXPECT_TRUE(s.shown.at("Panel_X"));
  EXPECT_TRUE(s.shown.at("Panel_Y"));
  EXPECT_FALSE(s.shown.at("Panel_LatDeg"));
  EXPECT_FALSE(s.shown.at("Panel_DeltaLat"));
  for (const char* name : {"Panel_X", "Panel_Y", "Panel_Alt_Z"})
    EXPECT_TRUE(s.fits.at(name)) << name << " too narrow for " << s.main.at(name);
  const sim::Ecef at = sim::LlaToEcef(e.profile.site);
  EXPECT_NEAR(Number(s.main.at("Panel_X")), at.x, 50.0) << s.main.at("Panel_X");
  EXPECT_NEAR(Number(s.main.at("Panel_Y")), at.y, 50.0) << s.main.at("Panel_Y");
  EXPECT_NEAR(Number(s.main.at("Panel_Alt_Z")), at.z, 50.0) << s.main.at("Panel_Alt_Z");
}

void ExpectPicture(const std::string& file, int minWidth, int minHeight) {
  const QImage image(QString::fromStdString(file));
  ASSERT_FALSE(image.isNull()) << file;
  EXPECT_GE(image.width(), minWidth) << file;
  EXPECT_GE(image.height(), minHeight) << file;
}

TEST(E2eLiveDisplay, FixChannelsAndTimeThenDoublePrecisionLlaAndEcef) {
  LiveDisplayRun r;
  r.run();
  if (HasFatalFailure()) return;
  {
    SCOPED_TRACE("first fix, single-precision LLA (0x4A)");
    ASSERT_TRUE(r.lla.reached) << "the main window never showed a complete first fix";
    EXPECT_EQ(r.lla.positionHint, "Position: Packet 4A");
    ExpectLlaOfTheSimulatedPlace(r.lla, r.expected);
  }
  {
    SCOPED_TRACE("version, date and time");
    ExpectVersionDateAndTime(r.lla, r.expected);
  }
  {
    SCOPED_TRACE("channel rows and DOPs");
    ExpectChannelsAndDops(r.lla, r.expected);
  }
  {
    SCOPED_TRACE("double-precision LLA (0x84)");
    ExpectDoublePrecisionLla(r.lla84, r.expected);
  }
  {
    SCOPED_TRACE("double-precision ECEF (0x83)");
    ExpectEcefOfTheSimulatedPlace(r.ecef83, r.expected);
    // The identification query and the two settings crossed the line.
    EXPECT_GE(r.ioCommands, 3u);
    EXPECT_TRUE(r.app->prompter.boxes.empty()) << r.app->prompter.boxes.front().caption;
  }
  {
    SCOPED_TRACE("pictures");
    EXPECT_TRUE(r.trackShown);
    ExpectPicture(r.folder + "/main.png", 400, 300);
    ExpectPicture(r.folder + "/track.png", 300, 250);
    ExpectPicture(r.folder + "/main_ecef.png", 400, 300);
  }
}

}  // namespace
}  // namespace navbin::e2e
