# The Windows build: the Qt-free layers, the command-line tools and their
# tests. The JSON library is header-only; a cross build takes its headers from
# the build machine through a folder that holds nothing else, so the system's
# own headers stay out of the compiler's search path.
set(NAVBIN_JSON_HEADERS /usr/include/nlohmann CACHE PATH "The nlohmann JSON headers")
if(NOT TARGET nlohmann_json::nlohmann_json AND EXISTS ${NAVBIN_JSON_HEADERS}/json.hpp)
  set(jsonRoot ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${jsonRoot})
  if(NOT EXISTS ${jsonRoot}/nlohmann)
    file(CREATE_LINK ${NAVBIN_JSON_HEADERS} ${jsonRoot}/nlohmann SYMBOLIC COPY_ON_ERROR)
  endif()
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${jsonRoot})
endif()
# Windows 7 and later: the serial, registry and console calls the platform layer uses.
add_compile_definitions(_WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
# gmtime_r and localtime_r, as MinGW-w64 offers them.
add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS)
# GCC 12 takes the copy after the size check in config/settings_file.cpp
# for an overflow when it optimises (a false alarm, as the Release build of
# the native GCC 12 gives too); the Windows build is Release.
add_compile_options(-Wno-stringop-overflow)
