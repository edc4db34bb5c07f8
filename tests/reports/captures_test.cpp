// The receiver recordings, de-framed and dispatched as the display port.
// Expected texts were worked out from the bytes of the named packets (packet
// numbers count from 0 in de-framing order): singles and doubles decoded
// big-endian, radians times 57.29577866666166, metres of bias times 1e9 / c.
// The tracking window's cells are checked on the real window by the ui tests.

#include "tests/support/captures.h"
#include "protocol/reports/report_fields.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

class CaptureTest : public ReportTest {
 protected:
  // Dispatches every packet of the recording; returns how many there were.
  int replay(const std::string& name) {
    const auto packets = support::Deframe(support::ReadCapture(name));
    for (const auto& p : packets) deliver(p.id, p.payload);
    return static_cast<int>(packets.size());
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
  EXPECT_EQ(state.globals.gpsTime, 1403 * 604800.0 + 25143.4296875);
  expectMain({{Panel_Week, "1403"},
              {Panel_Date, " Nov 26, 2006"},
              // #211, 0x46 0000: doing fixes, all lights green.
              {Panel_Health, "Doing fixes"},
              {Label_AntennaLed, "feed line OK"},
              // #229, 0x4B 5a 00 01 and #230, 0x82 02.
              {Label_AlmanacLed, "complete && current"},
              {Panel_DGPS, "Auto (Diff. currently off)"},
              // #236, 0x5C: SV 0x16 on channel 8 (row 9), elevation 0x3f8f0e99 =
              // 1.1176 rad = 64.0 degrees, azimuth 0x3fd1fb52 = 1.6405 rad = 94.0 degrees.
              {"Panel_SV9", "22"},
              {"Panel_EL9", "64.0"},
              {"Panel_AZ9", "94.0"},
              // #237, 0x6D 23 ... 16 09: code 3 is 2-D, 2 SVs (22 and 9), all DOPs zero.
              {Panel_RecMode, "2-D  (2 SV)"},
              {Panel_PDOP, "0.0"}});
  EXPECT_EQ(mainColour("Panel_SV9"), Colour::Lime);  // SV 22 is in the fix
  expectOnlyReportControls();
}

TEST_F(CaptureTest, NavigationReceiverTracking) {
  EXPECT_EQ(replay("nav-tracking.nvb"), 168);
  // #131, 0x41: week 1403, time of week 0x459ffc28 = 5119.52 s.
  // #154, 0x6D 43: 2-D with 4 SVs; PDOP 0x40a5e1dc = 5.18, TDOP 0x4002db2d = 2.04.
  // #165, 0x5C: SV 7, byte 1 0x58 is channel 11 (row 12), level 0x41e80000 = 29.0.
  expectMain({{Panel_Date, " Nov 26, 2006"},
              {Panel_RecMode, "2-D  (4 SV)"},
              {Panel_PDOP, "5.2"},
              {Panel_TDOP, "2.0"},
              {"Panel_SV12", "7"},
              {"Panel_AMU12", "29.0"}});
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
  // #179, 0x41: week 0x057e = 1406, time of week 447026.44 s: 22 December 2006.
  // #185, 0x56: no velocity, bias rate 0x42f6a25d = 123.317 m/s = 411.34 ns/s.
  expectMain({{Panel_LatDeg, "20\xC2\xB0"},
              {Panel_LatMin, "37.70575'"},
              {Panel_NorthSouth, "N"},
              {Panel_LonDeg, "87\xC2\xB0"},
              {Panel_LonMin, "4.05538'"},
              {Panel_EastWest, "W"},
              {Panel_Alt_Z, "12.9"},
              {Panel_Time, " Fri 04:10:27.00"},
              {Panel_TOW, "447027.00"},
              {Panel_Date, " Dec 22, 2006"},
              {Label_PanelVel, "ENU Velocity"},
              {rows::Panel_Vel[1], "0.00"}});
  expectTexts(Form::Bias, {{Panel_Bias, "-48081.28"}, {Panel_BiasRate, "411.34"}});
  EXPECT_TRUE(display.main(Panel_LatDeg).visible);
  EXPECT_EQ(state.globals.deltaReferenceSet, 1);
  expectOnlyReportControls();
}

TEST_F(CaptureTest, DoublePrecisionXyzTwoDimensional) {
  EXPECT_EQ(replay("nav-xyz-double-2d.nvb"), 198);
  // #184, 0x83: X 0xc142344112db87fa = -2386050.147 m, Y 0xc14dec89f1003d2a
  // = -3922195.876 m, Z 0x4150d6e57bb78082 = 4414357.933 m, bias
  // 0xc0e53f7594f91720 = -43515.7 m = -145152.67 ns.
  // #171, 0x41: week 0x081d = 2077, time of week 517103.44 s: 1 November 2019.
  // #172, 0x46 00 01: battery-backed memory not available at start.
  // #186, 0x6D 33: 2-D with 3 SVs; PDOP 0x40779ad7 = 3.87, HDOP 3.74,
  // VDOP 0x3f7f36fd = 0.997, TDOP 0x3f6c54b3 = 0.923.
  // #197, 0x5C: SV 22 on channel 10, elevation 0x3fa4cb0e = 73.8 degrees.
  expectMain({{Panel_X, "-2386050.15"},
              {Panel_Y, "-3922195.88"},
              {Panel_Alt_Z, "4414357.93"},
              {Label_PanelPos, "ECEF Position"},
              {Panel_Week, "2077"},
              {Panel_Date, " Nov 1, 2019"},
              {Label_BBRAMLed, "not available at start"},
              {Panel_RecMode, "2-D  (3 SV)"},
              {Panel_PDOP, "3.9"},
              {Panel_HDOP, "3.7"},
              {Panel_VDOP, "1.0"},
              {Panel_TDOP, "0.9"},
              {"Panel_SV11", "22"},
              {"Panel_EL11", "73.8"},
              {"Panel_AZ11", "180.7"}});
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "-145152.67");
  // #173, 0x4B 5a 02 01: real-time clock not available at start.
  EXPECT_TRUE(mainColour(Shape_Err1) == Colour::Yellow && mainColour(Shape_Err3) == Colour::Yellow);
  expectOnlyReportControls();
}

TEST_F(CaptureTest, TimingReceivers) {
  // Only the primary and supplemental timing packets: the lamp is all that moves.
  EXPECT_EQ(replay("timing-a.nvb"), 118);
  EXPECT_EQ(mainColour(Shape_RxLED), Colour::Lime);
  expectOnlyTheLamp();
  EXPECT_EQ(state.globals.gpsTime, 0.0);

  EXPECT_EQ(replay("timing-b.nvb"), 125);
  // #119, 0x46 bb 01: status 0xBB is past the table. #108, 0x6D ad: code 5
  // shows 4-D, 10 SVs. #118, 0x5C: SV 23 on channel 9. #120, 0x4B 00 02 02.
  expectMain({{Panel_Health, "Invalid Status"},
              {Panel_RecMode, "4-D  (10 SV)"},
              {Panel_TDOP, "1.0"},
              {"Panel_SV10", "23"},
              {Label_RTCLed, "not available at start"}});
  EXPECT_EQ(mainColour(Shape_Err1), Colour::Yellow);
  EXPECT_EQ(mainColour("Panel_SV10"), Colour::Lime);  // SV 23 is in the fix
  expectOnlyReportControls();
}

TEST_F(CaptureTest, EveryDecodedPacketHasFields) {
  for (const auto& c : support::KnownCaptures()) {
    for (const auto& p : support::Deframe(support::ReadCapture(c.file))) {
      const bool decoded = p.id != 0 && p.id != 0x8F;
      EXPECT_EQ(!DescribeReport(p.id, p.payload).empty(), decoded) << c.file << " " << p.id;
    }
  }
}

}  // namespace
}  // namespace navbin::reports::test
