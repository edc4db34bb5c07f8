// One data-log record with every data set, as the record rule writes it:
// compose, open the port's file for appending, write, close.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "logging/data_log.h"
#include "tests/support/fakes.h"
#include "tests/support/silent_display.h"

namespace {

using namespace navbin;

void BM_DataRecordAllSets(benchmark::State& bench) {
  char pattern[] = "/tmp/navbin-bench-XXXXXX";
  const std::string folder = ::mkdtemp(pattern);
  reports::ReportState reports;
  link::PortTable ports;
  link::PortSelection shell;
  shell.displayPort = 1;
  ports[0].monitored = true;
  logging::DataLogLink link;
  support::SilentDisplay display;
  support::ScriptedPrompter prompter;
  logging::DataLog log(reports, ports, shell, link, display, prompter);
  reports::ReceiverState& r = reports.receivers[0];
  r.position = {166117.0f, -2693855.25, -4297186.5, 3854388.75,
                37.386533, -122.004851, 12.8,       392800.977228};
  r.velocity = {283.328094f, 0.01f, -0.02f, 0.03f, 0.04f, 0.05f, 0.06f};
  for (int c = 0; c < reports::kChannelCount; ++c) {
    r.fixSvs[std::size_t(c)] = c + 1;
    r.channels[std::size_t(c)].minSv = std::uint8_t(c + 2);
    r.channels[std::size_t(c)].minLevel = 11.8f + float(c);
  }
  logging::DataLogSetup setup;
  setup.sets.set();
  setup.fileRoot = folder + "/data";
  log.startDataLog(setup);
  for (auto _ : bench) {
    r.position.timeOfFix += 1.0f;  // one record due every call
    log.writeDataRecord(0);
  }
  bench.counters["records"] = double(log.recordCount);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DataRecordAllSets)->Unit(benchmark::kMicrosecond);

}  // namespace
