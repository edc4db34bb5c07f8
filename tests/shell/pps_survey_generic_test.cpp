// The send steps of the PPS, self-survey and generic command dialogs: bytes
// of the examples and edge cases, and the refusals that send nothing.

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/format.h"
#include "shell/config_dialogs.h"
#include "tests/shell/shell_fixture.h"

namespace navbin::shell_testing {
namespace {

using reports::Form;
using namespace navbin::shell;
namespace names = reports::names;

std::string Hex(const Bytes& bytes) {  // "8E 4A 01"
  std::string text;
  for (std::uint8_t b : bytes) text += reports::Format(text.empty() ? "%02X" : " %02X", b);
  return text;
}

class TimingDialogsTest : public ::testing::Test, public ShellFixture {
 protected:
  TimingDialogsTest() {
    openDisplayPort(3, 0);
    core.sender.setPause(std::chrono::microseconds(0));
  }
  // The packet sent, or the last message when nothing went out.
  std::string outcome() {
    const auto packets = takeSent(3);
    if (!packets.empty()) return Hex(packets.at(0));
    return prompter.boxes.empty()
               ? ""
               : prompter.boxes.back().caption + ": " + prompter.boxes.back().text;
  }
};

TEST_F(TimingDialogsTest, PpsCharacteristicsAndOutputBytes) {
  // The same item in all three lists, the offset and bias texts, what goes out.
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      // As a 0x8F-4A report of 1.5e-7 s and 300 m fills them, sent back unchanged.
      {1, "1.500e-07", "300.00", "8E 4A 01 01 01 3E 84 21 F5 F4 0D 83 76 43 96 00 00"},
      {-1, " -2.5e-3 ", "0.1", "8E 4A FF FF FF BF 64 7A E1 47 AE 14 7B 3D CC CC CD"},
      {0, "1.5e-7", "", "Error: '' is not a valid floating point value"},  // no report yet
      {0, "1,5", "3", "Error: '1,5' is not a valid floating point value"},
  };
  for (auto [lists, offset, bias, out] : cases) {
    for (auto list : {names::ComboBox_Switch, names::ComboBox_TimeBase, names::ComboBox_Polarity})
      display.at(Form::PPSOutput, list).selected = lists;
    display.at(Form::PPSOutput, names::Edit_Offset).text = offset;
    display.at(Form::PPSOutput, names::Edit_Bias).text = bias;
    SendPpsCharacteristics(display, prompter, core.sender);
    EXPECT_EQ(outcome(), out) << offset;
  }
  // Checked options as bits (Always 4, 1SV 2, 3SV 1): the first wins; none sends nothing.
  prompter.boxes.clear();
  const reports::ControlName options[] = {names::RadioButton_Always, names::RadioButton_1SV,
                                          names::RadioButton_3SV};
  for (auto [bits, out] : {std::pair{4, "8E 4E 02"}, {3, "8E 4E 03"}, {1, "8E 4E 04"}, {0, ""}}) {
    for (int i = 0; i < 3; ++i) display.at(Form::PPSOutput, options[i]).checked = bits & (4 >> i);
    SendPpsOutput(display, core.sender);
    EXPECT_EQ(outcome(), out);
  }
}

TEST_F(TimingDialogsTest, SelfSurveyBytesAndLimits) {
  const std::tuple<bool, bool, const char*, const char*> cases[] = {
      {true, false, "2000", "8E A9 01 00 00 00 07 D0 00 00 00 00"},
      {false, true, "3600 fixes", "8E A9 00 01 00 00 0E 10 00 00 00 00"},
      {true, true, " +16", "8E A9 01 01 00 00 00 10 00 00 00 00"},
      {true, true, "-1", "8E A9 01 01 FF FF FF FF 00 00 00 00"},  // as a report of -1 shows it
      {false, false, "99999999999", "8E A9 00 00 7F FF FF FF 00 00 00 00"},
      {true, false, "fixes 3600", "Error: 'fixes 3600' is not a valid integer value"},
      {true, false, "", "Error: '' is not a valid integer value"},
  };
  for (auto [enable, save, limit, out] : cases) {
    display.at(Form::SelfSurvey, names::CheckBox_EnableSurvey).checked = enable;
    display.at(Form::SelfSurvey, names::CheckBox_Flag).checked = save;
    display.at(Form::SelfSurvey, names::Edit_Limit).text = limit;
    SendSelfSurvey(display, prompter, core.sender);
    EXPECT_EQ(outcome(), out) << limit;
  }
}

TEST(HexBytes, TokensToBytesOrTheMessage) {
  std::string tokens128;
  for (int i = 0; i < 128; ++i) tokens128 += " 10";
  const std::pair<std::string, std::string> cases[] = {
      {"8E 15", "8E 15"},
      {"0x1f", "1F"},
      {"1F\t1f\r\n01F  ", "1F 1F 1F"},
      {"1G3", "01"},
      {"+a -0 0x 0XfF \v7", "0A 00 00 FF 07"},
      {" \t\r\n ", "No data to send."},
      {"", "No data to send."},
      {tokens128, Hex(Bytes(128, 0x10))},
      {tokens128 + " ZZ", "Size of data is greater than 128 bytes."},  // before converting
      {std::string(497, ' ') + "FFF", "FF"},                           // 499 characters read
      {std::string(495, ' ') + "1\xC3\xA9 FF", "01 0F"},               // characters, not bytes
  };
  for (const auto& [text, out] : cases) {
    const HexBytes parsed = ParseHexBytes(text);
    EXPECT_EQ(parsed.error.empty() ? Hex(parsed.bytes) : parsed.error, out) << text;
  }
  // No digit, over 0xFF, negative (the conversion is unsigned), or wrapped by it to 0.
  for (const char* bad : {"x1", "+-1", "8E G1", "100", "-1", "-0x1F", "100000000"})
    EXPECT_EQ(ParseHexBytes(bad).error, "Error in data") << bad;
}

}  // namespace
}  // namespace navbin::shell_testing
