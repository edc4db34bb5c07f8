#include "link/recording_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_flags.h"

namespace navbin::link {

std::unique_ptr<RecordingReader> RecordingReader::Open(const std::string& path,
                                                       std::string& error) {
  if (path == "-") {
    return std::unique_ptr<RecordingReader>(new RecordingReader(STDIN_FILENO, "standard input"));
  }
  const int fd = ::open(path.c_str(), platform::kOpenReadBytes);
  if (fd < 0) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  const int failure = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (failure != 0) {
    error = path + ": " + std::strerror(failure);
    ::close(fd);
    return nullptr;
  }
  std::unique_ptr<RecordingReader> reader(new RecordingReader(fd, path));
  reader->size_ = S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
  return reader;
}

RecordingReader::~RecordingReader() {
  if (fd_ != STDIN_FILENO) ::close(fd_);
}

bool RecordingReader::fill() {
  const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
  if (n >= 0) {
    pos_ = 0;
    end_ = static_cast<std::size_t>(n);
    bytesRead_ += end_;
    return n > 0;
  }
  // A stop signal interrupts a read that waits on a pipe: the recording ends
  // there, and the caller sees the stop.
  if (errno != EINTR) error_ = name_ + ": " + std::strerror(errno);
  return false;
}

bool RecordingReader::next(std::vector<std::uint8_t>& packet) {
  for (;;) {
    while (pos_ < end_) {
      if (!deframer_.feed(buffer_[pos_++])) continue;
      const auto payload = deframer_.payload();
      packet.assign(1, static_cast<std::uint8_t>(deframer_.packetId));
      packet.insert(packet.end(), payload.begin(), payload.end());
      return true;
    }
    if (failed() || !fill()) return false;
  }
}

bool RecordingReader::rewind() {
  if (fd_ == STDIN_FILENO || ::lseek(fd_, 0, SEEK_SET) != 0) return false;
  deframer_ = {};
  pos_ = end_ = 0;
  bytesRead_ = 0;
  return true;
}

}  // namespace navbin::link
