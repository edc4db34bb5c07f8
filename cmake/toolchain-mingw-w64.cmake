# Cross build for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for
# std::thread and std::mutex). libgcc and libstdc++ are linked statically so
# the programs run, under Wine too, without any DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(NAVBIN_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${NAVBIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NAVBIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NAVBIN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NAVBIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Test programs are run through Wine (gtest_discover_tests and ctest).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
