#include "platform/telnet_session.h"

namespace navbin::platform {
namespace {

using namespace telnet;

bool WantLocal(std::uint8_t option) {
  return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

bool WantRemote(std::uint8_t option) {
  return option == kBinary || option == kSuppressGoAhead;
}

void Negotiate(std::uint8_t verb, std::uint8_t option, std::vector<std::uint8_t>& out) {
  out.insert(out.end(), {kIac, verb, option});
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& data, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = at; i < at + 4; ++i) value = value << 8 | data[i];
  return value;
}

// IAC SB COM-PORT-OPTION command value IAC SE, the value escaped.
void ComPortCommand(std::uint8_t command, std::span<const std::uint8_t> value,
                    std::vector<std::uint8_t>& out) {
  out.insert(out.end(), {kIac, kSb, kComPort, command});
  TelnetSession::encodeData(value, out);
  out.insert(out.end(), {kIac, kSe});
}

std::uint8_t ParityCode(int parity) {
  return parity == 1 ? 2 : parity == 2 ? 3 : 1;
}

std::uint8_t StopSizeCode(int stopBits) {
  return stopBits == 2 ? 2 : stopBits == 1 ? 3 : 1;
}

}  // namespace

void TelnetSession::start(std::vector<std::uint8_t>& out) {
  for (const std::uint8_t option : {kComPort, kBinary, kSuppressGoAhead}) {
    local_[option].asked = true;
    Negotiate(kWill, option, out);
  }
  for (const std::uint8_t option : {kBinary, kSuppressGoAhead}) {
    remote_[option].asked = true;
    Negotiate(kDo, option, out);
  }
}

void TelnetSession::receive(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& data,
                            std::vector<std::uint8_t>& out) {
  commands_.clear();
  reader_.feed(in, data, commands_);
  for (const TelnetCommand& command : commands_) answer(command, out);
}

void TelnetSession::encodeData(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out) {
  for (const std::uint8_t b : in) {
    out.push_back(b);
    if (b == kIac) out.push_back(b);
  }
}

void TelnetSession::setLine(const LineParameters& line, std::vector<std::uint8_t>& out) {
  if (comPortAgreed()) {
    sendLine(line, out);
  } else {
    waitingLine_ = line;
  }
}

void TelnetSession::sendLine(const LineParameters& line, std::vector<std::uint8_t>& out) const {
  const std::uint32_t baud = line.baud;
  const std::uint8_t rate[] = {
      static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
      static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)};
  ComPortCommand(rfc2217::kSetBaudRate, rate, out);
  const std::uint8_t size[] = {static_cast<std::uint8_t>(line.byteSize)};
  ComPortCommand(rfc2217::kSetDataSize, size, out);
  const std::uint8_t parity[] = {ParityCode(line.parity)};
  ComPortCommand(rfc2217::kSetParity, parity, out);
  const std::uint8_t stop[] = {StopSizeCode(line.stopBits)};
  ComPortCommand(rfc2217::kSetStopSize, stop, out);
}

void TelnetSession::answer(const TelnetCommand& command, std::vector<std::uint8_t>& out) {
  switch (command.verb) {
    case kDo:
    case kDont:
      onLocal(command.option, command.verb == kDo, out);
      break;
    case kWill:
    case kWont:
      onRemote(command.option, command.verb == kWill, out);
      break;
    case kSb:
      onSubnegotiation(command);
      break;
    default:
      break;  // NOP, GA and the like need no answer
  }
}

// DO / DONT: agrees to what we want, refuses the rest, and answers only what
// changes a state or was not our own request, so that no answer loops.
void TelnetSession::onLocal(std::uint8_t option, bool enable, std::vector<std::uint8_t>& out) {
  Side& side = local_[option];
  const bool asked = side.asked;
  side.asked = false;
  if (enable && WantLocal(option)) {
    if (!side.on && !asked) Negotiate(kWill, option, out);
    side.on = true;
    if (option == kComPort && waitingLine_) {
      sendLine(*waitingLine_, out);
      waitingLine_.reset();
    }
  } else if (enable) {
    Negotiate(kWont, option, out);
  } else {
    if (side.on) Negotiate(kWont, option, out);
    side.on = false;
  }
}

void TelnetSession::onRemote(std::uint8_t option, bool enable, std::vector<std::uint8_t>& out) {
  Side& side = remote_[option];
  const bool asked = side.asked;
  side.asked = false;
  if (enable && WantRemote(option)) {
    if (!side.on && !asked) Negotiate(kDo, option, out);
    side.on = true;
  } else if (enable) {
    Negotiate(kDont, option, out);
  } else {
    if (side.on) Negotiate(kDont, option, out);
    side.on = false;
  }
}

void TelnetSession::onSubnegotiation(const TelnetCommand& command) {
  if (command.option != kComPort || command.data.empty()) return;
  const std::vector<std::uint8_t>& d = command.data;
  switch (d[0]) {
    case rfc2217::kSetBaudRate + rfc2217::kServerOffset:
      if (d.size() >= 5) reported_.baud = BigEndian(d, 1);
      break;
    case rfc2217::kSetDataSize + rfc2217::kServerOffset:
      if (d.size() >= 2) reported_.dataSize = d[1];
      break;
    case rfc2217::kSetParity + rfc2217::kServerOffset:
      if (d.size() >= 2) reported_.parity = d[1];
      break;
    case rfc2217::kSetStopSize + rfc2217::kServerOffset:
      if (d.size() >= 2) reported_.stopSize = d[1];
      break;
    default:
      break;  // line and modem state notices are not used
  }
}

}  // namespace navbin::platform
