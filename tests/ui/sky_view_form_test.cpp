// The "Sky and Signals" window on a history fed by hand: stale channels turn
// grey and used ones green at their place, values that are not numbers are
// skipped without harm, and both Save buttons go through the prompter, say
// when a file cannot be written and do nothing when the choice is cancelled.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "protocol/history/chart_geometry.h"
#include "protocol/history/series_csv.h"
#include "tests/support/fakes.h"
#include "tests/support/packets.h"
#include "ui/forms/sky_view_form.h"
#include "ui/widgets/colours.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using support::Payload;

constexpr double kRad = 0.017453292519943295;

class SkyViewFormTest : public ::testing::Test {
 protected:
  SkyViewFormTest() { shell.displayPort = 1; }

  void receive(int id, const support::Bytes& payload) {
    link::PortContext port;
    std::copy(payload.begin(), payload.end(), port.frameBuffer.begin());
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(payload.size());
    history.observe(port, state.receivers[0]);
  }
  void track(int sv, int channel, double elevation, double azimuth) {
    const auto e = float(elevation * kRad), a = float(azimuth * kRad);
    Payload p;
    p.u8(sv).u8(channel << 3).zeros(2).single(20).zeros(4);
    receive(0x5C, p.single(e).single(a).zeros(4));
  }
  QColor pixelOf(const QImage& image, double elevation, double azimuth) const {
    const auto at = reports::SkyPlace(elevation, azimuth, form.Chart_Sky->radius());
    const QPointF p = form.Chart_Sky->mapTo(&form, QPoint(0, 0)) + form.Chart_Sky->centre() +
                      QPointF(at->dx, at->dy);
    return image.pixelColor(p.toPoint());
  }

  reports::ReportHistory history;
  reports::ReportState state;
  link::PortSelection shell;
  support::ScriptedPrompter prompter;
  TForm_SkyView form{SkyFeed{history, state, shell}, prompter, nullptr};
  std::string folder = std::string(NAVBIN_BINARY_DIR) + "/ui_sky_view";
};

TEST_F(SkyViewFormTest, MarksTakeTheirColourAndBadValuesAreSkipped) {
  state.receivers[0].fixSvs = {5, -9};
  state.globals.channelAge = {5, 5, 0};
  track(5, 0, 45, 45);   // used
  track(9, 1, 20, 250);  // tracked only
  track(7, 2, 60, 160);  // stale
  track(8, 3, NAN, 10);  // not drawn
  state.receivers[0].pdop = NAN;
  state.receivers[0].position.timeOfFix = 3600;
  receive(0x4A, Payload().zeros(20));
  form.ComboBox_Span->setCurrentIndex(0);
  EXPECT_EQ(form.Chart_Series->span(), 0);

  std::filesystem::create_directories(folder);
  ASSERT_TRUE(form.savePicture(folder + "/marks.png"));
  const QImage image(QString::fromStdString(folder + "/marks.png"));
  EXPECT_EQ(pixelOf(image, 45, 45), ToQColor(Colour::Lime, form.palette()));
  EXPECT_EQ(pixelOf(image, 20, 250), ToQColor(Colour::Yellow, form.palette()));
  EXPECT_EQ(pixelOf(image, 60, 160), ToQColor(Colour::Gray, form.palette()));
  shell.displayPort = 0;  // no display port yet: nothing to draw, nothing to fail
  EXPECT_TRUE(form.savePicture(folder + "/none.png"));
}

TEST_F(SkyViewFormTest, SeriesRunsInUtcWithGapsAndReturnsToTheNewestSpan) {
  // GPS week 2000, 18 s ahead of UTC: 2018-05-06 00:00:00 GPS is 2018-05-05 23:59:42 UTC.
  receive(0x41, Payload().single(0).u16(2000).single(18));
  for (int t : {100, 101, 102, 150, 151}) {  // a pause after 102 breaks the line
    state.receivers[0].position.timeOfFix = float(t);
    state.receivers[0].position.clockBias = t == 101 ? NAN : 1000.0 * t;
    receive(0x4A, Payload().zeros(20));
  }
  form.ComboBox_Span->setCurrentIndex(0);
  const double newest = 1525564800.0 - 18 + 151;
  EXPECT_DOUBLE_EQ(form.Chart_Series->timeAxis()->range().upper, newest);
  EXPECT_DOUBLE_EQ(form.Chart_Series->timeAxis()->range().lower, newest - 600);
  EXPECT_EQ(form.Chart_Series->timeAxis()->label(), "Time (UTC)");
  EXPECT_EQ(form.Chart_Series->pointCounts(), (std::vector<int>{4, 5, 5, 5, 0}));
  const QCPRange bias = form.Chart_Series->valueAxis(0)->range();
  EXPECT_TRUE(bias.contains(100000) && bias.contains(151000) && bias.size() < 60000);
  // A drag on the top strip pans every strip, and stays where the user left it.
  SeriesChart* chart = form.Chart_Series;
  QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(200, 40));
  QMouseEvent drag(QEvent::MouseMove, QPointF(400, 40), chart->mapToGlobal(QPointF(400, 40)),
                   Qt::NoButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(chart, &drag);
  QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(400, 40));
  const double panned = chart->timeAxis()->range().upper;
  EXPECT_LT(panned, newest - 100);
  chart->refresh();
  EXPECT_DOUBLE_EQ(chart->timeAxis()->range().upper, panned);
  QTest::mouseDClick(chart, Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_DOUBLE_EQ(chart->timeAxis()->range().upper, newest);

  std::filesystem::create_directories(folder);
  ASSERT_TRUE(form.savePicture(folder + "/series.png"));
  ASSERT_TRUE(form.savePicture(folder + "/series.pdf"));
  std::ifstream pdf(folder + "/series.pdf");
  std::string magic(4, ' ');
  pdf.read(magic.data(), 4);
  EXPECT_EQ(magic, "%PDF");
  EXPECT_FALSE(form.savePicture("/nonexistent-folder/a.pdf"));
}

TEST_F(SkyViewFormTest, SaveButtonsAskForAFileAndReportFailures) {
  state.receivers[0].position.timeOfFix = 100;
  receive(0x4A, Payload().zeros(20));
  std::filesystem::create_directories(folder);
  const std::string csv = folder + "/saved.csv";
  prompter.files = {csv, std::nullopt, "/nonexistent-folder/a.csv", "/nonexistent-folder/a.png"};
  form.Button_SaveData->click();
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].defaultExt, ".csv");
  EXPECT_TRUE(prompter.requests[0].forSaving);
  EXPECT_TRUE(std::filesystem::file_size(csv) > 0);
  form.Button_SaveData->click();  // cancelled
  EXPECT_TRUE(prompter.boxes.empty());
  form.Button_SaveData->click();
  form.Button_SavePicture->click();
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[0].text, "Could not write /nonexistent-folder/a.csv.");
  EXPECT_EQ(prompter.boxes[0].caption, "Save Data");
  EXPECT_EQ(prompter.boxes[1].caption, "Save Picture");
  EXPECT_EQ(prompter.requests.back().defaultExt, ".png");
}

}  // namespace
}  // namespace navbin::ui
