#pragma once
// The client side of Telnet with the COM Port Control option (RFC 2217), as a
// pure class: it asks for binary transmission both ways, suppressed go-ahead
// and the COM port option; answers the server's negotiation; escapes data
// (0xFF doubled) and turns line settings into the option's SET commands,
// held until the server has agreed to the option.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/serial_device.h"
#include "platform/telnet_reader.h"

namespace navbin::platform {

namespace rfc2217 {
constexpr std::uint8_t kSetBaudRate = 1;
constexpr std::uint8_t kSetDataSize = 2;
constexpr std::uint8_t kSetParity = 3;
constexpr std::uint8_t kSetStopSize = 4;
constexpr std::uint8_t kServerOffset = 100;  // the server's answer to command N is N + 100
}  // namespace rfc2217

class TelnetSession {
 public:
  // What the server last reported of its port; 0 for what it has not reported.
  struct ReportedLine {
    std::uint32_t baud = 0;
    std::uint8_t dataSize = 0;
    std::uint8_t parity = 0;    // 1 none, 2 odd, 3 even
    std::uint8_t stopSize = 0;  // 1 one, 2 two, 3 one and a half
  };

  // The client's opening requests.
  void start(std::vector<std::uint8_t>& out);

  // Bytes from the server: data appended to `data`, answers to `out`.
  void receive(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& data,
               std::vector<std::uint8_t>& out);

  // Data for the server, every 0xFF doubled.
  static void encodeData(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out);

  // The SET commands of `line`, appended to `out` once the server has agreed
  // to the COM port option; until then the latest line waits for it.
  void setLine(const LineParameters& line, std::vector<std::uint8_t>& out);

  bool comPortAgreed() const { return local_[telnet::kComPort].on; }
  const ReportedLine& reported() const { return reported_; }

 private:
  // One side of one option: on, and whether our request awaits an answer.
  struct Side {
    bool on = false;
    bool asked = false;
  };

  void answer(const TelnetCommand& command, std::vector<std::uint8_t>& out);
  void onLocal(std::uint8_t option, bool enable, std::vector<std::uint8_t>& out);
  void onRemote(std::uint8_t option, bool enable, std::vector<std::uint8_t>& out);
  void onSubnegotiation(const TelnetCommand& command);
  void sendLine(const LineParameters& line, std::vector<std::uint8_t>& out) const;

  TelnetReader reader_;
  std::vector<TelnetCommand> commands_;
  std::array<Side, 256> local_{};   // options we perform (WILL / WONT)
  std::array<Side, 256> remote_{};  // options the server performs (DO / DONT)
  std::optional<LineParameters> waitingLine_;
  ReportedLine reported_;
};

}  // namespace navbin::platform
