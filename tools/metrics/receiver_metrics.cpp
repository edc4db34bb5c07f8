#include "tools/metrics/receiver_metrics.h"

#include <algorithm>
#include <cctype>
#include <numbers>

#include "protocol/wire/report_fields.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "protocol/wire/report_tracking.h"

namespace navbin::tools::metrics {
namespace {

using namespace std::chrono_literals;

constexpr auto kUpWithin = 5s;        // the last report at most this old
constexpr auto kTrackedWithin = 10s;  // a satellite's last 0x5C at most this old

// "Self-Survey Activity" as the label value "self_survey_activity".
std::string LabelValue(std::string_view caption) {
  std::string value;
  for (char c : caption) {
    value += std::isalnum(static_cast<unsigned char>(c))
                 ? static_cast<char>(std::tolower(static_cast<unsigned char>(c)))
                 : '_';
  }
  return value;
}

prometheus::Labels With(prometheus::Labels labels, const char* name, std::string value) {
  labels.emplace(name, std::move(value));
  return labels;
}

double Good(bool fault) {
  return fault ? 0 : 1;
}

}  // namespace

ReceiverMetrics::Satellite::Satellite(MetricFamilies& families, const prometheus::Labels& port,
                                      int sv)
    : level(families.signalLevel, With(port, "sv", std::to_string(sv))),
      elevation(families.satelliteElevation, With(port, "sv", std::to_string(sv))) {}

ReceiverMetrics::ReceiverMetrics(MetricFamilies& f, const std::string& port,
                                 const std::string& device)
    : families_(f),
      labels_{{"port", port}, {"device", device}},
      up_(f.receiverUp, labels_),
      fixMode_(f.fixMode, labels_),
      statusCode_(f.statusCode, labels_),
      satellitesUsed_(f.satellitesUsed, labels_),
      pdop_(f.pdop, labels_),
      hdop_(f.hdop, labels_),
      clockBias_(f.clockBias, labels_),
      clockBiasRate_(f.clockBiasRate, labels_),
      quantizationError_(f.ppsQuantizationError, labels_),
      surveyProgress_(f.surveyProgress, labels_),
      battery_(f.receiverHealth, With(labels_, "item", "battery")),
      antenna_(f.receiverHealth, With(labels_, "item", "antenna")),
      realTimeClock_(f.receiverHealth, With(labels_, "item", "real_time_clock")),
      almanac_(f.receiverHealth, With(labels_, "item", "almanac")),
      reopened_(f.portReopened, labels_),
      packets_(f.packets, labels_),
      ignored_(f.packetsIgnored, labels_),
      bytes_(f.bytes, labels_),
      records_(f.logRecords, labels_),
      writeErrors_(f.logWriteErrors, labels_) {
  for (std::size_t i = 0; i < alarms_.size(); ++i) {
    alarms_[i] = std::make_unique<GaugeSlot>(
        f.minorAlarm, With(labels_, "alarm", LabelValue(reports::kMinorAlarms[i].caption)));
  }
  up_.set(0);
}

// Each packet is parsed once: the reports read here by their own parser,
// the others checked by the field registry (the decoders stored their values).
void ReceiverMetrics::take(int id, std::span<const std::uint8_t> payload,
                           const reports::ReceiverState& receiver, SteadyTime now) {
  const int subId = payload.empty() ? -1 : payload[0];
  if (id == 0x8F && subId == 0xAC) {
    if (const auto r = reports::ParseSupplementalTiming(payload)) return takeTiming(*r);
  } else if (id == 0x5C) {
    if (const auto r = reports::ParseTrackingStatus(payload)) return takeTracking(*r, now);
  } else if (reports::IsDecodableReport(id, payload)) {
    return takeStored(id, receiver);
  }
  ++ignoredCount_;
}

void ReceiverMetrics::takeStored(int id, const reports::ReceiverState& receiver) {
  if (id == 0x6D) {
    if (!timingReceiver_) fixMode_.set(receiver.fixMode & 0x07);
    satellitesUsed_.set(receiver.fixMode >> 4);
    pdop_.set(receiver.pdop);
    hdop_.set(receiver.hdop);
  } else if (id == 0x46 || id == 0x4B) {
    takeHealth(receiver, id);
  }
}

void ReceiverMetrics::takeTiming(const reports::SupplementalTimingReport& r) {
  timingReceiver_ = true;  // its mode rather than 0x6D's dimension from now on
  fixMode_.set(r.receiverMode);
  statusCode_.set(r.decodingStatus);
  clockBias_.set(r.clockBias * 1e-9);
  clockBiasRate_.set(r.biasRate);
  quantizationError_.set(r.quantizationError * 1e-9);
  surveyProgress_.set(r.surveyProgress);
  for (std::size_t i = 0; i < alarms_.size(); ++i) {
    alarms_[i]->set(reports::AlarmSet(r.minorAlarms, reports::kMinorAlarms[i].bit) ? 1 : 0);
  }
}

// A satellite stays while a channel reports it; one that a channel gave up
// for another, or that no channel reported lately, goes.
void ReceiverMetrics::takeTracking(const reports::TrackingStatusReport& r, SteadyTime now) {
  if (r.channel >= channelSv_.size() || r.sv == 0) return;
  int& held = channelSv_[r.channel];
  if (held != r.sv && held != 0 && std::count(channelSv_.begin(), channelSv_.end(), held) == 1) {
    satellites_.erase(held);
  }
  held = r.sv;
  auto& satellite = satellites_[r.sv];
  if (!satellite) satellite = std::make_unique<Satellite>(families_, labels_, r.sv);
  satellite->level.set(r.level);
  satellite->elevation.set(r.elevation * 180 / std::numbers::pi);
  satellite->seen = now;
}

void ReceiverMetrics::takeHealth(const reports::ReceiverState& receiver, int id) {
  if (id == 0x46) {
    statusCode_.set(receiver.statusCode);
    battery_.set(Good(receiver.errorBits & 0x01));
    antenna_.set(Good(receiver.errorBits & 0x10));
  } else {
    realTimeClock_.set(Good(receiver.statusBits & 0x02));
    almanac_.set(Good(receiver.statusBits & 0x08));
  }
}

void ReceiverMetrics::refresh(const PortCounts& counts, SteadyTime now) {
  if (counts.packets != packetsSeen_) lastPacket_ = now;
  packetsSeen_ = counts.packets;
  up_.set(counts.open && packetsSeen_ > 0 && now - lastPacket_ <= kUpWithin ? 1 : 0);
  reopened_.follow(counts.reopened);
  packets_.follow(counts.packets);
  ignored_.follow(ignoredCount_);
  bytes_.follow(counts.bytes);
  records_.follow(counts.records);
  writeErrors_.follow(counts.writeErrors);
  dropUntracked(now);
}

void ReceiverMetrics::dropUntracked(SteadyTime now) {
  for (auto it = satellites_.begin(); it != satellites_.end();) {
    if (now - it->second->seen <= kTrackedWithin) {
      ++it;
      continue;
    }
    std::replace(channelSv_.begin(), channelSv_.end(), it->first, 0);
    it = satellites_.erase(it);
  }
}

}  // namespace navbin::tools::metrics
