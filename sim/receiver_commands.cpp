// The commands a simulated receiver understands and how it answers them.

#include <cmath>

#include "link/field_codec.h"
#include "sim/geodesy.h"
#include "sim/gps_time.h"
#include "sim/settings_codec.h"
#include "sim/simulated_receiver.h"
#include "sim/status_reports.h"

namespace navbin::sim {

namespace {

constexpr std::uint8_t kArrivalPort = SimulatedReceiver::kMonitorPort;

bool ValidTime(std::span<const std::uint8_t> p) {
  const float tow = link::GetSingle(&p[0]);
  return std::isfinite(tow) && tow >= 0.0f && tow < static_cast<float>(kSecondsPerWeek);
}

}  // namespace

void SimulatedReceiver::handlePacket(std::uint8_t id, std::span<const std::uint8_t> p) {
  if (quiet()) return;  // still resetting
  const std::size_t n = p.size();
  switch (id) {
    case 0x1E:
      if (n == 1) reset(p[0] == 0x4B || p[0] == 0x46, p[0] == 0x46);
      break;
    case 0x1F:
      if (n == 0) reply(VersionReport(profile_));
      break;
    case 0x21:
      if (n == 0) reply(GpsTimeReport(SplitGpsMs(gpsMs()), static_cast<float>(kGpsUtcOffset)));
      break;
    case 0x24:
      if (n == 0) reply(SatelliteSelectionReport(solution_));
      break;
    case 0x25:
      if (n == 0) reset(false, false);
      break;
    case 0x26:
      if (n == 0) {
        reply(HealthReport(solution_.statusCode, health_.errorBits()));
        reply(MachineStatusReport(profile_.machineId, health_.statusBits()));
      }
      break;
    case 0x2E:
      // Before its first fix the receiver takes a sensible time; after it,
      // it keeps the time of its satellites and refuses.
      if (n == 6) reply(SetTimeReply(!solution_.hasFix && ValidTime(p)));
      break;
    case 0x38:
      satelliteData_.handle(p, clockMs_);
      releaseSatelliteData();
      break;
    case 0x3C:
      if (n == 1) answerTrackingStatus(p[0]);
      break;
    case 0x8E:
      if (n >= 1) handleSuperPacket(p);
      break;
    default:
      handleSettingsPacket(id, p);
      break;
  }
}

// The settings groups: a query without data (or with the group's sub-code)
// is answered with the group's report; a set command of the right length
// changes the settings.
void SimulatedReceiver::handleSettingsPacket(std::uint8_t id, std::span<const std::uint8_t> p) {
  const std::size_t n = p.size();
  switch (id) {
    case 0x35:
      if (n == 0 || ApplyIoOptions(settings_.io, p)) reply(IoOptionsReport(settings_.io));
      break;
    case 0x62:
      if (n == 1 && p[0] <= 3) settings_.gps.dgpsMode = p[0];
      if (n == 1 && p[0] == 4) reply(DgpsModeReport(DgpsReportValue(settings_.gps.dgpsMode)));
      break;
    case 0x69:
      if (n == 0) reply(SensitivityReport(settings_.sensitivity));
      if (n == 2) ApplySensitivity(settings_.sensitivity, p);
      break;
    case 0x70:
      if (n == 0) reply(FilterReport(settings_.filter));
      if (n == 4) ApplyFilter(settings_.filter, p);
      break;
    case 0x7E:
      if (n == 0) reply(NavTxtReport(settings_.navTxt));
      if (n == 24) ApplyNavTxt(settings_.navTxt, p);
      break;
    case 0xBB:
      if (n == 1 && p[0] == 0x03) reply(GpsConfigReport(settings_.gps));
      if (n == 40) ApplyGpsConfig(settings_.gps, p);
      break;
    case 0xBC:
      if (n == 1) {
        const std::uint8_t port = p[0] == 0xFF ? kArrivalPort : p[0];
        if (port <= 1) reply(SerialConfigReport(port, settings_.serial[port]));
      }
      if (n == 10) applySerialConfig(p);
      break;
    case 0x31:
    case 0x32:
      if (n == 12) takeExactPosition(id == 0x32, p);
      break;
    default:
      break;  // approximate positions are hints a receiver with a fix does not need
  }
}

// An exact position moves the (stationary) receiver's site: its fixes are
// reported around it from then on. Positions off the Earth are refused.
void SimulatedReceiver::takeExactPosition(bool lla, std::span<const std::uint8_t> p) {
  const double a = link::GetSingle(&p[0]);
  const double b = link::GetSingle(&p[4]);
  const double c = link::GetSingle(&p[8]);
  if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) return;
  const Lla site = lla ? Lla{a, b, c} : EcefToLla({a, b, c});
  if (std::abs(site.latitude) > kPi / 2 || std::abs(site.longitude) > kPi ||
      std::abs(site.altitude) > 100000.0) {
    return;
  }
  profile_.site = site;
}

// A changed setting is confirmed with the port's report, sent at the old line
// settings; the line changes once that report has left (see takeOutput).
void SimulatedReceiver::applySerialConfig(std::span<const std::uint8_t> p) {
  if (!ApplySerialConfig(settings_.serial, p, kArrivalPort)) return;
  const std::uint8_t port = p[0] == 0xFF ? kArrivalPort : p[0];
  reply(SerialConfigReport(port, settings_.serial[port]));
  if (port == kArrivalPort) lineWasSet_ = true;
}

void SimulatedReceiver::handleSuperPacket(std::span<const std::uint8_t> p) {
  const std::size_t n = p.size();
  switch (p[0]) {
    case 0x15:
      if (n == 1) reply(DatumReport(settings_.datumIndex));
      if (n == 3) ApplyDatum(settings_.datumIndex, p);
      break;
    case 0x26:
      if (n == 1) reply(SavedToFlashReport());
      break;
    case 0x4A:
      if (n == 1) reply(PpsCharacteristicsReport(settings_.pps));
      if (n == 16) ApplyPpsCharacteristics(settings_.pps, p);
      break;
    case 0x4E:
      if (n == 1) reply(PpsOutputReport(settings_.ppsOutput));
      if (n == 2) ApplyPpsOutput(settings_.ppsOutput, p);
      break;
    case 0xA5:
      if (n == 1) reply(PacketMasksReport(settings_.packetMasks));
      if (n == 5) ApplyPacketMasks(settings_.packetMasks, p);
      break;
    case 0xA6:
      if (n == 2 && p[1] == 0) surveyedFixes_ = 0;
      if (n == 2 && p[1] == 1) storedPosition_ = false;
      break;
    case 0xA9:
      if (n == 1) reply(SelfSurveyReport(settings_.survey));
      if (n == 11) ApplySelfSurvey(settings_.survey, p);
      break;
    case 0xAB:
    case 0xAC:
      handleTimingRequest(p[0], p);
      break;
    default:
      break;
  }
}

void SimulatedReceiver::handleTimingRequest(std::uint8_t which, std::span<const std::uint8_t> p) {
  if (p.size() > 2) return;
  const std::uint8_t when = p.size() == 2 ? p[1] : 0;
  if (when == 0) {
    reply(which == 0xAB ? primaryTiming() : supplementalTiming());
  } else if (when == 1) {
    (which == 0xAB ? primaryTimingDue_ : supplementalTimingDue_) = true;
  } else if (when == 2) {
    primaryTimingDue_ = supplementalTimingDue_ = true;
  }
}

void SimulatedReceiver::answerTrackingStatus(std::uint8_t sv) {
  const auto measuredAt = static_cast<float>(epochSecond_ % kSecondsPerWeek);
  for (const SatelliteView& sat : solution_.sky) {
    if (sv == 0 || sat.sv == sv) reply(TrackingStatusReport(sat, measuredAt));
  }
}

void SimulatedReceiver::reset(bool cold, bool factory) {
  if (factory) settings_ = ReceiverSettings{};
  settings_.sensitivity.current = settings_.sensitivity.afterReset;
  if (cold) health_.forgetAlmanac(30);
  primaryTimingDue_ = supplementalTimingDue_ = false;
  quietUntilMs_ = clockMs_ + kResetQuietMs;
  powerUpPending_ = true;
}

}  // namespace navbin::sim
