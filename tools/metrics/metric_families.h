#pragma once
// Every metric navbin-log exports, named and explained once: the families of
// one registry. Units are in the names and counters end in _total, as
// Prometheus' naming rules ask.

#include <prometheus/counter.h>
#include <prometheus/family.h>
#include <prometheus/gauge.h>
#include <prometheus/registry.h>

namespace navbin::tools::metrics {

struct MetricFamilies {
  explicit MetricFamilies(prometheus::Registry& registry);

  using Gauges = prometheus::Family<prometheus::Gauge>;
  using Counters = prometheus::Family<prometheus::Counter>;

  // Each receiver's, labelled port and device.
  Gauges& receiverUp;
  Counters& portReopened;
  Counters& packets;
  Counters& packetsIgnored;
  Counters& bytes;
  Gauges& fixMode;
  Gauges& statusCode;
  Gauges& satellitesUsed;
  Gauges& pdop;
  Gauges& hdop;
  Gauges& signalLevel;         // and sv
  Gauges& satelliteElevation;  // and sv
  Gauges& clockBias;
  Gauges& clockBiasRate;
  Gauges& ppsQuantizationError;
  Gauges& surveyProgress;
  Gauges& minorAlarm;      // and alarm
  Gauges& receiverHealth;  // and item
  Counters& logRecords;
  Counters& logWriteErrors;
  // The logger's own.
  Gauges& serveClients;
  Gauges& timeOffset;
  Counters& timeSamples;
};

}  // namespace navbin::tools::metrics
