#include "protocol/wire/status_texts.h"

#include <array>
#include <string_view>

namespace navbin::reports {
namespace {

constexpr std::array<std::string_view, 17> kStatusTexts = {
    "Doing fixes",            // 0x00
    "Don't have GPS time",    // 0x01
    " ",                      // 0x02
    "PDOP is too high",       // 0x03
    "",                       // 0x04
    "",                       // 0x05
    "",                       // 0x06
    "",                       // 0x07
    "No Usable SVs",          // 0x08
    "Only 1 Usable SV",       // 0x09
    "Only 2 Usable SVs",      // 0x0A
    "Only 3 Usable SVs",      // 0x0B
    "Chosen SV is unusable",  // 0x0C
    "",                       // 0x0D
    "",                       // 0x0E
    "",                       // 0x0F
    "TRAIM rejected fix",     // 0x10
};

constexpr std::array<std::string_view, 4> kDgpsModeTexts = {
    "Manual (Diff. off)",
    "Manual (Diff. on)",
    "Auto (Diff. currently off)",
    "Auto (Diff. currently on)",
};

constexpr std::array<std::string_view, 8> kModeTexts = {
    "Automatic (2D/3D)", "Single Satellite (Time)", " ",
    "Horizontal (2D)",   "Full Position (3D)",      "DGPS Reference",
    "Clock Hold (2D)",   "Overdetermined Clock",
};

}  // namespace

std::string StatusText(int code) {
  if (code < 0 || code >= static_cast<int>(kStatusTexts.size())) return "Invalid Status";
  return std::string(kStatusTexts[static_cast<std::size_t>(code)]);
}

std::string DgpsModeText(int mode) {
  if (mode < 0 || mode >= static_cast<int>(kDgpsModeTexts.size())) {
    return "Unknown (" + std::to_string(mode) + ")";
  }
  return std::string(kDgpsModeTexts[static_cast<std::size_t>(mode)]);
}

std::string ReceiverModeText(int mode) {
  if (mode < 0 || mode >= static_cast<int>(kModeTexts.size())) return "Invalid Mode";
  return std::string(kModeTexts[static_cast<std::size_t>(mode)]);
}

}  // namespace navbin::reports
