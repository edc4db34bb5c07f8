#include "tools/dump_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <variant>

namespace navbin::tools {
namespace {

// Two hex digits per byte value.
constexpr std::array<char, 512> MakeHexPairs() {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::array<char, 512> pairs{};
  for (std::size_t b = 0; b < 256; ++b) {
    pairs[2 * b] = kDigits[b >> 4];
    pairs[2 * b + 1] = kDigits[b & 0xF];
  }
  return pairs;
}
constexpr std::array<char, 512> kHexPairs = MakeHexPairs();

void AppendHex(OutputBuffer& out, std::span<const std::uint8_t> bytes) {
  char* p = out.room(2 * bytes.size());
  for (std::uint8_t b : bytes) {
    std::memcpy(p, &kHexPairs[2 * b], 2);
    p += 2;
  }
  out.commit(p);
}

void AppendHexByte(OutputBuffer& out, unsigned b) {
  const std::uint8_t byte = static_cast<std::uint8_t>(b);
  AppendHex(out, {&byte, 1});
}

bool IsSuperPacket(int id) {
  return id == 0x8E || id == 0x8F;
}

bool NeedsEscape(unsigned char c) {
  return c < 0x20 || c == '"' || c == '\\' || c >= 0x7F;
}

void AppendJsonString(OutputBuffer& out, std::string_view text) {
  out.put('"');
  while (!text.empty()) {
    // The run of plain characters in one piece, then one escape.
    std::size_t plain = 0;
    while (plain < text.size() && !NeedsEscape(static_cast<unsigned char>(text[plain]))) ++plain;
    out.append(text.substr(0, plain));
    if (plain == text.size()) break;
    const auto c = static_cast<unsigned char>(text[plain]);
    text.remove_prefix(plain + 1);
    switch (c) {
      case '"':
        out.append("\\\"");
        break;
      case '\\':
        out.append("\\\\");
        break;
      case '\n':
        out.append("\\n");
        break;
      case '\r':
        out.append("\\r");
        break;
      case '\t':
        out.append("\\t");
        break;
      default:
        out.append("\\u00");
        AppendHexByte(out, c);
    }
  }
  out.put('"');
}

// Text values go bare unless they hold blanks, quotes or control bytes.
bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return true;
  for (unsigned char c : text) {
    if (c <= ' ' || c == '"' || c == '\\' || c >= 0x7F) return true;
  }
  return false;
}

// Shortest round-trip text of a float, double or integer.
template <typename T>
void AppendNumber(OutputBuffer& out, T value) {
  constexpr std::size_t kLongest = 32;  // "-2.2250738585072014e-308" and the like
  char* p = out.room(kLongest);
  out.commit(std::to_chars(p, p + kLongest, value).ptr);
}

template <typename T>
void AppendReal(OutputBuffer& out, T value, bool json) {
  if (json && !std::isfinite(value)) {
    out.append("null");
  } else {
    AppendNumber(out, value);
  }
}

}  // namespace

OutputBuffer::OutputBuffer(std::size_t capacity)
    : data_(std::make_unique<char[]>(capacity)), capacity_(capacity) {}

void OutputBuffer::append(std::string_view text) {
  std::memcpy(room(text.size()), text.data(), text.size());
  size_ += text.size();
}

void OutputBuffer::grow(std::size_t n) {
  std::size_t capacity = std::max<std::size_t>(capacity_ * 2, 64);
  while (capacity - size_ < n) capacity *= 2;
  auto data = std::make_unique<char[]>(capacity);
  std::memcpy(data.get(), data_.get(), size_);
  data_ = std::move(data);
  capacity_ = capacity;
}

void LineWriter::packet(int id, std::span<const std::uint8_t> payload) {
  begin(id, payload);
  reports::DescribeReport(id, payload, *this);
  end();
}

void LineWriter::begin(int id, std::span<const std::uint8_t> payload) {
  const bool sub = IsSuperPacket(id) && !payload.empty();
  if (!json_) {
    AppendHexByte(out_, static_cast<unsigned>(id));
    if (sub) {
      out_.put('-');
      AppendHexByte(out_, payload[0]);
    }
    out_.put(' ');
    AppendNumber(out_, payload.size());
    out_.put(' ');
    if (payload.empty()) out_.put('-');
    AppendHex(out_, payload);
    return;
  }
  out_.append("{\"id\":\"");
  AppendHexByte(out_, static_cast<unsigned>(id));
  if (sub) {
    out_.append("\",\"sub\":\"");
    AppendHexByte(out_, payload[0]);
  }
  out_.append("\",\"len\":");
  AppendNumber(out_, payload.size());
  out_.append(",\"hex\":\"");
  AppendHex(out_, payload);
  out_.put('"');
}

// " name=" or ,"name": where a decoded field may not reuse the members every
// JSON line has.
void LineWriter::key(std::string_view name) {
  if (!json_) {
    out_.put(' ');
    out_.append(name);
    out_.put('=');
    return;
  }
  out_.put(',');
  if (name == "id" || name == "sub" || name == "len" || name == "hex") {
    AppendJsonString(out_, "field_" + std::string(name));
  } else {
    AppendJsonString(out_, name);
  }
  out_.put(':');
}

void LineWriter::number(std::string_view name, double value, std::string_view) {
  key(name);
  AppendReal(out_, value, json_);
}

void LineWriter::single(std::string_view name, float value, std::string_view) {
  key(name);
  AppendReal(out_, value, json_);
}

void LineWriter::integer(std::string_view name, std::int64_t value, std::string_view) {
  key(name);
  AppendNumber(out_, value);
}

void LineWriter::text(std::string_view name, std::string_view value) {
  key(name);
  if (json_ || NeedsQuotes(value)) {
    AppendJsonString(out_, value);
  } else {
    out_.append(value);
  }
}

std::string PacketName(int id, std::span<const std::uint8_t> payload) {
  OutputBuffer out(8);
  AppendHexByte(out, static_cast<unsigned>(id));
  if (IsSuperPacket(id) && !payload.empty()) {
    out.put('-');
    AppendHexByte(out, payload[0]);
  }
  return std::string(out.view());
}

std::string HexString(std::span<const std::uint8_t> bytes) {
  OutputBuffer out(2 * bytes.size() + 1);
  AppendHex(out, bytes);
  return std::string(out.view());
}

std::string JsonString(std::string_view text) {
  OutputBuffer out(text.size() + 2);
  AppendJsonString(out, text);
  return std::string(out.view());
}

std::string FormatPacket(int id, std::span<const std::uint8_t> payload,
                         const std::vector<reports::ReportField>& fields, bool json) {
  OutputBuffer out;
  LineWriter writer(out, json);
  writer.begin(id, payload);
  for (const auto& f : fields) {
    std::visit(
        [&](const auto& v) {
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
            writer.field(f.name, v);
          } else {
            writer.field(f.name, v, f.unit);
          }
        },
        f.value);
  }
  writer.end();
  const std::string_view line = out.view();
  return std::string(line.substr(0, line.size() - 1));  // without the newline
}

}  // namespace navbin::tools
