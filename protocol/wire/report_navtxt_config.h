#pragma once
// Report 0x7F, NavTxt configuration.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kNavTxtConfigLength = 24;

struct NavTxtConfigReport {
  std::uint8_t flags = 0;  // bit 0 ID, 1 CS, 2 EC, 3 FR, 4 CR
  std::uint16_t topOfHourOffset = 0;
  std::array<std::uint16_t, 8> periods{};   // AL, CP, ID, LN, PV, ST, TM, VR
  std::array<std::uint8_t, 4> vehicleId{};  // four characters
};

// Empty unless `payload` has exactly kNavTxtConfigLength bytes.
std::optional<NavTxtConfigReport> ParseNavTxtConfig(std::span<const std::uint8_t> payload);
void Describe(const NavTxtConfigReport& report, FieldSink& out);

}  // namespace navbin::reports
