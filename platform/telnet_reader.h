#pragma once
// The receiving half of a Telnet connection as a pure byte reader: bytes from
// the server in, data bytes and the commands seen out. IAC IAC stands for one
// data byte 0xFF; a sequence cut between two reads goes on in the next. Every
// data byte it yields was in its input, in the same order.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace navbin::platform {

namespace telnet {
constexpr std::uint8_t kSe = 240;
constexpr std::uint8_t kNop = 241;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kIac = 255;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;
}  // namespace telnet

struct TelnetCommand {
  std::uint8_t verb = 0;           // WILL, WONT, DO, DONT, SB, or a one-byte command (NOP, GA ...)
  std::uint8_t option = 0;         // the option of WILL ... DONT and SB
  std::vector<std::uint8_t> data;  // what a subnegotiation holds after its option, unescaped
  bool operator==(const TelnetCommand&) const = default;
};

class TelnetReader {
 public:
  // Longest subnegotiation kept; the rest of a longer one is dropped.
  static constexpr std::size_t kMaxSubnegotiation = 64;

  // Appends the data bytes of `in` to `data` and the commands to `commands`.
  void feed(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& data,
            std::vector<TelnetCommand>& commands);

 private:
  enum class State : std::uint8_t { Data, Command, Option, SubOption, Sub, SubIac };

  void command(std::uint8_t b, std::vector<std::uint8_t>& data,
               std::vector<TelnetCommand>& commands);

  State state_ = State::Data;
  TelnetCommand pending_;
};

}  // namespace navbin::platform
