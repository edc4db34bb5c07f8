#pragma once
// open() flags that mean the same everywhere: bytes as they are (systems
// with a text mode translate line ends otherwise) and no inheritance by child
// processes, each where the system knows it.

#include <fcntl.h>

#ifndef O_BINARY
#define O_BINARY 0
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif

namespace navbin::platform {

inline constexpr int kOpenReadBytes = O_RDONLY | O_BINARY | O_CLOEXEC;

}  // namespace navbin::platform
