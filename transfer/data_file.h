#pragma once
// An almanac or ephemeris file, open in binary mode for the length of one
// transfer. Writes are flushed block by block so that a failing disk shows at
// the block that did not fit, and the file is closed on every way out.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace navbin::transfer {

class DataFile {
 public:
  // `mode` is "wb" or "rb"; check isOpen().
  DataFile(const std::string& path, const char* mode) : file_(std::fopen(path.c_str(), mode)) {}
  ~DataFile() { close(); }
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  std::FILE* get() const { return file_; }

  // False when not every byte reached the file.
  bool write(std::span<const std::uint8_t> bytes) {
    return file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() &&
           std::fflush(file_) == 0;
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
};

}  // namespace navbin::transfer
