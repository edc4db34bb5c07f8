// A receiver's series as its reports come and go.

#include <gtest/gtest.h>

#include "tests/support/packets.h"
#include "tests/support/prometheus_text.h"
#include "tools/metrics/metrics_server.h"

namespace navbin::tools::metrics {
namespace {

using namespace std::chrono_literals;
using support::Payload;

// clang-format off
support::Bytes Tracking(int sv, int channel, float level) {
  return Payload().u8(sv).u8(channel << 3).u8(1).u8(1).single(level).single(0).single(0.5f)
      .single(1).zeros(4);
}
support::Bytes Supplemental(int alarms) {
  return Payload().u8(0xAC).u8(7).u8(0).u8(100).zeros(6).u16(alarms).u8(0).zeros(3)
      .single(-30.5f).single(2.5f).zeros(36).single(4.0f).u8(1).zeros(3);
}
// clang-format on

TEST(ReceiverMetrics, SatellitesComeAndGoPacketsIgnoredAlarmsAndCounters) {
  MetricsServer server({"127.0.0.1", 1}, {"/dev/ttyS0"});
  reports::ReceiverState state;
  const auto t0 = std::chrono::steady_clock::now();
  auto take = [&](int id, const support::Bytes& payload, std::chrono::seconds at) {
    server.take(0, id, payload, state, t0 + at);
  };
  std::string text;
  auto refresh = [&](PortCounts counts, std::chrono::seconds at) {
    server.refresh(std::span(&counts, 1), {}, t0 + at);
    text = server.scrape();
  };
  auto metric = [&](const char* name, const support::MetricLabels& labels = {}) {
    return support::MetricValue(text, name, labels);
  };
  take(0x5C, Tracking(5, 0, 40), 0s);
  take(0x5C, Tracking(7, 1, 30), 0s);
  take(0x5C, Tracking(9, 0, 20), 1s);            // channel 0 gives SV 5 up for 9
  take(0x6D, Payload().u8(0x44).zeros(10), 1s);  // cut short
  take(0xEE, Payload().u8(1), 1s);               // not a report of the receiver
  take(0x8F, Supplemental(0x0088), 1s);          // alarm bits 3 and 7
  refresh({.open = true, .packets = 6, .bytes = 300}, 1s);
  EXPECT_FALSE(metric("navbin_signal_level", {{"sv", "5"}}));
  EXPECT_EQ(metric("navbin_signal_level", {{"sv", "7"}}), 30);
  EXPECT_EQ(metric("navbin_signal_level", {{"sv", "9"}}), 20);
  EXPECT_EQ(metric("navbin_packets_ignored_total"), 2);
  EXPECT_EQ(metric("navbin_receiver_up"), 1);
  EXPECT_DOUBLE_EQ(metric("navbin_clock_bias_seconds").value_or(0), -30.5e-9);
  EXPECT_EQ(metric("navbin_minor_alarm", {{"alarm", "satellite_tracking"}}), 1);
  EXPECT_EQ(metric("navbin_minor_alarm", {{"alarm", "leap_second_pending"}}), 1);
  EXPECT_EQ(metric("navbin_minor_alarm", {{"alarm", "self_survey_activity"}}), 0);
  EXPECT_FALSE(metric("navbin_satellites_used"));     // no whole 0x6D yet
  EXPECT_FALSE(metric("navbin_time_samples_total"));  // no time service

  // SV 7 silent past the tracking window; a 0x6D leaves the timing
  // receiver's mode; the port closed and its byte count started again.
  take(0x5C, Tracking(9, 0, 22), 10s);
  state.fixMode = 0x44;
  take(0x6D, Payload().u8(0x44).zeros(16), 10s);
  refresh({.open = false, .packets = 7, .bytes = 50}, 12s);
  EXPECT_FALSE(metric("navbin_signal_level", {{"sv", "7"}}));
  EXPECT_EQ(metric("navbin_signal_level", {{"sv", "9"}}), 22);
  EXPECT_EQ(metric("navbin_receiver_up"), 0);
  EXPECT_EQ(metric("navbin_bytes_total"), 350);
  EXPECT_EQ(metric("navbin_satellites_used"), 4);
  EXPECT_EQ(metric("navbin_fix_mode"), 7);
}

}  // namespace
}  // namespace navbin::tools::metrics
