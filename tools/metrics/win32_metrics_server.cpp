#include "tools/metrics/metrics_server.h"

// The metrics are served by a client library the Windows build does not
// have: the server refuses to start there, and holds no series.
namespace navbin::tools::metrics {

struct MetricsServer::Series {};

MetricsServer::MetricsServer(platform::ListenAddress address, const std::vector<std::string>&)
    : address_(std::move(address)) {}

MetricsServer::~MetricsServer() = default;

bool MetricsServer::start(std::string& error) {
  error = address_.address + ":" + std::to_string(address_.port) +
          ": metrics (--metrics) are not available on Windows";
  return false;
}

void MetricsServer::take(int, int, std::span<const std::uint8_t>, const reports::ReceiverState&,
                         SteadyTime) {}

void MetricsServer::refresh(std::span<const PortCounts>, const LoggerCounts&, SteadyTime) {}

std::string MetricsServer::scrape() const {
  return {};
}

std::string MetricsServer::describe() const {
  return "metrics: not available on Windows";
}

}  // namespace navbin::tools::metrics
