// Fuzz target: the position file reader over arbitrary file contents, and
// the round trip of the position download: a line written from any three
// finite doubles reads back as its kind and numbers; NaN and infinities are refused.
//
// Input: byte 0 picks the mode; in round-trip mode bytes 1..24 are the three
// doubles, otherwise the whole rest is the file.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/download_position.h"
#include "shell/position_file.h"

namespace {

using namespace navbin;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "position file invariant broken: %s\n", what);
  std::abort();
}

// The number read back against the one written with `decimals` places: the
// same up to half the last place and the float rounding.
bool SameNumber(double written, float read, int decimals) {
  if (std::isnan(written)) return std::isnan(read);
  if (std::fabs(written) >= static_cast<double>(FLT_MAX)) {
    return std::signbit(read) == std::signbit(written) &&
           (std::isinf(read) || std::fabs(read) == FLT_MAX);
  }
  const auto expected = static_cast<float>(written);
  const double slack = 0.5 * std::pow(10.0, -decimals) + std::fabs(written) * 1.2e-7 + 1e-38;
  return std::fabs(static_cast<double>(read) - static_cast<double>(expected)) <= slack * 1.01;
}

void RoundTrip(const std::uint8_t* data) {
  static constexpr struct {
    int id, kind, decimals[3];
  } kReports[] = {
      {0x42, 1, {2, 2, 2}}, {0x4A, 0, {3, 3, 1}}, {0x83, 1, {5, 5, 5}}, {0x84, 0, {5, 5, 3}}};
  double v[3];
  std::memcpy(v, data + 1, sizeof v);
  const auto& report = kReports[data[0] % 4];
  const std::string line = shell::PositionFileLine(report.id, v[0], v[1], v[2]);
  Check(line.find('\n') == std::string::npos, "one line");
  const shell::PositionFile read = shell::ParsePositionFile(line);
  // The reader refuses NaN and infinities: such a line reads as a short one.
  for (double x : v) {
    if (!std::isfinite(x)) {
      Check(read.count < 3, "a position that is no number is refused");
      return;
    }
  }
  Check(read.count == 3 && read.kind == report.kind, "kind and three numbers read back");
  for (int i = 0; i < 3; ++i) {
    Check(SameNumber(v[i], read.values[i], report.decimals[i]), "numbers read back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if ((data[0] & 0x80) && size >= 25) {
    RoundTrip(data);
    return 0;
  }
  const shell::PositionFile read =
      shell::ParsePositionFile({reinterpret_cast<const char*>(data + 1), size - 1});
  Check(read.count >= 0 && read.count <= 3, "at most three numbers");
  return 0;
}
