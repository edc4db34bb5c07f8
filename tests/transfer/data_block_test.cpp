// The data block file format, the 0x58 reply parser and the transfer texts.

#include <gtest/gtest.h>

#include "protocol/wire/report_satellite_data.h"
#include "tests/support/packets.h"
#include "transfer/data_block.h"
#include "transfer/transfer_texts.h"

namespace navbin::transfer {
namespace {

using support::Bytes;

struct ReadCase {
  const char* name;
  Bytes in;
  BlockEnd end;
  int type, sv;
  std::size_t length;
  int next;  // the byte a following read gets: nothing past the stop is consumed
};

TEST(DataBlockReader, StopsAtTheFirstByteThatEndsTheBlock) {
  const ReadCase cases[] = {
      {"empty", {}, BlockEnd::NoBlock, 0, 0, 0, -1},
      {"garbage", {0x10, 0x03, 0x83, 0x00}, BlockEnd::NoBlock, 0, 0, 0, -1},
      {"marker only", {0x82}, BlockEnd::NoBlock, 0, 0, 0, -1},
      {"prefix skipped",
       {0, 0, 0x82, 4, 2, 0xA, 0xB, 0x83, 0x99},
       BlockEnd::Complete,
       4,
       0,
       2,
       0x99},
      {"per-SV block", {0x82, 2, 7, 1, 0x10, 0x83}, BlockEnd::Complete, 2, 7, 1, -1},
      {"empty data", {0x82, 5, 0, 0x83}, BlockEnd::Complete, 5, 0, 0, -1},
      {"type 7", {0x82, 7, 1}, BlockEnd::BadType, 7, 0, 0, 1},
      {"type 0", {0x82, 0, 1}, BlockEnd::BadType, 0, 0, 0, 1},
      {"SV 0", {0x82, 6, 0, 1}, BlockEnd::BadSv, 6, 0, 0, 1},
      {"SV 33", {0x82, 1, 33, 1}, BlockEnd::BadSv, 1, 33, 0, 1},
      {"cut at the SV", {0x82, 2}, BlockEnd::CutInHeader, 2, 0, 0, -1},
      {"cut at the length", {0x82, 3}, BlockEnd::CutInData, 3, 0, 0, -1},
      {"cut in the data", {0x82, 6, 5, 3, 1}, BlockEnd::CutInData, 6, 5, 1, -1},
      {"cut at the end marker", {0x82, 4, 1, 9}, BlockEnd::CutInData, 4, 0, 1, -1},
      {"bad end marker", {0x82, 4, 1, 9, 0x82, 0x55}, BlockEnd::BadEndMarker, 4, 0, 1, 0x55},
  };
  for (const ReadCase& c : cases) {
    SpanSource in(c.in);
    const BlockRead r = ReadBlock(in);
    EXPECT_EQ(r.end, c.end) << c.name;
    EXPECT_EQ(r.type, c.type) << c.name;
    EXPECT_EQ(r.sv, c.sv) << c.name;
    EXPECT_EQ(r.data.size(), c.length) << c.name;
    EXPECT_EQ(in.get(), c.next) << c.name;
  }
}

TEST(SatelliteDataReply, LengthByteMustMatchTheData) {
  const std::pair<Bytes, bool> cases[] = {{{}, false},
                                          {{2, 2, 1}, false},
                                          {{2, 2, 1, 0}, true},
                                          {{2, 2, 1, 2, 9}, false},
                                          {{1, 6, 3, 1, 9}, true},
                                          {{2, 2, 1, 1, 9, 9}, false}};
  for (const auto& [payload, ok] : cases) {
    EXPECT_EQ(reports::ParseSatelliteData(payload).has_value(), ok) << payload.size();
  }
  const auto r = reports::ParseSatelliteData(Bytes{1, 6, 3, 1, 9});
  EXPECT_EQ(Bytes({r->operation, r->dataType, r->sv, r->length, r->bytes()[0]}),
            (Bytes{1, 6, 3, 1, 9}));
}

TEST(TransferTexts, SvNumbersAndLightNames) {
  EXPECT_EQ(eph::Requested(7) + eph::DataForSv(7) + eph::DataForSv(32) + eph::Received(151),
            "SV 7 ephemeris requested...\r\nEphemeris data for SV 07...\r\n"
            "Ephemeris data for SV 32...\r\n   received, length = 151\r\n");
  const std::pair<int, int> blocks[] = {{2, 1}, {2, 32}, {2, 33}, {3, 0},
                                        {4, 0}, {5, 0},  {1, 1},  {6, 1}};
  std::string names;
  for (auto [type, sv] : blocks) {
    const auto light = AlmLightName(type, sv);
    names += std::string(light ? light->text() : "") + ",";
  }
  EXPECT_EQ(names, "Shape_SV1,Shape_SV32,,Shape_Alm,Shape_Iono,Shape_UTC,,,");
}

}  // namespace
}  // namespace navbin::transfer
