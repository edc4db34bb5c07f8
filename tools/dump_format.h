#pragma once
// The lines navbin-dump prints: one per packet, as text or as a JSON object,
// written straight into one large output buffer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/wire/report_fields.h"

namespace navbin::tools {

// A growing character buffer written through raw pointers: room(n) makes n
// bytes writable at end(), commit() takes what was written.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::size_t capacity = 1 << 16);

  char* room(std::size_t n) {
    if (capacity_ - size_ < n) grow(n);
    return data_.get() + size_;
  }
  void commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }
  void put(char c) {
    *room(1) = c;
    ++size_;
  }
  void append(std::string_view text);

  std::string_view view() const { return {data_.get(), size_}; }
  std::size_t size() const { return size_; }
  void clear() { size_ = 0; }

 private:
  void grow(std::size_t n);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_;
};

// Writes whole lines into `out`:
//   text: "8F-AB 17 AB0001... timeOfWeek=123456 week=2001"
//   JSON: {"id":"8F","sub":"AB","len":17,"hex":"AB0001...","timeOfWeek":123456,...}
// Numbers are the shortest text that reads back as the same value, a float
// as the float it is; in JSON, NaN and infinities become null.
class LineWriter final : public reports::FieldSink {
 public:
  LineWriter(OutputBuffer& out, bool json) : out_(out), json_(json) {}

  // The packet's line with its decoded fields and the newline.
  void packet(int id, std::span<const std::uint8_t> payload);

  // The same in parts, for fields that do not come from a report's parser.
  void begin(int id, std::span<const std::uint8_t> payload);
  void end() { out_.append(json_ ? "}\n" : "\n"); }

 protected:
  void number(std::string_view name, double value, std::string_view unit) override;
  void single(std::string_view name, float value, std::string_view unit) override;
  void integer(std::string_view name, std::int64_t value, std::string_view unit) override;
  void text(std::string_view name, std::string_view value) override;

 private:
  void key(std::string_view name);

  OutputBuffer& out_;
  bool json_;
};

// The packet's name as the system writes it: "4A", or "8F-AB" for the
// super-packets 0x8E and 0x8F (id, hyphen, sub-id) when they carry one.
std::string PacketName(int id, std::span<const std::uint8_t> payload);

// Upper-case hex digits of the bytes, no separators.
std::string HexString(std::span<const std::uint8_t> bytes);

// `text` as a JSON string literal, quotes included. Bytes outside printable
// ASCII are written as \u00XX, so the result is valid JSON for any input.
std::string JsonString(std::string_view text);

// One line of hand-made fields, without the newline.
std::string FormatPacket(int id, std::span<const std::uint8_t> payload,
                         const std::vector<reports::ReportField>& fields, bool json);

}  // namespace navbin::tools
