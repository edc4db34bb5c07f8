#include "tools/timing/shm_segment.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace navbin::tools::timing {

// The segment as the daemons read it (their struct shmTime).
struct ShmSegment::Layout {
  int mode;  // 1: the count protocol below
  volatile int count;
  time_t clockTimeStampSec;  // the receiver's time ...
  int clockTimeStampUSec;
  time_t receiveTimeStampSec;  // ... and the PC's clock at that instant
  int receiveTimeStampUSec;
  int leap;  // 0 none, 1 a second is inserted at the end of the day
  int precision;
  int nsamples;
  volatile int valid;
  unsigned clockTimeStampNSec;
  unsigned receiveTimeStampNSec;
  int dummy[8];
};

ShmSegment::ShmSegment(int unit) : unit_(unit) {
  const int permissions = unit <= 1 ? 0600 : 0666;
  const int id = ::shmget(kKeyBase + unit, sizeof(Layout), IPC_CREAT | permissions);
  void* at = id < 0 ? reinterpret_cast<void*>(-1) : ::shmat(id, nullptr, 0);
  if (at == reinterpret_cast<void*>(-1)) {
    error_ = "shared memory unit " + std::to_string(unit) + ": " + std::strerror(errno);
    return;
  }
  shm_ = static_cast<Layout*>(at);
}

ShmSegment::~ShmSegment() {
  if (shm_) ::shmdt(shm_);
}

namespace {

void Split(std::chrono::system_clock::time_point t, time_t& sec, int& usec, unsigned& nsec) {
  const auto ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
  sec = static_cast<time_t>(ns / 1000000000);
  nsec = static_cast<unsigned>(ns % 1000000000);
  usec = static_cast<int>(nsec / 1000);
}

}  // namespace

// The reader takes a sample only when `count` is the same before and after
// its read and `valid` is set; the fences keep the writes in that order.
void ShmSegment::write(const TimeSample& sample, int precision) {
  if (!shm_) return;
  shm_->valid = 0;
  shm_->mode = 1;
  shm_->count = shm_->count + 1;
  std::atomic_thread_fence(std::memory_order_seq_cst);
  Split(sample.receiver, shm_->clockTimeStampSec, shm_->clockTimeStampUSec,
        shm_->clockTimeStampNSec);
  Split(sample.pc, shm_->receiveTimeStampSec, shm_->receiveTimeStampUSec,
        shm_->receiveTimeStampNSec);
  shm_->leap = sample.leap == Leap::Insert ? 1 : 0;
  shm_->precision = precision;
  shm_->nsamples = 3;
  std::atomic_thread_fence(std::memory_order_seq_cst);
  shm_->count = shm_->count + 1;
  shm_->valid = 1;
}

}  // namespace navbin::tools::timing
