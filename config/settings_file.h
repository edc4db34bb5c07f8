#pragma once
// The settings file: one JSON object holding "format": 1, the receiver's
// identity under "receiver", and each settings group under its name with the
// fields of its table, values as the receiver reports them (codes as whole
// numbers, angles as {"degrees", "radians"} with the radians exact). Keys
// this program does not know are kept when a file is written again; a group
// left out of a file is simply not there to restore.

#include <optional>
#include <string>
#include <string_view>

#include "config/settings_snapshot.h"

namespace navbin::config {

inline constexpr int kSettingsFormat = 1;

// The text of the file of `snapshot`. The keys of `previous` (the file it
// replaces, if any) that this program does not know are kept as they were;
// a group the snapshot lacks is left out.
std::string WriteSettingsFile(const SettingsSnapshot& snapshot, std::string_view previous = {});

// The settings a file's text holds. Nothing when it is not JSON, not of
// format 1, or has a field of the wrong type or out of its range; `error`
// then says why in one line that names the group and field.
std::optional<SettingsSnapshot> ReadSettingsFile(std::string_view text, std::string& error);

}  // namespace navbin::config
