#include "platform/telnet_reader.h"

namespace navbin::platform {

using namespace telnet;

void TelnetReader::command(std::uint8_t b, std::vector<std::uint8_t>& data,
                           std::vector<TelnetCommand>& commands) {
  state_ = State::Data;
  if (b == kIac) {
    data.push_back(b);
  } else if (b >= kWill) {
    pending_ = {b, 0, {}};
    state_ = State::Option;
  } else if (b == kSb) {
    state_ = State::SubOption;
  } else {
    commands.push_back({b, 0, {}});
  }
}

void TelnetReader::feed(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& data,
                        std::vector<TelnetCommand>& commands) {
  for (const std::uint8_t b : in) {
    switch (state_) {
      case State::Data:
        if (b == kIac) {
          state_ = State::Command;
        } else {
          data.push_back(b);
        }
        break;
      case State::Command:
        command(b, data, commands);
        break;
      case State::Option:
        pending_.option = b;
        commands.push_back(std::move(pending_));
        pending_ = {};
        state_ = State::Data;
        break;
      case State::SubOption:
        pending_ = {kSb, b, {}};
        state_ = State::Sub;
        break;
      case State::Sub:
        if (b == kIac) {
          state_ = State::SubIac;
        } else if (pending_.data.size() < kMaxSubnegotiation) {
          pending_.data.push_back(b);
        }
        break;
      case State::SubIac:
        if (b == kIac) {
          if (pending_.data.size() < kMaxSubnegotiation) pending_.data.push_back(b);
          state_ = State::Sub;
          break;
        }
        // IAC SE ends it; any other command ends it too and is taken as itself.
        commands.push_back(std::move(pending_));
        pending_ = {};
        state_ = State::Data;
        if (b != kSe) command(b, data, commands);
        break;
    }
  }
}

}  // namespace navbin::platform
