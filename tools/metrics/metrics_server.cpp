#include "tools/metrics/metrics_server.h"

#include <prometheus/exposer.h>
#include <prometheus/registry.h>
#include <prometheus/text_serializer.h>
#include <unistd.h>

#include <exception>
#include <sstream>

#include "tools/metrics/metric_families.h"
#include "tools/metrics/metric_slot.h"
#include "tools/metrics/receiver_metrics.h"

namespace navbin::tools::metrics {
namespace {

// A few threads, so that clients that never finish their request cannot
// starve the scrapes for long; they are dropped after the time-out.
std::vector<std::string> ServerOptions(const platform::ListenAddress& address) {
  return {"listening_ports",       address.address + ":" + std::to_string(address.port),
          "num_threads",           "4",
          "request_timeout_ms",    "5000",
          "max_request_size",      "16384",
          "enable_keep_alive",     "yes",
          "keep_alive_timeout_ms", "10000"};
}

}  // namespace

struct MetricsServer::Series {
  explicit Series(const std::vector<std::string>& devices)
      : registry(std::make_shared<prometheus::Registry>()),
        families(*registry),
        serveClients(families.serveClients, {}),
        timeOffset(families.timeOffset, {}) {
    for (std::size_t i = 0; i < devices.size(); ++i) {
      receivers.push_back(
          std::make_unique<ReceiverMetrics>(families, "COM" + std::to_string(i + 1), devices[i]));
    }
  }

  std::shared_ptr<prometheus::Registry> registry;
  MetricFamilies families;
  std::vector<std::unique_ptr<ReceiverMetrics>> receivers;
  GaugeSlot serveClients, timeOffset;
  std::unique_ptr<CounterSlot> timeSamples;  // with the time service only
  // Last, so that its threads stop before any series goes.
  std::unique_ptr<prometheus::Exposer> exposer;
};

MetricsServer::MetricsServer(platform::ListenAddress address,
                             const std::vector<std::string>& devices)
    : address_(std::move(address)), series_(std::make_unique<Series>(devices)) {}

MetricsServer::~MetricsServer() = default;

bool MetricsServer::start(std::string& error) {
  // A trial bind names the reason the server's own would only report as a failure.
  const int trial = platform::ListenTcp(address_.address, address_.port, error);
  if (trial < 0) return false;
  ::close(trial);
  try {
    series_->exposer = std::make_unique<prometheus::Exposer>(ServerOptions(address_));
  } catch (const std::exception&) {
    error = address_.address + ":" + std::to_string(address_.port) + ": cannot listen";
    return false;
  }
  series_->exposer->RegisterCollectable(series_->registry);
  return true;
}

void MetricsServer::take(int portIndex, int id, std::span<const std::uint8_t> payload,
                         const reports::ReceiverState& receiver, SteadyTime now) {
  const auto at = static_cast<std::size_t>(portIndex);
  auto& receivers = series_->receivers;
  if (at < receivers.size()) receivers[at]->take(id, payload, receiver, now);
}

void MetricsServer::refresh(std::span<const PortCounts> ports, const LoggerCounts& logger,
                            SteadyTime now) {
  Series& s = *series_;
  for (std::size_t i = 0; i < ports.size() && i < s.receivers.size(); ++i) {
    s.receivers[i]->refresh(ports[i], now);
  }
  if (logger.serveClients) s.serveClients.set(static_cast<double>(*logger.serveClients));
  if (logger.timeOffset) s.timeOffset.set(*logger.timeOffset);
  if (!logger.timeSamples) return;
  if (!s.timeSamples) {
    s.timeSamples = std::make_unique<CounterSlot>(s.families.timeSamples, prometheus::Labels{});
  }
  s.timeSamples->follow(*logger.timeSamples);
}

std::string MetricsServer::scrape() const {
  std::ostringstream out;
  prometheus::TextSerializer().Serialize(out, series_->registry->Collect());
  return out.str();
}

std::string MetricsServer::describe() const {
  return "metrics on http://" + address_.address + ":" + std::to_string(address_.port) + "/metrics";
}

}  // namespace navbin::tools::metrics
