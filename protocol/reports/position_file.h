#pragma once
// Reading a position file back: the kind digit and three numbers that the
// position download writes, read as "%d%f%f%f" from the start of the file.

#include <cstdio>
#include <optional>
#include <string>

namespace navbin::reports {

struct PositionFileData {
  int kind = -1;  // 0 latitude, longitude, altitude; 1 ECEF X, Y, Z; other: format error
  float a = 0, b = 0, c = 0;
  int items = 0;  // items converted, 0 to 4; the numbers past it keep their zero
};

// Scans an open file from its current position; never reads past the fourth item.
PositionFileData ScanPositionFile(std::FILE* file);
// Nothing when the file cannot be opened.
std::optional<PositionFileData> ReadPositionFile(const std::string& path);

}  // namespace navbin::reports
