// The settings file: what it writes reads back the same, keys it does not
// know survive a rewrite, and a bad file is refused with the group and field.

#include "config/settings_file.h"

#include <gtest/gtest.h>

#include "config/settings_procedure.h"

namespace navbin::config {
namespace {

SettingsSnapshot Unusual() {
  SettingsSnapshot s;
  s.ioOptions = settings::IoOptions{0x12, 0x02, 0x61, 0};
  s.gps = settings::GpsConfiguration{4, 3, 2, 0.2617994f, 3.5f, 9.25f, 5.0f, 45};
  s.serial[1] = settings::SerialPort{1, 9, 2, 2, 1, 0x04, 0x06, 9, 0};
  s.ppsCharacteristics = settings::PpsCharacteristics{1, 1, 1, -1.25e-7, 12.5f};
  s.selfSurvey = settings::SelfSurvey{1, 1, -5};
  s.sensitivity = settings::Sensitivity{0, 1};
  s.navTxt = settings::NavTxt{0x1F, 300, {1, 2, 3, 4, 5, 6, 7, 65535}, {'A', 0xE9, '"', 0}};
  return s;
}

TEST(SettingsFile, ReadsBackWhatItWroteExactlyAndOnlyTheGroupsItHolds) {
  const SettingsSnapshot written = Unusual();
  std::string error;
  const auto read = ReadSettingsFile(WriteSettingsFile(written), error);
  ASSERT_TRUE(read) << error;
  EXPECT_TRUE(Differences(written, *read).empty());
  EXPECT_EQ(read->gps->elevationMask, 0.2617994f);  // the radians, to the last bit
  EXPECT_EQ(read->ppsCharacteristics->offset, -1.25e-7);
  EXPECT_EQ(read->navTxt->vehicleId, written.navTxt->vehicleId);
  EXPECT_FALSE(read->datum || read->serial[0] || read->filters);
}

TEST(SettingsFile, KeepsUnknownKeysAndTakesEditedDegreesOverTheRadians) {
  const std::string previous = R"({"format": 1, "site": "roof", "filters": {"altitude": 1},
      "gpsConfiguration": {"receiverMode": 0, "note": "spare"}})";
  std::string text = WriteSettingsFile(Unusual(), previous);
  EXPECT_NE(text.find(R"("site": "roof")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("note": "spare")"), std::string::npos) << text;
  EXPECT_EQ(text.find(R"("filters")"), std::string::npos) << text;  // not read this time
  const std::string degrees = R"("degrees": 15.0,)";
  const std::size_t at = text.find(degrees);
  ASSERT_NE(at, std::string::npos) << text;
  text.replace(at, degrees.size(), R"("degrees": 20,)");
  std::string error;
  const auto read = ReadSettingsFile(text, error);
  ASSERT_TRUE(read) << error;
  EXPECT_FLOAT_EQ(read->gps->elevationMask, 0.34906585f);
}

TEST(SettingsFile, RefusesABadFileWithOneLineNamingGroupAndField) {
  const std::string good = WriteSettingsFile(Unusual());
  const auto edited = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  const struct {
    std::string text;
    std::string error;
  } rows[] = {
      {"{\"format\": 1,",
       "not JSON: parse error at line 1, column 14: syntax error while "
       "parsing object key - unexpected end of input; expected string literal"},
      {"[1, 2]", "file: a JSON object is needed, not an array"},
      {"{}", "format: missing: not a settings file"},
      {edited("\"format\": 1", "\"format\": 2"),
       "format: 2 is not known; this program reads format 1"},
      {edited("\"format\": 1", "\"format\": \"1\""),
       "format: a whole number is needed, not a string"},
      {edited("\"timing\": 97", "\"timing\": 256"),
       "ioOptions.timing: 256 is out of range (0 to 255)"},
      {edited("\"timing\": 97", "\"timing\": -1"),
       "ioOptions.timing: -1 is out of range (0 to 255)"},
      {edited("\"dgpsMode\": 3", "\"dgpsMode\": 3.5"),
       "gpsConfiguration.dgpsMode: a whole number is needed, not 3.5"},
      {edited("\"dgpsMode\": 3", "\"dgpsMode\": true"),
       "gpsConfiguration.dgpsMode: a whole number is needed, not true"},
      {edited("\"length\": -5", "\"length\": 2147483648"),
       "selfSurvey.length: 2147483648 is out of range (-2147483648 to 2147483647)"},
      {edited("\"periodVR\": 65535", "\"periodVR\": 65536"),
       "navTxt.periodVR: 65536 is out of range (0 to 65535)"},
      {edited("\"signalMask\": 3.5", "\"signalMask\": 1e39"),
       "gpsConfiguration.signalMask: "
       "1e+39 is out of range"},
      {edited("\"signalMask\": 3.5", "\"signalMask\": \"high\""),
       "gpsConfiguration.signalMask: a number is needed, not a string"},
      {edited("\"radians\": 0.2617994", "\"radians\": null"),
       "gpsConfiguration.elevationMask.radians: a number is needed, not null"},
      {edited("\"vehicleId\": \"A\u00e9\\\"\"", "\"vehicleId\": \"ABCDE\""),
       "navTxt.vehicleId: at most 4 characters fit"},
      {edited("\"vehicleId\": \"A\u00e9\\\"\"", "\"vehicleId\": \"\u20ac\""),
       "navTxt.vehicleId: only characters up to U+00FF fit"},
      {edited("\"vehicleId\": \"A\u00e9\\\"\"", "\"vehicleId\": 7"),
       "navTxt.vehicleId: a string is needed, not 7"},
      {edited("\"afterReset\": 1", "\"other\": 1"), "sensitivity.afterReset: missing"},
      {edited("\"port\": 1", "\"port\": 0"), "serialPort1.port: 0 is not this group's port"},
      {edited("\"selfSurvey\": {", "\"selfSurvey\": [ {") + "]",
       "not JSON: parse error at line 46, column 16: syntax error while parsing array"},
  };
  for (const auto& row : rows) {
    std::string error;
    EXPECT_FALSE(ReadSettingsFile(row.text, error)) << row.error;
    EXPECT_EQ(error.substr(0, row.error.size()), row.error);
  }
}

}  // namespace
}  // namespace navbin::config
