#include "transfer/transfer_texts.h"

#include <cstdio>

#include "transfer/data_block.h"

namespace navbin::transfer {

namespace {
template <class... Args>
std::string Format(const char* format, Args... args) {
  char text[64];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}
}  // namespace

std::string AlmLightName(std::uint8_t type, std::uint8_t sv) {
  switch (type) {
    case kTypeAlmanac:
      return IsValidSv(sv) ? "Shape_SV" + std::to_string(sv) : std::string();
    case kTypeAlmanacHealth:
      return std::string(alm::Shape_Alm);
    case kTypeIonosphere:
      return std::string(alm::Shape_Iono);
    case kTypeUtc:
      return std::string(alm::Shape_UTC);
    default:
      return {};
  }
}

const std::vector<std::string>& AlmLights() {
  static const std::vector<std::string> lights = [] {
    std::vector<std::string> all;
    for (int sv = 1; sv <= kSvCount; ++sv) {
      all.push_back(AlmLightName(kTypeAlmanac, static_cast<std::uint8_t>(sv)));
    }
    for (std::uint8_t type : {kTypeIonosphere, kTypeUtc, kTypeAlmanacHealth}) {
      all.push_back(AlmLightName(type, 0));
    }
    return all;
  }();
  return lights;
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
