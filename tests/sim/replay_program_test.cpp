// navbin-sim --replay as a program: recordings served on a pseudo-terminal to
// navbin-dump at a set speed and as fast as it reads, damaged files, and the
// options and files it refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/captures.h"
#include "tests/support/child_process.h"

namespace navbin::sim {
namespace {

using support::ChildProcess;
using support::Ms;
using Clock = std::chrono::steady_clock;

const std::string kSim = NAVBIN_BINARY_DIR "/sim/navbin-sim";
const std::string kDump = NAVBIN_BINARY_DIR "/tools/navbin-dump";

std::string TempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() /
         ("navbin-replay-" + std::to_string(::getpid()) + "-" + name);
}

std::string WriteTemp(const std::string& name, const support::Bytes& bytes) {
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

// The recording replayed into navbin-dump on its device: what the dump
// printed, the seconds from its first line to its last, and both exit codes.
struct Replayed {
  std::vector<std::string> lines;
  double seconds = -1;
  int simExit = -100;
  int dumpExit = -100;
};

Replayed ReplayIntoDump(const std::string& file, const std::string& speed, std::size_t packets,
                        const std::string& input = "/dev/null") {
  Replayed r;
  const std::string link = TempPath("link");
  ChildProcess sim(kSim, {"--replay", file, "--speed", speed, "--link", link}, input);
  sim.readOut(1, Ms(5000));  // the device path: the link is made
  ChildProcess dump(kDump, {link});
  dump.readOut(1, Ms(10000));
  const auto first = Clock::now();
  dump.readOut(static_cast<long>(packets), Ms(60000));
  r.seconds = std::chrono::duration<double>(Clock::now() - first).count();
  r.simExit = sim.finish(Ms(10000));   // after the last packet and a drain
  r.dumpExit = dump.finish(Ms(5000));  // the device went away with the simulator
  r.lines = dump.outLines();
  EXPECT_FALSE(std::filesystem::is_symlink(link)) << "link removed at exit";
  return r;
}

// timing-b.nvb: 8F-AB reports of GPS seconds 72888 to 72917 (0x11CB8 to
// 0x11CD5), the first packet an 8F-AB and the last the 8F-AC that follows
// the last one: 29 s of recording, 2.9 s at ten times the speed.
TEST(ReplayProgram, RecordingAtTenTimesItsSpeedReachesNavbinDumpInItsTime) {
  const std::string file = support::CapturePath("timing-b.nvb");
  const auto packets = support::Deframe(support::ReadCapture("timing-b.nvb"));
  const double span = 72917 - 72888;
  const Replayed r = ReplayIntoDump(file, "10", packets.size());
  EXPECT_EQ(r.lines, DumpOfFile(file)) << "the same packets, in order";
  EXPECT_EQ(r.simExit, 0);
  EXPECT_EQ(r.dumpExit, 0);
  std::printf("replayed %zu packets of %.0f s at speed 10 in %.3f s\n", packets.size(), span,
              r.seconds);
  RecordProperty("replay_seconds", std::to_string(r.seconds));
  EXPECT_GE(r.seconds, 0.9 * span / 10);
  EXPECT_LE(r.seconds, 1.1 * span / 10 + 3) << "a loaded machine may be late, never early";
}

// Damaged recordings play like a noisy line, as fast as the dump reads: the
// packets the de-framer finds, nothing else, and a normal end.
TEST(ReplayProgram, DamagedRecordingsAndStandardInputAtFullSpeed) {
  const auto tracking = support::ReadCapture("nav-tracking.nvb");
  std::size_t cut = tracking.size() / 2;
  while (tracking[cut] == 0x10 || tracking[cut - 1] == 0x10) ++cut;  // inside a payload
  support::Bytes noisy = {0x55, 0xAA, 0x10, 0x03, 0x03, 0x10};
  const auto timing = support::ReadCapture("timing-a.nvb");
  noisy.insert(noisy.end(), timing.begin(), timing.end());
  noisy.insert(noisy.end(), {0x00, 0xFF, 0x10, 0x10, 0x42});
  noisy.insert(noisy.end(), tracking.begin(), tracking.end());
  const struct {
    const char* name;
    support::Bytes bytes;
    bool standardInput;
  } rows[] = {
      {"cut inside a frame", support::Bytes(tracking.begin(), tracking.begin() + long(cut)), false},
      {"noise between frames", noisy, false},
      {"standard input", timing, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string file = WriteTemp("damaged", row.bytes);
    const auto want = DumpOfFile(file);
    ASSERT_FALSE(want.empty());
    const Replayed r = row.standardInput ? ReplayIntoDump("-", "max", want.size(), file)
                                         : ReplayIntoDump(file, "max", want.size());
    EXPECT_EQ(r.lines, want);
    EXPECT_EQ(r.simExit, 0);
    std::filesystem::remove(file);
  }
}

TEST(ReplayProgram, RefusesBadFilesAndOptionsWithAClearMessage) {
  const std::string empty = WriteTemp("empty", {});
  const std::string noise = WriteTemp("noise", {0x55, 0xAA, 0x00, 0x10});
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
      {{"--replay", good, "--speed", "abc"}, 2, "--speed takes"},
      {{"--replay", good, "--speed", "-2"}, 2, "--speed takes"},
      {{"--replay", good, "--speed", "nan"}, 2, "--speed takes"},
      {{"--replay", good, "--speed"}, 2, "--speed needs a value"},
      {{"--replay", "-", "--loop"}, 2, "--loop cannot start standard input again"},
      {{"--replay", good, "--ports", "2"}, 2, "--ports is for simulated receivers"},
      {{"--loop"}, 2, "--speed and --loop go with --replay"},
  };
  for (const auto& row : rows) {
    ChildProcess sim(kSim, row.args);
    EXPECT_EQ(sim.finish(Ms(5000)), row.exit) << row.args[0] << " " << row.args.back();
    EXPECT_NE(sim.out().find(row.message), std::string::npos) << sim.out();
  }
  ChildProcess version(kSim, {"--version"});
  EXPECT_EQ(version.finish(Ms(5000)), 0);
  EXPECT_EQ(version.out().rfind("navbin-sim ", 0), 0u) << version.out();
  ChildProcess help(kSim, {"--help"});
  EXPECT_EQ(help.finish(Ms(5000)), 0);
  for (const char* option : {"--replay FILE", "--speed max", "--loop", "--version", "--link"}) {
    EXPECT_NE(help.out().find(option), std::string::npos) << option;
  }
  std::filesystem::remove(empty);
  std::filesystem::remove(noise);
}

}  // namespace
}  // namespace navbin::sim
