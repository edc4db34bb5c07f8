// navbin-log run as a program: its refusals (bad options, devices and files
// it cannot use), a receiver that goes away and comes back, files that stop
// taking data, and its help, version and libraries.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/loopback_server.h"
#include "tests/support/pty.h"

namespace navbin::tools {
namespace {

using support::Ms;

const std::string kLog = std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-log";

struct ProgramRun {
  int exitCode;
  std::string out;
};

ProgramRun LogRun(const std::vector<std::string>& args) {
  support::ChildProcess log(kLog, args);
  const int code = log.finish(Ms(10000));
  return {code, log.out()};
}

TEST(NavbinLog, RefusesWhatItCannotUseWithExitTwoAndTheReason) {
  support::Pty pty;
  ASSERT_TRUE(pty.ok());
  const std::string rx = pty.slave();
  std::vector<std::string> seventeen;
  for (int i = 0; i < 17; ++i) {
    seventeen.insert(seventeen.end(), {"--port", "/dev/ttyX" + std::to_string(i)});
  }
  const struct {
    std::vector<std::string> args;
    std::string says;
  } rows[] = {
      {{}, "give at least one --port PATH"},
      {{"--port"}, "--port needs a value"},
      {{"--port", rx, "--port", rx}, "--port " + rx + " is given twice"},
      {seventeen, "at most 16 ports (17 given)"},
      {{"--port", rx, "--interval", "0"}, "--interval '0': give whole seconds"},
      {{"--port", rx, "--interval=-5"}, "--interval '-5'"},
      {{"--port", rx, "--interval", "1.5"}, "--interval '1.5'"},
      {{"--port", rx, "--interval", "ten"}, "--interval 'ten'"},
      {{"--port", rx, "--interval", "604801"}, "--interval '604801'"},
      {{"--port", rx, "--sets", "lla,xyz"}, "--sets: lla and xyz exclude each other"},
      {{"--port", rx, "--sets", "enu,tow,vel-xyz"}, "--sets: enu and vel-xyz exclude each other"},
      {{"--port", rx, "--sets", "tow,,bias"}, "--sets: unknown data set ''"},
      {{"--port", rx, "--sets", "speed"}, "--sets: unknown data set 'speed'"},
      {{"--port", rx, "--frobnicate"}, "unknown option '--frobnicate'"},
      {{"--port", rx, "--quiet=yes"}, "unknown option '--quiet=yes'"},
      {{"--port", rx, "stray"}, "unexpected argument 'stray'"},
      {{"--port", rx, "--serve", "65536"}, "--serve '65536': give [ADDRESS:]PORT"},
      {{"--port", rx, "--serve", ":4001"}, "--serve ':4001'"},
      {{"--port", rx, "--port", rx + "2", "--serve", "65535"}, "--serve: the last port's TCP port"},
      {{"--port", rx, "--allow-commands"}, "--allow-commands needs --serve"},
      {{"--port", rx, "--serve", "localhost:4001"},
       "cannot serve on localhost:4001: not an IPv4 address"},
      {{"--port", rx, "--metrics", "0"}, "--metrics '0': give [ADDRESS:]PORT"},
      {{"--port", rx, "--metrics", "localhost:9471"},
       "cannot serve metrics on localhost:9471: not an IPv4 address"},
      {{"--port", rx, "--metrics", "192.0.2.1:9471"}, "cannot serve metrics on 192.0.2.1:9471: "},
      // Devices and files, named in the message.
      {{"--port", "/nonexistent/ttyUSB9"}, "cannot open /nonexistent/ttyUSB9: no such device"},
      {{"--port", rx, "--port", "/nonexistent/ttyACM1"}, "cannot open /nonexistent/ttyACM1"},
      {{"--port", "/etc/hostname"}, "cannot open /etc/hostname: not a terminal"},
      {{"--port", rx, "--data", "/nonexistent/logs/data"},
       "cannot write data logs into "
       "/nonexistent/logs"},
      {{"--port", rx, "--data", std::string(130, 'd')}, "Error: File name longer than 127"},
      {{"--port", rx, "--raw", "/nonexistent/raw.nvb"},
       "cannot open the raw log "
       "/nonexistent/raw.nvb"},
  };
  // A file of an earlier run is not emptied by a run that is refused.
  const std::string kept = testing::TempDir() + "/navbin_log_refused_";
  std::ofstream(kept + "1.dat") << "1.00 \n";
  for (const auto& row : rows) {
    std::vector<std::string> args = row.args;
    if (!args.empty() && args[0] == "--port" && args.size() > 1 && args[1] == rx) {
      args.insert(args.begin() + 2, {"--data", kept});
    }
    const ProgramRun run = LogRun(args);
    EXPECT_EQ(run.exitCode, 2) << row.says;
    EXPECT_NE(run.out.find("navbin-log: " + row.says), std::string::npos)
        << "want: " << row.says << "\ngot: " << run.out;
  }
  std::ifstream in(kept + "1.dat");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "1.00 \n");
}

std::size_t Records(const std::string& file) {
  std::ifstream in(file);
  std::size_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

// The receiver's simulator stops and starts again on the same link, or the
// same TCP port (down for a while: no more notes meanwhile): the port is
// reopened and its file goes on. Quiet: only those two events.
TEST(NavbinLog, ReopensALostPortWhenItComesBack) {
  const std::string dir = testing::TempDir() + "navbin_log_reopen";
  const std::string tcpPort = std::to_string(support::FreeLoopbackPort());
  const struct {
    std::vector<std::string> simArgs;
    std::string port;
    Ms down;
  } cases[] = {
      {{"--link", dir + "/rx"}, dir + "/rx", Ms(0)},
      {{"--tcp", tcpPort}, "tcp://127.0.0.1:" + tcpPort, Ms(2500)},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string sim = std::string(NAVBIN_BINARY_DIR) + "/sim/navbin-sim";
    auto startSim = [&] {
      auto child = std::make_unique<support::ChildProcess>(sim, c.simArgs);
      child->readOut(1, Ms(10000));  // its device line
      return child;
    };
    auto recordsReach = [&](std::size_t n) {
      for (int i = 0; i < 1000 && Records(dir + "/data1.dat") < n; ++i) {
        std::this_thread::sleep_for(Ms(20));
      }
      return Records(dir + "/data1.dat");
    };
    auto first = startSim();
    support::ChildProcess log(kLog, {"--port", c.port, "--data", dir, "--quiet"});
    EXPECT_GE(recordsReach(2), 2u) << c.port;
    ::kill(first->pid(), SIGTERM);
    EXPECT_EQ(first->finish(Ms(10000)), 0);
    log.readOut(1, Ms(10000));
    std::this_thread::sleep_for(c.down);
    auto second = startSim();
    log.readOut(2, Ms(10000));
    const std::size_t before = Records(dir + "/data1.dat");
    EXPECT_GE(recordsReach(before + 2), before + 2) << c.port;
    ::kill(log.pid(), SIGTERM);
    EXPECT_EQ(log.finish(Ms(10000)), 0);
    EXPECT_EQ(log.outLines(),
              (std::vector<std::string>{"navbin-log: COM1 " + c.port + ": device lost",
                                        "navbin-log: COM1 " + c.port + ": back, logging again"}));
  }
}

// Files that take no data (a file-size limit of 0): each fault is named as
// it appears and still in the last status line.
TEST(NavbinLog, NamesAFileThatCannotBeWrittenAtOnceAndWhileItFails) {
  const std::string dir = testing::TempDir() + "navbin_log_full";
  std::filesystem::create_directories(dir);
  support::ChildProcess sim(std::string(NAVBIN_BINARY_DIR) + "/sim/navbin-sim",
                            {"--link", dir + "/rx"});
  sim.readOut(1, Ms(10000));
  const auto handler = ::signal(SIGXFSZ, SIG_IGN);  // kept across exec
  support::ChildProcess log("/usr/bin/prlimit", {"--fsize=0", kLog, "--port", dir + "/rx", "--data",
                                                 dir, "--raw", dir + "/r.nvb"});
  ::signal(SIGXFSZ, handler);
  log.readOut(3, Ms(10000));  // the start line, then both faults
  ::kill(log.pid(), SIGTERM);
  EXPECT_EQ(log.finish(Ms(10000)), 0);
  const std::string data = "cannot write " + dir + "/data1.dat: File too large";
  const std::string raw = "NavBin log: cannot write " + dir + "/r.nvb: File too large";
  auto lines = log.outLines();
  ASSERT_EQ(lines.size(), 4u) << log.out();
  EXPECT_TRUE(lines.back().starts_with("navbin-log: stopped: COM1 0 records, ") &&
              lines.back().ends_with(" packets, " + data + "; " + raw))
      << lines.back();
  std::sort(lines.begin() + 1, lines.begin() + 3);
  EXPECT_EQ(lines[1], "navbin-log: COM1 data log: " + data);
  EXPECT_EQ(lines[2], "navbin-log: " + raw);
}

TEST(NavbinLog, HelpListsEveryOptionAndNoQtIsLinked) {
  const ProgramRun help = LogRun({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* option :
       {"--port PATH", "--data ROOT", "--sets LIST|all", "--interval N", "--system-timer",
        "--append", "--raw FILE.nvb", "--quiet", "--help", "--version"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  const ProgramRun version = LogRun({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("navbin-log ", 0), 0u) << version.out;
  const ProgramRun ldd = [] {
    support::ChildProcess run("/usr/bin/ldd", {kLog});
    const int code = run.finish(Ms(10000));
    return ProgramRun{code, run.out()};
  }();
  ASSERT_EQ(ldd.exitCode, 0) << ldd.out;
  EXPECT_NE(ldd.out.find("libc.so"), std::string::npos);
  EXPECT_EQ(ldd.out.find("Qt"), std::string::npos) << ldd.out;
}

}  // namespace
}  // namespace navbin::tools
