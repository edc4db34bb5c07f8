#pragma once
// The satellite data a simulated receiver keeps and exchanges with 0x38/0x58:
// almanacs and ephemerides per SV, the almanac health page, ionospheric and
// UTC data. A request (38 01 type sv) is answered with 58 02 type sv L data;
// a load (38 02 type sv L data) is stored and acknowledged with 58 01 type sv
// 0, and later requests answer what was loaded. Options leave SVs without
// data, refuse loads, delay the replies or precede each with a reply for
// another SV.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/packet_writer.h"

namespace navbin::sim {

struct SatelliteDataOptions {
  std::vector<int> noAlmanac;    // SVs whose almanac requests are refused
  std::vector<int> noEphemeris;  // SVs whose ephemeris requests are refused
  bool refuseLoads = false;      // every load is refused
  int lateMs = 0;                // every 0x58 leaves this long after its command
  bool foreign = false;          // every 0x58 follows one for another SV
  int paceBaud = 0;  // when set, every 0x58 also waits out the line time of its command at
                     // this baud (11 bits a byte); its own it spends on the paced line
};

class SatelliteDataStore {
 public:
  // Data types of the exchange.
  static constexpr std::uint8_t kSatellite = 1, kAlmanac = 2, kHealth = 3, kIono = 4, kUtc = 5,
                                kEphemeris = 6;

  explicit SatelliteDataStore(std::uint64_t seed);

  void setOptions(const SatelliteDataOptions& options) { options_ = options; }
  SatelliteDataOptions& options() { return options_; }

  // A 0x38 payload received at `nowMs` (simulation time). Its reply, if any,
  // waits until it is due.
  void handle(std::span<const std::uint8_t> payload, std::int64_t nowMs);
  // The replies due at `nowMs`, in order.
  std::vector<Packet> takeDue(std::int64_t nowMs);
  // When the next waiting reply is due.
  std::optional<std::int64_t> nextDueMs() const;

  // The record kept for `type` and `sv` (0 for types 3 to 5); null if none.
  const std::vector<std::uint8_t>* record(std::uint8_t type, std::uint8_t sv) const;
  int loadsStored() const { return loadsStored_; }

 private:
  using Key = std::pair<std::uint8_t, std::uint8_t>;

  void answerRequest(std::uint8_t type, std::uint8_t sv, std::int64_t nowMs);
  void answerLoad(std::uint8_t type, std::uint8_t sv, std::span<const std::uint8_t> data,
                  std::int64_t nowMs);
  void queue(std::uint8_t operation, std::uint8_t type, std::uint8_t sv,
             std::span<const std::uint8_t> data, std::int64_t nowMs);
  std::int64_t lineMs(std::size_t bytes) const;
  bool withheld(std::uint8_t type, std::uint8_t sv) const;

  SatelliteDataOptions options_;
  std::map<Key, std::vector<std::uint8_t>> records_;
  std::deque<std::pair<std::int64_t, Packet>> pending_;
  int loadsStored_ = 0;
  std::size_t commandFrameBytes_ = 0;  // of the command being answered
};

// Command-line options of navbin-sim for the store: --no-almanac LIST,
// --no-ephemeris LIST (SV numbers separated by commas), --late MS, --pace BAUD
// take a value; --refuse-loads and --foreign-replies do not.
bool IsSatelliteDataOption(std::string_view name);
bool IsSatelliteDataFlag(std::string_view name);
// False with the reason in `error` for a bad value.
bool ApplySatelliteDataOption(SatelliteDataOptions& options, std::string_view name,
                              std::string_view value, std::string& error);
std::string SatelliteDataUsage();

}  // namespace navbin::sim
