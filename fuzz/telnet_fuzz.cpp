// Fuzz target: arbitrary bytes from a Telnet / COM port server through the
// client session, whole and in arbitrary read sizes. Checks that every data
// byte it yields was in the input, in order; that cutting the input into
// reads changes neither the data nor the answers; and that the answers stay
// bounded (no answer loops).

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/telnet_session.h"

namespace {

using navbin::platform::TelnetSession;
using Bytes = std::vector<std::uint8_t>;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "telnet invariant broken: %s\n", what);
  std::abort();
}

bool IsSubsequence(const Bytes& part, std::span<const std::uint8_t> whole) {
  std::size_t at = 0;
  for (const std::uint8_t b : whole) {
    if (at < part.size() && part[at] == b) ++at;
  }
  return at == part.size();
}

struct Output {
  Bytes data;
  Bytes answers;
  bool operator==(const Output&) const = default;
};

// Read sizes from 1 to `limit`, from the input's first byte on.
Output Through(std::span<const std::uint8_t> in, std::size_t limit) {
  TelnetSession session;
  Output out;
  session.start(out.answers);
  session.setLine({}, out.answers);
  std::uint32_t state = in.empty() ? 1u : in[0];
  for (std::size_t at = 0; at < in.size();) {
    state = state * 1664525u + 1013904223u;
    const std::size_t n = std::min<std::size_t>(1 + (state >> 8) % limit, in.size() - at);
    session.receive(in.subspan(at, n), out.data, out.answers);
    at += n;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> in(data, size);
  const Output whole = Through(in, size + 1);
  Check(IsSubsequence(whole.data, in), "every data byte was in the input, in order");
  // A command of three bytes gets at most one answer of three, besides the
  // opening requests and the line's four commands.
  Check(whole.answers.size() <= 64 + size, "answers stay bounded");
  Check(Through(in, 1) == whole, "byte by byte gives the same");
  Check(Through(in, 7) == whole, "short reads give the same");
  return 0;
}
