#pragma once
// navbin-log --metrics: its receivers' health and its own counts in the
// Prometheus text format at /metrics, served by the client library's HTTP
// exposer on threads of its own, so no request can hold up the logging.
// The values are updated from the logging thread, each report as it is
// decoded and the counts once a tick; the library's series are thread-safe.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <prometheus/registry.h>

#include "platform/tcp_socket.h"
#include "tools/metrics/metric_families.h"
#include "tools/metrics/receiver_metrics.h"

namespace prometheus {
class Exposer;
}

namespace navbin::tools::metrics {

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
  platform::ListenAddress address_;
  std::shared_ptr<prometheus::Registry> registry_;
  MetricFamilies families_;
  std::vector<std::unique_ptr<ReceiverMetrics>> receivers_;
  GaugeSlot serveClients_, timeOffset_;
  std::unique_ptr<CounterSlot> timeSamples_;  // with the time service only
  std::unique_ptr<prometheus::Exposer> exposer_;
};

}  // namespace navbin::tools::metrics
