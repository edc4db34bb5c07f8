// One receiver shared on a loopback port: clients join at a frame boundary,
// a client that stops reading is cut off while the others get every byte,
// the seventeenth is refused, and what clients send reaches the receiver only
// as whole frames, and only when commands are allowed.

#include "tools/serve/port_share.h"

#include <gtest/gtest.h>

#include <chrono>

#include "tests/support/loopback_server.h"
#include "tests/support/packets.h"

namespace navbin::tools {
namespace {

using support::Bytes;
using support::Frame;
using support::LoopbackClient;

class PortShareTest : public ::testing::Test {
 protected:
  void start(bool allowCommands) {
    const auto note = [this](const std::string& text, bool fault) {
      notes.push_back((fault ? "! " : "") + text);
    };
    share = std::make_unique<PortShare>("COM1", allowCommands, note, poll, 1ull << 32);
    std::string error;
    ASSERT_TRUE(share->listen("127.0.0.1", port, error)) << error;
  }
  // Serves the share for `ms`, as navbin-log's wait does.
  void serve(int ms = 50) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      for (const auto& e : poll.wait(std::chrono::milliseconds(5))) {
        share->handle(static_cast<std::uint32_t>(e.token), e.readable, e.writable);
      }
    }
  }
  std::unique_ptr<LoopbackClient> join(int receiveBuffer = 0) {
    auto client = std::make_unique<LoopbackClient>(port, receiveBuffer);
    EXPECT_TRUE(client->connected());
    serve();
    return client;
  }

  std::uint16_t port = support::FreeLoopbackPort();
  platform::EventPoll poll;
  std::unique_ptr<PortShare> share;
  std::vector<std::string> notes;
};

TEST_F(PortShareTest, ClientsStartAtAFrameBoundaryAndAStalledOneIsCutOff) {
  start(false);
  const Bytes version = Frame({0x45, 0x01, 0x10, 0x03});  // a DLE ETX inside its payload
  auto early = join();
  share->received(Bytes(version.begin() + 2, version.end()), {});  // the tail of a frame
  share->received(version, {});
  EXPECT_EQ(early->receive(version.size() + 1, 500), version);
  early.reset();
  serve();

  auto stalled = join(4096);
  auto reader = join();
  Bytes packet(500, 0x10);
  packet[0] = 0x8F;
  const Bytes block = Frame(packet);
  std::size_t sent = 0;
  std::vector<std::uint8_t> read;
  while (sent < 3 * PortShare::kBacklogLimit) {
    for (int i = 0; i < 4; ++i) share->received(block, {});
    sent += 4 * block.size();
    serve(1);
    const auto got = reader->receive(4 * block.size(), 50);
    read.insert(read.end(), got.begin(), got.end());
  }
  while (read.size() < sent && !reader->ended()) {
    serve(5);
    const auto got = reader->receive(sent - read.size(), 20);
    if (got.empty()) break;
    read.insert(read.end(), got.begin(), got.end());
  }
  // Every byte from the end of the first block on, none lost to the stalled client.
  EXPECT_EQ(read.size(), sent - block.size());
  EXPECT_EQ(share->clients(), 1u);
  ASSERT_FALSE(notes.empty());
  EXPECT_NE(notes.back().find("! COM1: client 127.0.0.1:"), std::string::npos) << notes.back();
  EXPECT_NE(notes.back().find("cut off: it stopped reading"), std::string::npos) << notes.back();
}

TEST_F(PortShareTest, SeventeenthClientIsRefused) {
  start(false);
  std::vector<std::unique_ptr<LoopbackClient>> clients;
  for (std::size_t i = 0; i <= PortShare::kMaxClients; ++i) clients.push_back(join());
  EXPECT_EQ(share->clients(), PortShare::kMaxClients);
  EXPECT_TRUE(clients.back()->receive(1, 500).empty());
  EXPECT_TRUE(clients.back()->ended());
  EXPECT_NE(notes.back().find("refused: 16 clients already"), std::string::npos) << notes.back();
}

TEST_F(PortShareTest, CommandsPassOnlyAsWholeFramesAndOnlyWhenAllowed) {
  const Bytes reset = Frame({0x1E, 0x4B});
  const Bytes version = Frame({0x1F});
  for (const bool allowed : {false, true}) {
    start(allowed);
    auto first = join();
    auto second = join();
    // Each sends half a frame, then the other's whole frame goes in between.
    first->send(Bytes{0x99, reset[0], reset[1]});
    serve();
    second->send(version);
    serve();
    first->send(Bytes(reset.begin() + 2, reset.end()));
    serve();
    const auto commands = share->takeCommands();
    if (allowed) {
      EXPECT_EQ(commands, (std::vector<PortShare::Frame>{version, reset}));
    } else {
      EXPECT_TRUE(commands.empty());
    }
    share.reset();
  }
}

}  // namespace
}  // namespace navbin::tools
