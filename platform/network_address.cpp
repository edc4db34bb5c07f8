#include "platform/network_address.h"

#include <string_view>

namespace navbin::platform {
namespace {

constexpr std::string_view kTcp = "tcp://";
constexpr std::string_view kRfc2217 = "rfc2217://";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::optional<std::uint16_t> PortNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value == 0 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

bool IsNetworkPath(const std::string& path) {
  return StartsWith(path, kTcp) || StartsWith(path, kRfc2217);
}

std::optional<NetworkAddress> ParseNetworkAddress(const std::string& path) {
  NetworkAddress address;
  std::string_view rest = path;
  if (StartsWith(rest, kTcp)) {
    rest.remove_prefix(kTcp.size());
  } else if (StartsWith(rest, kRfc2217)) {
    address.scheme = NetworkScheme::Rfc2217;
    rest.remove_prefix(kRfc2217.size());
  } else {
    return std::nullopt;
  }
  std::string_view host;
  if (StartsWith(rest, "[")) {
    const auto close = rest.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = rest.substr(1, close - 1);
    rest.remove_prefix(close + 1);
    if (!StartsWith(rest, ":")) return std::nullopt;
  } else {
    const auto colon = rest.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    host = rest.substr(0, colon);
    rest.remove_prefix(colon);
    if (host.find_first_of(":/") != std::string_view::npos) return std::nullopt;
  }
  const auto port = PortNumber(rest.substr(1));
  if (host.empty() || !port) return std::nullopt;
  address.host = std::string(host);
  address.port = *port;
  return address;
}

}  // namespace navbin::platform
