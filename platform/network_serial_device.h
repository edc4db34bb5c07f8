#pragma once
// A receiver's port across the network, behind the serial device interface:
// a TCP byte stream, raw ("tcp://") or as Telnet with the COM Port Control
// option ("rfc2217://"), whose line settings go to the remote port. Nothing
// waits: the host's look-up and the connect go on while the caller polls
// (reads return 0 until the connection is made), and a look-up or connect
// that fails or outlasts the time-out, a refused or closed connection all
// make the device lost, as an unplugged port is.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/address_lookup.h"
#include "platform/byte_queue.h"
#include "platform/network_address.h"
#include "platform/serial_device.h"
#include "platform/telnet_session.h"

namespace navbin::platform {

class NetworkSerialDevice final : public SerialDevice {
 public:
  // Most output held back while the connection is slow or not yet made; a
  // frame that does not fit is dropped whole.
  static constexpr std::size_t kOutputQueueCapacity = 64 * 1024;
  // Most input held between two reads; the socket keeps the rest.
  static constexpr std::size_t kInputCapacity = 64 * 1024;

  // Connects to what `lookup` finds, within `connectTimeout` from now.
  NetworkSerialDevice(std::unique_ptr<AddressLookup> lookup, NetworkScheme scheme,
                      std::chrono::milliseconds connectTimeout);
  ~NetworkSerialDevice() override;
  NetworkSerialDevice(const NetworkSerialDevice&) = delete;
  NetworkSerialDevice& operator=(const NetworkSerialDevice&) = delete;

  long pendingInput() override;
  long read(std::uint8_t* buffer, std::size_t max) override;
  bool write(const std::uint8_t* frame, std::size_t length) override;
  void flushOutput() override;
  // Any valid settings are taken; only an rfc2217 port passes them on.
  bool setLineParameters(const LineParameters& line) override;
  // Drops the input held and, on a raw stream, the output not yet sent
  // (Telnet output also carries the option's commands and stays).
  void purge() override;
  bool lost() const override { return state_ == State::Lost; }
  bool waitForInput(int timeoutMs) override;
  // The socket once connected: until then progress is made on reads.
  int pollFd() const override { return state_ == State::Open ? fd_ : -1; }

  // Still looking the host up or connecting.
  bool connecting() const { return state_ == State::Resolving || state_ == State::Connecting; }
  // What an rfc2217 server last reported of its port (empty for tcp://).
  std::optional<TelnetSession::ReportedLine> reportedLine() const;

 private:
  enum class State { Resolving, Connecting, Open, Lost };
  using Clock = std::chrono::steady_clock;

  // Moves the look-up and the connect on, waiting up to `waitMs` for them.
  void progress(int waitMs);
  void resolve(int waitMs);
  void connected();
  // Moves what the socket holds into the input, decoded.
  void pump();
  long available() const { return static_cast<long>(input_.size()); }
  std::size_t queuedOutput() const { return output_.size(); }
  void markLost();

  std::unique_ptr<AddressLookup> lookup_;
  int fd_ = -1;
  State state_ = State::Resolving;
  Clock::time_point connectDeadline_;
  std::optional<TelnetSession> telnet_;
  LineParameters line_;
  bool peerClosed_ = false;
  ByteQueue input_{kInputCapacity};
  ByteQueue output_{kOutputQueueCapacity};
  std::vector<std::uint8_t> decoded_;  // data bytes of one Telnet read
  std::vector<std::uint8_t> scratch_;
};

// Opens network ports by their path (see network_address.h).
class NetworkBackend final : public SerialBackend {
 public:
  static constexpr std::chrono::milliseconds kConnectTimeout{5000};

  explicit NetworkBackend(std::chrono::milliseconds connectTimeout = kConnectTimeout)
      : connectTimeout_(connectTimeout) {}

  // A device whose look-up or connect is under way; nullptr when the path
  // is malformed or a numeric address refused at once.
  std::unique_ptr<SerialDevice> open(const std::string& path) override;
  OpenError lastError() const override { return lastError_; }
  // Whether the server answers, by a probe connection that goes on between
  // calls: the first call starts it and says no; a later one says yes once
  // it was taken (and closes it). So a lost port is opened again only when
  // its server is back, and the look never waits.
  bool exists(const std::string& path) const override;

 private:
  std::chrono::milliseconds connectTimeout_;
  OpenError lastError_ = OpenError::None;
  mutable std::map<std::string, std::unique_ptr<NetworkSerialDevice>> probes_;
};

}  // namespace navbin::platform
