#include "platform/pps_source.h"

#include <fcntl.h>
#include <sys/timepps.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace navbin::platform {

namespace {

class KernelPps final : public PpsSource {
 public:
  KernelPps(int fd, pps_handle_t handle) : fd_(fd), handle_(handle) {}
  ~KernelPps() override {
    time_pps_destroy(handle_);
    ::close(fd_);
  }

  std::optional<Pulse> latest() override {
    pps_info_t info{};
    timespec noWait{0, 0};
    if (time_pps_fetch(handle_, PPS_TSFMT_TSPEC, &info, &noWait) != 0 ||
        info.assert_sequence == 0) {
      return std::nullopt;
    }
    const auto since = std::chrono::seconds(info.assert_timestamp.tv_sec) +
                       std::chrono::nanoseconds(info.assert_timestamp.tv_nsec);
    return Pulse{std::chrono::system_clock::time_point(
                     std::chrono::duration_cast<std::chrono::system_clock::duration>(since)),
                 info.assert_sequence};
  }

 private:
  int fd_;
  pps_handle_t handle_;
};

}  // namespace

std::unique_ptr<PpsSource> OpenKernelPps(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  pps_handle_t handle{};
  pps_params_t params{};
  int modes = 0;
  const bool ok = fd >= 0 && time_pps_create(fd, &handle) == 0;
  if (ok && time_pps_getcap(handle, &modes) == 0 && (modes & PPS_CAPTUREASSERT) != 0 &&
      time_pps_getparams(handle, &params) == 0) {
    params.mode |= PPS_CAPTUREASSERT | PPS_TSFMT_TSPEC;
    if (time_pps_setparams(handle, &params) == 0) return std::make_unique<KernelPps>(fd, handle);
  }
  error = path + ": " + (errno ? std::strerror(errno) : "cannot capture the pulse's edges");
  if (ok) time_pps_destroy(handle);
  if (fd >= 0) ::close(fd);
  return nullptr;
}

}  // namespace navbin::platform
