#pragma once
// A value out of a Prometheus text exposition, and a page fetched over HTTP.

#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/loopback_server.h"

namespace navbin::support {

using MetricLabels = std::vector<std::pair<std::string, std::string>>;

// The value of the one sample of `name` whose labels include `labels`.
inline std::optional<double> MetricValue(const std::string& text, const std::string& name,
                                         const MetricLabels& labels = {}) {
  std::vector<double> values;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    bool match = line.rfind(name + (labels.empty() ? "" : "{"), 0) == 0;
    for (const auto& [label, value] : labels) {
      match = match && line.find(label + "=\"" + value + "\"") != std::string::npos;
    }
    if (match) values.push_back(std::stod(line.substr(line.rfind(' ') + 1)));
  }
  return values.size() == 1 ? std::optional(values.front()) : std::nullopt;
}

// The body of a GET of `path` (the whole answer with `headers`).
inline std::string HttpGet(std::uint16_t port, const std::string& path, bool headers = false) {
  LoopbackClient client(port);
  const std::string request = "GET " + path + " HTTP/1.0\r\n\r\n";
  client.send({request.begin(), request.end()});
  const auto bytes = client.receive(1 << 22, 3000);
  const std::string answer(bytes.begin(), bytes.end());
  const auto end = answer.find("\r\n\r\n");
  if (headers) return answer;
  return end == std::string::npos ? std::string() : answer.substr(end + 4);
}

}  // namespace navbin::support
