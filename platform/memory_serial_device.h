#pragma once
// In-memory serial devices for tests of the layers above the channel.
//
//   platform::MemorySerialBackend backend;
//   platform::MemoryLine& line = backend.addDevice("/dev/ttyTEST0");
//   channel.OpenPort(port, "/dev/ttyTEST0", 0);      // opens through the backend
//   line.push({0x10, 0x41, ..., 0x10, 0x03});        // the receiver sends
//   channel.PollPort(port, handler, false);          // the handler sees the packet
//   line.frames();                                   // every frame written, whole
//   line.setLost(true);                              // unplugged: calls fail quietly
//   line.failOpens(OpenError::PermissionDenied);     // the next opens fail so
//   line.setWaitHook([&] { line.push(answer()); });  // the far side answers a wait
//
// Opens are exclusive like real ports: while a device of a line is open a
// second open fails with Busy. Everything is synchronous and deterministic;
// only waitForInput() on an empty line waits, sleeping out its time-out.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/serial_device.h"

namespace navbin::platform {

// The far side of one in-memory port, and what the test can see of it.
class MemoryLine {
 public:
  // Bytes as if the receiver had sent them; they wait until read.
  void push(std::span<const std::uint8_t> bytes);
  void push(std::initializer_list<std::uint8_t> bytes) { push({bytes.begin(), bytes.size()}); }
  // Bytes waiting to be read.
  std::size_t pendingInput() const { return input_.size(); }

  // Every frame written since the last clearWritten(), one entry per write.
  const std::vector<std::vector<std::uint8_t>>& frames() const { return frames_; }
  // The same bytes as one stream.
  std::vector<std::uint8_t> written() const;
  void clearWritten() { frames_.clear(); }

  // Largest count one read returns (0: no limit), to cut input into chunks.
  void setReadChunk(std::size_t bytes) { readChunk_ = bytes; }

  // A lost line fails every call of its open device (which stays lost even
  // after the line comes back) and every open, with NotFound.
  void setLost(bool lost);
  bool isLost() const { return lost_; }

  // Makes the following opens fail with `error`; None lets them succeed again.
  void failOpens(OpenError error) { openError_ = error; }
  // Called by waitForInput() while no input is waiting, before it sleeps, so
  // that a test can play the far side of a caller that waits for a reply.
  void setWaitHook(std::function<void()> hook) { waitHook_ = std::move(hook); }
  // Calls of waitForInput() so far.
  int waitCount() const { return waitCount_; }

  // Makes setLineParameters() refuse (false) or accept.
  void refuseLineParameters(bool refuse) { refuseLine_ = refuse; }

  // True while a device of this line is open.
  bool held() const { return held_; }
  // Successful opens so far, and purges of the open device.
  int openCount() const { return openCount_; }
  int purgeCount() const { return purgeCount_; }
  // The line settings last accepted.
  const LineParameters& lineParameters() const { return line_; }

 private:
  friend class MemorySerialBackend;
  friend class MemorySerialDevice;

  std::deque<std::uint8_t> input_;
  std::vector<std::vector<std::uint8_t>> frames_;
  std::size_t readChunk_ = 0;
  bool lost_ = false;
  bool held_ = false;
  bool refuseLine_ = false;
  OpenError openError_ = OpenError::None;
  int openCount_ = 0;
  int purgeCount_ = 0;
  int waitCount_ = 0;
  std::function<void()> waitHook_;
  int generation_ = 0;  // bumped when the line is lost, so old devices stay lost
  LineParameters line_;
};

class MemorySerialDevice final : public SerialDevice {
 public:
  explicit MemorySerialDevice(std::shared_ptr<MemoryLine> line);
  ~MemorySerialDevice() override;
  MemorySerialDevice(const MemorySerialDevice&) = delete;
  MemorySerialDevice& operator=(const MemorySerialDevice&) = delete;

  long pendingInput() override;
  long read(std::uint8_t* buffer, std::size_t max) override;
  bool write(const std::uint8_t* frame, std::size_t length) override;
  void flushOutput() override {}
  bool setLineParameters(const LineParameters& line) override;
  void purge() override;
  bool lost() const override;
  bool waitForInput(int timeoutMs) override;

 private:
  std::shared_ptr<MemoryLine> line_;
  int generation_;
};

class MemorySerialBackend final : public SerialBackend {
 public:
  // Registers a device under `path` (or returns the one already there).
  MemoryLine& addDevice(const std::string& path);
  // The line of `path`, or nullptr when none is registered.
  MemoryLine* line(const std::string& path);

  std::unique_ptr<SerialDevice> open(const std::string& path) override;
  OpenError lastError() const override { return lastError_; }
  // Registered and not lost.
  bool exists(const std::string& path) const override;

 private:
  std::map<std::string, std::shared_ptr<MemoryLine>> lines_;
  OpenError lastError_ = OpenError::None;
};

}  // namespace navbin::platform
