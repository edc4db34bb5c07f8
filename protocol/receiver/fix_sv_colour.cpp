#include "protocol/receiver/fix_sv_colour.h"

#include <cstdlib>

namespace navbin::reports {

Colour FixSvColour(const std::array<std::int32_t, kChannelCount>& fixSvs, int sv) {
  if (sv == 0) return Colour::Window;
  for (const std::int32_t entry : fixSvs) {
    if (std::abs(entry) == sv) return entry < 0 ? Colour::Yellow : Colour::Lime;
  }
  return Colour::Window;
}

void showFixSvColour(DecoderContext& context, int sv, int portIndex, ControlName panel) {
  const auto& fixSvs =
      context.state.receivers[static_cast<std::size_t>(portIndex) % link::kPortCount].fixSvs;
  context.display.setColour(Form::Main, panel, FixSvColour(fixSvs, sv));
}

}  // namespace navbin::reports
