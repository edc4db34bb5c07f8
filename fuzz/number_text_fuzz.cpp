// Fuzz target: arbitrary text through the number reader of navbin-stability,
// and what it reads through the stability estimators. Checks that a failure
// keeps no values, that no more values come out than there are lines, and
// that every estimate has no more terms than there are phase points.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "protocol/analysis/stability.h"
#include "tools/number_text.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "number text invariant broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto read = navbin::tools::ReadNumberText(text);
  Check(read.error.empty() || read.values.empty(), "a failure keeps no values");
  std::size_t lines = 1;
  for (const char c : text) lines += c == '\n';
  Check(read.values.size() <= lines, "at most one value a line");

  using navbin::analysis::DataKind;
  for (const DataKind kind : {DataKind::Phase, DataKind::Frequency}) {
    navbin::analysis::StabilityAccumulator accumulator(kind, 1.0);
    for (const double v : read.values) accumulator.add(v);
    for (const auto& p : accumulator.results()) {
      Check(p.oadev.terms < accumulator.phasePoints(), "terms within the data");
      Check(p.mdev.terms <= p.oadev.terms && p.hdev.terms <= p.oadev.terms, "fewer wide terms");
    }
  }
  return 0;
}
