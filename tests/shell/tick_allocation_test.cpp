// A monitor tick allocates nothing of its own: with ports open, packets
// arriving, auto-queries going out and the lamps rotating, the count of heap
// allocations during the ticks stays at zero.

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "link/framing.h"
#include "shell/monitor_core.h"
#include "tests/support/fake_device.h"
#include "tests/support/fakes.h"
#include "tests/support/silent_display.h"

namespace {

std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

}  // namespace

void* operator new(std::size_t size) {
  if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// GCC pairs the free() below with the inlined operator new of a caller and
// warns of a mismatch; here both sides are ours and use malloc/free.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace navbin::shell_testing {
namespace {

TEST(MonitorTick, AllocatesNothing) {
  support::FakeBackend backend;  // fixed input buffers: loading them allocates nothing
  support::SilentDisplay display(reports::Colour::Lime);  // keeps the lamp step busy
  support::ScriptedPrompter prompter;                     // a box would allocate: none may come
  support::FakeClock clock;
  shell::MonitorCore core(backend, display, prompter, clock);
  for (int com = 1; com <= 4; ++com) {
    const std::string path = "/dev/fixed" + std::to_string(com);
    core.portMap.assign(com, path);
    ASSERT_EQ(core.channel.OpenPort(core.ports[com - 1], path, com - 1), 0);
    core.ports[com - 1].monitored = com != 4;
  }
  core.shell.displayPort = 1;
  core.shell.transmitToAll = true;
  core.multiPort.findAllCountdown = 3;
  // Packets without a decoder: the dispatcher's own path, not the decoders'.
  const std::uint8_t packet[] = {0x5F, 0x10, 0x01};
  std::array<std::uint8_t, 64> frame{};
  const std::size_t frameLength = link::BuildFrame(packet, frame);

  gAllocations = 0;
  gCounting = true;
  for (int t = 0; t < 20; ++t) {
    for (auto& [path, device] : backend.devices) device->load(frame.data(), frameLength);
    core.cycle.NavBinTimer();
  }
  gCounting = false;
  EXPECT_EQ(gAllocations.load(), 0);
  EXPECT_GT(backend.devices["/dev/fixed1"]->writes, 0);  // the auto-queries went out
  EXPECT_TRUE(core.ports[3].rxActive);
}

}  // namespace
}  // namespace navbin::shell_testing
