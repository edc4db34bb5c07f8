#pragma once
// The lines navbin-dump prints: one per packet, as text or as a JSON object.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/reports/report_fields.h"

namespace navbin::tools {

// The packet's name as the system writes it: "4A", or "8F-AB" for the
// super-packets 0x8E and 0x8F (id, hyphen, sub-id) when they carry one.
std::string PacketName(int id, std::span<const std::uint8_t> payload);

// Upper-case hex digits of the bytes, no separators.
std::string HexString(std::span<const std::uint8_t> bytes);

// `text` as a JSON string literal, quotes included. Bytes outside printable
// ASCII are written as \u00XX, so the result is valid JSON for any input.
std::string JsonString(std::string_view text);

// One line without the newline:
//   text: "8F-AB 17 AB0001... timeOfWeek=123456 week=2001"
//   JSON: {"id":"8F","sub":"AB","len":17,"hex":"AB0001...","timeOfWeek":123456,...}
// Numbers in JSON carry full precision; NaN and infinities become null.
std::string FormatPacket(int id, std::span<const std::uint8_t> payload,
                         const std::vector<reports::ReportField>& fields, bool json);

}  // namespace navbin::tools
