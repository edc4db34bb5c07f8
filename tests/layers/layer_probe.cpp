// Compiled once per probe of tests/layers/CMakeLists.txt, with the header it
// tries to include in NAVBIN_PROBE_HEADER.
#include NAVBIN_PROBE_HEADER
