// The parsers of the configuration reports that belong to no settings group;
// the settings groups are parsed from their field tables (protocol/settings).

#include "protocol/wire/report_saved_to_flash.h"
#include "protocol/wire/report_set_time_reply.h"

namespace navbin::reports {

using Bytes = std::span<const std::uint8_t>;

std::optional<SetTimeReplyReport> ParseSetTimeReply(Bytes p) {
  if (p.size() != kSetTimeReplyLength) return std::nullopt;
  return SetTimeReplyReport{p[0]};
}

std::optional<SavedToFlashReport> ParseSavedToFlash(Bytes p) {
  if (p.size() != kSavedToFlashLength) return std::nullopt;
  return SavedToFlashReport{};
}

}  // namespace navbin::reports
