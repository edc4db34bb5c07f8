// The receiver recordings, de-framed and dispatched as the display port.
// Expected texts were worked out from the bytes of the named packets (packet
// numbers count from 0 in de-framing order): singles and doubles decoded
// big-endian, radians times 57.29577866666166, metres of bias times 1e9 / c.

#include <fstream>
#include <iterator>

#include "link/framing.h"
#include "protocol/reports/age_channels.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/report_fields.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using namespace names;

class CaptureTest : public ReportTest {
 protected:
  // Feeds the whole recording to a de-framer and dispatches every packet.
  int replay(const std::string& name) {
    std::ifstream in(std::string(NAVBIN_CAPTURES_DIR) + "/" + name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    EXPECT_FALSE(bytes.empty()) << name;
    link::Deframer deframer;
    int packets = 0;
    for (std::uint8_t b : bytes) {
      if (!deframer.feed(b)) continue;
      ++packets;
      const auto payload = deframer.payload();
      deliver(deframer.packetId, {payload.begin(), payload.end()});
    }
    return packets;
  }

  void expectOnlyReportControls() const {
    for (const auto& [form, name] : display.written()) {
      EXPECT_TRUE(IsReportControl(form, name)) << static_cast<int>(form) << " " << name;
    }
  }
};

TEST_F(CaptureTest, NavigationReceiverWithThreeDimensionalFixes) {
  EXPECT_EQ(replay("nav-3d-tracking.nvb"), 238);
  // #210, 0x41 46c46edc 057b 41600000: week 1403 (before the rollover),
  // time of week 25143.43 s: 26 November 2006.
  EXPECT_EQ(mainText(Panel_Week), "1403");
  EXPECT_EQ(mainText(Panel_Date), " Nov 26, 2006");
  EXPECT_EQ(state.globals.gpsTime, 1403 * 604800.0 + 25143.4296875);
  // #211, 0x46 0000: doing fixes, all lights green.
  EXPECT_EQ(mainText(Panel_Health), "Doing fixes");
  EXPECT_EQ(mainText(Label_AntennaLed), "feed line OK");
  // #229, 0x4B 5a 00 01 and #230, 0x82 02.
  EXPECT_EQ(mainText(Label_AlmanacLed), "complete && current");
  EXPECT_EQ(mainText(Panel_DGPS), "Auto (Diff. currently off)");
  // #236, 0x5C: SV 0x16, byte 1 0x40 is channel 8 (row 9), level 0x421c0000 = 39.0,
  // time 0x46c478f7 = 25148.48, elevation 0x3f8f0e99 = 1.1176 rad = 64.0 degrees,
  // azimuth 0x3fd1fb52 = 1.6405 rad = 94.0 degrees.
  EXPECT_EQ(text(Form::Track, "Panel_SV9"), "22");
  EXPECT_EQ(text(Form::Track, "Panel_Amu9"), "39.0");
  EXPECT_EQ(text(Form::Track, "Panel_Time9"), "25148.5");
  EXPECT_EQ(mainText("Panel_EL9"), "64.0");
  EXPECT_EQ(mainText("Panel_AZ9"), "94.0");
  // #237, 0x6D 23 ... 16 09: code 3 is 2-D, 2 SVs (22 and 9), all DOPs zero.
  EXPECT_EQ(mainText(Panel_RecMode), "2-D  (2 SV)");
  EXPECT_EQ(text(Form::Track, Panel_SVSel), "  22   9");
  EXPECT_EQ(mainText(Panel_PDOP), "0.0");
  // SV 22 is in the fix: its channel panel is green.
  EXPECT_EQ(mainColour("Panel_SV9"), Colour::Lime);
  expectOnlyReportControls();
}

TEST_F(CaptureTest, NavigationReceiverTracking) {
  EXPECT_EQ(replay("nav-tracking.nvb"), 168);
  // #131, 0x41: week 1403, time of week 0x459ffc28 = 5119.52 s.
  EXPECT_EQ(mainText(Panel_Date), " Nov 26, 2006");
  // #154, 0x6D 43: 2-D with 4 SVs; PDOP 0x40a5e1dc = 5.18, VDOP 0x3d117e05 = 0.036,
  // TDOP 0x4002db2d = 2.04; SVs 02 0a 1e 18.
  EXPECT_EQ(mainText(Panel_RecMode), "2-D  (4 SV)");
  EXPECT_EQ(text(Form::Track, Panel_PDOP), "5.2");
  EXPECT_EQ(text(Form::Track, Panel_VDOP), "0.0");
  EXPECT_EQ(text(Form::Track, Panel_TDOP), "2.0");
  EXPECT_EQ(text(Form::Track, Panel_SVSel), "   2  10  30  24");
  // #165, 0x5C: SV 7, byte 1 0x58 is channel 11 (row 12), never acquired (yellow),
  // ephemeris 3 (green), level 0x41e80000 = 29.0, azimuth 0x40a5ba34 = 296.7 degrees.
  EXPECT_EQ(mainText("Panel_SV12"), "7");
  EXPECT_EQ(display.colour(Form::Track, "Shape_Acq12"), Colour::Yellow);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Eph12"), Colour::Lime);
  EXPECT_EQ(mainText("Panel_AMU12"), "29.0");
  EXPECT_EQ(text(Form::Track, "Panel_Azim12"), "296.7");
  expectOnlyReportControls();
}

TEST_F(CaptureTest, DoublePrecisionLla) {
  // #0 is a packet of id 0 with no payload: dropped.
  EXPECT_EQ(replay("nav-lla-double.nvb"), 188);
  // #184, 0x84: latitude 0x3fd70acc18daaa6f = 0.36004 rad = 20.628429 degrees,
  // 0.628429 * 60 = 37.70575 minutes; longitude 0xbff850590223b45e = -1.51961 rad
  // = -87.067590 degrees: 87, 4.05538 minutes, west; altitude 0x4029bfa9cb780000
  // = 12.874 m; bias 0xc0cc2733f729f240 = -14414.4 m = -48081.28 ns;
  // time of fix 0x48da4660 = 447027.0 s, Friday 04:10:27.
  EXPECT_EQ(mainText(Panel_LatDeg), "20\xC2\xB0");
  EXPECT_EQ(mainText(Panel_LatMin), "37.70575'");
  EXPECT_EQ(mainText(Panel_NorthSouth), "N");
  EXPECT_EQ(mainText(Panel_LonDeg), "87\xC2\xB0");
  EXPECT_EQ(mainText(Panel_LonMin), "4.05538'");
  EXPECT_EQ(mainText(Panel_EastWest), "W");
  EXPECT_EQ(mainText(Panel_Alt_Z), "12.9");
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "-48081.28");
  EXPECT_EQ(mainText(Panel_Time), " Fri 04:10:27.00");
  EXPECT_EQ(mainText(Panel_TOW), "447027.00");
  EXPECT_TRUE(display.get(Form::Main, Panel_LatDeg).visible);
  // #179, 0x41: week 0x057e = 1406, time of week 447026.44 s: 22 December 2006.
  EXPECT_EQ(mainText(Panel_Date), " Dec 22, 2006");
  // #185, 0x56: no velocity, bias rate 0x42f6a25d = 123.317 m/s = 411.34 ns/s.
  EXPECT_EQ(mainText(Label_PanelVel), "ENU Velocity");
  EXPECT_EQ(mainText(rows::Panel_Vel[1]), "0.00");
  EXPECT_EQ(text(Form::Bias, Panel_BiasRate), "411.34");
  EXPECT_EQ(state.globals.deltaReferenceSet, 1);
  expectOnlyReportControls();
}

TEST_F(CaptureTest, DoublePrecisionXyzTwoDimensional) {
  EXPECT_EQ(replay("nav-xyz-double-2d.nvb"), 198);
  // #184, 0x83: X 0xc142344112db87fa = -2386050.147 m, Y 0xc14dec89f1003d2a
  // = -3922195.876 m, Z 0x4150d6e57bb78082 = 4414357.933 m, bias
  // 0xc0e53f7594f91720 = -43515.7 m = -145152.67 ns.
  EXPECT_EQ(mainText(Panel_X), "-2386050.15");
  EXPECT_EQ(mainText(Panel_Y), "-3922195.88");
  EXPECT_EQ(mainText(Panel_Alt_Z), "4414357.93");
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "-145152.67");
  EXPECT_EQ(mainText(Label_PanelPos), "ECEF Position");
  // #171, 0x41: week 0x081d = 2077, time of week 517103.44 s: 1 November 2019.
  EXPECT_EQ(mainText(Panel_Week), "2077");
  EXPECT_EQ(mainText(Panel_Date), " Nov 1, 2019");
  // #172, 0x46 00 01: battery-backed memory not available at start.
  EXPECT_EQ(mainColour(Shape_Err1), Colour::Yellow);
  EXPECT_EQ(mainText(Label_BBRAMLed), "not available at start");
  // #173, 0x4B 5a 02 01: real-time clock not available at start.
  EXPECT_EQ(mainColour(Shape_Err3), Colour::Yellow);
  // #186, 0x6D 33: 2-D with 3 SVs; PDOP 0x40779ad7 = 3.87, HDOP 3.74,
  // VDOP 0x3f7f36fd = 0.997, TDOP 0x3f6c54b3 = 0.923.
  EXPECT_EQ(mainText(Panel_RecMode), "2-D  (3 SV)");
  EXPECT_EQ(mainText(Panel_PDOP), "3.9");
  EXPECT_EQ(mainText(Panel_HDOP), "3.7");
  EXPECT_EQ(mainText(Panel_VDOP), "1.0");
  EXPECT_EQ(mainText(Panel_TDOP), "0.9");
  EXPECT_EQ(text(Form::Track, Panel_SVSel), "   3  31   1");
  // #197, 0x5C: SV 22 on channel 10 (byte 1 0x50), elevation 0x3fa4cb0e = 73.8
  // degrees, azimuth 0x4049d6a8 = 180.7 degrees.
  EXPECT_EQ(mainText("Panel_SV11"), "22");
  EXPECT_EQ(mainText("Panel_EL11"), "73.8");
  EXPECT_EQ(mainText("Panel_AZ11"), "180.7");
  expectOnlyReportControls();
}

TEST_F(CaptureTest, TimingReceiverSuperPacketsOnly) {
  EXPECT_EQ(replay("timing-a.nvb"), 118);
  // Only the primary and supplemental timing packets: the lamp is all that moves here.
  EXPECT_EQ(mainColour(Shape_RxLED), Colour::Lime);
  EXPECT_EQ(display.written().size(), 1u);
  EXPECT_EQ(state.globals.gpsTime, 0.0);
}

TEST_F(CaptureTest, TimingReceiverWithTracking) {
  EXPECT_EQ(replay("timing-b.nvb"), 125);
  // #119, 0x46 bb 01: status 0xBB is past the table.
  EXPECT_EQ(mainText(Panel_Health), "Invalid Status");
  EXPECT_EQ(mainColour(Shape_Err1), Colour::Yellow);
  // #108, 0x6D ad: code 5 shows 4-D, 10 SVs: 16 14 29 3 26 23 22 31 32 25.
  EXPECT_EQ(mainText(Panel_RecMode), "4-D  (10 SV)");
  EXPECT_EQ(text(Form::Track, Panel_SVSel), "  16  14  29   3  26  23  22  31  32  25");
  EXPECT_EQ(mainText(Panel_TDOP), "1.0");
  // #118, 0x5C: SV 23 on channel 9, azimuth 0x40ab760e = 307.0 degrees.
  EXPECT_EQ(mainText("Panel_SV10"), "23");
  EXPECT_EQ(text(Form::Track, "Panel_Azim10"), "307.0");
  EXPECT_EQ(mainColour("Panel_SV10"), Colour::Lime);  // SV 23 is in the fix
  // #120, 0x4B 00 02 02.
  EXPECT_EQ(mainText(Label_RTCLed), "not available at start");
  expectOnlyReportControls();
}

TEST_F(CaptureTest, RecordingsAsMonitoredPortsStayOutOfTheWindows) {
  shell.displayPort = 9;
  ports[0].monitored = true;
  for (const char* name :
       {"nav-3d-tracking.nvb", "nav-lla-double.nvb", "nav-xyz-double-2d.nvb", "timing-b.nvb"}) {
    replay(name);
  }
  EXPECT_EQ(display.writes(), 0);
  EXPECT_EQ(state.receivers[0].statusCode, 0xBB);
  EXPECT_NE(state.receivers[0].position.x, 0.0);
  EXPECT_NE(state.receivers[0].position.latitude, 0.0);
}

TEST_F(CaptureTest, EveryDecodedPacketHasFields) {
  for (const char* name :
       {"nav-3d-tracking.nvb", "nav-tracking.nvb", "nav-lla-double.nvb", "nav-xyz-double-2d.nvb"}) {
    std::ifstream in(std::string(NAVBIN_CAPTURES_DIR) + "/" + name, std::ios::binary);
    link::Deframer deframer;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
      if (!deframer.feed(static_cast<std::uint8_t>(*it))) continue;
      const bool decoded = deframer.packetId != 0 && deframer.packetId != 0x8F;
      EXPECT_EQ(!DescribeReport(deframer.packetId, deframer.payload()).empty(), decoded)
          << name << " " << deframer.packetId;
    }
  }
}

}  // namespace
}  // namespace navbin::reports::test
