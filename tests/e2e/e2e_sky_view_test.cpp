// The "Sky and Signals" window against a simulated receiver for about ten
// seconds: while hidden it keeps up with the display port; its picture shows
// every tracked satellite where its 0x5C report puts it (two isolated ones are
// checked by the fill colour at the computed pixel), and the saved CSV has
// one row per second of fix with the values of the reports received.
// Pictures and data stay under the build tree (e2e/sky_view/).

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <cmath>
#include <fstream>
#include <map>

#include "protocol/history/chart_geometry.h"
#include "protocol/history/series_csv.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/report_position_lla.h"
#include "protocol/wire/units.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/packets.h"
#include "ui/forms/sky_view_form.h"
#include "ui/widgets/colours.h"

namespace navbin::e2e {
namespace {

using reports::Form;
using std::chrono::milliseconds;

double Field(const support::Packet& p, const char* name) {
  for (const auto& f : reports::DescribeReport(p.id, p.payload)) {
    if (f.name != name) continue;
    if (auto* d = std::get_if<double>(&f.value)) return *d;
    if (auto* s = std::get_if<float>(&f.value)) return *s;
    if (auto* i = std::get_if<std::int64_t>(&f.value)) return double(*i);
  }
  return NAN;
}

struct Row {
  double time, bias, pdop, hdop;
  int svs;
};

// The rows the received reports make: a position report closes the second,
// carrying the last bias and the last DOPs and SV count.
std::vector<Row> RowsOf(const std::vector<support::Packet>& packets) {
  std::vector<Row> rows;
  Row now{};
  for (const auto& p : packets) {
    if (p.id == 0x6D) {
      now.pdop = Field(p, "pdop");
      now.hdop = Field(p, "hdop");
      now.svs = static_cast<int>(Field(p, "svCount"));
    }
    if (p.id != 0x4A && p.id != 0x84 && p.id != 0x83 && p.id != 0x42) continue;
    if (p.id != 0x42) now.bias = Field(p, "clockBias");
    if (p.id == 0x4A) {  // kept in double, not as the dump's float
      now.bias = reports::MetresToNanoseconds(reports::ParseLlaPosition(p.payload)->clockBias);
    }
    now.time = Field(p, "timeOfFix");
    if (!rows.empty() && std::floor(rows.back().time) == std::floor(now.time)) rows.pop_back();
    rows.push_back(now);
  }
  return rows;
}

struct SkyMark {
  int sv;
  QPointF at;
};

TEST(E2eSkyView, SkyPlotAndSeriesFollowTheDisplayPortWhileHidden) {
  const std::string folder = WorkFolder("sky_view");
  ReceiverTap tap{23};
  ASSERT_TRUE(tap.ok());
  main_form_testing::FixedClock clock;
  LiveApp app(tap.slavePath(), clock);
  ASSERT_TRUE(app.start());
  std::vector<support::Packet> received;
  app.core.reports.globals.rawLogActive = 1;
  app.core.dispatcher.setRawPacketWriter([&](int id, const std::uint8_t* p, std::size_t n) {
    received.push_back({id, support::Bytes(p, p + n)});
  });
  auto* form = qobject_cast<ui::TForm_SkyView*>(app.window(Form::SkyView));
  ASSERT_NE(form, nullptr);
  const reports::PortHistory& history = app.core.history.port(0);
  EXPECT_TRUE(app.runUntil(tap, milliseconds(30000), [&] {
    return history.series.size() >= 10 && history.sky[7].reported;  // 8 to 12 channels in use
  }));
  EXPECT_FALSE(form->isVisible());
  ASSERT_TRUE(form->savePicture(folder + "/sky_hidden.png"));
  ASSERT_TRUE(form->saveData(folder + "/series.csv"));
  app.form->menus->WindowSkyView->trigger();
  QCoreApplication::processEvents();
  EXPECT_TRUE(form->isVisible());
  ASSERT_TRUE(form->savePicture(folder + "/sky.png"));

  // The last 0x5C of each channel, placed as the plot places it.
  std::map<int, SkyMark> marks;
  const QPointF origin = form->Chart_Sky->mapTo(form, QPoint(0, 0));
  for (const auto& p : received) {
    if (p.id != 0x5C) continue;
    const auto at =
        reports::SkyPlace(Field(p, "elevation"), Field(p, "azimuth"), form->Chart_Sky->radius());
    ASSERT_TRUE(at);
    marks[int(Field(p, "channel"))] = {
        int(Field(p, "sv")), origin + form->Chart_Sky->centre() + QPointF(at->dx, at->dy)};
  }
  EXPECT_GE(marks.size(), 8u);
  // Two marks far from every other one show their own fill at their centre.
  std::vector<std::pair<double, SkyMark>> isolated;
  for (const auto& [c, m] : marks) {
    double nearest = 1e9;
    for (const auto& [d, other] : marks) {
      if (d != c) nearest = std::min(nearest, QLineF(m.at, other.at).length());
    }
    isolated.push_back({nearest, m});
  }
  std::sort(isolated.begin(), isolated.end(), [](auto& a, auto& b) { return a.first > b.first; });
  const QImage picture(QString::fromStdString(folder + "/sky.png"));
  ASSERT_FALSE(picture.isNull());
  const auto& fixSvs = app.core.reports.receivers[0].fixSvs;
  for (std::size_t i = 0; i < 2 && i < isolated.size(); ++i) {
    const SkyMark& m = isolated[i].second;
    SCOPED_TRACE("SV " + std::to_string(m.sv));
    ASSERT_GT(isolated[i].first, 2.0 * ui::SkyPlot::kMarkRadius + 4);
    const auto expected = reports::MarkColour(reports::MarkOf(m.sv, fixSvs, false));
    EXPECT_EQ(picture.pixelColor(m.at.toPoint()), ui::ToQColor(expected, form->palette()));
  }
  EXPECT_TRUE(QImage(QString::fromStdString(folder + "/sky_hidden.png")).size() == picture.size());

  std::ifstream in(folder + "/series.csv");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, reports::kSeriesCsvHeader);
  std::vector<Row> csv;
  for (Row r{}; std::getline(in, line);) {
    std::sscanf(line.c_str(), "%lf,%*8c,%lf,%*f,%lf,%lf,%d", &r.time, &r.bias, &r.pdop, &r.hdop,
                &r.svs);
    csv.push_back(r);
  }
  const std::vector<Row> expected = RowsOf(received);
  ASSERT_EQ(csv.size(), expected.size());
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const Row &c = csv[i], &e = expected[i];
    EXPECT_TRUE(c.time == e.time && std::abs(c.bias - e.bias) < 1e-6 &&
                float(c.pdop) == float(e.pdop) && float(c.hdop) == float(e.hdop) && c.svs == e.svs)
        << "row " << i << ": " << c.time << " " << c.bias << " / " << e.time << " " << e.bias;
  }
}

}  // namespace
}  // namespace navbin::e2e
