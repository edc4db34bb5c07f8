// navbin-log --metrics with three simulated receivers, Debian's Prometheus
// and promtool.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>

#include "link/recording_reader.h"
#include "protocol/wire/report_fix_mode.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "tests/support/child_process.h"
#include "tests/support/prometheus_text.h"

namespace navbin::tools {
namespace {

using support::ChildProcess;
using support::HttpGet;
using support::MetricValue;
using support::Ms;

const std::string kPrometheus = "/usr/bin/prometheus";
const std::string kPromtool = "/usr/bin/promtool";
const std::string kSim = NAVBIN_BINARY_DIR "/sim/navbin-sim";

template <class Check>
bool Within(Ms budget, Check check) {
  for (auto end = std::chrono::steady_clock::now() + budget; !check(); ::poll(nullptr, 0, 200)) {
    if (std::chrono::steady_clock::now() >= end) return false;
  }
  return true;
}

int RunTool(const std::string& program, const std::vector<std::string>& args,
            const std::string& input = "/dev/null") {
  ChildProcess child(program, args, input);
  const int code = child.finish(Ms(20000));
  if (code != 0) ADD_FAILURE() << program << ": " << child.out();
  return code;
}

std::optional<double> Com(const std::string& text, const char* name, const char* port) {
  return MetricValue(text, name, {{"port", port}});
}

TEST(PrometheusPeer, ThreeReceiversScrapedCheckedQueriedAndOneRestarted) {
  ASSERT_TRUE(std::filesystem::exists(kPrometheus)) << "scripts/deps installs Debian's prometheus";
  const std::string folder = testing::TempDir() + "/navbin-metrics-" + std::to_string(::getpid());
  std::filesystem::create_directories(folder);
  const std::uint16_t first = support::FreeLoopbackPort(), second = support::FreeLoopbackPort(),
                      third = support::FreeLoopbackPort();
  const std::uint16_t metrics = support::FreeLoopbackPort(), web = support::FreeLoopbackPort();
  auto startSim = [&](std::uint16_t port) {
    return std::make_unique<ChildProcess>(
        kSim, std::vector<std::string>{"--clock", "system", "--tcp", std::to_string(port)});
  };
  auto one = startSim(first), two = startSim(second), single = startSim(third);
  const std::string url = "tcp://127.0.0.1:";
  ChildProcess log(NAVBIN_BINARY_DIR "/tools/navbin-log",
                   {"--port", url + std::to_string(first), "--port", url + std::to_string(second),
                    "--port", url + std::to_string(third), "--data", folder + "/", "--raw",
                    folder + "/com1.nvb", "--metrics", std::to_string(metrics)});
  std::string text;
  auto scrape = [&] { return text = HttpGet(metrics, "/metrics"); };
  auto up = [&](const char* port) { return Com(text, "navbin_receiver_up", port); };
  ASSERT_TRUE(Within(Ms(15000), [&] {
    return scrape(), up("COM1") == 1 && up("COM2") == 1 && up("COM3") == 1;
  })) << text;

  // Prometheus scrapes every second into a temporary store.
  std::ofstream(folder + "/prometheus.yml")
      << "global:\n  scrape_interval: 1s\nscrape_configs:\n  - job_name: navbin\n"
      << "    static_configs:\n      - targets: ['127.0.0.1:" << metrics << "']\n";
  ChildProcess prometheus(
      kPrometheus,
      {"--config.file=" + folder + "/prometheus.yml", "--storage.tsdb.path=" + folder + "/tsdb",
       "--web.listen-address=127.0.0.1:" + std::to_string(web), "--log.level=error"});
  std::string query;
  EXPECT_TRUE(Within(Ms(60000), [&] {  // a loaded machine starts it slowly
    query = HttpGet(web, "/api/v1/query?query=navbin_receiver_up");
    return std::ranges::all_of(std::array{"\"COM1\"", "\"COM2\"", "\"COM3\""},
                               [&](auto port) { return query.find(port) != std::string::npos; });
  })) << query;

  // Requests that never finish, are too large or ask for nothing leave the
  // scrapes and the logging going.
  support::LoopbackClient stalled(metrics);
  stalled.send({'G', 'E', 'T', ' ', '/'});
  const std::string huge =
      "GET /metrics HTTP/1.0\r\nX-Filler: " + std::string(100000, 'x') + "\r\n\r\n";
  support::LoopbackClient oversized(metrics);
  oversized.send({huge.begin(), huge.end()});
  EXPECT_LT(oversized.receive(1 << 16, 3000).size(), 1000u);
  EXPECT_NE(HttpGet(metrics, "/nothing", true).find(" 404 "), std::string::npos);
  const double records = Com(scrape(), "navbin_log_records_total", "COM1").value_or(0);
  EXPECT_TRUE(Within(Ms(5000), [&] {
    return Com(scrape(), "navbin_log_records_total", "COM1").value_or(0) > records;
  })) << text;

  // The third receiver killed: down within 6 s; back: one reopening more.
  ::kill(single->pid(), SIGKILL);
  single->waitExit(Ms(2000));
  EXPECT_TRUE(Within(Ms(6000), [&] { return Com(scrape(), "navbin_receiver_up", "COM3") == 0; }))
      << text;
  single = startSim(third);
  EXPECT_TRUE(Within(Ms(15000), [&] {
    return Com(scrape(), "navbin_port_reopened_total", "COM3") == 1 &&
           Com(text, "navbin_receiver_up", "COM3") == 1;
  })) << text;
  EXPECT_EQ(Com(text, "navbin_port_reopened_total", "COM1"), 0);

  // The receivers paused: the last scrape holds their last reports, and
  // promtool accepts it.
  for (auto* sim : {one.get(), two.get(), single.get()}) ::kill(sim->pid(), SIGSTOP);
  ::poll(nullptr, 0, 1500);
  std::ofstream(folder + "/scrape.txt") << scrape();
  EXPECT_EQ(RunTool(kPromtool, {"check", "metrics"}, folder + "/scrape.txt"), 0);
  std::string error;
  auto raw = link::RecordingReader::Open(folder + "/com1.nvb", error);
  ASSERT_TRUE(raw) << error;
  std::optional<reports::FixModeReport> fix;
  std::optional<reports::SupplementalTimingReport> timing;
  for (std::vector<std::uint8_t> packet; raw->next(packet);) {
    const std::span<const std::uint8_t> payload(packet.data() + 1, packet.size() - 1);
    if (auto f = reports::ParseFixMode(payload); packet[0] == 0x6D && f) fix = f;
    if (auto t = reports::ParseSupplementalTiming(payload); packet[0] == 0x8F && t) timing = t;
  }
  ASSERT_TRUE(fix && timing);
  EXPECT_EQ(Com(text, "navbin_satellites_used", "COM1"), fix->fixMode >> 4);
  EXPECT_FLOAT_EQ(Com(text, "navbin_pdop", "COM1").value_or(0), fix->pdop);
  EXPECT_DOUBLE_EQ(Com(text, "navbin_clock_bias_seconds", "COM1").value_or(0),
                   timing->clockBias * 1e-9);

  // navbin-log's own count of packets and records, as it stops.
  ::kill(log.pid(), SIGTERM);
  log.finish(Ms(5000));
  std::smatch counts;
  const std::string out = log.out();
  ASSERT_TRUE(std::regex_search(
      out, counts,
      std::regex(
          "stopped: COM1 (\\d+) records, (\\d+) packets; COM2 \\d+ records, (\\d+) packets")))
      << out;
  EXPECT_EQ(Com(text, "navbin_log_records_total", "COM1"), std::stod(counts[1]));
  EXPECT_EQ(Com(text, "navbin_packets_total", "COM1"), std::stod(counts[2]));
  EXPECT_EQ(Com(text, "navbin_packets_total", "COM2"), std::stod(counts[3]));

  // The packaged scrape configuration and alert rules.
  const std::string packaged = NAVBIN_SOURCE_DIR "/packaging/prometheus/";
  EXPECT_EQ(RunTool(kPromtool, {"check", "config", packaged + "prometheus.yml"}), 0);
  EXPECT_EQ(RunTool(kPromtool, {"check", "rules", packaged + "navbin-alerts.yml"}), 0);
  for (auto* sim : {one.get(), two.get(), single.get()}) ::kill(sim->pid(), SIGKILL);
  ::kill(prometheus.pid(), SIGTERM);
  prometheus.waitExit(Ms(5000));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace navbin::tools
