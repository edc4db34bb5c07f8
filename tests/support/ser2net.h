#pragma once
// Debian's ser2net as the far side of an rfc2217:// port: started on a free
// loopback port in front of a terminal device at 9600 8-O-1, with its yaml
// configuration in a folder of its own, and stopped with the test.

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/loopback_server.h"

namespace navbin::support {

class Ser2net {
 public:
  static constexpr const char* kProgram = "/usr/sbin/ser2net";
  static bool Installed() { return std::filesystem::exists(kProgram); }

  explicit Ser2net(const std::string& device) {
    folder_ = std::filesystem::temp_directory_path() /
              ("navbin-ser2net-" + std::to_string(::getpid()) + "-" + std::to_string(port_));
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "ser2net.yaml")
        << "%YAML 1.1\n---\nconnection: &con\n  accepter: telnet(rfc2217),tcp,127.0.0.1," << port_
        << "\n  connector: serialdev," << device << ",9600o81,local\n";
    process_.emplace(kProgram, std::vector<std::string>{"-n", "-c", folder_ / "ser2net.yaml"});
  }
  ~Ser2net() {
    if (process_->started() && ::kill(process_->pid(), SIGTERM) == 0) process_->waitExit(Ms(2000));
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  Ser2net(const Ser2net&) = delete;
  Ser2net& operator=(const Ser2net&) = delete;

  bool started() const { return process_->started(); }
  std::string url() const { return "rfc2217://127.0.0.1:" + std::to_string(port_); }

  // Waits until it listens (it starts in the background), without
  // connecting, which would open the device.
  bool waitListening(Ms budget) const {
    for (const auto end = std::chrono::steady_clock::now() + budget;
         std::chrono::steady_clock::now() < end; ::poll(nullptr, 0, 20)) {
      if (Listening()) return true;
    }
    return false;
  }

 private:
  // A listening socket on the port in the kernel's table: "ADDR:PORT" in
  // hexadecimal, state 0A.
  bool Listening() const {
    std::ifstream table("/proc/net/tcp");
    char local[16];
    std::snprintf(local, sizeof local, "0100007F:%04X", port_);
    for (std::string line; std::getline(table, line);) {
      std::istringstream fields(line);
      std::string slot, address, remote, state;
      fields >> slot >> address >> remote >> state;
      if (address == local && state == "0A") return true;
    }
    return false;
  }

  std::uint16_t port_ = FreeLoopbackPort();
  std::filesystem::path folder_;
  std::optional<ChildProcess> process_;
};

}  // namespace navbin::support
