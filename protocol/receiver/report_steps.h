#pragma once
// The steps that follow a decoder, registered by the layers that own them
// (the data log's records, the position download, setting the PC clock), so
// that the decoders reach none of those layers. A decoder marks two points of
// its packet: Stored, once the port's state is written and before the
// display-port check, and Shown, after the display port's windows are written.
// At each point the steps registered for that point and packet id run in the
// order they were registered.

#include <functional>
#include <utility>
#include <vector>

#include "link/port_context.h"

namespace navbin::reports {

struct DecoderContext;

// What a decoder hands to the steps of its packet.
struct DecodedReport {
  int id = 0;
  // A position report as shown: X, Y, Z (m), or latitude and longitude in
  // signed degrees and altitude (m).
  double a = 0, b = 0, c = 0;
  float utcOffset = 0;  // s, of the GPS time report
};

enum class ReportPoint { Stored, Shown };

using ReportStep =
    std::function<void(DecoderContext& context, link::PortContext& port, const DecodedReport&)>;

class ReportSteps {
 public:
  void add(ReportPoint point, int id, ReportStep step) {
    entries_.push_back({point, id, std::move(step)});
  }

  void run(ReportPoint point, DecoderContext& context, link::PortContext& port,
           const DecodedReport& report) const {
    for (const Entry& entry : entries_) {
      if (entry.point == point && entry.id == report.id) entry.step(context, port, report);
    }
  }

 private:
  struct Entry {
    ReportPoint point;
    int id;
    ReportStep step;
  };
  std::vector<Entry> entries_;
};

}  // namespace navbin::reports
