// TEMPORARY: stands in for the report layer's DescribeReport until
// protocol/reports/report_fields.cpp exists; tools/CMakeLists.txt compiles it
// only then. navbin-dump prints no decoded fields with it.

#include "protocol/reports/report_fields.h"

namespace navbin::reports {

std::vector<ReportField> DescribeReport(int, std::span<const std::uint8_t>) {
  return {};
}

}  // namespace navbin::reports
