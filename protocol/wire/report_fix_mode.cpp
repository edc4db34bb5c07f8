// Report 0x6D: fix mode, dilutions of precision and the SVs used in the fix.

#include "protocol/wire/report_fix_mode.h"

#include <array>
#include <charconv>

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"

namespace navbin::reports {

namespace {

constexpr std::size_t kFirstSvOffset = 17;

}  // namespace

std::optional<FixModeReport> ParseFixMode(std::span<const std::uint8_t> payload) {
  if (payload.size() < kFirstSvOffset) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return FixModeReport{p[0],
                       link::GetSingle(p + 1),
                       link::GetSingle(p + 5),
                       link::GetSingle(p + 9),
                       link::GetSingle(p + 13),
                       payload.subspan(kFirstSvOffset)};
}

void Describe(const FixModeReport& r, FieldSink& out) {
  out.field("fixMode", r.fixMode);
  out.field("dimension", r.dimension());
  out.field("svCount", r.svCount());
  out.field("pdop", r.pdop);
  out.field("hdop", r.hdop);
  out.field("vdop", r.vdop);
  out.field("tdop", r.tdop);
  // Every SV byte, signed, separated by blanks: at most 5 characters each.
  std::array<char, 5 * 512> svs;
  char* end = svs.data();
  for (std::uint8_t sv : r.fixSvs) {
    if (end != svs.data()) *end++ = ' ';
    end = std::to_chars(end, svs.data() + svs.size(), static_cast<std::int8_t>(sv)).ptr;
  }
  out.field("svs", std::string_view(svs.data(), static_cast<std::size_t>(end - svs.data())));
}

}  // namespace navbin::reports
