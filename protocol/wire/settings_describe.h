#pragma once
// The fields of a settings group's report, as its field table names them.

#include <string_view>
#include <type_traits>

#include "protocol/settings/settings_field.h"
#include "protocol/wire/report_fields.h"

namespace navbin::reports {

template <settings::Record R>
void Describe(const R& record, FieldSink& out) {
  settings::ForEachReported(record, [&](std::string_view name, auto value, std::string_view unit) {
    if constexpr (std::is_same_v<decltype(value), std::string_view>) {
      out.field(name, value);
    } else {
      out.field(name, value, unit);
    }
  });
}

}  // namespace navbin::reports
