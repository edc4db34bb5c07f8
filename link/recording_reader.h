#pragma once
// Packets of a raw packet log read through the link's de-framer, so that a
// damaged file is read like a noisy line: bytes outside frames are skipped,
// a frame cut off at the end of the file is dropped.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/framing.h"

namespace navbin::link {

class RecordingReader {
 public:
  // Opens `path`, or standard input for "-"; nullptr and a message naming
  // the file in `error` when it cannot be read.
  static std::unique_ptr<RecordingReader> Open(const std::string& path, std::string& error);
  ~RecordingReader();
  RecordingReader(const RecordingReader&) = delete;
  RecordingReader& operator=(const RecordingReader&) = delete;

  // The next packet (id first) into `packet`; false at the end of the file,
  // when a signal interrupted the read, or on a read error (then failed() is
  // true and error() says why).
  bool next(std::vector<std::uint8_t>& packet);
  // Back to the start of the file, the de-framer cleared; false for a
  // stream that cannot go back.
  bool rewind();

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  const std::string& name() const { return name_; }
  // Bytes read from the file so far, and its size (0 for a stream).
  std::uint64_t bytesRead() const { return bytesRead_; }
  std::uint64_t size() const { return size_; }

 private:
  RecordingReader(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  bool fill();

  int fd_;
  std::string name_;
  std::string error_;
  Deframer deframer_;
  std::array<std::uint8_t, 64 * 1024> buffer_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::uint64_t bytesRead_ = 0;
  std::uint64_t size_ = 0;
};

}  // namespace navbin::link
