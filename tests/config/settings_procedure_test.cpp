// Reading and restoring whole settings against the in-process simulated
// receiver, over a line that garbles what is sent at other line settings.

#include "config/settings_procedure.h"

#include <gtest/gtest.h>

#include <deque>

#include "sim/simulated_receiver.h"
#include "tests/support/packets.h"

namespace navbin::config {
namespace {

using std::chrono::milliseconds;

class SimLink final : public SettingsLink {
 public:
  explicit SimLink(sim::SimulatedReceiver& rx) : rx_(rx) {}

  bool send(const commands::CommandPacket& packet) override {
    sent.push_back(packet.toVector());
    rx_.receive(support::Frame(packet.toVector()));
    return true;
  }
  std::optional<std::vector<std::uint8_t>> await(const ReportKey& key,
                                                 milliseconds timeout) override {
    for (milliseconds waited{0}; waited <= timeout; waited += milliseconds(10)) {
      const auto bytes = rx_.takeOutput();
      const sim::SerialConfig& rxLine = rx_.lineInForce();
      const bool agrees = !rx_.lineWasSet() || (rxLine.inputBaud == line_.baudCode &&
                                                rxLine.dataBits == line_.dataBitsCode);
      for (const support::Packet& p : support::Deframe(bytes)) {
        if (agrees) pending_.push_back(p);
      }
      while (!pending_.empty()) {
        const support::Packet p = pending_.front();
        pending_.pop_front();
        if (key.matches(static_cast<std::uint8_t>(p.id), p.payload)) return p.payload;
      }
      rx_.advance(milliseconds(10));
    }
    return std::nullopt;
  }
  link::LineSettings line() const override { return line_; }
  bool follow(const link::LineSettings& line, milliseconds) override {
    line_ = line;
    pending_.clear();
    return true;
  }

  std::vector<support::Bytes> sent;

 private:
  sim::SimulatedReceiver& rx_;
  link::LineSettings line_;
  std::deque<support::Packet> pending_;
};

struct Rig {
  sim::SimulatedReceiver rx{7};
  SimLink link{rx};
  SettingsProcedure procedure{link, milliseconds(300)};
  Rig() { rx.advance(milliseconds(2000)); }
};

std::vector<std::string> Names(const std::vector<GroupResult>& results, GroupOutcome outcome) {
  std::vector<std::string> names;
  for (const GroupResult& r : results) {
    if (r.outcome == outcome) names.push_back(r.group);
  }
  return names;
}

TEST(SettingsProcedure, RestoresEveryGroupAndMovesTheLineItSpeaksOnLast) {
  Rig source;
  std::vector<std::string> unanswered;
  SettingsSnapshot file = source.procedure.read(unanswered);
  ASSERT_TRUE(unanswered.empty()) << unanswered.front();
  ASSERT_TRUE(file.identity.version);
  file.datum->datumIndex = 12;
  file.gps->elevationMask = 0.25f;
  file.serial[0]->inputBaud = 9;  // 38400 on the port the line arrives on
  file.serial[1]->inputProtocols = 0x04;

  Rig target;
  std::size_t calls = 0;
  const auto results = target.procedure.restore(file, [&](const auto&) { ++calls; });
  EXPECT_EQ(Names(results, GroupOutcome::Confirmed),
            (std::vector<std::string>{"ioOptions", "datum", "gpsConfiguration", "serialPort1",
                                      "filters", "ppsCharacteristics", "ppsOutput", "packetMasks",
                                      "selfSurvey", "sensitivity", "navTxt", "serialPort0"}));
  EXPECT_EQ(calls, 1 + 2 * results.size());
  EXPECT_EQ(target.link.line().baudCode, 9);
  EXPECT_EQ(target.rx.settings().serial[0].inputBaud, 9);
  EXPECT_EQ(target.rx.settings().datumIndex, 12);
  // The line's own port is set as "the port this arrives on", as the serial dialog does.
  const auto lineSet = std::find_if(target.link.sent.rbegin(), target.link.sent.rend(),
                                    [](const auto& p) { return p.size() == 11 && p[0] == 0xBC; });
  ASSERT_NE(lineSet, target.link.sent.rend());
  EXPECT_EQ((*lineSet)[1], settings::kArrivalPort);
  EXPECT_TRUE(Differences(file, target.procedure.read(unanswered)).empty());
  EXPECT_TRUE(unanswered.empty());
  EXPECT_TRUE(target.procedure.saveToFlash());
}

TEST(SettingsProcedure, NamesWhatTheReceiverRefusesAndWhatGetsNoAnswer) {
  Rig rig;
  SettingsSnapshot file;
  file.datum = settings::Datum{200};  // no such datum: the receiver keeps its own
  file.ppsOutput = settings::PpsOutput{3};
  auto results = rig.procedure.restore(file);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].outcome, GroupOutcome::Refused);
  ASSERT_EQ(results[0].differences.size(), 1u);
  EXPECT_EQ(results[0].differences[0].line(), "datum.datumIndex: 200 -> 0");
  EXPECT_EQ(results[1].outcome, GroupOutcome::Confirmed);

  rig.rx.setFaults({.silent = true});
  results = rig.procedure.restore(file);
  EXPECT_EQ(Names(results, GroupOutcome::NoAnswer),
            (std::vector<std::string>{"datum", "ppsOutput"}));
  EXPECT_FALSE(rig.procedure.saveToFlash());
}

}  // namespace
}  // namespace navbin::config
