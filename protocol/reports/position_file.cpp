#include "protocol/reports/position_file.h"

namespace navbin::reports {

PositionFileData ScanPositionFile(std::FILE* file) {
  PositionFileData data;
  const int items = std::fscanf(file, "%d%f%f%f", &data.kind, &data.a, &data.b, &data.c);
  data.items = items < 0 ? 0 : items;  // EOF before the first item
  if (data.items == 0) data.kind = -1;
  return data;
}

std::optional<PositionFileData> ReadPositionFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) return std::nullopt;
  const PositionFileData data = ScanPositionFile(file);
  std::fclose(file);
  return data;
}

}  // namespace navbin::reports
