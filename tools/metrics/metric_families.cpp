#include "tools/metrics/metric_families.h"

namespace navbin::tools::metrics {
namespace {

MetricFamilies::Gauges& Gauge(prometheus::Registry& registry, const char* name, const char* help) {
  return prometheus::BuildGauge().Name(name).Help(help).Register(registry);
}

MetricFamilies::Counters& Counter(prometheus::Registry& registry, const char* name,
                                  const char* help) {
  return prometheus::BuildCounter().Name(name).Help(help).Register(registry);
}

}  // namespace

MetricFamilies::MetricFamilies(prometheus::Registry& r)
    : receiverUp(Gauge(r, "navbin_receiver_up",
                       "1 while the port is open and reports arrived in the last 5 s, else 0")),
      portReopened(Counter(r, "navbin_port_reopened_total",
                           "Times the port was opened again after its device was lost")),
      packets(Counter(r, "navbin_packets_total", "Packets received from the receiver")),
      packetsIgnored(Counter(r, "navbin_packets_ignored_total",
                             "Packets of an unknown id or of the wrong length")),
      bytes(Counter(r, "navbin_bytes_total", "Bytes read from the receiver")),
      fixMode(
          Gauge(r, "navbin_fix_mode",
                "Receiver mode of report 0x8F-AC; without it, fix dimension code of report 0x6D")),
      statusCode(Gauge(r, "navbin_receiver_status_code",
                       "Status of report 0x46 or decoding status of 0x8F-AC; 0: doing fixes")),
      satellitesUsed(Gauge(r, "navbin_satellites_used", "Satellites in the fix (report 0x6D)")),
      pdop(Gauge(r, "navbin_pdop", "Position dilution of precision")),
      hdop(Gauge(r, "navbin_hdop", "Horizontal dilution of precision")),
      signalLevel(Gauge(r, "navbin_signal_level", "Signal level of a tracked satellite (AMU)")),
      satelliteElevation(
          Gauge(r, "navbin_satellite_elevation_degrees", "Elevation of a tracked satellite")),
      clockBias(Gauge(r, "navbin_clock_bias_seconds", "Receiver clock bias (report 0x8F-AC)")),
      clockBiasRate(Gauge(r, "navbin_clock_bias_rate_ppb",
                          "Receiver clock bias rate, parts per billion (report 0x8F-AC)")),
      ppsQuantizationError(Gauge(r, "navbin_pps_quantization_error_seconds",
                                 "Quantization error of the next pulse (report 0x8F-AC)")),
      surveyProgress(Gauge(r, "navbin_self_survey_progress_percent", "Self-survey progress")),
      minorAlarm(Gauge(r, "navbin_minor_alarm", "1 while the minor alarm is raised, else 0")),
      receiverHealth(Gauge(r, "navbin_receiver_health",
                           "1 while the health light is good, 0 while it shows a fault")),
      logRecords(Counter(r, "navbin_log_records_total", "Records written into the data log")),
      logWriteErrors(Counter(r, "navbin_log_write_errors_total",
                             "Failed writes of the port's data log or raw packet log")),
      serveClients(Gauge(r, "navbin_serve_clients", "Clients of the shared receivers")),
      timeOffset(Gauge(r, "navbin_time_offset_seconds",
                       "Last offset of the PC clock from the receiver's time")),
      timeSamples(Counter(r, "navbin_time_samples_total", "Time samples sent to the time daemon")) {
}

}  // namespace navbin::tools::metrics
