// The lines navbin-dump prints, checked on hand-made fields.

#include "tools/dump_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "json_shape.h"
#include "tests/support/packets.h"

namespace navbin::tools {
namespace {

using reports::ReportField;
using Bytes = std::vector<std::uint8_t>;

TEST(PacketName, SuperPacketsCarryTheirSubId) {
  const std::pair<std::pair<int, Bytes>, const char*> cases[] = {
      {{0x4A, {1, 2}}, "4A"}, {{0x8F, {0xAB, 0}}, "8F-AB"}, {{0x8E, {0x15}}, "8E-15"},
      {{0x8F, {}}, "8F"},     {{0x00, {}}, "00"},
  };
  for (const auto& [packet, name] : cases) EXPECT_EQ(PacketName(packet.first, packet.second), name);
}

TEST(FormatPacket, TextLineHasNameLengthHexAndFields) {
  const std::vector<ReportField> fields{
      {"latitude", 0.5}, {"week", std::int64_t{2047}}, {"name", std::string("a b")}};
  EXPECT_EQ(FormatPacket(0x4A, Bytes{0x0A, 0xFF}, fields, false),
            "4A 2 0AFF latitude=0.5 week=2047 name=\"a b\"");
  EXPECT_EQ(FormatPacket(0x82, Bytes{}, {}, false), "82 0 -");
  EXPECT_EQ(FormatPacket(0x41, Bytes{1}, {{"x", 0.1}}, false), "41 1 01 x=0.1");
}

TEST(FormatPacket, JsonLineKeepsShortestRoundTripNumbersNullsNonFiniteOnesAndFixedMembers) {
  const std::vector<ReportField> fields{
      {"a", 0.1f},
      {"b", std::numeric_limits<double>::quiet_NaN()},
      {"c", -std::numeric_limits<double>::infinity()},
      {"d", std::int64_t{-5}},
      {"e", std::string("q\"\\\n\x01\xC3")},
  };
  const std::string line = FormatPacket(0x8F, Bytes{0xAB, 0x10}, fields, true);
  EXPECT_EQ(line,
            "{\"id\":\"8F\",\"sub\":\"AB\",\"len\":2,\"hex\":\"AB10\",\"a\":0.1,"
            "\"b\":null,\"c\":null,\"d\":-5,\"e\":\"q\\\"\\\\\\n\\u0001\\u00C3\"}");
  EXPECT_TRUE(test::IsJsonObject(line)) << line;
  for (const char* bad : {"{\"a\":nan}", "{\"a\":1}x", "{\"a\":\"\x01\"}", "{\"a\":[1,]}"}) {
    EXPECT_FALSE(test::IsJsonObject(bad)) << bad;  // the checker itself is strict
  }
  // A field cannot shadow the members every line has.
  const std::string shadow = FormatPacket(0x41, Bytes{}, {{"len", std::int64_t{3}}}, true);
  EXPECT_EQ(shadow, "{\"id\":\"41\",\"len\":0,\"hex\":\"\",\"field_len\":3}");
}

// A value converted from a float field has the float's digits, from a double
// field the double's; beyond the float range it is an infinity.
TEST(LineWriter, ConvertedFieldsKeepThePrecisionOfTheirField) {
  using support::Payload;
  const std::tuple<int, Bytes, const char*> cases[] = {
      {0x56, Payload().zeros(12).single(123.29706f).single(1), " biasRate=411.27472 "},
      {0x43, Payload().zeros(12).single(3e38f).single(1), " biasRate=inf "},
      {0x4A, Payload().single(0.5f).zeros(16), " latitude=28.64789 "},
      {0x84, Payload().dbl(0.5).zeros(24).single(0), " latitude=28.64788933333083 "},
  };
  for (const auto& [id, payload, part] : cases) {
    OutputBuffer out;
    LineWriter(out, false).packet(id, payload);
    EXPECT_NE(out.view().find(part), std::string_view::npos) << out.view();
  }
}

}  // namespace
}  // namespace navbin::tools
