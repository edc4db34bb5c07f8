#include "tools/metrics/metrics_server.h"

#include <prometheus/exposer.h>
#include <prometheus/text_serializer.h>
#include <unistd.h>

#include <exception>
#include <sstream>

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

MetricsServer::MetricsServer(platform::ListenAddress address,
                             const std::vector<std::string>& devices)
    : address_(std::move(address)),
      registry_(std::make_shared<prometheus::Registry>()),
      families_(*registry_),
      serveClients_(families_.serveClients, {}),
      timeOffset_(families_.timeOffset, {}) {
  for (std::size_t i = 0; i < devices.size(); ++i) {
    receivers_.push_back(
        std::make_unique<ReceiverMetrics>(families_, "COM" + std::to_string(i + 1), devices[i]));
  }
}

// The exposer's threads go first: none may collect while the series go.
MetricsServer::~MetricsServer() {
  exposer_.reset();
}

bool MetricsServer::start(std::string& error) {
  // A trial bind names the reason the server's own would only report as a failure.
  const int trial = platform::ListenTcp(address_.address, address_.port, error);
  if (trial < 0) return false;
  ::close(trial);
  try {
    exposer_ = std::make_unique<prometheus::Exposer>(ServerOptions(address_));
  } catch (const std::exception&) {
    error = address_.address + ":" + std::to_string(address_.port) + ": cannot listen";
    return false;
  }
  exposer_->RegisterCollectable(registry_);
  return true;
}

void MetricsServer::take(int portIndex, int id, std::span<const std::uint8_t> payload,
                         const reports::ReceiverState& receiver, SteadyTime now) {
  const auto at = static_cast<std::size_t>(portIndex);
  if (at < receivers_.size()) receivers_[at]->take(id, payload, receiver, now);
}

void MetricsServer::refresh(std::span<const PortCounts> ports, const LoggerCounts& logger,
                            SteadyTime now) {
  for (std::size_t i = 0; i < ports.size() && i < receivers_.size(); ++i) {
    receivers_[i]->refresh(ports[i], now);
  }
  if (logger.serveClients) serveClients_.set(static_cast<double>(*logger.serveClients));
  if (logger.timeOffset) timeOffset_.set(*logger.timeOffset);
  if (!logger.timeSamples) return;
  if (!timeSamples_)
    timeSamples_ = std::make_unique<CounterSlot>(families_.timeSamples, prometheus::Labels{});
  timeSamples_->follow(*logger.timeSamples);
}

std::string MetricsServer::scrape() const {
  std::ostringstream out;
  prometheus::TextSerializer().Serialize(out, registry_->Collect());
  return out.str();
}

std::string MetricsServer::describe() const {
  return "metrics on http://" + address_.address + ":" + std::to_string(address_.port) + "/metrics";
}

}  // namespace navbin::tools::metrics
