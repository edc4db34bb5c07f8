// The receiver recordings, de-framed and dispatched as the display port.
// Expected texts were worked out from the bytes of the named packets (packet
// numbers count from 0 in de-framing order): singles and doubles decoded
// big-endian, radians times 57.29577866666166, metres of bias times 1e9 / c.
// The tracking window's cells are checked on the real window by the ui tests.

#include "tests/support/captures.h"
#include "protocol/wire/report_fields.h"
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
  // #211, 0x46 0000: doing fixes, all lights green.
  // #229, 0x4B 5a 00 01 and #230, 0x82 02.
  // #236, 0x5C: SV 0x16 on channel 8 (row 9), elevation 0x3f8f0e99 =
  // 1.1176 rad = 64.0 degrees, azimuth 0x3fd1fb52 = 1.6405 rad = 94.0 degrees.
  // #237, 0x6D 23 ... 16 09: code 3 is 2-D, 2 SVs (22 and 9), all DOPs zero.
  EXPECT_EQ(
      mainTexts({Panel_Week, Panel_Date, Panel_Health, Label_AntennaLed, Label_AlmanacLed,
                 Panel_DGPS, "Panel_SV9", "Panel_EL9", "Panel_AZ9", Panel_RecMode, Panel_PDOP}),
      (Strings{"1403", " Nov 26, 2006", "Doing fixes", "feed line OK", "complete && current",
               "Auto (Diff. currently off)", "22", "64.0", "94.0", "2-D  (2 SV)", "0.0"}));
  EXPECT_EQ(mainColour("Panel_SV9"), Colour::Lime);  // SV 22 is in the fix
  expectOnlyReportControls();
}

TEST_F(CaptureTest, NavigationReceiverTracking) {
  EXPECT_EQ(replay("nav-tracking.nvb"), 168);
  // #131, 0x41: week 1403, time of week 0x459ffc28 = 5119.52 s.
  // #154, 0x6D 43: 2-D with 4 SVs; PDOP 0x40a5e1dc = 5.18, TDOP 0x4002db2d = 2.04.
  // #165, 0x5C: SV 7, byte 1 0x58 is channel 11 (row 12), level 0x41e80000 = 29.0.
  EXPECT_EQ(
      mainTexts({Panel_Date, Panel_RecMode, Panel_PDOP, Panel_TDOP, "Panel_SV12", "Panel_AMU12"}),
      (Strings{" Nov 26, 2006", "2-D  (4 SV)", "5.2", "2.0", "7", "29.0"}));
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
  EXPECT_EQ(mainTexts({Panel_LatDeg, Panel_LatMin, Panel_NorthSouth, Panel_LonDeg, Panel_LonMin,
                       Panel_EastWest, Panel_Alt_Z, Panel_Time, Panel_TOW, Panel_Date,
                       Label_PanelVel, rows::Panel_Vel[1]}),
            (Strings{"20\xC2\xB0", "37.70575'", "N", "87\xC2\xB0", "4.05538'", "W", "12.9",
                     " Fri 04:10:27.00", "447027.00", " Dec 22, 2006", "ENU Velocity", "0.00"}));
  EXPECT_EQ(texts(Form::Bias, {Panel_Bias, Panel_BiasRate}), (Strings{"-48081.28", "411.34"}));
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
  EXPECT_EQ(mainTexts({Panel_X, Panel_Y, Panel_Alt_Z, Label_PanelPos, Panel_Week, Panel_Date,
                       Label_BBRAMLed, Panel_RecMode, Panel_PDOP, Panel_HDOP, Panel_VDOP,
                       Panel_TDOP, "Panel_SV11", "Panel_EL11", "Panel_AZ11"}),
            (Strings{"-2386050.15", "-3922195.88", "4414357.93", "ECEF Position", "2077",
                     " Nov 1, 2019", "not available at start", "2-D  (3 SV)", "3.9", "3.7", "1.0",
                     "0.9", "22", "73.8", "180.7"}));
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "-145152.67");
  // #173, 0x4B 5a 02 01: real-time clock not available at start.
  EXPECT_TRUE(mainColour(Shape_Err1) == Colour::Yellow && mainColour(Shape_Err3) == Colour::Yellow);
  expectOnlyReportControls();
}

TEST_F(CaptureTest, TimingReceivers) {
  // Only the primary and supplemental timing packets: shown (their texts are
  // checked on the real windows by the app tests), never stored.
  EXPECT_EQ(replay("timing-a.nvb"), 118);
  EXPECT_EQ(mainColour(Shape_RxLED), Colour::Lime);
  EXPECT_TRUE(display.main(Panel_SuperTOW).visible && !display.main(Panel_TOW).visible);
  EXPECT_EQ(state.globals.gpsTime, 0.0);
  EXPECT_EQ(state.receivers[0].position.latitude, 0.0);
  expectOnlyReportControls();

  EXPECT_EQ(replay("timing-b.nvb"), 125);
  // #119, 0x46 bb 01: status 0xBB is past the table. #108, 0x6D ad: code 5
  // shows 4-D, 10 SVs. #118, 0x5C: SV 23 on channel 9. #120, 0x4B 00 02 02.
  EXPECT_EQ(mainTexts({Panel_Health, Panel_RecMode, Panel_TDOP, "Panel_SV10", Label_RTCLed}),
            (Strings{"Invalid Status", "4-D  (10 SV)", "1.0", "23", "not available at start"}));
  EXPECT_EQ(mainColour(Shape_Err1), Colour::Yellow);
  EXPECT_EQ(mainColour("Panel_SV10"), Colour::Lime);  // SV 23 is in the fix
  expectOnlyReportControls();
}

// ReceiverState members under the names navbin-dump prints them with; a
// `single` member holds the float of a value the dump prints in double.
using R = ReceiverState;
struct StoredField {
  const char* name;
  double (*get)(const R&);
  bool single = false;
};
const StoredField kStored[] = {
    {"latitude", [](const R& r) -> double { return r.position.latitude; }},
    {"longitude", [](const R& r) -> double { return r.position.longitude; }},
    {"altitude", [](const R& r) -> double { return r.position.altitude; }},
    {"clockBias", [](const R& r) -> double { return r.position.clockBias; }},
    {"timeOfFix", [](const R& r) -> double { return r.position.timeOfFix; }},
    {"x", [](const R& r) -> double { return r.position.x; }},
    {"y", [](const R& r) -> double { return r.position.y; }},
    {"z", [](const R& r) -> double { return r.position.z; }},
    {"velX", [](const R& r) -> double { return r.velocity.velX; }},
    {"velY", [](const R& r) -> double { return r.velocity.velY; }},
    {"velZ", [](const R& r) -> double { return r.velocity.velZ; }},
    {"velEast", [](const R& r) -> double { return r.velocity.velEast; }},
    {"velNorth", [](const R& r) -> double { return r.velocity.velNorth; }},
    {"velUp", [](const R& r) -> double { return r.velocity.velUp; }},
    {"biasRate", [](const R& r) -> double { return r.velocity.biasRate; }, true},
    {"fixMode", [](const R& r) -> double { return r.fixMode; }},
    {"pdop", [](const R& r) -> double { return r.pdop; }},
    {"hdop", [](const R& r) -> double { return r.hdop; }},
    {"vdop", [](const R& r) -> double { return r.vdop; }},
    {"tdop", [](const R& r) -> double { return r.tdop; }},
    {"statusCode", [](const R& r) -> double { return r.statusCode; }},
    {"errorBits", [](const R& r) -> double { return r.errorBits; }},
    {"statusBits", [](const R& r) -> double { return r.statusBits; }},
    {"dgpsMode", [](const R& r) -> double { return r.dgpsMode; }},
};

double AsNumber(const ReportField& f) {
  if (auto* d = std::get_if<double>(&f.value)) return *d;
  if (auto* single = std::get_if<float>(&f.value)) return *single;
  return static_cast<double>(std::get<std::int64_t>(f.value));
}

// Every decoded packet of every recording has fields, and the monitor stores
// exactly the values navbin-dump prints for it.
TEST_F(CaptureTest, TheMonitorStoresWhatNavbinDumpPrints) {
  int compared = 0;
  for (const auto& c : support::KnownCaptures()) {
    for (const auto& p : support::Deframe(support::ReadCapture(c.file))) {
      deliver(p.id, p.payload);
      const auto fields = DescribeReport(p.id, p.payload);
      const bool undecoded = p.id == 0 || (p.id == 0x8F && p.payload.at(0) == 0x20);
      EXPECT_EQ(fields.empty(), undecoded) << c.file << " " << p.id;
      if (p.id == 0x8F) continue;  // the timing packets are shown, not stored
      for (const ReportField& f : fields) {
        const bool velocity = p.id == 0x43 || p.id == 0x56;
        if (velocity && f.name == "timeOfFix") continue;  // the monitor keeps only the position's
        for (const StoredField& stored : kStored) {
          if (f.name != stored.name) continue;
          double dumped = AsNumber(f);
          if (stored.single) dumped = static_cast<float>(dumped);
          EXPECT_EQ(stored.get(state.receivers[0]), dumped) << c.file << " " << f.name;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace navbin::reports::test
