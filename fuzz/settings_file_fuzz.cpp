// Fuzz target: the settings file reader over arbitrary text. It never
// crashes; a file it takes is written again, and that file reads back with
// the same settings (unknown keys and all).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/settings_file.h"
#include "config/settings_procedure.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "settings file invariant broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace navbin::config;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto read = ReadSettingsFile(text, error);
  Check(read.has_value() == error.empty(), "an error exactly when refused");
  if (!read) return 0;
  const std::string written = WriteSettingsFile(*read, text);
  const auto again = ReadSettingsFile(written, error);
  Check(again.has_value(), "a written file reads back");
  Check(Differences(*read, *again).empty() && Differences(*again, *read).empty(),
        "the same settings after a rewrite");
  Check(WriteSettingsFile(*again, written) == written, "a second rewrite changes nothing");
  return 0;
}
