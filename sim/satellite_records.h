#pragma once
// Made-up but plausible satellite data records, the data bytes of 0x58
// replies: fields of the broadcast navigation message in engineering units,
// big-endian like every other report. Deterministic for a seed.

#include <cstdint>
#include <vector>

#include "sim/sim_random.h"

namespace navbin::sim {

using Record = std::vector<std::uint8_t>;

Record AlmanacRecord(std::uint8_t sv, SimRandom& random);    // 67 bytes
Record HealthPageRecord(SimRandom& random);                  // 37 bytes
Record IonosphereRecord(SimRandom& random);                  // 32 bytes
Record UtcRecord(SimRandom& random);                         // 26 bytes
Record EphemerisRecord(std::uint8_t sv, SimRandom& random);  // 151 bytes

}  // namespace navbin::sim
