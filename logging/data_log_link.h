#pragma once
// The part of the data log that its position-report steps drive: the record
// trigger, the timer offset and the missing-bias warning. The data log owns
// the rest of its state.

#include <array>
#include <cstdint>
#include <functional>

#include "link/port_context.h"

namespace navbin::logging {

struct DataLogLink {
  std::int32_t dataLogOn = 0;
  std::int32_t receiverTimeMode = 1;  // 1: records paced by position reports
  std::array<float, link::kPortCount> timerOffset{};
  std::array<std::uint8_t, link::kPortCount> biasWarningGiven{};
  // Writes one data-log record for the port index; unset until the data log exists.
  std::function<void(int portIndex)> writeDataRecord;
};

}  // namespace navbin::logging
