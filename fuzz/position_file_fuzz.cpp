// Fuzz target: the position file reader over arbitrary file contents, and
// the round trip of the position download: a line written from any three
// doubles (NaN and infinities included) reads back as its kind and numbers.
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

#include "protocol/reports/download_position.h"
#include "protocol/reports/position_file.h"

namespace {

using namespace navbin;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "position file invariant broken: %s\n", what);
  std::abort();
}

reports::PositionFileData Scan(const void* data, std::size_t size) {
  // fmemopen cannot open an empty buffer everywhere; an empty file reads like
  // one blank.
  static const char kBlank = ' ';
  std::FILE* file = size > 0 ? fmemopen(const_cast<void*>(data), size, "r")
                             : fmemopen(const_cast<char*>(&kBlank), 1, "r");
  Check(file != nullptr, "fmemopen");
  const auto read = reports::ScanPositionFile(file);
  std::fclose(file);
  return read;
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
  const std::string line = reports::PositionFileLine(report.id, v[0], v[1], v[2]);
  Check(line.find('\n') == std::string::npos, "one line");
  const auto read = Scan(line.data(), line.size());
  Check(read.items == 4 && read.kind == report.kind, "kind and three numbers read back");
  const float got[3] = {read.a, read.b, read.c};
  for (int i = 0; i < 3; ++i) {
    Check(SameNumber(v[i], got[i], report.decimals[i]), "numbers read back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if ((data[0] & 0x80) && size >= 25) {
    RoundTrip(data);
    return 0;
  }
  const auto read = Scan(data + 1, size - 1);
  Check(read.items >= 0 && read.items <= 4, "at most four items");
  Check(read.items > 0 || read.kind == -1, "no kind without an item");
  return 0;
}
