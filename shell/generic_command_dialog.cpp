// The generic command dialog: hexadecimal bytes typed by the user, sent as one
// packet (id first); framing and DLE doubling are the sender's.

#include <algorithm>
#include <optional>

#include "protocol/commands/generic_command.h"
#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"

namespace navbin::shell {

namespace {

constexpr std::size_t kMaxTextChars = 499;
constexpr std::string_view kSeparators = " \t\n\r";

// The first `count` characters of UTF-8 `text` (continuation bytes belong to
// the character they continue).
std::string_view FirstChars(std::string_view text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts && chars++ == count) return text.substr(0, i);
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One token read as "%x" reads it: white space, an optional sign, an optional
// 0x (its 0 counts as a digit), hexadecimal digits up to the first other
// character. Nothing without a digit, or for a value that is no byte: also a
// negative one (the conversion is unsigned) and one of many digits that the
// conversion would wrap ("100000000" is not 0).
std::optional<std::uint8_t> ScanHexByte(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  bool digits = false;
  if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    digits = true;
    i += 2;
  }
  unsigned value = 0;
  for (; i < t.size() && HexDigit(t[i]) >= 0; ++i) {
    digits = true;
    value = std::min(value * 16 + static_cast<unsigned>(HexDigit(t[i])), 0x100u);
  }
  if (!digits || value > 0xFF || (negative && value != 0)) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

}  // namespace

HexBytes ParseHexBytes(std::string_view text) {
  text = FirstChars(text, kMaxTextChars);
  HexBytes out;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(kSeparators, at)) != std::string_view::npos) {
    const std::size_t end = std::min(text.find_first_of(kSeparators, at), text.size());
    // The size is checked before the next token is read, good or bad.
    if (out.bytes.size() == commands::kMaxGenericCommandLength) {
      return {{}, "Size of data is greater than 128 bytes."};
    }
    const auto byte = ScanHexByte(text.substr(at, end - at));
    if (!byte) return {{}, "Error in data"};
    out.bytes.push_back(*byte);
    at = end;
  }
  if (out.bytes.empty()) out.error = "No data to send.";
  return out;
}

bool SendHexCommand(reports::Display& display, reports::Prompter& prompter,
                    commands::PacketSender& sender) {
  const HexBytes parsed =
      ParseHexBytes(display.text(reports::Form::GenNavBin, reports::names::Edit_NavBin));
  if (!parsed.error.empty()) {
    prompter.message(parsed.error, "Error");
    return false;
  }
  return commands::SendGenericCommand(sender, commands::DISPLAY_PORT, parsed.bytes);
}

}  // namespace navbin::shell
