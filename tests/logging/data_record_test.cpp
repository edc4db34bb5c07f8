// The record line of the data log, value by value, and its helpers.

#include <gtest/gtest.h>

#include "logging/data_log.h"
#include "logging/data_record.h"

namespace navbin::logging {
namespace {

reports::ReceiverState Sample() {
  reports::ReceiverState r;
  r.position = {166117.0f, 1.5, -2.25, 3, 52.5, -1.25, 110.5, 392800.977228};
  r.velocity = {283.328094f, 0.5f, -0.25f, 1, 2, 3, 4};
  r.fixMode = 116;
  r.errorBits = 1;
  r.statusBits = 2;
  r.dgpsMode = 255;
  r.pdop = 2.3f, r.hdop = 1.2f, r.vdop = 2.0f, r.tdop = 1.4f;
  r.fixSvs = {-14, 3};
  r.channels[0].minSv = 14;  // in the fix: 142
  r.channels[0].minLevel = 11.8f;
  r.channels[1].minSv = 5;
  r.channels[1].minLevel = 7.25f;
  r.channels[2].minLevel = 3.0f;  // SV 0: written without the fix test
  for (auto& channel : r.channels) channel.currentSv = 9, channel.currentLevel = 4;
  return r;
}

TEST(DataRecord, EachSetWritesItsValuesInOrderEachFollowedByASpace) {
  const char* lines[] = {
      "166117.00 ",
      "392800.977228 ",
      "283.328094 ",
      "142 11.8 5 7.2 0 3.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 ",
      "52.500000 -1.250000 110.500000 ",
      "1.500000 -2.250000 3.000000 ",
      "2.000000 3.000000 4.000000 ",
      "0.500000 -0.250000 1.000000 ",
      "116 ",
      "0 1 2 ",
      "255 ",
      "2.3 1.2 2.0 1.4 ",
  };
  std::string all;
  for (int i = 0; i < kDataSetCount; ++i) {
    reports::ReceiverState r = Sample();
    std::string line;
    AppendDataRecord(line, r, DataSets().set(std::size_t(i)));
    EXPECT_EQ(line, std::string(lines[i]) + "\n");
    all += lines[i];
    // Re-armed whatever was chosen; the minimum waits for the next 0x5C.
    EXPECT_EQ(r.channels[7].resetPending, 1);
    EXPECT_EQ(r.channels[7].currentSv, 0);
    EXPECT_EQ(r.channels[7].currentLevel, 0.0f);
    EXPECT_EQ(r.channels[0].minSv, 14);
  }
  reports::ReceiverState r = Sample();
  std::string line;
  AppendDataRecord(line, r, DataSets().set());
  EXPECT_EQ(line, all + "\n");
  line.clear();
  AppendDataRecord(line, r, DataSets());
  EXPECT_EQ(line, "\n");
}

TEST(DataRecord, ExtremeValuesMakeALongLineNeverACutOne) {
  reports::ReceiverState r = Sample();
  r.position.latitude = r.position.longitude = r.position.altitude = -1.7e308;
  r.position.x = r.position.y = r.position.z = r.position.clockBias = 1e300;
  std::string line;
  AppendDataRecord(line, r, DataSets().set());
  EXPECT_GT(line.size(), 2000u);
  EXPECT_EQ(line.back(), '\n');
  EXPECT_EQ(std::count(line.begin(), line.end(), ' '), ColumnCount(DataSets().set()));
}

TEST(DataRecord, StatusCopyElapsedTimeAndIntervalTexts) {
  EXPECT_EQ(StatusCopy("166117.00 1.5 2 \n"), "166117.00/1.5/2");
  EXPECT_EQ(StatusCopy("\n"), "");
  EXPECT_EQ(elapsedSeconds(10.0f, 604795.0f), 15.0f);  // over the week rollover
  EXPECT_EQ(elapsedSeconds(20.0f, 15.0f), 5.0f);
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"1", 1},    {" 12abc", 12}, {"-5", -5},  {"+7", 7},
      {"abc", {}}, {"", {}},       {"- 3", {}}, {"99999999999", 2147483647}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInterval(text), value) << text;
}

}  // namespace
}  // namespace navbin::logging
