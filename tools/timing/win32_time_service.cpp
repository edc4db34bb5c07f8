#include "tools/timing/time_service.h"

// The time service hands its samples to chrony and ntpd through a Unix
// socket, System V shared memory and a kernel PPS device, none of which the
// Windows build has: it refuses to start there, so nothing is ever sent.
namespace navbin::tools::timing {

TimeService::TimeService(const TimeOptions& options, std::unique_ptr<platform::PpsSource> pps,
                         int buildWeek, Note note)
    : options_(options),
      pps_(std::move(pps)),
      note_(std::move(note)),
      clock_(buildWeek, std::chrono::nanoseconds(0)) {}

bool TimeService::start(std::string& error) {
  error = "the time service (--chrony-sock, --shm, --pps) is not available on Windows";
  return false;
}

void TimeService::received(std::span<const std::uint8_t>, const ReadTime&) {}

std::string TimeService::status() const {
  return "time: not available on Windows";
}

// Never made on Windows; their owners' destructors still name them.
ChronySock::~ChronySock() = default;
ShmSegment::~ShmSegment() = default;

}  // namespace navbin::tools::timing
