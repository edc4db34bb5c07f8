#include "sim/simulated_receiver.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "sim/gps_time.h"
#include "sim/status_reports.h"

namespace navbin::sim {

namespace {

// The receiver steps its clock by a millisecond whenever the bias drifts
// past half of one.
constexpr double kMillisecondInMetres = kSpeedOfLight * 1e-3;
constexpr double kMaxBiasRate = 200.0;  // m/s
// Broadcasts of at most this many seconds come out of one long advance.
constexpr std::int64_t kMaxBroadcastCatchUp = 5;
// Beyond this many seconds in one advance the sky is not stepped second by second.
constexpr std::int64_t kMaxEpochsPerAdvance = 3600;
// Receiver mode of 0x8F-AC once the self-survey is complete.
constexpr std::uint8_t kOverdeterminedClockMode = 7;

double OfWeek(double seconds) {
  const double w = std::fmod(seconds, static_cast<double>(kSecondsPerWeek));
  return w < 0 ? w + static_cast<double>(kSecondsPerWeek) : w;
}

}  // namespace

SimulatedReceiver::SimulatedReceiver(std::uint64_t seed, FaultOptions faults)
    : profile_(ReceiverProfile::FromSeed(seed)),
      faults_(faults),
      constellation_(seed, profile_.trackedSatellites),
      worldRandom_(SimRandom(seed).fork(1)),
      faultRandom_(SimRandom(seed).fork(2)),
      health_(SimRandom(seed).fork(3), SimRandom(seed).fork(4).range(10, 40)),
      satelliteData_(seed),
      clockBias_(profile_.clockBias),
      biasRate_(profile_.biasRate) {
  surveyedFixes_ = static_cast<std::uint32_t>(worldRandom_.range(0, 2000));
  epochSecond_ = profile_.startGpsMs / 1000;
  updateWorld(epochSecond_);
}

void SimulatedReceiver::receive(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) {
    if (deframer_.feed(b) == 1) {
      handlePacket(static_cast<std::uint8_t>(deframer_.packetId), deframer_.payload());
    }
  }
}

void SimulatedReceiver::advance(std::chrono::milliseconds elapsed) {
  if (elapsed.count() <= 0) return;
  const std::int64_t target = clockMs_ + elapsed.count();
  const std::int64_t lastSecond = (profile_.startGpsMs + target) / 1000;
  std::int64_t second = epochSecond_ + 1;
  if (lastSecond - second >= kMaxEpochsPerAdvance) {
    second = lastSecond - kMaxEpochsPerAdvance + 1;  // a long gap: skip ahead
  }
  for (; second <= lastSecond; ++second) {
    clockMs_ = second * 1000 - profile_.startGpsMs;
    runEpoch(second, lastSecond - second < kMaxBroadcastCatchUp);
  }
  clockMs_ = target;
  releaseSatelliteData();
}

void SimulatedReceiver::followClock(std::int64_t gpsMs) {
  profile_.startGpsMs = gpsMs - clockMs_;
  epochSecond_ = gpsMs / 1000;
  settings_.packetMasks[1] |= 0xC0;
  timingFirst_ = true;
}

std::vector<std::uint8_t> SimulatedReceiver::takeOutput() {
  std::vector<std::uint8_t> out;
  out.swap(output_);
  line_ = settings_.serial[kMonitorPort];
  return out;
}

void SimulatedReceiver::runEpoch(std::int64_t gpsSecond, bool broadcast) {
  updateWorld(gpsSecond);
  if (broadcast && !quiet()) broadcastEpoch();
}

void SimulatedReceiver::updateWorld(std::int64_t gpsSecond) {
  epochSecond_ = gpsSecond;
  health_.step();
  biasRate_ =
      std::clamp(biasRate_ + worldRandom_.uniform(-0.02, 0.02), -kMaxBiasRate, kMaxBiasRate);
  clockBias_ += biasRate_;
  if (std::abs(clockBias_) > kMillisecondInMetres / 2) {
    clockBias_ -= std::copysign(kMillisecondInMetres, clockBias_);
  }
  quantizationError_ = static_cast<float>(worldRandom_.uniform(-12.0, 12.0));

  const double skySeconds = static_cast<double>(gpsSecond * 1000 - profile_.startGpsMs) / 1000.0;
  solution_ = Solve(constellation_.viewAt(skySeconds, settings_.gps), settings_.gps);

  // The navigation filters smooth the fixes (the factory settings are the
  // reference): without the position-velocity filter positions and velocities
  // scatter twice as far, without the static filter velocities do; the
  // altitude filter halves the vertical scatter.
  const FilterConfig& filter = settings_.filter;
  const double unfiltered = filter.positionVelocity ? 1.0 : 2.0;
  const double moving = filter.positionVelocity && filter.staticFilter ? 1.0 : 2.0;
  const double h = (solution_.dops.valid ? std::min(solution_.dops.hdop, 10.0) : 2.0) * unfiltered;
  const double v = (solution_.dops.valid ? std::min(solution_.dops.vdop, 10.0) : 3.0) * unfiltered *
                   (filter.altitude ? 0.5 : 1.0);
  const Enu scatter{worldRandom_.uniform(-1.0, 1.0) * h, worldRandom_.uniform(-1.0, 1.0) * h,
                    worldRandom_.uniform(-1.5, 1.5) * v};
  fix_.position = OffsetLla(profile_.site, scatter);
  fix_.geoidSeparation = profile_.geoidSeparation;
  fix_.velocity = {worldRandom_.uniform(-0.05, 0.05) * moving,
                   worldRandom_.uniform(-0.05, 0.05) * moving,
                   worldRandom_.uniform(-0.08, 0.08) * moving};
  fix_.clockBias = clockBias_;
  fix_.biasRate = biasRate_;
  const bool utc = (settings_.io.timing & 0x01) != 0;
  fix_.timeOfFix = OfWeek(static_cast<double>(gpsSecond - (utc ? kGpsUtcOffset : 0)));

  if (solution_.hasFix && settings_.survey.enabled && surveyedFixes_ < settings_.survey.length) {
    if (++surveyedFixes_ >= settings_.survey.length && settings_.survey.savePosition) {
      storedPosition_ = true;
    }
  }
}

void SimulatedReceiver::broadcastEpoch() {
  if (powerUpPending_) {
    powerUpPending_ = false;
    emit(VersionReport(profile_));
    emit(HealthReport(solution_.statusCode, health_.errorBits()));
  }
  const bool fixReports = settings_.autoOutputs() && solution_.hasFix;
  if (fixReports && !timingFirst_) {
    for (const Packet& p : FixReports(fix_, settings_.io)) emit(p);
  }
  if (settings_.broadcastPrimaryTiming() || primaryTimingDue_) emit(primaryTiming());
  if (settings_.broadcastSupplementalTiming() || supplementalTimingDue_) {
    emit(supplementalTiming());
  }
  if (fixReports && timingFirst_) {
    for (const Packet& p : FixReports(fix_, settings_.io)) emit(p);
  }
  primaryTimingDue_ = supplementalTimingDue_ = false;
}

Packet SimulatedReceiver::primaryTiming() const {
  return PrimaryTimingReport(gpsMs() / 1000, (settings_.io.timing & 0x01) != 0);
}

Packet SimulatedReceiver::supplementalTiming() const {
  SupplementalTiming t;
  // A timing receiver that has surveyed its position keeps it and solves for
  // the clock alone: the overdetermined clock mode.
  const bool surveyed = settings_.survey.enabled && surveyedFixes_ >= settings_.survey.length;
  t.receiverMode = surveyed ? kOverdeterminedClockMode : settings_.gps.receiverMode;
  const std::uint32_t length = std::max<std::uint32_t>(settings_.survey.length, 1);
  t.surveyProgress = static_cast<std::uint8_t>(
      std::min<std::uint64_t>(100, std::uint64_t{surveyedFixes_} * 100 / length));
  if (solution_.usable == 0) t.minorAlarms |= 0x0008;
  if (settings_.survey.enabled && surveyedFixes_ < settings_.survey.length) t.minorAlarms |= 0x0020;
  if (!storedPosition_) t.minorAlarms |= 0x0040;
  if (!solution_.hasFix) t.minorAlarms |= 0x0200;
  if (health_.almanacIncomplete()) t.minorAlarms |= 0x0800;
  t.decodingStatus = solution_.statusCode;
  t.quantizationError = quantizationError_;
  const int needed = settings_.ppsOutput == 4 ? 3 : settings_.ppsOutput == 3 ? 1 : 0;
  t.ppsGenerated = settings_.pps.driverSwitch != 0 && solution_.usable >= needed;
  return SupplementalTimingReport(t, fix_);
}

void SimulatedReceiver::releaseSatelliteData() {
  for (const Packet& p : satelliteData_.takeDue(clockMs_)) reply(p);
}

void SimulatedReceiver::reply(const Packet& packet) {
  if (faults_.dropReplyProbability > 0 && faultRandom_.chance(faults_.dropReplyProbability)) {
    return;
  }
  emit(packet);
}

void SimulatedReceiver::emit(const Packet& packet) {
  if (faults_.silent) return;
  std::array<std::uint8_t, link::kMaxFrameLength> frame{};
  const std::size_t n = link::BuildFrame(packet, frame);
  if (n == 0 || output_.size() + n + 8 > kMaxPendingOutput) return;
  if (faults_.noiseProbability > 0 && faultRandom_.chance(faults_.noiseProbability)) {
    // Line noise between frames; never a DLE, so the frame after it stays whole.
    for (int i = faultRandom_.range(1, 8); i > 0; --i) {
      auto b = static_cast<std::uint8_t>(faultRandom_.next());
      output_.push_back(b == link::kDle ? 0x55 : b);
    }
  }
  output_.insert(output_.end(), frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(n));
}

}  // namespace navbin::sim
