#include "sim/satellite_data.h"

#include <algorithm>
#include <charconv>

#include "link/framing.h"
#include "sim/satellite_records.h"
#include "sim/sim_random.h"

namespace navbin::sim {

namespace {

constexpr std::uint8_t kReplyId = 0x58;
constexpr std::uint8_t kRequest = 1, kLoad = 2;               // 0x38 operations
constexpr std::uint8_t kRefused = 0, kLoaded = 1, kData = 2;  // 0x58 operations

bool IsPerSv(std::uint8_t type) {
  return type == SatelliteDataStore::kSatellite || type == SatelliteDataStore::kAlmanac ||
         type == SatelliteDataStore::kEphemeris;
}

// The SV field as the type wants it: 1 to 32 for per-SV types, 0 otherwise.
bool ValidAddress(std::uint8_t type, std::uint8_t sv) {
  if (type < SatelliteDataStore::kSatellite || type > SatelliteDataStore::kEphemeris) return false;
  return IsPerSv(type) ? sv >= 1 && sv <= 32 : sv == 0;
}

bool Contains(const std::vector<int>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

SatelliteDataStore::SatelliteDataStore(std::uint64_t seed) {
  SimRandom random = SimRandom(seed).fork(5);
  for (std::uint8_t sv = 1; sv <= 32; ++sv) {
    records_[{kAlmanac, sv}] = AlmanacRecord(sv, random);
    records_[{kEphemeris, sv}] = EphemerisRecord(sv, random);
  }
  records_[{kHealth, 0}] = HealthPageRecord(random);
  records_[{kIono, 0}] = IonosphereRecord(random);
  records_[{kUtc, 0}] = UtcRecord(random);
}

void SatelliteDataStore::handle(std::span<const std::uint8_t> p, std::int64_t nowMs) {
  Packet command{0x38};
  command.insert(command.end(), p.begin(), p.end());
  commandFrameBytes_ = link::FrameLength(command);
  if (p.size() == 3 && p[0] == kRequest) answerRequest(p[1], p[2], nowMs);
  if (p.size() >= 4 && p[0] == kLoad && p.size() == 4u + p[3]) {
    answerLoad(p[1], p[2], p.subspan(4), nowMs);
  }
}

bool SatelliteDataStore::withheld(std::uint8_t type, std::uint8_t sv) const {
  return (type == kAlmanac && Contains(options_.noAlmanac, sv)) ||
         (type == kEphemeris && Contains(options_.noEphemeris, sv));
}

// Type 1 data is taken but never given out; an SV without data is refused.
void SatelliteDataStore::answerRequest(std::uint8_t type, std::uint8_t sv, std::int64_t nowMs) {
  if (!ValidAddress(type, sv) || type == kSatellite) return;
  const Record* data = record(type, sv);
  if (!data || withheld(type, sv)) {
    queue(kRefused, type, sv, {}, nowMs);
  } else {
    queue(kData, type, sv, *data, nowMs);
  }
}

void SatelliteDataStore::answerLoad(std::uint8_t type, std::uint8_t sv,
                                    std::span<const std::uint8_t> data, std::int64_t nowMs) {
  if (!ValidAddress(type, sv) || options_.refuseLoads) {
    queue(kRefused, type, sv, {}, nowMs);
    return;
  }
  records_[{type, sv}].assign(data.begin(), data.end());
  ++loadsStored_;
  queue(kLoaded, type, sv, {}, nowMs);
}

std::int64_t SatelliteDataStore::lineMs(std::size_t bytes) const {
  if (options_.paceBaud <= 0) return 0;
  return static_cast<std::int64_t>(bytes) * 11 * 1000 / options_.paceBaud;
}

void SatelliteDataStore::queue(std::uint8_t operation, std::uint8_t type, std::uint8_t sv,
                               std::span<const std::uint8_t> data, std::int64_t nowMs) {
  std::int64_t due = nowMs + options_.lateMs + lineMs(commandFrameBytes_);
  if (options_.foreign) {
    const auto other = static_cast<std::uint8_t>(sv % 32 + 1);
    pending_.emplace_back(due,
                          PacketWriter(kReplyId).u8(operation).u8(type).u8(other).u8(0).take());
  }
  PacketWriter w(kReplyId);
  w.u8(operation).u8(type).u8(sv).u8(static_cast<std::uint8_t>(data.size()));
  for (std::uint8_t b : data) w.u8(b);
  pending_.emplace_back(due, w.take());
}

std::vector<Packet> SatelliteDataStore::takeDue(std::int64_t nowMs) {
  std::vector<Packet> due;
  while (!pending_.empty() && pending_.front().first <= nowMs) {
    due.push_back(std::move(pending_.front().second));
    pending_.pop_front();
  }
  return due;
}

std::optional<std::int64_t> SatelliteDataStore::nextDueMs() const {
  if (pending_.empty()) return std::nullopt;
  return pending_.front().first;
}

const std::vector<std::uint8_t>* SatelliteDataStore::record(std::uint8_t type,
                                                            std::uint8_t sv) const {
  const auto it = records_.find({type, sv});
  return it == records_.end() ? nullptr : &it->second;
}

bool IsSatelliteDataOption(std::string_view name) {
  return name == "--no-almanac" || name == "--no-ephemeris" || name == "--late" || name == "--pace";
}

bool IsSatelliteDataFlag(std::string_view name) {
  return name == "--refuse-loads" || name == "--foreign-replies";
}

namespace {
bool ParseSvList(std::string_view text, std::vector<int>& out) {
  if (text.empty()) return false;
  while (!text.empty()) {
    const std::size_t comma = std::min(text.find(','), text.size());
    int sv = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + comma, sv);
    if (ec != std::errc{} || end != text.data() + comma || sv < 1 || sv > 32) return false;
    out.push_back(sv);
    if (comma + 1 == text.size()) return false;  // a trailing comma
    text.remove_prefix(std::min(comma + 1, text.size()));
  }
  return true;
}
}  // namespace

bool ApplySatelliteDataOption(SatelliteDataOptions& o, std::string_view name,
                              std::string_view value, std::string& error) {
  if (name == "--refuse-loads") {
    o.refuseLoads = true;
  } else if (name == "--foreign-replies") {
    o.foreign = true;
  } else if (name == "--late") {
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), o.lateMs);
    if (value.empty() || ec != std::errc{} || end != value.data() + value.size() || o.lateMs < 0 ||
        o.lateMs > 60000) {
      error = "--late takes milliseconds from 0 to 60000";
      return false;
    }
  } else if (name == "--pace") {
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), o.paceBaud);
    if (value.empty() || ec != std::errc{} || end != value.data() + value.size() ||
        o.paceBaud < 110 || o.paceBaud > 115200) {
      error = "--pace takes a baud rate from 110 to 115200";
      return false;
    }
  } else if (!ParseSvList(value, name == "--no-almanac" ? o.noAlmanac : o.noEphemeris)) {
    error = std::string(name) + " takes SV numbers from 1 to 32, separated by commas";
    return false;
  }
  return true;
}

std::string SatelliteDataUsage() {
  return "  --no-almanac L    SVs (1 to 32, commas between) without an almanac\n"
         "  --no-ephemeris L  SVs without an ephemeris\n"
         "  --refuse-loads    refuse every satellite-data load\n"
         "  --late MS         satellite-data replies leave MS milliseconds late\n"
         "  --foreign-replies each satellite-data reply follows one for another SV\n"
         "  --pace BAUD       satellite-data replies also wait out the time their\n"
         "                    command and they need on a line of BAUD\n";
}

}  // namespace navbin::sim
