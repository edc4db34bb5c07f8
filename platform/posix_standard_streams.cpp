#include "platform/standard_streams.h"

namespace navbin::platform {

void UseBinaryStandardStreams() {}  // POSIX streams are bytes already

}  // namespace navbin::platform
