// DeframeByte called with nothing left to take, or with a read position
// outside the receive buffer, reads nothing and changes nothing.

#include <gtest/gtest.h>

#include <memory>

#include "link/framing.h"

namespace navbin::link {
namespace {

TEST(ReviewDeframeByte, IgnoresCallsWithoutAByteToTake) {
  auto port = std::make_unique<PortContext>();
  port->frameLen = 3;
  port->packetId = 0x41;

  port->rxCount = 0;  // nothing received
  port->readPos = 0;
  EXPECT_EQ(DeframeByte(*port), 0);
  EXPECT_EQ(port->rxCount, 0u);
  EXPECT_EQ(port->readPos, 0);

  port->rxCount = 1;  // a count that runs past the end of the buffer
  port->readPos = static_cast<std::int32_t>(kRxBufferSize);
  EXPECT_EQ(DeframeByte(*port), 0);
  port->readPos = -1;
  EXPECT_EQ(DeframeByte(*port), 0);
  EXPECT_EQ(port->rxCount, 1u);
  EXPECT_EQ(port->frameLen, 3);
  EXPECT_EQ(port->packetId, 0x41);
}

TEST(ReviewDeframeByte, TakesTheLastByteOfTheBuffer) {
  auto port = std::make_unique<PortContext>();
  port->rxBuffer[kRxBufferSize - 2] = kDle;
  port->rxBuffer[kRxBufferSize - 1] = kEtx;
  port->readPos = static_cast<std::int32_t>(kRxBufferSize - 2);
  port->rxCount = 2;
  port->packetId = 0x41;
  EXPECT_EQ(DeframeByte(*port), 0);
  EXPECT_EQ(DeframeByte(*port), 1);
  EXPECT_EQ(port->rxCount, 0u);
  EXPECT_EQ(DeframeByte(*port), 0);  // and nothing after it
}

}  // namespace
}  // namespace navbin::link
