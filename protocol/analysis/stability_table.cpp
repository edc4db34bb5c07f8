#include "protocol/analysis/stability_table.h"

#include <charconv>
#include <cmath>

namespace navbin::analysis {

namespace {

using Column = DeviationColumn;
constexpr const auto& kColumns = kDeviationColumns;

// Shortest text that reads back as the same double; empty for NaN.
std::string Number(double v) {
  if (!std::isfinite(v)) return {};
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  return {text, end};
}

std::string JsonNumber(double v) {
  const std::string text = Number(v);
  return text.empty() ? "null" : text;
}

}  // namespace

std::vector<std::string> StabilityRowTexts(const StabilityPoint& point) {
  std::vector<std::string> texts{Number(point.tau), std::to_string(point.oadev.terms)};
  for (const Column& c : kColumns) {
    const double v = (point.*c.deviation).value;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 4).ptr;
    texts.push_back(std::isfinite(v) ? std::string(text, end) : std::string());
  }
  return texts;
}

std::string StabilityCsv(const std::vector<StabilityPoint>& points) {
  std::string out = "tau,n";
  for (const Column& c : kColumns) out += std::string(",") + c.name;
  for (const Column& c : kColumns) out += std::string(",") + c.name + "_lo," + c.name + "_hi";
  out += '\n';
  for (const StabilityPoint& p : points) {
    out += Number(p.tau) + ',' + std::to_string(p.oadev.terms);
    for (const Column& c : kColumns) out += ',' + Number((p.*c.deviation).value);
    for (const Column& c : kColumns) {
      const Deviation& d = p.*c.deviation;
      out += ',' + Number(d.low) + ',' + Number(d.high);
    }
    out += '\n';
  }
  return out;
}

std::string StabilityJson(const std::vector<StabilityPoint>& points, double tau0,
                          std::size_t phasePoints) {
  std::string out = "{\"tau0\":" + JsonNumber(tau0) + ",\"points\":" + std::to_string(phasePoints) +
                    ",\"rows\":[";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const StabilityPoint& p = points[i];
    out += i ? ",{" : "{";
    out += "\"tau\":" + JsonNumber(p.tau) + ",\"m\":" + std::to_string(p.m) +
           ",\"n\":" + std::to_string(p.oadev.terms);
    for (const Column& c : kColumns) {
      const Deviation& d = p.*c.deviation;
      out += std::string(",\"") + c.name + "\":";
      if (!d.present()) {
        out += "null";
        continue;
      }
      out += "{\"value\":" + JsonNumber(d.value) + ",\"lo\":" + JsonNumber(d.low) +
             ",\"hi\":" + JsonNumber(d.high) + ",\"terms\":" + std::to_string(d.terms) +
             ",\"edf\":" + JsonNumber(d.dof) + "}";
    }
    out += "}";
  }
  out += "]}\n";
  return out;
}

}  // namespace navbin::analysis
