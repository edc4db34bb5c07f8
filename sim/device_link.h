#pragma once
// A symbolic link with a fixed name to a pseudo-terminal's device, so that a
// monitor can open the simulator under the same name every run.

#include <string>

namespace navbin::sim {

// Links `path` to `device`, replacing a link an earlier run left there;
// false with a message when `path` is something else or cannot be made.
bool MakeDeviceLink(const std::string& device, const std::string& path, std::string& error);

// Removes `path` if it is still a link to `device` (a later run may have
// taken the name over).
void RemoveDeviceLink(const std::string& device, const std::string& path);

}  // namespace navbin::sim
