#pragma once
// Report 0x58, the satellite-data reply: the answer to a request (operation 2,
// data follows) or to a load (operation 1, accepted). Only the almanac and
// ephemeris transfer reads it; the dispatcher does not decode it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

inline constexpr std::uint8_t kSatelliteDataReplyId = 0x58;
inline constexpr std::uint8_t kOperationLoaded = 1;       // a load was accepted
inline constexpr std::uint8_t kOperationDataFollows = 2;  // the answer to a request

struct SatelliteDataReport {
  std::uint8_t operation = 0;  // any value but 1 and 2 is a refusal
  std::uint8_t dataType = 0;
  std::uint8_t sv = 0;  // 0 for the types that are not per SV
  std::uint8_t length = 0;
  std::array<std::uint8_t, 255> data{};

  std::span<const std::uint8_t> bytes() const { return {data.data(), length}; }
};

// Empty when the payload is shorter than its four header bytes or its length
// byte disagrees with the bytes that follow.
std::optional<SatelliteDataReport> ParseSatelliteData(std::span<const std::uint8_t> payload);

}  // namespace navbin::reports
