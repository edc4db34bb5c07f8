#pragma once
// Every command encoder: include this to reach all of them.

#include "protocol/commands/config_commands.h"          // settings groups, save to flash
#include "protocol/commands/generic_command.h"          // user-typed packets
#include "protocol/commands/init_commands.h"            // resets, initial position and time
#include "protocol/commands/query_commands.h"           // requests without data
#include "protocol/commands/satellite_data_commands.h"  // 0x38 request and load
#include "protocol/commands/timing_commands.h"          // 0x8E-AB, 0x8E-AC requests
