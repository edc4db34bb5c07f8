// The record line of the data log, value by value, and its helpers.

#include <gtest/gtest.h>

#include <string>

#include "logging/data_log.h"
#include "logging/data_record.h"

namespace navbin::logging {
namespace {

DataSets Only(DataSet set) {
  DataSets sets;
  Select(sets, set) = true;
  return sets;
}

reports::ReceiverState Sample() {
  reports::ReceiverState r;
  r.position = {166117.0f, 1.5, -2.25, 3, 52.5, -1.25, 110.5, 392800.977228};
  r.velocity = {283.328094f, 0.5f, -0.25f, 1, 2, 3, 4};
  r.fixMode = 116;
  r.statusCode = 0;
  r.errorBits = 1;
  r.statusBits = 2;
  r.dgpsMode = 255;
  r.pdop = 2.3f, r.hdop = 1.2f, r.vdop = 2.0f, r.tdop = 1.4f;
  r.fixSvs = {-14, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  r.channels[0].minSv = 14;
  r.channels[0].minLevel = 11.8f;
  r.channels[1].minSv = 5;
  r.channels[1].minLevel = 7.25f;
  r.channels[2].minLevel = 3.0f;  // SV 0: written without the fix test
  return r;
}

std::string Record(reports::ReceiverState r, const DataSets& sets) {
  std::string line;
  AppendDataRecord(line, r, sets);
  return line;
}

TEST(DataRecord, EachSetWritesItsValuesInItsFormatFollowedByASpace) {
  const std::string levels =
      "142 11.8 5 7.2 0 3.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 0 0.0 \n";
  const struct {
    DataSet set;
    std::string line;
  } cases[] = {
      {DataSet::TimeOfWeek, "166117.00 \n"},
      {DataSet::Bias, "392800.977228 \n"},
      {DataSet::BiasRate, "283.328094 \n"},
      {DataSet::SignalLevels, levels},
      {DataSet::PositionLla, "52.500000 -1.250000 110.500000 \n"},
      {DataSet::PositionXyz, "1.500000 -2.250000 3.000000 \n"},
      {DataSet::VelocityEnu, "2.000000 3.000000 4.000000 \n"},
      {DataSet::VelocityXyz, "0.500000 -0.250000 1.000000 \n"},
      {DataSet::ReceiverMode, "116 \n"},
      {DataSet::Health, "0 1 2 \n"},
      {DataSet::DgpsMode, "255 \n"},
      {DataSet::Dops, "2.3 1.2 2.0 1.4 \n"},
  };
  std::string all;
  for (const auto& c : cases) {
    EXPECT_EQ(Record(Sample(), Only(c.set)), c.line) << int(c.set);
    all += c.line.substr(0, c.line.size() - 1);
  }
  EXPECT_EQ(Record(Sample(), DataSets().set()), all + "\n");
  EXPECT_EQ(Record(Sample(), DataSets()), "\n");
}

TEST(DataRecord, ColumnCountsFollowTheFormatTable) {
  EXPECT_EQ(ColumnCount(DataSets().set()), 1 + 1 + 1 + 24 + 3 + 3 + 3 + 3 + 1 + 3 + 1 + 4);
  EXPECT_EQ(ColumnCount(Only(DataSet::SignalLevels)), 24);
  EXPECT_EQ(ColumnCount(DataSets()), 0);
}

TEST(DataRecord, ExtremeValuesMakeALongLineNeverACutOne) {
  reports::ReceiverState r = Sample();
  r.position.latitude = r.position.longitude = r.position.altitude = -1.7e308;
  r.position.x = r.position.y = r.position.z = 1e300;
  r.position.clockBias = 1.7e308;
  const std::string line = Record(r, DataSets().set());
  EXPECT_GT(line.size(), 2000u);
  EXPECT_EQ(line.back(), '\n');
  int values = 0;
  for (char c : line) values += c == ' ';
  EXPECT_EQ(values, ColumnCount(DataSets().set()));
}

TEST(DataRecord, RecordingReArmsTheSignalLevelCaptureWhateverIsChosen) {
  reports::ReceiverState r = Sample();
  for (auto& channel : r.channels) channel.currentSv = 9, channel.currentLevel = 4;
  std::string line;
  AppendDataRecord(line, r, DataSets());
  for (const auto& channel : r.channels) {
    EXPECT_EQ(channel.resetPending, 1);
    EXPECT_EQ(channel.currentSv, 0);
    EXPECT_EQ(channel.currentLevel, 0.0f);
  }
  EXPECT_EQ(r.channels[0].minSv, 14);  // the minimum stays until the next 0x5C
}

TEST(DataRecord, StatusCopyAndElapsedTime) {
  EXPECT_EQ(StatusCopy("166117.00 1.5 2 \n"), "166117.00/1.5/2");
  EXPECT_EQ(StatusCopy("\n"), "");
  EXPECT_EQ(elapsedSeconds(10.0f, 604795.0f), 15.0f);  // over the week rollover
  EXPECT_EQ(elapsedSeconds(20.0f, 15.0f), 5.0f);
}

TEST(DataRecord, IntervalTextsReadAsPercentD) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {{"1", 1},
               {" 12abc", 12},
               {"-5", -5},
               {"0", 0},
               {"abc", {}},
               {"", {}},
               {"+7", 7},
               {"- 3", {}},
               {"99999999999", 2147483647},
               {"-99999999999", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(ParseInterval(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace navbin::logging
