// Recordings opened in the chart windows: the series, the sky and the clock
// statistics are those a replay of the same packets through the dispatcher
// leaves, the title names the file, "Live" returns to the display port, and
// a file that cannot be read is reported and changes nothing.

#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "protocol/analysis/stability_table.h"
#include "protocol/history/chart_geometry.h"
#include "protocol/history/series_csv.h"
#include "tests/ui/replay_fixture.h"
#include "ui/forms/sky_view_form.h"
#include "ui/forms/stability_form.h"

namespace navbin::ui {
namespace {

std::string SeriesCsv(const reports::BoundedRing<reports::SeriesPoint>& series) {
  std::ostringstream out;
  reports::WriteSeriesCsv(out, series);
  return out.str();
}

TEST(OpenRecording, ShowsWhatAReplayLeavesUntilLive) {
  testing::ReplayRig rig;  // the replay, and an empty display port for the windows
  reports::ReportHistory replayed, live;
  analysis::ClockHistory replayedClocks, liveClocks;
  rig.dispatcher.addReportObserver(
      [&](const link::PortContext& p, const reports::ReceiverState& r) {
        replayed.observe(p, r);
        replayedClocks.observe(p.portIndex, p.packetId, {p.payload(), p.packetLen});
      });
  rig.replay("nav-lla-double.nvb");
  rig.replay("timing-a.nvb");
  TForm_SkyView sky({live, rig.state, rig.shell}, rig.prompter, nullptr);
  TForm_Stability stability({liveClocks, rig.shell}, rig.prompter, nullptr);

  rig.prompter.files = {support::CapturePath("nav-lla-double.nvb")};
  sky.Button_OpenRecording->click();
  ASSERT_TRUE(stability.openRecording(support::CapturePath("timing-a.nvb")));
  EXPECT_EQ(sky.windowTitle(), "Sky and Signals - nav-lla-double.nvb");
  EXPECT_EQ(stability.windowTitle(), "Stability - timing-a.nvb");
  EXPECT_TRUE(sky.Button_Live->isEnabled() && stability.Button_Live->isEnabled());
  // The sky plot's channels, the series and the statistics of the replay of
  // both files: the timing file carries no position reports or tracking.
  const std::string csv = SeriesCsv(replayed.port(0).series);
  EXPECT_GT(replayed.port(0).series.size(), 30u);
  const std::string saved = std::string(NAVBIN_BINARY_DIR) + "/ui_open_recording.csv";
  ASSERT_TRUE(sky.saveData(saved));
  std::ifstream in(saved);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), csv);
  EXPECT_EQ(sky.Chart_Series->pointCounts()[0], int(replayed.port(0).series.size()));
  EXPECT_EQ(analysis::StabilityCsv(stability.results()),
            analysis::StabilityCsv(
                replayedClocks.port(0)->statistics(analysis::ClockQuantity::Bias).results()));

  EXPECT_FALSE(sky.openRecording("/nonexistent-folder/a.nvb"));
  ASSERT_EQ(rig.prompter.boxes.size(), 1u);
  EXPECT_EQ(rig.prompter.boxes[0].text,
            "Could not read /nonexistent-folder/a.nvb: No such file or directory.");
  EXPECT_EQ(sky.windowTitle(), "Sky and Signals - nav-lla-double.nvb");

  // A timing recording's events, but no PC clock offset: the recording has no PC clock.
  ASSERT_TRUE(sky.openRecording(support::CapturePath("timing-a.nvb")));
  const auto& events = sky.Chart_Series->eventStrip().events();
  EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const auto& e) {
    return reports::EventText(e) == "Receiver mode: Overdetermined Clock";
  }));
  EXPECT_EQ(sky.Chart_Series->pointCounts()[4], 0);
  EXPECT_EQ(sky.Chart_Series->offsetNote(), reports::kPcOffsetRecordedNote);

  sky.Button_Live->click();
  stability.Button_Live->click();
  EXPECT_EQ(sky.windowTitle(), "Sky and Signals");
  EXPECT_FALSE(stability.Button_Live->isEnabled());
  EXPECT_EQ(sky.Chart_Series->pointCounts()[0], 0);
  EXPECT_TRUE(stability.results().empty());
}

}  // namespace
}  // namespace navbin::ui
