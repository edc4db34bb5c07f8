#pragma once
// An almanac or ephemeris file, open in binary mode for the length of one
// transfer. Blocks are written unbuffered, one at a time, so that a failing
// disk shows at the block that did not fit; that block is cut off again, so
// the file always ends on a whole block. The file is closed on every way out.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include <sys/types.h>
#include <unistd.h>

namespace navbin::transfer {

class DataFile {
 public:
  // `mode` is "wb" or "rb"; check isOpen().
  DataFile(const std::string& path, const char* mode) : file_(std::fopen(path.c_str(), mode)) {
    if (file_ && mode[0] == 'w') std::setvbuf(file_, nullptr, _IONBF, 0);
  }
  ~DataFile() { close(); }
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  std::FILE* get() const { return file_; }

  // False when not every byte reached the file; what did is taken back.
  bool write(std::span<const std::uint8_t> bytes) {
    if (!file_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) {
      written_ += static_cast<off_t>(bytes.size());
      return true;
    }
    std::clearerr(file_);
    if (::ftruncate(::fileno(file_), written_) == 0) std::fseek(file_, 0, SEEK_END);
    return false;
  }
  // False when the last buffered bytes could not be written.
  bool close() {
    if (!file_) return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
  off_t written_ = 0;  // size after the last whole block
};

}  // namespace navbin::transfer
