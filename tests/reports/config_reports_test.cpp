// The configuration reports: exact lengths, what each stores and shows, and
// the edge cases of the reports the dialogs read.

#include "protocol/presentation/config_control_names.h"
#include "protocol/wire/report_fields.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using support::Payload;

class ConfigReportTest : public ReportTest {
 protected:
  const ConfigurationReports& stored(int port = 0) const {
    return state.receivers[static_cast<std::size_t>(port)].configuration;
  }
  int selected(Form f, ControlName c) const { return display.selectedIndex(f, c); }
};

Bytes Sized(std::size_t n, std::uint8_t fill = 0) {
  return Bytes(n, fill);
}

TEST_F(ConfigReportTest, EveryReportTakesOnlyItsExactLength) {
  struct Case {
    int id;
    int sub;  // -1: no sub-id
    std::size_t length;
    bool (*stored)(const ConfigurationReports&);
  };
  const Case cases[] = {
      {0x4E, -1, 1, [](auto& c) { return c.setTimeReply.has_value(); }},
      {0x55, -1, 4, [](auto& c) { return c.ioOptions.has_value(); }},
      {0x70, -1, 4, [](auto& c) { return c.filter.has_value(); }},
      {0x7F, -1, 24, [](auto& c) { return c.navTxt.has_value(); }},
      {0x89, -1, 2, [](auto& c) { return c.sensitivity.has_value(); }},
      {0xBB, -1, 40, [](auto& c) { return c.gps.has_value(); }},
      {0xBC, -1, 10, [](auto& c) { return c.serial[0].has_value(); }},
      {0x8F, 0x15, 43, [](auto& c) { return c.datum.has_value(); }},
      {0x8F, 0x26, 5, [](auto& c) { return c.savedToFlash == 1; }},
      {0x8F, 0x4A, 16, [](auto& c) { return c.ppsCharacteristics.has_value(); }},
      {0x8F, 0x4E, 2, [](auto& c) { return c.ppsOutput.has_value(); }},
      {0x8F, 0xA5, 5, [](auto& c) { return c.packetMasks.has_value(); }},
      {0x8F, 0xA9, 11, [](auto& c) { return c.selfSurvey.has_value(); }},
  };
  for (const Case& c : cases) {
    for (std::size_t n : {c.length - 1, c.length + 1}) {
      Bytes payload = Sized(n);
      if (c.sub >= 0) payload[0] = static_cast<std::uint8_t>(c.sub);
      deliver(c.id, payload);
      EXPECT_TRUE(DescribeReport(c.id, payload).empty());
    }
    expectOnlyTheLamp();
    EXPECT_TRUE(prompter.boxes.empty());
    Bytes payload = Sized(c.length);
    if (c.sub >= 0) payload[0] = static_cast<std::uint8_t>(c.sub);
    deliver(c.id, payload);
    EXPECT_TRUE(c.stored(stored())) << std::hex << c.id << " " << c.sub;
    EXPECT_FALSE(DescribeReport(c.id, payload).empty());  // navbin-dump prints it
    EXPECT_TRUE(display.written().size() > 1 || prompter.boxes.size() == 1) << std::hex << c.id;
    state = {};
    display = {};
    prompter.boxes.clear();
  }
}

TEST_F(ConfigReportTest, IoOptionsGroupsAndMainWindowLabels) {
  struct Case {
    std::uint8_t position, velocity, timing;
    std::vector<int> items;  // Format AltOut AltIn Precision Velocity Timing PPSOutput
    const char* datumLabel;
    const char* timeMode;
  };
  const Case cases[] = {
      {0x16, 0x02, 0x21, {1, 1, 0, 1, 1, 1, 1}, "MSL", "UTC"},
      {0x0A, 0x01, 0x01, {1, 0, 1, 0, 0, 1, 0}, "HAE", "UTC"},
      {0x01, 0x01, 0x61, {0, 0, 0, 0, 0, 1, 1}, "", "UTC"},  // fix based wins over off
      {0x02, 0x02, 0x40, {1, 0, 0, 0, 1, 0, 2}, "HAE", "GPS"},
      {0x02, 0x02, 0x10, {1, 0, 0, 0, 1, 0, -1}, "HAE", "GPS"},  // other high bit: none
  };
  for (const Case& c : cases) {
    deliver(0x55, Payload().u8(c.position).u8(c.velocity).u8(c.timing).u8(0));
    std::vector<int> items;
    for (auto g : {RadioGroup_Format, RadioGroup_AltOut, RadioGroup_AltIn, RadioGroup_Precision,
                   RadioGroup_Velocity, RadioGroup_Timing, RadioGroup_PPSOutput}) {
      items.push_back(selected(Form::IOOptions, g));
    }
    EXPECT_EQ(items, c.items) << int(c.timing);
    EXPECT_EQ(mainText(Label_DatumMain), c.datumLabel);
    EXPECT_EQ(mainText(Label_TimeMode), c.timeMode);
  }
  EXPECT_EQ(display.main(Label_DatumMain).hint, "Height Above Ellipsoid (datum)");
}

TEST_F(ConfigReportTest, DatumGpsAndSerialSelections) {
  auto datum = [&](int index) { deliver(0x8F, Payload().u8(0x15).u16(index).zeros(40)); };
  datum(16);
  EXPECT_EQ(selected(Form::IOOptions, ComboBox_Datum), 16);
  EXPECT_EQ(mainText(Panel_Datum), "Adindan-Ethiopia");
  datum(180);
  EXPECT_EQ(selected(Form::IOOptions, ComboBox_Datum), -1);
  EXPECT_EQ(mainText(Panel_Datum), "");

  auto gps = [&](int mode, float elevation) {
    deliver(0xBB, Payload()
                      .u8(3)
                      .u8(mode)
                      .u8(2)
                      .u8(1)
                      .zeros(11)
                      .single(elevation)
                      .single(4)
                      .single(12)
                      .single(6.25f)
                      .zeros(4)
                      .u8(30)
                      .zeros(4));
  };
  gps(4, 0.0872665f);
  EXPECT_EQ(texts(Form::GPS, {Edit_EMask, Edit_SMask, Edit_PMask, Edit_PSwitch, Edit_DGPSAge}),
            (Strings{"5.0", "4.0", "12.0", "6.2", "30"}));
  EXPECT_EQ(selected(Form::GPS, ComboBox_RMode), 4);
  EXPECT_EQ(selected(Form::GPS, ComboBox_DifMode), 2);
  EXPECT_EQ(selected(Form::GPS, ComboBox_DCode), 1);
  gps(9, 0);
  EXPECT_EQ(selected(Form::GPS, ComboBox_RMode), -1);

  // Port 2 at 38400 8-O-1, NavTxt in, NMEA out; then two protocols at once.
  deliver(0xBC, Payload().u8(1).u8(9).u8(9).u8(3).u8(1).u8(0).u8(0).u8(1).u8(4).u8(0));
  std::vector<int> port2;
  for (auto c : {ComboBox_Port2BaudRate, ComboBox_Port2DataBits, ComboBox_Port2Parity,
                 ComboBox_Port2StopBits, ComboBox_Port2ProtocolIn, ComboBox_Port2ProtocolOut}) {
    port2.push_back(selected(Form::Serial, c));
  }
  EXPECT_EQ(port2, (std::vector<int>{4, 0, 1, 0, 1, 1}));
  EXPECT_FALSE(display.wasWritten(Form::Serial, ComboBox_Port1BaudRate));
  deliver(0xBC, Payload().u8(0).u8(4).u8(9).u8(2).u8(3).u8(2).u8(0).u8(3).u8(8).u8(0));
  EXPECT_EQ(selected(Form::Serial, ComboBox_Port1BaudRate), -1);     // code 4 is below the list
  EXPECT_EQ(selected(Form::Serial, ComboBox_Port1DataBits), -1);     // 7 bits are not offered
  EXPECT_EQ(selected(Form::Serial, ComboBox_Port1Parity), -1);       // code 3 names no parity
  EXPECT_EQ(selected(Form::Serial, ComboBox_Port1ProtocolIn), -1);   // NavTxt and NavBin
  EXPECT_EQ(selected(Form::Serial, ComboBox_Port1ProtocolOut), -1);  // RTCM is no output
  const int writes = display.writes();
  deliver(0xBC, Payload().u8(2).u8(9).zeros(8));  // no such panel
  EXPECT_EQ(display.writes(), writes + 1);        // the lamp only
}

TEST_F(ConfigReportTest, TimeLampFlashBoxAndOtherPorts) {
  ports[3].monitored = true;
  deliver(0x4E, {'Y'});
  EXPECT_EQ(display.colour(Form::InitialTime, Shape_TimeAccepted), Colour::Lime);
  deliver(0x4E, {'N'});
  EXPECT_EQ(display.colour(Form::InitialTime, Shape_TimeAccepted), Colour::Red);
  deliver(3, 0x4E, {'Y'});  // not the display port
  EXPECT_EQ(display.colour(Form::InitialTime, Shape_TimeAccepted), Colour::Red);

  deliver(3, 0x8F, Payload().u8(0x26).zeros(4));  // a monitored port confirms a save
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "Settings successfully saved to Flash.");
  EXPECT_EQ(prompter.boxes[0].caption, "Success");
  EXPECT_EQ(stored(3).savedToFlash, 1);

  // NavTxt and PPS characteristics of a monitored port are kept, not shown.
  deliver(3, 0x7F, Payload().u8(0).u8(0x1F).u16(60).zeros(16).u8('A').u8('B').u8('C').u8('D'));
  EXPECT_TRUE(stored(3).navTxt);
  EXPECT_FALSE(display.wasWritten(Form::NavTxt, Edit_VehID));
  deliver(0x7F, Payload().u8(0).u8(0x1F).u16(60).zeros(16).u8('A').u8('B').u8('C').u8('D'));
  EXPECT_EQ(text(Form::NavTxt, Edit_VehID), "ABCD");
  EXPECT_EQ(text(Form::NavTxt, Edit_TOH), "60");
  deliver(0x8F, Payload().u8(0x4A).u8(1).u8(0).u8(5).dbl(1.5e-6).single(300));
  EXPECT_EQ(texts(Form::PPSOutput, {Edit_Offset, Edit_Bias}), (Strings{"1.500e-06", "300.00"}));
  EXPECT_EQ(selected(Form::PPSOutput, ComboBox_Polarity), -1);
}

}  // namespace
}  // namespace navbin::reports::test
