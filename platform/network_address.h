#pragma once
// Network ports named like device paths: "tcp://HOST:PORT" for a raw byte
// stream, "rfc2217://HOST:PORT" for Telnet with the COM Port Control option.
// HOST is a name, an IPv4 address or a bracketed IPv6 address ("[::1]").

#include <cstdint>
#include <optional>
#include <string>

namespace navbin::platform {

enum class NetworkScheme { Tcp, Rfc2217 };

struct NetworkAddress {
  NetworkScheme scheme = NetworkScheme::Tcp;
  std::string host;
  std::uint16_t port = 0;
};

// True when `path` starts with one of the network schemes (well formed or not).
bool IsNetworkPath(const std::string& path);

// The parts of a network path; nullopt when it is not one or is malformed
// (no host, a port outside 1..65535, anything after the port).
std::optional<NetworkAddress> ParseNetworkAddress(const std::string& path);

}  // namespace navbin::platform
