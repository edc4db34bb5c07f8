// navbin-sim --replay into navbin-dump: at a set speed, at full speed, damaged
// files, --loop; and the files and options it refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/captures.h"
#include "tests/support/child_process.h"

namespace navbin::sim {
namespace {

using support::ChildProcess;
using support::Ms;

const std::string kSim = NAVBIN_BINARY_DIR "/sim/navbin-sim";
const std::string kDump = NAVBIN_BINARY_DIR "/tools/navbin-dump";

std::string TempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() /
         ("navbin-replay-" + std::to_string(::getpid()) + "-" + name);
}

std::string TempFile(const std::string& name, const support::Bytes& bytes) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  return path;
}

std::vector<std::string> DumpOfFile(const std::string& path) {
  ChildProcess dump(kDump, {path});
  dump.finish(Ms(5000));
  return dump.outLines();
}

// The lines navbin-dump printed from the replay, and the seconds from the first
// to the last. Both programs end normally, the simulator after the last packet.
std::vector<std::string> ReplayIntoDump(const std::string& file, const std::string& speed,
                                        std::size_t packets, double* seconds = nullptr,
                                        const std::string& input = "/dev/null") {
  const std::string link = TempPath("link");
  ChildProcess sim(kSim, {"--replay", file, "--speed", speed, "--link", link}, input);
  sim.readOut(1, Ms(5000));  // the device path: the link is made
  ChildProcess dump(kDump, {link});
  dump.readOut(1, Ms(10000));
  const auto first = std::chrono::steady_clock::now();
  dump.readOut(static_cast<long>(packets), Ms(60000));
  if (seconds)
    *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - first).count();
  EXPECT_EQ(sim.finish(Ms(10000)), 0) << sim.out();
  EXPECT_EQ(dump.finish(Ms(5000)), 0) << "the device went away with the simulator";
  EXPECT_FALSE(std::filesystem::exists(link)) << "link removed at exit";
  return dump.outLines();
}

// timing-b.nvb: 8F-AB reports of GPS seconds 72888 to 72917 (0x11CB8 to
// 0x11CD5), the first packet an 8F-AB and the last the 8F-AC that follows
// the last one: 29 s of recording, 2.9 s at ten times the speed. Read from
// standard input.
TEST(ReplayProgram, RecordingAtTenTimesItsSpeedReachesNavbinDumpInItsTime) {
  const std::string file = support::CapturePath("timing-b.nvb");
  const auto want = DumpOfFile(file);
  double seconds = 0;
  EXPECT_EQ(ReplayIntoDump("-", "10", want.size(), &seconds, file), want)
      << "the same packets, in order";
  std::printf("29 s of recording replayed at speed 10 in %.3f s\n", seconds);
  EXPECT_GE(seconds, 0.9 * 2.9);
  EXPECT_LE(seconds, 1.1 * 2.9 + 3) << "a loaded machine may be late, never early";
}

// Damaged recordings play like a noisy line: the packets the de-framer finds.
TEST(ReplayProgram, DamagedRecordingsAtFullSpeed) {
  const auto tracking = support::ReadCapture("nav-tracking.nvb");
  std::size_t cut = tracking.size() / 2;
  while (tracking[cut] == 0x10 || tracking[cut - 1] == 0x10) ++cut;  // inside a payload
  const auto timing = support::ReadCapture("timing-a.nvb");
  support::Bytes noisy = {0x55, 0xAA, 0x10, 0x03, 0x03, 0x10};
  noisy.insert(noisy.end(), timing.begin(), timing.end());
  noisy.insert(noisy.end(), {0x00, 0xFF, 0x10, 0x10, 0x42});
  noisy.insert(noisy.end(), tracking.begin(), tracking.end());
  const std::pair<const char*, support::Bytes> rows[] = {
      {"cut inside a frame", support::Bytes(tracking.begin(), tracking.begin() + long(cut))},
      {"noise between frames", noisy}};
  for (const auto& [name, bytes] : rows) {
    SCOPED_TRACE(name);
    const std::string file = TempFile("damaged", bytes);
    const auto want = DumpOfFile(file);
    EXPECT_EQ(ReplayIntoDump(file, "max", want.size()), want);
    std::filesystem::remove(file);
  }
}

TEST(ReplayProgram, LoopPlaysTheRecordingAgainUntilStopped) {
  const std::string file = support::CapturePath("timing-a.nvb"), link = TempPath("loop");
  const auto once = DumpOfFile(file);
  ChildProcess sim(kSim, {"--replay", file, "--speed", "max", "--loop", "--link", link});
  sim.readOut(1, Ms(5000));
  ChildProcess dump(kDump, {link});
  dump.readOut(3 * static_cast<long>(once.size()), Ms(20000));
  const auto lines = dump.outLines();
  ASSERT_GE(lines.size(), 3 * once.size());
  for (std::size_t i = 0; i < 3 * once.size(); ++i) ASSERT_EQ(lines[i], once[i % once.size()]);
  ASSERT_EQ(::kill(sim.pid(), SIGTERM), 0);
  EXPECT_EQ(sim.finish(Ms(5000)), 0);
}

TEST(ReplayProgram, RefusesBadFilesAndOptionsWithAClearMessage) {
  const std::string empty = TempFile("empty", {});
  const std::string noise = TempFile("noise", {0x55, 0xAA, 0x00, 0x10});
  const std::string good = support::CapturePath("timing-a.nvb");
  const struct {
    std::vector<std::string> args;
    int exit;
    const char* message;
  } rows[] = {
      {{"--replay", "/no/such/file.nvb"}, 1, "/no/such/file.nvb: No such file or directory"},
      {{"--replay", "/tmp"}, 1, "/tmp: Is a directory"},
      {{"--replay", empty}, 1, "no NavBin packet"},
      {{"--replay", noise}, 1, "no NavBin packet"},
      {{"--replay", good, "--speed", "0"}, 2, "--speed takes real, max or a factor above 0"},
      {{"--replay", good, "--speed", "nan"}, 2, "--speed takes"},
      {{"--replay", "-", "--loop"}, 2, "--loop cannot start standard input again"},
      {{"--replay", good, "--ports", "2"}, 2, "--ports is for simulated receivers"},
      {{"--loop"}, 2, "--speed and --loop go with --replay"},
  };
  for (const auto& row : rows) {
    ChildProcess sim(kSim, row.args);
    EXPECT_EQ(sim.finish(Ms(5000)), row.exit) << row.args[0] << " " << row.args.back();
    EXPECT_NE(sim.out().find(row.message), std::string::npos) << sim.out();
  }
  ChildProcess version(kSim, {"--version"}), help(kSim, {"--help"});
  EXPECT_EQ(version.finish(Ms(5000)), 0);
  EXPECT_EQ(version.out().rfind("navbin-sim 0.", 0), 0u) << version.out();
  EXPECT_EQ(help.finish(Ms(5000)), 0);
  for (const char* option : {"--replay FILE", "--speed max", "--loop", "--version", "--link"}) {
    EXPECT_NE(help.out().find(option), std::string::npos) << option;
  }
  std::filesystem::remove(empty);
  std::filesystem::remove(noise);
}

}  // namespace
}  // namespace navbin::sim
