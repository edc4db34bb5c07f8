#include "protocol/commands/line_codes.h"

#include <gtest/gtest.h>

namespace navbin::commands {
namespace {

TEST(LineCodes, TextsAndPcValuesOfEveryCodeAndUnknownCodes) {
  const char* baud[] = {"0000", "110",  "300",  "600",   "1200",
                        "2400", "4800", "9600", "19200", "38400"};
  for (int code = 0; code < 10; ++code) EXPECT_EQ(BaudText(code), baud[code]) << code;
  for (int code : {-1, 10, 255}) EXPECT_EQ(BaudText(code), "?");
  const std::vector<std::string> bits = {"5", "6", "7", "8", "?"}, parity = {"N", "O", "E", "?"},
                                 stops = {"1", "2", "2", "?"};
  for (int code = 0; code < 5; ++code) EXPECT_EQ(DataBitsText(code), bits[code]) << code;
  for (int code = 0; code < 4; ++code) EXPECT_EQ(ParityText(code), parity[code]) << code;
  for (int code = 0; code < 4; ++code) EXPECT_EQ(StopBitsText(code), stops[code]) << code;

  EXPECT_EQ(BaudRateOfCode(0), 9600u);  // the PC port cannot run at 0000
  EXPECT_EQ(BaudRateOfCode(7), 9600u);
  EXPECT_EQ(BaudRateOfCode(9), 38400u);
  EXPECT_EQ(BaudRateOfCode(10), 0u);
  EXPECT_EQ(DataBitsOfCode(3), 8);
  EXPECT_EQ(DataBitsOfCode(-1), 0);
  EXPECT_EQ(ParityOfCode(2), 2);
  EXPECT_EQ(ParityOfCode(3), -1);
  EXPECT_EQ((std::vector<int>{StopBitsOfCode(0), StopBitsOfCode(1), StopBitsOfCode(2),
                              StopBitsOfCode(3)}),
            (std::vector<int>{0, 2, 2, -1}));
}

TEST(LineCodes, SerialPanelTexts) {
  EXPECT_EQ(SerialSettingsText(2, link::LineSettings{7, 3, 1, 0}), "COM2 9600, 8-O-1");
  EXPECT_EQ(SerialSettingsText(16, link::LineSettings{0, 2, 2, 1}), "COM16 0000, 7-E-2");
  EXPECT_EQ(SerialSettingsText(3, link::LineSettings{42, 9, 9, 9}), "COM3 ?, ?-?-?");
  EXPECT_EQ(IdentifiedSerialText(12), "COM12: 9600: 8-O-1");
}

}  // namespace
}  // namespace navbin::commands
