// The configuration dialogs against the simulated receiver, in the whole
// application: each dialog opens, shows the receiver's settings, takes
// changes, sends them, and shows the receiver's new settings when reopened.
// Then the serial dialog moves the receiver's line to 38400 8-O-1, with the
// PC following (Yes) or not (No). A generic command typed as hexadecimal
// reaches the receiver byte for byte; bad hexadecimal sends nothing. Pictures
// go under the build tree.

#include <gtest/gtest.h>

#include <QRadioButton>
#include <algorithm>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/format.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/fakes.h"
#include "tests/support/locale_guard.h"

namespace navbin::e2e {
namespace {

using reports::Colour;
using reports::Form;
using std::chrono::milliseconds;
namespace names = reports::names;
using Controls = std::vector<reports::ControlName>;
using Changes = std::vector<std::pair<reports::ControlName, std::string>>;

// Controls shown by their text, or by their check mark ("1" checked).
bool Textual(reports::ControlName c) {
  return c.text().starts_with("Edit_") || c.text().starts_with("Panel_");
}
bool Checkable(reports::ControlName c) {
  return c.text().starts_with("CheckBox_") || c.text().starts_with("RadioButton_");
}

class E2eConfigDialogs : public ::testing::Test {
 public:
  E2eConfigDialogs() : app(tap.slavePath(), clock) { clock.now = {2026, 12, 8, 12, 0, 0}; }
  void SetUp() override {
    ASSERT_TRUE(tap.ok());
    ASSERT_TRUE(app.start());
    // The identification has asked for the I/O options and the datum.
    ASSERT_TRUE(run([&] { return config().ioOptions && config().datum; }));
  }

  bool run(const std::function<bool()>& until, milliseconds limit = milliseconds(10000)) {
    return app.runUntil(tap, limit, until);
  }
  int displayIndex() const { return app.core.shell.displayIndex(); }
  const reports::ConfigurationReports& config() const {
    return app.core.reports.receivers[static_cast<std::size_t>(displayIndex())].configuration;
  }
  link::PortContext& port() { return app.core.ports[static_cast<std::size_t>(displayIndex())]; }
  void click(Form form, const char* button) {
    auto* b = app.window(form)->findChild<QAbstractButton*>(button);
    ASSERT_TRUE(b) << button;
    b->click();
  }

  // The values of `controls`: texts of edits, item indices of lists and groups.
  std::string shown(Form form, const Controls& controls) const {
    std::string all;
    for (reports::ControlName c : controls) {
      if (!all.empty()) all += ' ';
      all += Textual(c)     ? app.display.text(form, c)
             : Checkable(c) ? std::string(app.display.checked(form, c) ? "1" : "0")
                            : std::to_string(app.display.selectedIndex(form, c));
    }
    return all;
  }
  void set(Form form, const Changes& changes) {
    for (const auto& [c, v] : changes) {
      if (Textual(c)) {
        app.display.setText(form, c, v);
      } else if (Checkable(c)) {
        app.display.setChecked(form, c, v == "1");
      } else {
        app.display.setSelectedIndex(form, c, std::stoi(v));
      }
    }
  }
  void clear(Form form, const Controls& controls) {
    for (reports::ControlName c : controls)
      set(form, {{c, Textual(c) ? "" : Checkable(c) ? "0" : "-1"}});
  }

  support::FakeClock clock;
  ReceiverTap tap{11};
  LiveApp app;
  std::string folder;
};

// One dialog: how it opens, what it shows, what the user changes and sends,
// and what it shows afterwards (`afterSend` right after sending, when the
// dialog itself shows no receiver setting, else `afterReopen`).
struct DialogCase {
  const char* name;
  Form form;
  QAction* app::MainMenus::*open;
  Controls controls;  // empty: `observe` tells what the receiver did
  std::string before;
  Changes changes;
  std::function<void(E2eConfigDialogs&)> send;
  std::string afterSend;
  std::string afterReopen;
  const char* close = "Button_Cancel";
};

TEST_F(E2eConfigDialogs, OpenSeeChangeApplyReopen) {
  folder = WorkFolder("config_dialogs");
  const auto& p2 = reports::kSerialPanels[1];
  const Controls serial{p2.baudRate, p2.dataBits,   p2.parity,
                        p2.stopBits, p2.protocolIn, p2.protocolOut};
  const DialogCase cases[] = {
      {"io_options",
       Form::IOOptions,
       &app::MainMenus::ConfigureIO,
       {names::RadioGroup_Format, names::RadioGroup_AltOut, names::RadioGroup_AltIn,
        names::RadioGroup_Precision, names::RadioGroup_Velocity, names::RadioGroup_Timing,
        names::RadioGroup_PPSOutput, names::ComboBox_Datum},
       "1 0 0 0 1 0 0 0",
       {{names::RadioGroup_AltOut, "1"},
        {names::RadioGroup_Precision, "1"},
        {names::RadioGroup_Velocity, "0"},
        {names::RadioGroup_Timing, "1"},
        {names::RadioGroup_PPSOutput, "1"},
        {names::ComboBox_Datum, "16"}},
       [](E2eConfigDialogs& t) { t.click(Form::IOOptions, "Button_Apply"); },
       "",
       "1 1 0 1 0 1 1 16"},
      {"gps",
       Form::GPS,
       &app::MainMenus::ConfigureGPS,
       {names::ComboBox_RMode, names::ComboBox_DifMode, names::ComboBox_DCode, names::Edit_EMask,
        names::Edit_SMask, names::Edit_PMask, names::Edit_PSwitch, names::Edit_DGPSAge},
       "0 2 1 10.0 4.0 12.0 6.0 30",
       {{names::ComboBox_RMode, "4"},
        {names::ComboBox_DCode, "3"},
        {names::Edit_EMask, "5"},
        {names::Edit_SMask, "2.5"},
        {names::Edit_DGPSAge, "20"}},
       [](E2eConfigDialogs& t) { t.click(Form::GPS, "Button_Apply"); },
       "",
       "4 2 3 5.0 2.5 12.0 6.0 20"},
      {"serial",
       Form::Serial,
       &app::MainMenus::ConfigureSerial,
       serial,
       "1 0 0 0 2 1",
       {{p2.baudRate, "3"},
        {p2.parity, "2"},
        {p2.stopBits, "1"},
        {p2.protocolIn, "1"},
        {p2.protocolOut, "2"}},
       [](E2eConfigDialogs& t) {
         t.app.prompter.answers = {false, false};  // PC unchanged, no flash
         t.click(Form::Serial, "Button_Port2");
       },
       "",
       "3 0 2 1 1 2"},
      {"initial_position",
       Form::InitialPos,
       &app::MainMenus::InitializeUploadPos,
       {},
       "",
       {{names::Edit_Lat, "48.5"}, {names::Edit_Lon, "-11.25"}, {names::Edit_Alt, "10"}},
       [](E2eConfigDialogs& t) {
         t.app.window(Form::InitialPos)->findChildren<QRadioButton*>().at(2)->click();  // Exact LLA
         t.click(Form::InitialPos, "Button_OK");
       },
       "48.50 -11.25",
       ""},
      {"initial_time",
       Form::InitialTime,
       &app::MainMenus::InitializeTimeFromPC,
       {names::Shape_TimeAccepted},
       "Gray",
       {},
       [](E2eConfigDialogs& t) {
         // After its first fix the receiver keeps its own time.
         EXPECT_TRUE(t.run([&] { return t.tap.receiverHasFix(); }));
         t.click(Form::InitialTime, "Button_SetTime");
       },
       "Red",
       "Gray"},
      // A static filter set with the position-velocity one cleared comes back checked, disabled.
      {"filters",
       Form::Filters,
       &app::MainMenus::ConfigureFilters,
       {names::CheckBox_Dynamic, names::CheckBox_Static, names::CheckBox_Altitude},
       "1 1 0",
       {{names::CheckBox_Dynamic, "0"},
        {names::CheckBox_Static, "1"},
        {names::CheckBox_Altitude, "1"}},
       [](E2eConfigDialogs& t) { t.click(Form::Filters, "Button_Apply"); },
       "",
       "0 1 1"},
      {"packet_masks",
       Form::PacketMasks,
       &app::MainMenus::ConfigurePacketMasks,
       {names::CheckBox_B2Bit5, names::CheckBox_B2Bit6, names::CheckBox_B2Bit7},
       "1 0 0",
       {{names::CheckBox_B2Bit6, "1"}},
       [](E2eConfigDialogs& t) {
         t.click(Form::PacketMasks, "Button_OK");
         EXPECT_TRUE(t.app.window(Form::PacketMasks)->isVisible());  // OK stays open here
       },
       "",
       "1 1 0",
       "Button_Close"},
      {"sensitivity",
       Form::Sensitivity,
       &app::MainMenus::ConfigureSensitivity,
       {names::Panel_CurMode, names::ComboBox_NewMode},
       " OFF 0",
       {{names::ComboBox_NewMode, "1"}},
       [](E2eConfigDialogs& t) { t.click(Form::Sensitivity, "Button_OK"); },
       "",
       " OFF 1"},
      {"navtxt",
       Form::NavTxt,
       &app::MainMenus::ConfigureNavTxt,
       {names::CheckBox_ID, names::CheckBox_CS, names::CheckBox_EC, names::CheckBox_FR,
        names::CheckBox_CR, names::Edit_TOH, names::Edit_AL, names::Edit_PV, names::Edit_VehID},
       "0 1 0 0 1 0 0 1 0001",
       {{names::CheckBox_ID, "1"},
        {names::CheckBox_CR, "0"},
        {names::Edit_TOH, "12.9"},
        {names::Edit_AL, "5"},
        {names::Edit_PV, "70000"},
        {names::Edit_VehID, "AB"}},
       [](E2eConfigDialogs& t) { t.click(Form::NavTxt, "Button_Apply"); },
       "",
       "1 1 0 0 0 12 5 4464 AB"},
      {"pps",
       Form::PPSOutput,
       &app::MainMenus::ConfigurePPS,
       {names::ComboBox_Switch, names::ComboBox_TimeBase, names::ComboBox_Polarity,
        names::Edit_Offset, names::Edit_Bias, names::RadioButton_Always, names::RadioButton_1SV,
        names::RadioButton_3SV},
       "1 0 0 0.000e+00 300.00 1 0 0",
       {{names::Edit_Offset, "1.5e-7"}},
       [](E2eConfigDialogs& t) {
         t.click(Form::PPSOutput, "Button_SetChar");
         t.tap.inject({0x8F, 0x4E, 0x05});  // an unknown output code clears all three options
         const Controls options{names::RadioButton_Always, names::RadioButton_1SV,
                                names::RadioButton_3SV};
         EXPECT_TRUE(t.run([&] { return t.shown(Form::PPSOutput, options) == "0 0 0"; }));
       },
       "",
       "1 0 0 1.500e-07 300.00 1 0 0"},
      {"self_survey",
       Form::SelfSurvey,
       &app::MainMenus::ConfigureSelfSurvey,
       {names::CheckBox_EnableSurvey, names::CheckBox_Flag, names::Edit_Limit},
       "1 0 2000",
       {{names::CheckBox_EnableSurvey, "0"},
        {names::CheckBox_Flag, "1"},
        {names::Edit_Limit, "3600 fixes"}},
       [](E2eConfigDialogs& t) {
         t.click(Form::SelfSurvey, "Button_OK");
         EXPECT_TRUE(t.app.window(Form::SelfSurvey)->isVisible());  // OK stays open
       },
       "",
       "0 1 3600",
       "Button_Close"},
      {"generic_command",
       Form::GenNavBin,
       &app::MainMenus::DiagnosticsGenericNavBin,
       {names::Edit_NavBin},
       "",
       {{names::Edit_NavBin, "8e A9 0 1 00 00 10 10 0x0 00 00 00"}},  // length 0x1010, DLEs
       [](E2eConfigDialogs& t) {
         const std::vector<std::uint8_t> typed{0x8E, 0xA9, 0, 1, 0, 0, 0x10, 0x10, 0, 0, 0, 0};
         t.click(Form::GenNavBin, "Button_Send");
         EXPECT_TRUE(t.run([&] { return t.tap.receiverSettings().survey.length == 0x1010; }));
         // Bad hexadecimal: a message, nothing sent, the text kept.
         t.app.display.setText(Form::GenNavBin, names::Edit_NavBin, "8E A9 1 1 0 0 0 100");
         t.click(Form::GenNavBin, "Button_Send");
         t.run([] { return false; }, milliseconds(700));
         const auto last = std::find_if(t.tap.arrivals.rbegin(), t.tap.arrivals.rend(),
                                        [](const Arrival& a) { return a.name == "8E-A9"; });
         EXPECT_EQ(last->bytes, typed);  // byte for byte past the DLE doubling, and the last
         EXPECT_EQ(t.app.prompter.boxes.back().text, "Error in data");
       },
       "8E A9 1 1 0 0 0 100",
       ""},
  };
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.name);
    // What a dialog shows, or for the position dialog where the receiver now is.
    auto observe = [&] {
      if (c.form == Form::InitialTime) {
        const Colour lamp = app.display.colour(c.form, names::Shape_TimeAccepted);
        return std::string(lamp == Colour::Gray ? "Gray" : lamp == Colour::Red ? "Red" : "Lime");
      }
      if (c.controls.empty()) {
        const auto& fix = app.core.reports.receivers[std::size_t(displayIndex())].position;
        return reports::Format("%.2f %.2f", fix.latitude, fix.longitude);
      }
      return shown(c.form, c.controls);
    };
    (app.form->menus.get()->*c.open)->trigger();
    ASSERT_TRUE(app.window(c.form)->isVisible());
    if (!c.before.empty()) {
      EXPECT_TRUE(run([&] { return observe() == c.before; })) << observe();
    }
    set(c.form, c.changes);
    c.send(*this);
    const std::string picture = folder + "/" + c.name + ".png";
    if (!c.afterSend.empty()) {
      EXPECT_TRUE(run([&] { return observe() == c.afterSend; })) << observe();
      EXPECT_TRUE(LiveApp::SavePicture(app.window(c.form), picture));
    }
    if (c.afterReopen.empty()) continue;
    click(c.form, c.close);
    EXPECT_FALSE(app.window(c.form)->isVisible());
    clear(c.form, c.controls);
    (app.form->menus.get()->*c.open)->trigger();
    EXPECT_TRUE(run([&] { return observe() == c.afterReopen; })) << observe();
    if (c.afterSend.empty()) {
      EXPECT_TRUE(LiveApp::SavePicture(app.window(c.form), picture));
    }
  }
  // The receiver took every setting, and the main window follows the I/O options.
  const auto& settings = tap.receiverSettings();
  EXPECT_EQ(settings.datumIndex, 16);
  EXPECT_EQ(settings.gps.dynamicsCode, 3);
  EXPECT_EQ(settings.serial[1].parity, 2);
  EXPECT_FALSE(app.window(Form::Filters)->findChild<QWidget*>("CheckBox_Static")->isEnabled());
  EXPECT_EQ(settings.pps.offset, 1.5e-7);
  EXPECT_EQ(settings.survey, (sim::SelfSurvey{0, 1, 0x1010}));  // the typed packet's last
  EXPECT_EQ(app.text("Label_DatumMain"), "MSL");
  EXPECT_EQ(app.text("Label_TimeMode"), "UTC");
  EXPECT_EQ(app.text("Panel_Datum"), "Adindan-Ethiopia");
  EXPECT_TRUE(app.prompter.boxes.size() == 3);  // the two serial questions, the bad hexadecimal
}

// Under a comma locale set before the application starts and, unlike in
// navbin-monitor, left in force: the GPS dialog shows the receiver's numbers
// with a point, and Apply unchanged sends the receiver's own values back.
struct CommaLocaleFirst {
  support::LocaleGuard locale{support::kCommaLocale};
};
class E2eCommaLocale : protected CommaLocaleFirst, public E2eConfigDialogs {
  void SetUp() override {
    if (!locale.ok()) GTEST_SKIP() << support::kCommaLocale << " is not installed";
    E2eConfigDialogs::SetUp();
  }
};

TEST_F(E2eCommaLocale, GpsDialogShowsPointsAndApplyUnchangedSendsTheSameValues) {
  const sim::GpsConfig own = tap.receiverSettings().gps;
  app.form->menus->ConfigureGPS->trigger();
  ASSERT_TRUE(run([&] { return app.display.text(Form::GPS, names::Edit_EMask) == "10.0"; }));
  click(Form::GPS, "Button_Apply");
  const auto set = [](const Arrival& a) { return a.name == "BB" && a.bytes.size() > 2; };
  EXPECT_TRUE(run([&] { return std::any_of(tap.arrivals.begin(), tap.arrivals.end(), set); }));
  EXPECT_TRUE(app.prompter.boxes.empty()) << app.prompter.boxes.front().text;
  sim::GpsConfig now = tap.receiverSettings().gps;
  EXPECT_NEAR(now.elevationMask, own.elevationMask, 1e-7);  // 10.0 degrees as shown
  now.elevationMask = own.elevationMask;
  EXPECT_EQ(now, own);
}

// Port 1, the one the monitor talks to, at 38400 8-O-1.
class E2eSerialFollow : public E2eConfigDialogs, public ::testing::WithParamInterface<bool> {};

TEST_P(E2eSerialFollow, ReceiverAt38400WithThePcFollowingOrNot) {
  const bool follow = GetParam();
  folder = WorkFolder("serial_follow");
  app.form->menus->ConfigureSerial->trigger();
  const auto& p1 = reports::kSerialPanels[0];
  const Controls port1{p1.baudRate, p1.dataBits,   p1.parity,
                       p1.stopBits, p1.protocolIn, p1.protocolOut};
  ASSERT_TRUE(run([&] { return shown(Form::Serial, port1) == "2 0 1 0 0 0"; }));
  set(Form::Serial, {{p1.baudRate, "4"}});
  app.prompter.answers = {follow, false};
  click(Form::Serial, "Button_Port1");
  ASSERT_EQ(app.prompter.boxes.size(), 2u);
  EXPECT_EQ(app.prompter.boxes[0].text, "Change PC com settings to match?");
  EXPECT_EQ(app.prompter.boxes[1].text,
            "Do you wish to save the receiver settings to Flash memory?");
  ASSERT_TRUE(run([&] { return tap.receiverLine().inputBaud == 9; }));

  const link::LineSettings pc = app.core.shell.lineSettings[std::size_t(displayIndex())];
  const std::string com = "COM" + std::to_string(app.core.shell.displayPort);
  const std::uint64_t bytesAtChange = port().readIo.bytes;
  if (follow) {
    EXPECT_EQ(pc, (link::LineSettings{9, 3, 1, 0}));
    EXPECT_EQ(app.text("Panel_Serial"), com + " 38400, 8-O-1");
    // Still hearing the receiver: broadcasts, and the answer to a new query.
    clear(Form::Serial, port1);
    app.form->menus->ConfigureSerial->trigger();
    EXPECT_TRUE(run([&] { return shown(Form::Serial, port1) == "4 0 1 0 0 0"; }));
    EXPECT_TRUE(run([&] { return port().readIo.bytes > bytesAtChange + 200 && port().rxActive; }));
    EXPECT_TRUE(LiveApp::SavePicture(app.form.get(), folder + "/main_after_38400.png"));
  } else {
    EXPECT_EQ(pc, (link::LineSettings{7, 3, 1, 0}));
    EXPECT_NE(app.text("Panel_Serial"), com + " 38400, 8-O-1");
    // Two activity periods later the port counts as silent.
    run([] { return false; }, milliseconds(1000));
    const std::uint64_t bytesAfterChange = port().readIo.bytes;
    EXPECT_LT(bytesAfterChange, bytesAtChange + 200);  // what left before the change
    run([] { return false; }, milliseconds(4500));
    EXPECT_EQ(port().readIo.bytes, bytesAfterChange);
    EXPECT_FALSE(port().rxActive);
    EXPECT_EQ(app.display.colour(Form::Main, names::Shape_RxLED), Colour::Gray);
  }
}

INSTANTIATE_TEST_SUITE_P(PcFollows, E2eSerialFollow, ::testing::Bool());

}  // namespace
}  // namespace navbin::e2e
