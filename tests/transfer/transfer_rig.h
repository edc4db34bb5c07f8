#pragma once
// A transfer over the display port COM1, with the windows recorded. The port
// is an in-memory line played by a simulated receiver that answers whenever
// the transfer waits (each wait moves its clock 10 ms on), or the terminal of
// a navbin-sim program.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "link/serial_channel.h"
#include "platform/memory_serial_device.h"
#include "platform/posix_serial_device.h"
#include "protocol/commands/packet_sender.h"
#include "sim/simulated_receiver.h"
#include "tests/support/child_process.h"
#include "tests/support/fakes.h"
#include "tests/support/packets.h"
#include "transfer/satellite_transfer.h"
#include "transfer/transfer_texts.h"

namespace navbin::transfer_testing {

using support::Bytes;
using support::Colour;
using support::Form;

struct RecordingView final : transfer::TransferView {
  void showAlm() override {}
  void showEph() override {}
  void appendEph(const std::string& text) override { eph += text; }
  void enterTransfer() override { ++entered; }
  void leaveTransfer() override { ++left; }
  void refresh() override {
    ++refreshes;
    if (onRefresh) onRefresh();
  }
  bool cancelRequested() const override { return cancel; }

  std::string eph;
  int entered = 0, left = 0, refreshes = 0;
  bool cancel = false;
  std::function<void()> onRefresh;
};

inline Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string TempFile(const std::string& name, const Bytes& bytes = {}) {
  const auto dir = std::filesystem::path(NAVBIN_BINARY_DIR) / "transfer_tests";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Blocks of a file, from its first start marker on, until the reader ends.
inline std::vector<transfer::BlockRead> Blocks(const Bytes& file) {
  transfer::SpanSource in(file);
  std::vector<transfer::BlockRead> blocks;
  for (auto b = transfer::ReadBlock(in); b.end == transfer::BlockEnd::Complete;
       b = transfer::ReadBlock(in)) {
    blocks.push_back(b);
  }
  return blocks;
}

class TransferRig {
  std::unique_ptr<support::ChildProcess> sim_;
  platform::MemorySerialBackend memory_;
  platform::PosixSerialBackend posix_;

 public:
  // On an in-memory line answered by a simulated receiver of `seed`.
  explicit TransferRig(std::uint64_t seed = 3)
      : receiver(std::make_unique<sim::SimulatedReceiver>(seed)) {
    platform::MemoryLine& line = memory_.addDevice("mem");
    line.setWaitHook([this, &line] { answer(line); });
    open(memory_, "mem");
  }
  // On the terminal of navbin-sim run with `args`.
  explicit TransferRig(const std::vector<std::string>& args)
      : sim_(std::make_unique<support::ChildProcess>(
            std::string(NAVBIN_BINARY_DIR) + "/sim/navbin-sim", args)) {
    sim_->readOut(1, support::Ms(5000));
    const auto lines = sim_->outLines();
    if (!lines.empty()) open(posix_, lines.front());
  }

  bool isOpen() const { return ports[0].isOpen; }
  // The in-memory receiver's satellite-data options.
  sim::SatelliteDataOptions& options() { return receiver->satelliteData().options(); }
  platform::MemoryLine& line() { return *memory_.line("mem"); }
  Colour light(std::string_view name) const { return display.get(Form::Alm, name).colour; }
  std::string status() const { return display.get(Form::Alm, "Label_LoadStatus").text; }

  std::unique_ptr<sim::SimulatedReceiver> receiver;  // the in-memory line's far side
  std::vector<support::Packet> sent;                 // what the receiver got, in order
  platform::PortMap map;
  link::SerialChannel channel{backend(), map};
  link::PortTable ports;
  link::PortSelection shell;
  std::array<std::uint8_t, link::kPortCount> logTrigger{};
  commands::PacketSender sender{channel, ports, shell, logTrigger};
  support::FakeDisplay display;
  support::ScriptedPrompter prompter;
  RecordingView view;
  transfer::SatelliteTransfer transfer{{channel, ports, shell, sender, display, prompter}, view};

 private:
  platform::SerialBackend& backend() {
    return sim_ ? static_cast<platform::SerialBackend&>(posix_) : memory_;
  }
  void open(platform::SerialBackend&, const std::string& path) {
    map.assign(1, path);
    shell.displayPort = 1;
    channel.OpenPort(ports[0], path, 0);
  }
  void answer(platform::MemoryLine& line) {
    for (const auto& frame : line.frames()) {
      for (const auto& p : support::Deframe(frame)) sent.push_back(p);
      receiver->receive(frame);
    }
    line.clearWritten();
    receiver->advance(std::chrono::milliseconds(10));
    line.push(receiver->takeOutput());
  }
};

}  // namespace navbin::transfer_testing
