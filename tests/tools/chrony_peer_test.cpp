// Debian's chronyd (-x: it never touches the clock; its files in a folder of
// the test) with navbin-log's SOCK and SHM reference clocks, fed from
// navbin-sim on the PC's clock at a 9600-baud pace: both sources reachable,
// their offsets the simulator's report delay less --time-offset.

#include <poll.h>
#include <signal.h>
#include <sys/shm.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/child_process.h"

namespace navbin::tools {
namespace {

using support::ChildProcess;
using support::Ms;

const std::string kChronyd = "/usr/sbin/chronyd";
const std::string kChronyc = "/usr/bin/chronyc";

struct SourceStats {
  int samples = 0;
  double offset = NAN, deviation = NAN;  // s
};

double Seconds(const std::string& text) {
  const double value = std::stod(text);
  const std::string unit = text.substr(text.find_first_not_of("+-0123456789.e"));
  return value * (unit == "ns" ? 1e-9 : unit == "us" ? 1e-6 : unit == "ms" ? 1e-3 : 1);
}

// `chronyc sourcestats` lines: name NP NR span frequency skew offset deviation.
std::map<std::string, SourceStats> ReadStats(const std::string& socket) {
  ChildProcess chronyc(kChronyc, {"-h", socket, "-n", "sourcestats"});
  chronyc.finish(Ms(3000));
  std::map<std::string, SourceStats> stats;
  std::istringstream lines(chronyc.out());
  for (std::string line; std::getline(lines, line);) {
    std::istringstream f(line);
    std::string name, np, nr, span, freq, skew, offset, deviation;
    if (!(f >> name >> np >> nr >> span >> freq >> skew >> offset >> deviation)) continue;
    if (name != "SOCK" && name != "SHM") continue;
    stats[name] = {std::stoi(np), Seconds(offset), Seconds(deviation)};
  }
  return stats;
}

TEST(ChronyPeer, SockAndShmSourcesShowTheReportDelayLessTheTimeOffset) {
  ASSERT_TRUE(std::filesystem::exists(kChronyd)) << "scripts/deps installs Debian's chrony";
  const std::string folder = testing::TempDir() + "/navbin-chrony-" + std::to_string(::getpid());
  std::filesystem::create_directories(folder);
  ::chmod(folder.c_str(), 0700);                       // chronyd refuses a folder others may enter
  std::filesystem::create_directories("/run/chrony");  // where chronyc binds its own socket
  const int unit = 10 + ::getpid() % 200;
  std::ofstream(folder + "/chrony.conf")
      << "refclock SOCK " << folder << "/refclock.sock refid SOCK poll 0 noselect\n"
      << "refclock SHM " << unit << " refid SHM poll 0 noselect\n"
      << "pidfile " << folder << "/chronyd.pid\nbindcmdaddress " << folder
      << "/chronyd.sock\ncmdport 0\nport 0\n";

  ChildProcess sim(
      NAVBIN_BINARY_DIR "/sim/navbin-sim",
      {"--clock", "system", "--report-delay", "30", "--pace", "9600", "--link", folder + "/rx"});
  sim.readOut(1, Ms(3000));
  ChildProcess chronyd(kChronyd, {"-x", "-d", "-u", "root", "-f", folder + "/chrony.conf"});
  ChildProcess log(
      NAVBIN_BINARY_DIR "/tools/navbin-log",
      {"--port", folder + "/rx", "--data", folder + "/", "--chrony-sock", folder + "/refclock.sock",
       "--shm", std::to_string(unit), "--time-offset", "10"});
  // chronyd's estimates settle within seconds; a loaded machine may need more.
  const auto settled = [](const SourceStats& s) {
    return s.samples >= 8 && std::abs(std::abs(s.offset) - 0.020) < 0.002 && s.deviation < 0.001;
  };
  std::map<std::string, SourceStats> stats;
  for (int i = 0; i < 75; ++i) {
    ::poll(nullptr, 0, 1000);
    stats = ReadStats(folder + "/chronyd.sock");
    if (settled(stats["SOCK"]) && settled(stats["SHM"])) break;
  }
  for (const char* source : {"SOCK", "SHM"}) {
    const SourceStats& s = stats[source];
    EXPECT_GE(s.samples, 8) << source;
    // The PC's clock runs 30 - 10 ms ahead of the corrected report time.
    EXPECT_NEAR(std::abs(s.offset), 0.020, 0.002) << source;
    EXPECT_LT(s.deviation, 0.001) << source;
  }
  for (ChildProcess* child : {&log, &chronyd, &sim}) {
    ::kill(child->pid(), SIGTERM);
    child->waitExit(Ms(3000));
  }
  ::shmctl(::shmget(0x4E545030 + unit, 0, 0), IPC_RMID, nullptr);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace navbin::tools
