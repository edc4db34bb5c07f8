#pragma once
// The two decoder tables of the dispatcher: the monitored group (every
// monitored port and the display port) and the display group (display port
// only, after the monitored group). Id 0x8F is looked up by its sub-id.

#include "protocol/receiver/decoders.h"

namespace navbin::reports {

enum class DecoderGroup { Monitored, Display };

// The decoder of packet `id` (for 0x8F, of sub-id `subId`) in `group`;
// nullptr when the group has none. Ids and sub-ids outside 0..255 have none.
Decoder lookupDecoder(DecoderGroup group, int id, int subId);

}  // namespace navbin::reports
