#pragma once
#include "protocol/receiver/dispatcher.h"

namespace navbin::reports {

// Once a second (monitor cycle phases 3 and 8): counts down each channel row's
// age and blanks the rows of channels that stopped reporting.
void ageChannels(DecoderContext& context);

}  // namespace navbin::reports
