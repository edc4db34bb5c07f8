// The raw packet log: frames, the display port's packets only, the file
// written at the end of every tick, and the failures.

#include "tests/logging/log_fixture.h"

namespace navbin::logging::test {
namespace {

std::string Frame(int id, const Bytes& payload) {
  std::string out;
  AppendRawFrame(out, id, payload.data(), payload.size());
  return out;
}

TEST(RawFrame, PayloadBytes0x10AreDoubledAndAnyLengthFits) {
  using S = std::string;
  EXPECT_EQ(Frame(0x4A, {}), S("\x10\x4A\x10\x03", 4));
  EXPECT_EQ(Frame(0x10, {0x10, 0x10}), S("\x10\x10\x10\x10\x10\x10\x10\x03", 8));
  const Bytes largest(link::kFrameBufferSize - 1, 0x10);  // the de-framer's longest
  const std::string big = Frame(0x58, largest);
  EXPECT_EQ(big.size(), 4 + 2 * largest.size());
  EXPECT_EQ(support::Deframe(Bytes(big.begin(), big.end())).at(0).payload, largest);
}

class RawLogTest : public LogTest {
 protected:
  RawLogTest() {
    ports[2].monitored = true;
    prompter.files = {path("raw.nvb")};
    rawLog.chooseFile();
  }
};

TEST_F(RawLogTest, RecordsTheDisplayPortsPacketsAtTheEndOfEachTick) {
  EXPECT_EQ(display.get(Form::LogNavBin, "Panel_Filename").text, path("raw.nvb"));
  WriteFile(path("raw.nvb"), "old");
  rawLog.Start(false);
  EXPECT_EQ(main("Panel_Record").text, "NavBin");
  EXPECT_FALSE(display.get(Form::LogNavBin, "Button_Start").enabled);
  deliver(0, 0x99, {1, 0x10});  // unknown ids too
  deliver(2, 0x4A, {1, 2, 3});  // monitored, not the display port
  deliver(0, 0x46, {0, 0});
  EXPECT_EQ(Read(path("raw.nvb")), "");  // until the tick ends
  rawLog.flush();
  const std::string tick1 = Frame(0x99, {1, 0x10}) + Frame(0x46, {0, 0});
  EXPECT_EQ(Read(path("raw.nvb")), tick1);
  deliver(0, 0x41, {7});
  rawLog.Stop();
  deliver(0, 0x41, {8});  // stopped: nothing more
  EXPECT_EQ(main("Panel_Record").text, "Off");
  EXPECT_TRUE(display.get(Form::LogNavBin, "Button_Open").enabled);
  rawLog.Start(true);  // appending keeps the old frames
  link.dataLogOn = 1;
  rawLog.Stop();
  EXPECT_EQ(main("Panel_Record").text, "Data");
  EXPECT_EQ(Read(path("raw.nvb")), tick1 + Frame(0x41, {7}));
}

TEST_F(RawLogTest, StartRefusesWithoutAFileOrWhenItCannotBeOpened) {
  rawLog.Stop();  // without Start: stays off
  RawLog fresh(state.globals, link, display, prompter);
  fresh.Start(false);
  rawLog.rawLogFileName = folder + "/missing/raw.nvb";
  rawLog.Start(false);
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[0].text, "No NavBin file selected.");
  EXPECT_EQ(prompter.boxes[1].text, "Unable to open data record file.");
  EXPECT_EQ(prompter.boxes[1].caption, "Error");
  EXPECT_FALSE(rawLog.active());
}

TEST_F(RawLogTest, AFailedWriteShowsRedAndRecordingGoesOn) {
  rawLog.rawLogFileName = "/dev/full";
  rawLog.Start(true);
  deliver(0, 0x46, {0, 0});
  rawLog.flush();
  EXPECT_EQ(main("Panel_Record").colour, Colour::Red);
  EXPECT_NE(main("Panel_Record").hint.find("No space left"), std::string::npos);
  EXPECT_TRUE(rawLog.active());
  rawLog.Stop();
  EXPECT_EQ(main("Panel_Record").colour, Colour::ButtonFace);
}

}  // namespace
}  // namespace navbin::logging::test
