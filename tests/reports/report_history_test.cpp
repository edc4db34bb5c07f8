// The history behind the sky and series charts: fed through the dispatcher's
// observer, one point per second of fix time in a ring that stays bounded,
// the sky kept per channel, and the geometry and CSV the window uses.

#include <cmath>
#include <filesystem>
#include <sstream>

#include "protocol/history/chart_geometry.h"
#include "protocol/history/report_history.h"
#include "protocol/history/series_csv.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

constexpr double kRad = 0.017453292519943295;

Bytes Tracking(int sv, int channel, float level, double elevation, double azimuth) {
  const auto e = float(elevation * kRad), a = float(azimuth * kRad);
  Payload p;
  p.u8(sv).u8(channel << 3).zeros(2).single(level).zeros(4);
  return p.single(e).single(a).zeros(4);
}

Bytes Lla(float biasMetres, float timeOfFix) {
  return Payload().single(0.5f).single(-1.0f).single(100).single(biasMetres).single(timeOfFix);
}

Bytes Xyz(float timeOfFix) {
  return Payload().single(1).single(2).single(3).single(timeOfFix);
}

class HistoryTest : public ReportTest {
 protected:
  HistoryTest() {
    ports[4].monitored = true;
    dispatcher.addReportObserver(
        [this](const link::PortContext& port, const ReceiverState& receiver) {
          history.observe(port, receiver);
        });
  }
  const BoundedRing<SeriesPoint>& series(int port = 0) const {
    return history.port(static_cast<std::size_t>(port)).series;
  }
  ReportHistory history;
};

TEST_F(HistoryTest, OnePointPerSecondOfFixTimeFromTheStateAtThatFix) {
  // PDOP 2.5, HDOP 1.5, 7 SVs; then fixes at 100.0, 100.5 (same second: it
  // replaces the point), 101 by 0x42 (carries the last bias on).
  deliver(0x6D, Payload().u8(0x74).single(2.5f).single(1.5f).single(1).single(1).u8(3));
  deliver(0x4A, Lla(3.0f, 100.0f));
  deliver(0x4A, Lla(6.0f, 100.5f));
  deliver(0x42, Xyz(101.0f));
  deliver(0x4A, Lla(1.0f, NAN));       // no time: no point
  deliver(0x4A, Bytes(19));            // wrong length
  deliver(4, 0x4A, Lla(9.0f, 50.0f));  // monitored port: its own series
  deliver(5, 0x4A, Lla(9.0f, 50.0f));  // neither monitored nor shown
  ASSERT_EQ(series().size(), 2u);
  EXPECT_FLOAT_EQ(series()[0].timeOfFix, 100.5f);
  EXPECT_NEAR(series()[0].clockBias, MetresToNanoseconds(6.0f), 1e-9);
  EXPECT_EQ(series()[1].timeOfFix, 101.0f);
  EXPECT_NEAR(series()[1].clockBias, MetresToNanoseconds(6.0f), 1e-9);
  EXPECT_FLOAT_EQ(series()[1].pdop, 2.5f);
  EXPECT_FLOAT_EQ(series()[1].hdop, 1.5f);
  EXPECT_EQ(series()[1].svsUsed, 7);
  EXPECT_EQ(series(4).size(), 1u);
  EXPECT_TRUE(series(5).empty());

  std::ostringstream csv;
  WriteSeriesCsv(csv, series());
  EXPECT_EQ(csv.str().rfind(std::string(kSeriesCsvHeader) + "\n100.5,00:01:40,", 0), 0u);
  EXPECT_NE(csv.str().find(",0,2.5,1.5,7\n101,00:01:41,"), std::string::npos) << csv.str();
  EXPECT_EQ(SaveSeriesCsv("/nonexistent-folder/series.csv", series()), -1);
}

TEST_F(HistoryTest, SkyKeepsTheLastReportOfEachChannelAndDropsBadOnes) {
  deliver(0x5C, Tracking(14, 2, 12.5f, 45, 90));
  deliver(0x5C, Tracking(22, 2, 8.0f, 10, 200));  // the channel now tracks SV 22
  deliver(0x5C, Tracking(5, 12, 1, 1, 1));        // channel 12 does not exist
  deliver(0x5C, Bytes(23));                       // wrong length
  const auto& sky = history.port(0).sky;
  EXPECT_TRUE(sky[2].reported);
  EXPECT_EQ(sky[2].sv, 22);
  EXPECT_NEAR(sky[2].elevation, 10, 1e-4);
  EXPECT_NEAR(sky[2].azimuth, 200, 1e-4);
  EXPECT_FLOAT_EQ(static_cast<float>(sky[2].level), 8.0f);
  for (std::size_t k = 0; k < sky.size(); ++k) EXPECT_EQ(sky[k].reported, k == 2) << k;
}

TEST(SeriesRing, StaysWithinItsCapacityAndKeepsTheNewest) {
  BoundedRing<int> ring(1000);
  for (int i = 0; i < 1000; ++i) ring.push(i);
  const std::size_t full = ring.bytesHeld();
  EXPECT_EQ(full, 1000 * sizeof(int));  // grown to the capacity, not past it
  for (int i = 1000; i < 5500; ++i) ring.push(i);
  EXPECT_EQ(ring.bytesHeld(), full);
  ASSERT_EQ(ring.size(), 1000u);
  EXPECT_EQ(ring[0], 4500);
  EXPECT_EQ(ring.newest(), 5499);
}

TEST(ChartGeometry, PolarPlaceNorthUpAndTimeOfDay) {
  struct Case {
    double elevation, azimuth, dx, dy;
  };
  const Case cases[] = {
      {90, 123, 0, 0},   {0, 0, 0, -90},  {0, 90, 90, 0}, {30, 180, 0, 60},
      {60, 270, -30, 0}, {-5, 0, 0, -90}, {95, 45, 0, 0}, {45, 45, 31.82, -31.82},
  };
  for (const Case& c : cases) {
    const auto at = SkyPlace(c.elevation, c.azimuth, 90);
    ASSERT_TRUE(at) << c.elevation << " " << c.azimuth;
    EXPECT_NEAR(at->dx, c.dx, 0.01) << c.elevation << " " << c.azimuth;
    EXPECT_NEAR(at->dy, c.dy, 0.01) << c.elevation << " " << c.azimuth;
  }
  EXPECT_FALSE(SkyPlace(NAN, 0, 90));
  EXPECT_FALSE(SkyPlace(10, INFINITY, 90));

  EXPECT_EQ(TimeOfDayText(0), "00:00:00");
  EXPECT_EQ(TimeOfDayText(86400 * 3 + 3723.9), "01:02:03");
  EXPECT_EQ(TimeOfDayText(-60), "23:59:00");
  EXPECT_EQ(TimeOfDayText(NAN), "--:--:--");
  EXPECT_DOUBLE_EQ(AgeOf(10, 604790), 20);  // across the week rollover
}

}  // namespace
}  // namespace navbin::reports::test
