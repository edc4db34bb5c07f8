#pragma once
// A simulated NavBin receiver: command bytes in, report bytes out, driven by
// a clock the caller advances. The same seed and the same calls give the
// same bytes.
//
//   SimulatedReceiver rx(seed);
//   rx.receive(commandFrames);
//   rx.advance(std::chrono::milliseconds(200));
//   auto bytes = rx.takeOutput();  // answers and once-a-second broadcasts

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/framing.h"
#include "sim/constellation.h"
#include "sim/fix_solution.h"
#include "sim/health_model.h"
#include "sim/navigation_reports.h"
#include "sim/packet_writer.h"
#include "sim/receiver_profile.h"
#include "sim/receiver_settings.h"
#include "sim/satellite_data.h"
#include "sim/sim_random.h"

namespace navbin::sim {

struct FaultOptions {
  bool silent = false;              // never answers nor broadcasts
  double noiseProbability = 0;      // chance that 1 to 8 noise bytes precede a frame
  double dropReplyProbability = 0;  // chance that an answer to a query is lost
};

class SimulatedReceiver {
 public:
  explicit SimulatedReceiver(std::uint64_t seed, FaultOptions faults = {});

  // Bytes from the monitor: frames are de-framed and each command handled at
  // once; garbage, unknown commands and wrong lengths are ignored.
  void receive(std::span<const std::uint8_t> bytes);
  // Moves the receiver's clock on; every whole GPS second crossed is one fix
  // and one set of broadcasts.
  void advance(std::chrono::milliseconds elapsed);
  // The framed bytes produced since the last call.
  std::vector<std::uint8_t> takeOutput();
  bool hasOutput() const { return !output_.empty(); }

  const ReceiverSettings& settings() const { return settings_; }
  // The line settings of the receiver port the monitor talks to, as they were
  // while the output of the last takeOutput() was produced: a changed setting
  // takes effect once the reply that confirms it has left. lineWasSet() tells
  // whether a command ever changed them; until then any PC-side setting is
  // taken (test rigs open their terminals raw).
  const SerialConfig& lineInForce() const { return line_; }
  bool lineWasSet() const { return lineWasSet_; }
  const ReceiverProfile& profile() const { return profile_; }
  const FixSolution& solution() const { return solution_; }
  const NavigationFix& fix() const { return fix_; }
  std::int64_t gpsMs() const { return profile_.startGpsMs + clockMs_; }
  std::int64_t elapsedMs() const { return clockMs_; }
  void setFaults(const FaultOptions& faults) { faults_ = faults; }
  // Makes it a timing receiver whose time is `gpsMs` now: it broadcasts
  // 0x8F-AB and 0x8F-AC, which lead the reports of each second as they
  // follow a timing receiver's pulse. Called before the first advance().
  void followClock(std::int64_t gpsMs);
  // Almanacs, ephemerides and the rest of the 0x38/0x58 exchange.
  SatelliteDataStore& satelliteData() { return satelliteData_; }
  const SatelliteDataStore& satelliteData() const { return satelliteData_; }

  // Longest pending output kept when nobody reads it; later frames are dropped.
  static constexpr std::size_t kMaxPendingOutput = 1 << 20;
  // A reset keeps the receiver deaf and mute for this long.
  static constexpr std::int64_t kResetQuietMs = 1500;
  // The receiver port the monitor is connected to.
  static constexpr std::uint8_t kMonitorPort = 0;

 private:
  // Command handling (receiver_commands.cpp).
  void handlePacket(std::uint8_t id, std::span<const std::uint8_t> p);
  void handleSettingsPacket(std::uint8_t id, std::span<const std::uint8_t> p);
  void handleSuperPacket(std::span<const std::uint8_t> p);
  void applySerialConfig(std::span<const std::uint8_t> p);
  void takeExactPosition(bool lla, std::span<const std::uint8_t> p);
  void handleTimingRequest(std::uint8_t which, std::span<const std::uint8_t> p);
  void answerTrackingStatus(std::uint8_t sv);
  void reset(bool cold, bool factory);
  void releaseSatelliteData();  // sends the 0x58 replies now due

  // Time and output (simulated_receiver.cpp).
  void runEpoch(std::int64_t gpsSecond, bool broadcast);
  void updateWorld(std::int64_t gpsSecond);
  void broadcastEpoch();
  void reply(const Packet& packet);
  void emit(const Packet& packet);
  bool quiet() const { return clockMs_ < quietUntilMs_; }
  Packet supplementalTiming() const;
  Packet primaryTiming() const;

  ReceiverProfile profile_;
  FaultOptions faults_;
  ReceiverSettings settings_;
  Constellation constellation_;
  SimRandom worldRandom_;
  SimRandom faultRandom_;
  HealthModel health_;
  SatelliteDataStore satelliteData_;
  link::Deframer deframer_;
  std::vector<std::uint8_t> output_;

  std::int64_t clockMs_ = 0;      // simulation time since construction
  std::int64_t epochSecond_ = 0;  // GPS second of the last fix
  std::int64_t quietUntilMs_ = 0;
  bool powerUpPending_ = false;  // announce the version once a reset is over

  FixSolution solution_;
  NavigationFix fix_;
  double clockBias_ = 0;  // m
  double biasRate_ = 0;   // m/s
  float quantizationError_ = 0;
  std::uint32_t surveyedFixes_ = 0;
  bool storedPosition_ = true;
  bool primaryTimingDue_ = false;  // asked for "next second"
  bool timingFirst_ = false;
  bool supplementalTimingDue_ = false;
  SerialConfig line_;
  bool lineWasSet_ = false;
};

}  // namespace navbin::sim
