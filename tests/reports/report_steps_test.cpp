// The steps registered after the decoders: where in a packet they run, in
// which order, and what the decoder hands them.

#include <string>
#include <vector>

#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

struct Seen {
  std::string step;
  double a;          // the report's first value as handed over
  bool stored;       // the port's position was already written
  std::string hint;  // Panel_Position's hint: empty until the display step
};

class ReportStepsTest : public ReportTest {
 protected:
  void record(ReportDispatcher& steps, ReportPoint point, int id, const std::string& step) {
    steps.addStep(
        point, id,
        [this, step](DecoderContext& context, link::PortContext& port,
                     const DecodedReport& report) {
          seen.push_back({step, report.a, context.receiver(port).position.timeOfFix == 1000,
                          display.main(Panel_Position).hint});
        });
  }
  std::vector<Seen> seen;
};

TEST_F(ReportStepsTest, StoredBeforeTheDisplayShownAfterEachInRegistrationOrder) {
  const Bytes doubleXyz = Payload().dbl(1).dbl(2).dbl(3).dbl(0).single(1000);
  const Bytes doubleLla = Payload().dbl(-0.5).dbl(0.25).dbl(7).dbl(0).single(1000);
  const std::string xyzHint = "Double Precision Position: Packet 83";
  const std::string llaHint = "Double Precision Position: Packet 84";
  struct Case {
    const char* what;
    int port, id;
    const Bytes& payload;
    std::vector<Seen> expected;
  };
  const Case cases[] = {
      {"0x83 on the display port",
       0,
       0x83,
       doubleXyz,
       {{"stored 1", 0, true, ""}, {"stored 2", 0, true, ""}, {"shown", 1, true, xyzHint}}},
      {"0x83 on a monitored port: no display, no Shown",
       4,
       0x83,
       doubleXyz,
       {{"stored 1", 0, true, ""}, {"stored 2", 0, true, ""}}},
      {"0x84 hands over the latitude as shown, in signed degrees",
       0,
       0x84,
       doubleLla,
       {{"stored 1", 0, true, ""},
        {"stored 2", 0, true, ""},
        {"shown", -28.647888, true, llaHint}}},
      {"a refused payload reaches no step", 0, 0x83, Payload().dbl(1), {}},
  };
  ports[4].monitored = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReportDispatcher steps(DecoderContext{state, shell, display, prompter, clock});
    record(steps, ReportPoint::Stored, c.id, "stored 1");
    record(steps, ReportPoint::Shown, c.id, "shown");
    record(steps, ReportPoint::Stored, c.id, "stored 2");
    record(steps, ReportPoint::Stored, 0x4A, "another id");
    state = {};
    display.at(Form::Main, Panel_Position).hint.clear();
    seen.clear();
    link::PortContext& port = ports[static_cast<std::size_t>(c.port)];
    std::copy(c.payload.begin(), c.payload.end(), port.frameBuffer.begin());
    port.packetId = c.id;
    port.packetLen = static_cast<std::uint32_t>(c.payload.size());
    steps.dispatchReport(port);
    ASSERT_EQ(seen.size(), c.expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].step, c.expected[i].step);
      EXPECT_NEAR(seen[i].a, c.expected[i].a, 1e-5);
      EXPECT_EQ(seen[i].stored, c.expected[i].stored);
      EXPECT_EQ(seen[i].hint, c.expected[i].hint);
    }
  }
}

TEST_F(ReportStepsTest, GpsTimeHandsItsUtcOffsetToTheShownSteps) {
  std::vector<float> offsets;
  dispatcher.addStep(ReportPoint::Shown, 0x41,
                     [&](DecoderContext&, link::PortContext&, const DecodedReport& report) {
                       offsets.push_back(report.utcOffset);
                     });
  deliver(0x41, Payload().single(345600.0f).u16(1200).single(13.0f));
  deliver(4, 0x41, Payload().single(345600.0f).u16(1200).single(14.0f));  // not the display port
  EXPECT_EQ(offsets, std::vector<float>{13.0f});
}

}  // namespace
}  // namespace navbin::reports::test
