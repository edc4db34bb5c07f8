// navbin-stability [--phase|--frequency] [--tau0 S] [--series bias|rate] [--json] FILE|-
//
// Allan-family deviations of a clock: of phase (s) or fractional frequency
// data as text, one number a line, or of a receiver's clock in a recording
// (a raw NavBin byte stream), printed as CSV or one JSON object.

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "protocol/analysis/stability.h"
#include "protocol/analysis/stability_table.h"
#include "tools/clock_series.h"
#include "tools/number_text.h"

namespace {

using navbin::analysis::DataKind;
using navbin::tools::ClockQuantity;

constexpr int kReadFailure = 1;
constexpr int kBadInput = 2;

struct Options {
  std::optional<DataKind> kind;
  double tau0 = 1.0;
  ClockQuantity series = ClockQuantity::Bias;
  bool json = false;
  std::string path;
};

constexpr const char* kUsage =
    "usage: navbin-stability [--phase|--frequency] [--tau0 S] [--series bias|rate] [--json] "
    "FILE|-\n"
    "  --phase        text input is phase in seconds (the default)\n"
    "  --frequency    text input is fractional frequency\n"
    "  --tau0 S       sample interval in seconds (default 1)\n"
    "  --series bias  from a recording: the clock bias, as phase (the default)\n"
    "  --series rate  from a recording: the clock bias rate, as frequency\n"
    "  --json         one JSON object instead of CSV\n";

int Fail(const std::string& what, const std::string& why, int code) {
  std::fprintf(stderr, "navbin-stability: %s: %s\n", what.c_str(), why.c_str());
  return code;
}

bool PositiveNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && value > 0;
}

// Nothing, with the reason in `error`, for a bad command line.
std::optional<Options> Parse(int argc, char** argv, std::string& error) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--phase" || arg == "--frequency") {
      o.kind = arg == "--phase" ? DataKind::Phase : DataKind::Frequency;
    } else if (arg == "--json") {
      o.json = true;
    } else if (arg == "--tau0" && hasValue) {
      if (!PositiveNumber(argv[++i], o.tau0)) error = "--tau0 takes a positive number of seconds";
    } else if (arg == "--series" && hasValue) {
      const std::string v = argv[++i];
      if (v != "bias" && v != "rate") error = "--series takes bias or rate";
      o.series = v == "rate" ? ClockQuantity::Rate : ClockQuantity::Bias;
    } else if ((arg == "-" || arg[0] != '-') && o.path.empty()) {
      o.path = arg;
    } else {
      error = "unexpected argument " + arg;
    }
    if (!error.empty()) return std::nullopt;
  }
  if (o.path.empty()) error = "no input";
  return error.empty() ? std::optional(o) : std::nullopt;
}

bool ReadAll(std::FILE* file, std::vector<std::uint8_t>& bytes) {
  std::uint8_t buffer[64 * 1024];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  return !std::ferror(file);
}

int Run(const Options& o) {
  const std::string name = o.path == "-" ? "standard input" : o.path;
  std::FILE* file = o.path == "-" ? stdin : std::fopen(o.path.c_str(), "rb");
  if (!file) return Fail(name, std::strerror(errno), kReadFailure);
  std::vector<std::uint8_t> bytes;
  const bool read = ReadAll(file, bytes);
  if (file != stdin) std::fclose(file);
  if (!read) return Fail(name, "read error", kReadFailure);

  std::vector<double> values;
  DataKind kind = o.kind.value_or(DataKind::Phase);
  if (navbin::tools::LooksLikeRecording(bytes)) {
    const DataKind seriesKind =
        o.series == ClockQuantity::Bias ? DataKind::Phase : DataKind::Frequency;
    if (o.kind && *o.kind != seriesKind) {
      return Fail(name, "a recording's bias is phase and its rate frequency", kBadInput);
    }
    auto series = navbin::tools::ReadClockSeries(bytes, o.series, o.tau0);
    if (series.values.empty()) return Fail(name, "no clock reports in the recording", kBadInput);
    values = std::move(series.values);
    kind = seriesKind;
  } else {
    auto text =
        navbin::tools::ReadNumberText({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    if (!text.error.empty()) return Fail(name, text.error, kBadInput);
    values = std::move(text.values);
  }

  navbin::analysis::StabilityAccumulator accumulator(kind, o.tau0);
  for (const double v : values) accumulator.add(v);
  const auto points = accumulator.results();
  if (values.empty()) return Fail(name, "no samples", kBadInput);
  if (points.empty()) {
    return Fail(name, std::to_string(values.size()) + " samples: too few for any averaging time",
                kBadInput);
  }
  const std::string out =
      o.json ? navbin::analysis::StabilityJson(points, o.tau0, accumulator.phasePoints())
             : navbin::analysis::StabilityCsv(points);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  std::string error;
  const auto options = Parse(argc, argv, error);
  if (!options) {
    std::fprintf(stderr, "navbin-stability: %s\n%s", error.c_str(), kUsage);
    return kBadInput;
  }
  return Run(*options);
}
