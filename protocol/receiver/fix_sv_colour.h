#pragma once
// Colouring a channel's SV panel by whether the SV is used in the fix.

#include <array>
#include <cstdint>
#include <string_view>

#include "protocol/presentation/display.h"
#include "protocol/receiver/dispatcher.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::reports {

// Window colour for SV 0 or an SV not in fixSvs; otherwise the first entry of
// that magnitude decides: yellow when negative, lime when positive.
Colour FixSvColour(const std::array<std::int32_t, kChannelCount>& fixSvs, int sv);

// Colours `panel` of the main window for `sv` from the fix of port `portIndex`.
void showFixSvColour(DecoderContext& context, int sv, int portIndex, ControlName panel);

}  // namespace navbin::reports
