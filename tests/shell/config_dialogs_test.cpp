// The send steps of the configuration dialogs: the bytes of the examples, the
// conversion and unknown-setting refusals, the position file and PC time.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"
#include "shell/decimal_text.h"
#include "shell/position_file.h"
#include "tests/shell/shell_fixture.h"

namespace navbin::shell_testing {
namespace {

using reports::Form;
using namespace navbin::shell;
namespace names = reports::names;

Bytes Single(float v) {
  Bytes b(4);
  link::PutSingle(v, b.data());
  return b;
}
Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class ConfigDialogsTest : public ::testing::Test, public ShellFixture {
 protected:
  static constexpr int kCom = 2;
  ConfigDialogsTest() {
    openDisplayPort(kCom, 0);
    core.sender.setPause(std::chrono::microseconds(0));
  }
  void select(Form f, reports::ControlName c, int index) { display.at(f, c).selected = index; }
  void type(Form f, reports::ControlName c, const std::string& t) { display.at(f, c).text = t; }
  std::vector<Bytes> sent() { return takeSent(kCom); }
  int files_ = 0;
  std::string lastBox() const { return prompter.boxes.empty() ? "" : prompter.boxes.back().text; }
  std::string file(const std::string& text) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("navbin_pos_" + std::to_string(::getpid()) + "_" + std::to_string(files_++) + ".dat");
    std::ofstream(path) << text;
    return path.string();
  }
};

TEST_F(ConfigDialogsTest, IoOptionsBytesAndUnknownGroups) {
  // "LLA", "MSL geoid" out, "HAE (datum)" in, "double", "ENU", "UTC time", "Fix Based".
  const std::pair<reports::ControlName, int> choices[] = {
      {names::RadioGroup_Format, 1},   {names::RadioGroup_AltOut, 1},
      {names::RadioGroup_AltIn, 0},    {names::RadioGroup_Precision, 1},
      {names::RadioGroup_Velocity, 1}, {names::RadioGroup_Timing, 1},
      {names::RadioGroup_PPSOutput, 1}};
  for (auto [c, i] : choices) select(Form::IOOptions, c, i);
  select(Form::IOOptions, names::ComboBox_Datum, 16);
  EXPECT_TRUE(SendIoOptions(display, prompter, core.sender));
  EXPECT_EQ(sent(), (std::vector<Bytes>{{0x35, 0x16, 0x02, 0x21, 0x00}, {0x8E, 0x15, 0x00, 0x10}}));
  EXPECT_EQ(core.reports.globals.logTrigger[kCom - 1], 1);

  // XYZ ECEF position and velocity, Always OFF; no datum goes out as 0xFFFF.
  select(Form::IOOptions, names::RadioGroup_Format, 0);
  select(Form::IOOptions, names::RadioGroup_Velocity, 0);
  select(Form::IOOptions, names::RadioGroup_PPSOutput, 2);
  select(Form::IOOptions, names::ComboBox_Datum, -1);
  EXPECT_TRUE(SendIoOptions(display, prompter, core.sender));
  EXPECT_EQ(sent(), (std::vector<Bytes>{{0x35, 0x15, 0x01, 0x41, 0x00}, {0x8E, 0x15, 0xFF, 0xFF}}));

  // A group the receiver has not reported yet: nothing goes out.
  select(Form::IOOptions, names::RadioGroup_Timing, -1);
  EXPECT_FALSE(SendIoOptions(display, prompter, core.sender));
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(lastBox().rfind("The timing Output is not known yet", 0), 0u) << lastBox();
}

TEST_F(ConfigDialogsTest, GpsConfigurationBytesDefaultsAndBadNumbers) {
  const Bytes ff4{0xFF, 0xFF, 0xFF, 0xFF};
  // Defaults untouched, no report: lists 0xFF, masks -1, age 0xFF.
  for (auto e : {names::Edit_EMask, names::Edit_SMask, names::Edit_PMask, names::Edit_PSwitch,
                 names::Edit_DGPSAge}) {
    type(Form::GPS, e, "-1");
  }
  EXPECT_TRUE(SendGpsConfiguration(display, prompter, core.sender));
  EXPECT_EQ(sent(), (std::vector<Bytes>{Cat({{0xBB, 0x03, 0xFF, 0xFF, 0xFF},
                                             Bytes(11, 0xFF),
                                             Single(float(-1 * 0.01745329277777778)),
                                             Single(-1),
                                             Single(-1),
                                             Single(-1),
                                             ff4,
                                             {0xFF},
                                             ff4})}));

  // Items 0, 2, 4; 10 degrees, 4.0, 12.0, 6.0; 30 s.
  select(Form::GPS, names::ComboBox_RMode, 0);
  select(Form::GPS, names::ComboBox_DifMode, 2);
  select(Form::GPS, names::ComboBox_DCode, 4);
  const std::pair<reports::ControlName, const char*> typed[] = {{names::Edit_EMask, "10"},
                                                                {names::Edit_SMask, " 4.0"},
                                                                {names::Edit_PMask, "12"},
                                                                {names::Edit_PSwitch, "6e0 "},
                                                                {names::Edit_DGPSAge, "30.9"}};
  for (auto [e, t] : typed) type(Form::GPS, e, t);
  EXPECT_TRUE(SendGpsConfiguration(display, prompter, core.sender));
  EXPECT_EQ(sent(), (std::vector<Bytes>{Cat({{0xBB, 0x03, 0x00, 0x02, 0x04},
                                             Bytes(11, 0xFF),
                                             Single(float(10 * 0.01745329277777778)),
                                             Single(4),
                                             Single(12),
                                             Single(6),
                                             ff4,
                                             {0x1E},
                                             ff4})}));

  for (const char* bad : {"", "abc", "1,5", "nan", "inf", "1e999", "0x10", "5 5"}) {
    type(Form::GPS, names::Edit_PMask, bad);
    EXPECT_FALSE(SendGpsConfiguration(display, prompter, core.sender)) << bad;
    EXPECT_EQ(lastBox(),
              std::string("'").append(bad).append("' is not a valid floating point value"));
  }
  EXPECT_TRUE(sent().empty());
}

TEST_F(ConfigDialogsTest, SerialPanelRecordAndUnknownLines) {
  // Port 2: 38400, 8, Odd, 1, NavTxt in, NMEA out.
  const auto& p = reports::kSerialPanels[1];
  for (auto [c, i] : {std::pair{p.baudRate, 4},
                      {p.dataBits, 0},
                      {p.parity, 1},
                      {p.stopBits, 0},
                      {p.protocolIn, 1},
                      {p.protocolOut, 1}}) {
    select(Form::Serial, c, i);
  }
  auto record = ReadSerialPanel(display, prompter, 1);
  ASSERT_TRUE(record);
  EXPECT_EQ(cmd::BuildSetSerialPortConfiguration(*record).toVector(),
            (Bytes{0xBC, 0x01, 0x09, 0x09, 0x03, 0x01, 0x00, 0x00, 0x01, 0x04, 0x00}));
  // Unselected protocol lists give NavBin; an unselected line setting stops.
  select(Form::Serial, p.protocolIn, -1);
  select(Form::Serial, p.protocolOut, -1);
  record = ReadSerialPanel(display, prompter, 1);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->inputProtocols, 2);
  EXPECT_EQ(record->outputProtocols, 2);
  EXPECT_FALSE(ReadSerialPanel(display, prompter, 0));
  EXPECT_EQ(lastBox().rfind("The Port 1 Baud Rate is not known yet", 0), 0u) << lastBox();
}

TEST_F(ConfigDialogsTest, InitialPositionModesFileAndSend) {
  const std::string lla = file("0\n48.5\n  11.25 10 99 junk");
  struct Case {
    int mode;
    std::optional<std::string> file;
    std::string box;  // empty: the edits are filled
  };
  const Case cases[] = {
      {1, lla, "Position data is in LLA."},
      {0, file("1 100 200 300"), "Position data is in ECEF."},
      {2, file("2 1 2 3"), "Position data file format incorrect"},
      {2, file("0 48.5 11.25"), "Position data file format incorrect"},
      {2, std::nullopt, "Couldn't open position data file."},
      {2, "/nonexistent/pos.dat", "Couldn't open position data file."},
      {2, std::filesystem::temp_directory_path().string(), "Couldn't open position data file."},
      {2, lla, ""},
  };
  for (const Case& c : cases) {
    select(Form::InitialPos, names::RadioGroup_PosMode, c.mode);
    prompter.files = {c.file};
    prompter.boxes.clear();
    ReadPositionFile(display, prompter);
    EXPECT_EQ(lastBox(), c.box) << c.mode;
  }
  EXPECT_EQ(prompter.requests.back().filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
  EXPECT_EQ(prompter.requests.back().initialName, " ");
  EXPECT_EQ(display.text(Form::InitialPos, names::Edit_Lat), "48.500");
  EXPECT_EQ(display.text(Form::InitialPos, names::Edit_Lon), "11.250");
  EXPECT_EQ(display.text(Form::InitialPos, names::Edit_Alt), "10.0");
  EXPECT_EQ(display.text(Form::InitialPos, names::Edit_X), "");

  EXPECT_TRUE(SendInitialPosition(display, prompter, core.sender));
  EXPECT_EQ(sent(), (std::vector<Bytes>{Cat({{0x32},
                                             Single(float(48.5 * 0.01745329277777778)),
                                             Single(float(11.25 * 0.01745329277777778)),
                                             Single(10)})}));
  const std::pair<int, std::uint8_t> commands[] = {{0, 0x2B}, {1, 0x23}, {3, 0x31}};
  for (auto [mode, id] : commands) {
    select(Form::InitialPos, names::RadioGroup_PosMode, mode);
    for (auto e : {names::Edit_X, names::Edit_Y, names::Edit_Z}) type(Form::InitialPos, e, "1");
    EXPECT_TRUE(SendInitialPosition(display, prompter, core.sender));
    EXPECT_EQ(sent().at(0).at(0), id);
  }
  type(Form::InitialPos, names::Edit_Y, "north");
  EXPECT_FALSE(SendInitialPosition(display, prompter, core.sender));
  EXPECT_EQ(lastBox(), "'north' is not a valid floating point value");
  select(Form::InitialPos, names::RadioGroup_PosMode, -1);  // no mode: nothing, OK closes
  EXPECT_TRUE(SendInitialPosition(display, prompter, core.sender));
  EXPECT_TRUE(sent().empty());

  ShowPositionMode(display, 3);
  EXPECT_FALSE(display.get(Form::InitialPos, names::GroupBox_LLA).visible);
  EXPECT_TRUE(display.get(Form::InitialPos, names::GroupBox_ECEF).enabled);
  EXPECT_TRUE(display.get(Form::InitialPos, names::Button_File1).enabled);
}

TEST_F(ConfigDialogsTest, PcClockAsGpsWeekAndTimeOfWeek) {
  struct Case {
    platform::CalendarTime utc;
    double seconds;
  };
  const Case cases[] = {
      {{1980, 1, 6, 0, 0, 0}, 0},
      {{1980, 3, 1, 0, 0, 0}, 55 * 86400.0},
      {{2004, 6, 15, 12, 0, 0}, 771336000},
      {{2100, 3, 1, 0, 0, 0}, 3791577600.0},  // 2100 is no leap year
  };
  for (const Case& c : cases) EXPECT_EQ(pcClockAsGpsSeconds(c.utc), c.seconds) << c.utc.year;
  clock.now = {2004, 6, 15, 12, 0, 0, 999};
  SendPcTime(clock, core.sender);
  EXPECT_EQ(sent(), (std::vector<Bytes>{Cat({{0x2E}, Single(216000), {0x04, 0xFB}})}));
}

TEST_F(ConfigDialogsTest, FiltersMasksAndSensitivityBytes) {
  const std::pair<Form, reports::ControlName> boxes[] = {
      {Form::Filters, names::CheckBox_Dynamic},    {Form::Filters, names::CheckBox_Static},
      {Form::Filters, names::CheckBox_Altitude},   {Form::PacketMasks, names::CheckBox_B2Bit5},
      {Form::PacketMasks, names::CheckBox_B2Bit6}, {Form::PacketMasks, names::CheckBox_B2Bit7}};
  // The boxes above checked ('1'), the mode item; the filters, masks and mode sent. A disabled
  // static filter goes out as checked; masks reported as 03 61 go out as 00 60.
  const std::tuple<std::string, int, std::vector<Bytes>> cases[] = {
      {"011110", 1, {{0x70, 0, 1, 1, 0}, {0x8E, 0xA5, 0, 0x60, 0, 0}, {0x69, 1, 0xFF}}},
      {"100111", 0, {{0x70, 1, 0, 0, 0}, {0x8E, 0xA5, 0, 0xE0, 0, 0}, {0x69, 0, 0xFF}}},
      {"000000", -1, {{0x70, 0, 0, 0, 0}, {0x8E, 0xA5, 0, 0, 0, 0}, {0x69, 0xFF, 0xFF}}},
  };
  for (const auto& [checks, mode, bytes] : cases) {
    for (std::size_t i = 0; i < 6; ++i) {
      display.setChecked(boxes[i].first, boxes[i].second, checks[i] == '1');
    }
    select(Form::Sensitivity, names::ComboBox_NewMode, mode);  // -1: text typed
    SendFilters(display, core.sender);
    SendPacketMasks(display, core.sender);
    SendSensitivity(display, core.sender);
    EXPECT_EQ(sent(), bytes);
  }
}

TEST_F(ConfigDialogsTest, NavTxtBytesModuloAndRefusals) {
  for (auto box : {names::CheckBox_ID, names::CheckBox_CS, names::CheckBox_CR})
    display.setChecked(Form::NavTxt, box, true);  // flags 0x13
  const reports::ControlName periods[] = {names::Edit_AL, names::Edit_CP, names::Edit_ID,
                                          names::Edit_LN, names::Edit_PV, names::Edit_ST,
                                          names::Edit_TM, names::Edit_VR};
  const char* typed[] = {"0", " 1 ", "+2", "65535", "65536", "70000", "-1", "300"};
  for (int i = 0; i < 8; ++i) type(Form::NavTxt, periods[i], typed[i]);
  const Bytes periodBytes{0, 0, 0, 1, 0, 2, 0xFF, 0xFF, 0, 0, 0x11, 0x70, 0xFF, 0xFF, 0x01, 0x2C};
  const std::tuple<const char*, const char*, Bytes, Bytes> cases[] = {
      // offset, vehicle ID
      {"12.9", "AB", {0, 12}, {'A', 'B', 0, 0}},
      {"-1.5", "ABCDEF", {0xFF, 0xFF}, {'A', 'B', 'C', 'D'}},
      {"1e6", "\xC3\xA9\xE2\x82\xAC!", {0x42, 0x40}, {0xE9, '?', '!', 0}},  // é, euro sign
  };
  for (const auto& [offset, vehicleId, offsetBytes, idBytes] : cases) {
    type(Form::NavTxt, names::Edit_TOH, offset);
    type(Form::NavTxt, names::Edit_VehID, vehicleId);
    EXPECT_TRUE(SendNavTxtConfiguration(display, prompter, core.sender));
    EXPECT_EQ(sent(),
              (std::vector<Bytes>{Cat({{0x7E, 0x00, 0x13}, offsetBytes, periodBytes, idBytes})}));
  }
  const std::tuple<reports::ControlName, const char*, std::string> refusals[] = {
      {names::Edit_TOH, "noon", "'noon' is not a valid floating point value"},
      {names::Edit_VR, "", "'' is not a valid integer value"},  // no report yet
      {names::Edit_AL, "1.5", "'1.5' is not a valid integer value"},
  };
  for (const auto& [edit, text, box] : refusals) {
    type(Form::NavTxt, edit, text);
    EXPECT_FALSE(SendNavTxtConfiguration(display, prompter, core.sender)) << text;
    EXPECT_EQ(lastBox(), box);
    type(Form::NavTxt, edit, "0");
  }
  EXPECT_TRUE(sent().empty());
}

TEST(DecimalText, NumbersOfEdits) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"12", 12},    {" -0.5 ", -0.5}, {"+3", 3},   {"1e3", 1000}, {".5", 0.5},
      {"-.5", -0.5}, {"", {}},         {"-", {}},   {"+-1", {}},   {"1.2.3", {}},
      {"1,5", {}},   {"inf", {}},      {"nan", {}}, {"1e999", {}}, {"0x1A", {}}};
  for (auto [text, value] : cases) EXPECT_EQ(ParseDecimalNumber(text), value) << text;
  EXPECT_EQ(ScanFloat("  48.5abc"), 48.5);
  const std::pair<const char*, std::optional<int>> integers[] = {
      {" -12 ", -12}, {"+7", 7}, {"2147483648", {}}, {"1e3", {}}, {"+-1", {}}, {"0x10", {}}};
  for (auto [text, value] : integers) EXPECT_EQ(ParseDecimalInteger(text), value) << text;
  EXPECT_EQ(NotAnIntegerValue("x"), "'x' is not a valid integer value");
}

TEST(PositionFile, EachNumberEndsWhereItsCharactersEndAndIsTheNearestFloat) {
  constexpr float kInf = HUGE_VALF;
  const std::pair<std::string, std::vector<float>> cases[] = {
      {"0 48.5abc 11.25 10", {48.5f}},
      {"1 -1-2-3 4", {-1, -2, -3}},
      {"1 +.5 -5. 2.5e+1x", {0.5f, -5, 25}},
      {"0 1e 2 3", {}},  // an exponent letter without digits
      {"0 48,5 11,25 10,0", {48}},
      {"0 inf nan 1", {}},
      {"1 16777217 1e39 -" + std::string(400, '9'), {16777216, kInf, -kInf}},
      {"1 1e-50 0." + std::string(400, '0') + "1 2e999999999", {0, 0, kInf}},
  };
  for (const auto& [text, values] : cases) {
    const PositionFile file = ParsePositionFile(text);
    EXPECT_EQ(std::vector<float>(file.values.begin(), file.values.begin() + file.count), values)
        << text;
  }
}

}  // namespace
}  // namespace navbin::shell_testing
