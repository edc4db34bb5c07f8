#include "tools/dump_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>

namespace navbin::tools {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned b) {
  out += kHexDigits[(b >> 4) & 0xF];
  out += kHexDigits[b & 0xF];
}

bool IsSuperPacket(int id) {
  return id == 0x8E || id == 0x8F;
}

// Shortest text that reads back as the same double.
std::string HumanNumber(double v) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, result.ptr);
}

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return true;
  for (unsigned char c : text) {
    if (c <= ' ' || c == '"' || c == '\\' || c >= 0x7F) return true;
  }
  return false;
}

std::string HumanValue(const reports::ReportField& field) {
  return std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, double>) {
          return HumanNumber(v);
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          return std::to_string(v);
        } else {
          return NeedsQuotes(v) ? JsonString(v) : v;
        }
      },
      field.value);
}

std::string JsonValue(const reports::ReportField& field) {
  return std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, double>) {
          return JsonNumber(v);
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          return std::to_string(v);
        } else {
          return JsonString(v);
        }
      },
      field.value);
}

// Decoded fields may not reuse the members every line has.
std::string JsonKey(const std::string& name) {
  if (name == "id" || name == "sub" || name == "len" || name == "hex") return "field_" + name;
  return name;
}

}  // namespace

std::string PacketName(int id, std::span<const std::uint8_t> payload) {
  std::string name;
  AppendHexByte(name, static_cast<unsigned>(id));
  if (IsSuperPacket(id) && !payload.empty()) {
    name += '-';
    AppendHexByte(name, payload[0]);
  }
  return name;
}

std::string HexString(std::span<const std::uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) AppendHexByte(out, b);
  return out;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c >= 0x7F) {
          out += "\\u00";
          AppendHexByte(out, c);
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

std::string FormatPacket(int id, std::span<const std::uint8_t> payload,
                         const std::vector<reports::ReportField>& fields, bool json) {
  std::string line;
  if (!json) {
    line = PacketName(id, payload) + ' ' + std::to_string(payload.size()) + ' ';
    line += payload.empty() ? "-" : HexString(payload);
    for (const auto& field : fields) line += ' ' + field.name + '=' + HumanValue(field);
    return line;
  }
  line = "{\"id\":\"";
  AppendHexByte(line, static_cast<unsigned>(id));
  line += '"';
  if (IsSuperPacket(id) && !payload.empty()) {
    line += ",\"sub\":\"";
    AppendHexByte(line, payload[0]);
    line += '"';
  }
  line += ",\"len\":" + std::to_string(payload.size());
  line += ",\"hex\":\"" + HexString(payload) + '"';
  for (const auto& field : fields) {
    line += ',' + JsonString(JsonKey(field.name)) + ':' + JsonValue(field);
  }
  line += '}';
  return line;
}

}  // namespace navbin::tools
