#pragma once
// A pulse-per-second source: the kernel's PPS device (/dev/ppsN, the RFC 2783
// interface as pps-tools' <sys/timepps.h> gives it), fed by the receiver's
// pulse on a serial port's DCD line or a GPIO; in tests, a scripted one.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace navbin::platform {

struct Pulse {
  std::chrono::system_clock::time_point at;  // the PC's clock at the pulse's edge
  std::uint64_t sequence = 0;                // counts the pulses
};

class PpsSource {
 public:
  virtual ~PpsSource() = default;
  // The last pulse captured, without waiting; nothing before the first.
  virtual std::optional<Pulse> latest() = 0;
};

// Opens `path` and asks for its assert edges; nullptr with the reason in
// `error`.
std::unique_ptr<PpsSource> OpenKernelPps(const std::string& path, std::string& error);

}  // namespace navbin::platform
