#include "protocol/commands/line_codes.h"

#include <array>

namespace navbin::commands {
namespace {

constexpr std::array<std::uint32_t, 10> kBaudRates = {9600, 110,  300,  600,   1200,
                                                      2400, 4800, 9600, 19200, 38400};
constexpr std::array<std::string_view, 10> kBaudTexts = {"0000", "110",  "300",  "600",   "1200",
                                                         "2400", "4800", "9600", "19200", "38400"};
constexpr std::array<std::string_view, 4> kDataBitsTexts = {"5", "6", "7", "8"};
constexpr std::array<std::string_view, 3> kParityTexts = {"N", "O", "E"};
constexpr std::array<std::string_view, 3> kStopBitsTexts = {"1", "2", "2"};
constexpr std::string_view kUnknown = "?";

template <class T, std::size_t N>
T Lookup(const std::array<T, N>& table, int code, T fallback) {
  return code >= 0 && static_cast<std::size_t>(code) < N ? table[static_cast<std::size_t>(code)]
                                                         : fallback;
}

}  // namespace

std::uint32_t BaudRateOfCode(int code) {
  return Lookup(kBaudRates, code, std::uint32_t{0});
}
int DataBitsOfCode(int code) {
  return code >= 0 && code <= 3 ? code + 5 : 0;
}
int ParityOfCode(int code) {
  return code >= 0 && code <= 2 ? code : -1;
}
int StopBitsOfCode(int code) {
  if (code == 0) return 0;
  return code == 1 || code == 2 ? 2 : -1;
}

std::string_view BaudText(int code) {
  return Lookup(kBaudTexts, code, kUnknown);
}
std::string_view DataBitsText(int code) {
  return Lookup(kDataBitsTexts, code, kUnknown);
}
std::string_view ParityText(int code) {
  return Lookup(kParityTexts, code, kUnknown);
}
std::string_view StopBitsText(int code) {
  return Lookup(kStopBitsTexts, code, kUnknown);
}

std::string SerialSettingsText(int com, const link::LineSettings& line) {
  std::string text = "COM" + std::to_string(com) + " ";
  text += BaudText(line.baudCode);
  text += ", ";
  text += DataBitsText(line.dataBitsCode);
  text += "-";
  text += ParityText(line.parityCode);
  text += "-";
  text += StopBitsText(line.stopBitsCode);
  return text;
}

std::string IdentifiedSerialText(int com) {
  return "COM" + std::to_string(com) + ": 9600: 8-O-1";
}

std::chrono::milliseconds FrameDrainTime(const link::LineSettings& line, std::size_t frameBytes) {
  std::uint32_t baud = BaudRateOfCode(line.baudCode);
  if (baud == 0) baud = 110;  // unknown code: assume the slowest line
  // Start bit, up to 8 data bits, parity, up to 2 stop bits.
  const std::uint64_t bits = static_cast<std::uint64_t>(frameBytes) * 12;
  const std::uint64_t ms = (bits * 1000 + baud - 1) / baud;
  return std::chrono::milliseconds(ms + 10);
}

}  // namespace navbin::commands
