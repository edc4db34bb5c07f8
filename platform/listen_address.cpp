#include <charconv>

#include "platform/tcp_socket.h"

// The address parser lives apart from the sockets, so that a build without
// them still reads the option.
namespace navbin::platform {

std::optional<ListenAddress> ParseListenAddress(std::string_view text) {
  ListenAddress result;
  if (const auto colon = text.rfind(':'); colon != std::string_view::npos) {
    if (colon == 0) return std::nullopt;
    result.address = std::string(text.substr(0, colon));
    text.remove_prefix(colon + 1);
  }
  unsigned port = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (ec != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) {
    return std::nullopt;
  }
  result.port = static_cast<std::uint16_t>(port);
  return result;
}

}  // namespace navbin::platform
