#pragma once
// Field values as people read them, and the differences between two records
// of a group: the fields the receiver reports and a command sets.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "protocol/settings/settings_field.h"

namespace navbin::config {

// The unit of the fields that are angles; files and messages show them in degrees.
inline constexpr std::string_view kRadians = "rad";

// Shortest decimal that reads back as exactly `v`.
std::string ShortestText(double v);
std::string ShortestText(float v);
// Radians in degrees, rounded to a millionth of a degree.
double DegreesOf(double radians);

template <class T>
std::string ValueText(T v, std::string_view unit) {
  if constexpr (std::is_floating_point_v<T>) {
    if (unit == kRadians) return ShortestText(DegreesOf(v)) + " deg";
    return ShortestText(v);
  } else {
    return std::to_string(v);
  }
}

// Characters in double quotes, the zero padding left off, other bytes as \xNN.
std::string QuotedText(std::span<const std::uint8_t> chars);

// "group.field: file value -> receiver value"
struct Difference {
  std::string field;  // group.field
  std::string fileValue;
  std::string receiverValue;

  std::string line() const { return field + ": " + fileValue + " -> " + receiverValue; }
};

// True for a field that is both reported and set, the fields a restore can
// make the receiver report.
template <class F>
constexpr bool Restorable(const F& f) {
  return f.at.report != settings::kAbsent && f.at.command != settings::kAbsent;
}

// Appends one Difference per restorable field in which `file` and `receiver` differ.
template <settings::Record R>
void AppendDifferences(std::string_view group, const R& file, const R& receiver,
                       std::vector<Difference>& out) {
  const auto one = [&](const auto& f) {
    if (!Restorable(f)) return;
    const std::string name = std::string(group) + "." + std::string(f.name);
    if constexpr (requires { f.value(file); }) {
      if (f.value(file) == f.value(receiver)) return;
      out.push_back({name, ValueText(f.value(file), f.unit), ValueText(f.value(receiver), f.unit)});
    } else {
      if (file.*f.member == receiver.*f.member) return;
      out.push_back({name, QuotedText(file.*f.member), QuotedText(receiver.*f.member)});
    }
  };
  std::apply([&](const auto&... f) { (one(f), ...); }, settings::Table<R>::fields);
}

}  // namespace navbin::config
