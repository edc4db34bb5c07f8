#pragma once
// Whole text files: read at once, and written beside the old file and then
// renamed over it, so that a failed write leaves the old file as it was.

#include <optional>
#include <string>

namespace navbin::config {

std::optional<std::string> ReadTextFile(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace navbin::config
