#pragma once
// navbin-log --metrics: its receivers' health and its own counts in the
// Prometheus text format at /metrics, served by the client library's HTTP
// exposer on threads of its own, so no request can hold up the logging.
// The values are updated from the logging thread, each report as it is
// decoded and the counts once a tick; the library's series are thread-safe.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/tcp_socket.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::tools::metrics {

using SteadyTime = std::chrono::steady_clock::time_point;

// What navbin-log counted of one port, as of this tick.
struct PortCounts {
  bool open = false;
  std::uint64_t packets = 0;
  std::uint64_t bytes = 0;
  std::uint64_t reopened = 0;
  std::uint64_t records = 0;
  std::uint64_t writeErrors = 0;
};

// The logger's own counts; a part it does not run is absent.
struct LoggerCounts {
  std::optional<std::size_t> serveClients;
  std::optional<double> timeOffset;  // s
  std::optional<std::uint64_t> timeSamples;
};

class MetricsServer {
 public:
  // `devices` in port order: COM1, COM2, ...
  MetricsServer(platform::ListenAddress address, const std::vector<std::string>& devices);
  ~MetricsServer();

  // Binds and starts serving; false with the reason in `error`.
  bool start(std::string& error);

  void take(int portIndex, int id, std::span<const std::uint8_t> payload,
            const reports::ReceiverState& receiver, SteadyTime now);
  // `ports` in port order.
  void refresh(std::span<const PortCounts> ports, const LoggerCounts& logger, SteadyTime now);

  // What a scrape returns now.
  std::string scrape() const;
  // "metrics on http://127.0.0.1:9100/metrics"
  std::string describe() const;

 private:
  struct Series;  // the registry and its series, where the platform has them
  platform::ListenAddress address_;
  std::unique_ptr<Series> series_;
};

}  // namespace navbin::tools::metrics
