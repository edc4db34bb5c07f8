#include "transfer/transfer_texts.h"

#include <array>
#include <cstdio>
#include <utility>

#include "transfer/data_block.h"

namespace navbin::transfer {

namespace {
template <class... Args>
std::string Format(const char* format, Args... args) {
  char text[64];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

// The SV lights, then ionospheric, UTC and health page.
template <std::size_t... K>
constexpr std::array<reports::ControlName, sizeof...(K) + 3> LightsInFileOrder(
    std::index_sequence<K...>) {
  return {reports::rows::Shape_SV[K]..., reports::names::Shape_Iono, reports::names::Shape_UTC,
          reports::names::Shape_Alm};
}
}  // namespace

std::optional<reports::ControlName> AlmLightName(std::uint8_t type, std::uint8_t sv) {
  switch (type) {
    case kTypeAlmanac:
      if (!IsValidSv(sv)) return std::nullopt;
      return reports::rows::Shape_SV[static_cast<std::size_t>(sv - 1)];
    case kTypeAlmanacHealth:
      return reports::names::Shape_Alm;
    case kTypeIonosphere:
      return reports::names::Shape_Iono;
    case kTypeUtc:
      return reports::names::Shape_UTC;
    default:
      return std::nullopt;
  }
}

std::span<const reports::ControlName> AlmLights() {
  static constexpr auto kLights = LightsInFileOrder(std::make_index_sequence<kSvCount>{});
  return kLights;
}

namespace eph {
std::string Requested(int sv) {
  return Format("SV %d ephemeris requested...\r\n", sv);
}
std::string Received(int length) {
  return Format("   received, length = %d\r\n", length);
}
std::string DataForSv(int sv) {
  return Format("Ephemeris data for SV %02d...\r\n", sv);
}
}  // namespace eph

}  // namespace navbin::transfer
