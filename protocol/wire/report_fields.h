#pragma once
// The decoded fields of a report, for navbin-dump and other tools.
//
// Every report has, in protocol/wire/report_<name>.h, defined in
// report_<name>.cpp (its decoder is protocol/receiver/decode_<name>.cpp):
//   struct <Name>Report { ... };  the values in the receiver's own units
//   std::optional<<Name>Report> Parse<Name>(std::span<const std::uint8_t> payload);
//       the only code that reads the report's offsets; empty for a payload
//       of the wrong length (for 0x8E/0x8F the payload starts with the sub-id)
//   void Describe(const <Name>Report& report, FieldSink& out);
//       one out.field(name, value, unit) per field, in the names of
//       ReceiverState (latitude, clockBias, timeOfFix ...); out.derived for
//       a value converted from a field into other units
// and one line in the registry of report_fields.cpp, by id and sub-id.
// The settings groups instead have one record each in protocol/settings/,
// parsed and described from its field table (settings_describe.h).

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace navbin::reports {

// The float nearest to `value`: an infinity from half the last place beyond
// the largest float on, without the undefined cast of an out-of-range double.
float NearestFloat(double value);

// Receives a report's fields one by one. A float field stays a float, so a
// writer can print it as the single-precision value it is.
class FieldSink {
 public:
  virtual ~FieldSink() = default;

  void field(std::string_view name, double value, std::string_view unit = {}) {
    number(name, value, unit);
  }
  void field(std::string_view name, float value, std::string_view unit = {}) {
    single(name, value, unit);
  }
  template <std::integral T>
  void field(std::string_view name, T value, std::string_view unit = {}) {
    integer(name, static_cast<std::int64_t>(value), unit);
  }
  void field(std::string_view name, std::string_view value) { text(name, value); }
  // A value computed in double from the field `source` (a bias rate in m/s
  // shown in ns/s), written with the precision of that field: from a float
  // field, as the nearest float.
  void derived(std::string_view name, float /*source*/, double value, std::string_view unit = {}) {
    single(name, NearestFloat(value), unit);
  }
  void derived(std::string_view name, double /*source*/, double value, std::string_view unit = {}) {
    number(name, value, unit);
  }

 protected:
  virtual void number(std::string_view name, double value, std::string_view unit) = 0;
  virtual void single(std::string_view name, float value, std::string_view unit) = 0;
  virtual void integer(std::string_view name, std::int64_t value, std::string_view unit) = 0;
  virtual void text(std::string_view name, std::string_view value) = 0;
};

// Writes the fields of packet `id` with `payload` (sub-id first for 0x8E and
// 0x8F) to `out`. False, with nothing written, for ids the system does not
// decode and for payloads its parser refuses.
bool DescribeReport(int id, std::span<const std::uint8_t> payload, FieldSink& out);

// True for a packet DescribeReport would describe: a report the system
// decodes, of the right length.
bool IsDecodableReport(int id, std::span<const std::uint8_t> payload);

// The same fields collected as values, for tests and tools that want a list.
struct ReportField {
  std::string name;
  std::variant<double, float, std::int64_t, std::string> value;
  std::string unit{};
};
std::vector<ReportField> DescribeReport(int id, std::span<const std::uint8_t> payload);

}  // namespace navbin::reports
