// Fuzz target: arbitrary packets (any id, sub-id and length) through
// dispatchReport on the display port and on a monitored port, with every
// decoder and the real formatting behind a recording display. Checks that a
// clock request is a real calendar time not before the build date, that a
// downloaded position file reads back as the report's kind, and that the
// raw-log hook sees each display-port packet as it came, and that no text
// shown runs away in length, and that the report history's events are dated
// and told.
//
// Input: one byte of flags, then packets of [role][length][id][payload...]; role bit 0
// picks the monitored port, bit 1 is the length's high bit, bit 2 marks the port lost first.

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/build_date.h"
#include "protocol/history/report_history.h"
#include "protocol/receiver/dispatcher.h"
#include "shell/position_file.h"
#include "shell/report_wiring.h"
#include "tests/support/fakes.h"

namespace {

using namespace navbin;

constexpr std::uint32_t kDisplayIndex = 0;
constexpr std::uint32_t kMonitoredIndex = 5;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "dispatch invariant broken: %s\n", what);
  std::abort();
}

// One file for the position downloads of the whole run, removed at exit.
const std::string& PositionFilePath() {
  static const struct TempFile {
    std::string path;
    TempFile() {
      char name[] = "/tmp/navbin-dispatch-fuzz-XXXXXX";
      const int fd = mkstemp(name);
      if (fd >= 0) close(fd);
      path = name;
    }
    ~TempFile() { unlink(path.c_str()); }
  } file;
  return file.path;
}

void CheckClockRequest(const platform::CalendarTime& t) {
  Check(t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31, "calendar date");
  Check(t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
            t.second < 60,
        "time of day");
  Check(!platform::BeforeBuildDate(t), "never before the build date");
}

// Records how much was shown, not what: a map of every control per input
// would cost more than the decoders under test.
class TallyDisplay final : public reports::Display {
 public:
  using Form = reports::Form;
  using Colour = reports::Colour;
  void setText(Form, reports::ControlName, const std::string& text) override {
    Check(text.size() < 4096, "a text of sane length");
    ++writes;
    characters += text.size();
  }
  std::string text(Form, reports::ControlName) const override { return {}; }
  void setColour(Form, reports::ControlName, Colour) override { ++writes; }
  Colour colour(Form, reports::ControlName) const override { return Colour::Gray; }
  void setTextColour(Form, reports::ControlName, Colour) override { ++writes; }
  void setHint(Form, reports::ControlName, const std::string&) override { ++writes; }
  void setVisible(Form, reports::ControlName, bool) override { ++writes; }
  void setEnabled(Form, reports::ControlName, bool) override { ++writes; }
  void setChecked(Form, reports::ControlName, bool) override { ++writes; }
  bool checked(Form form, reports::ControlName) const override { return form == Form::Log && bias; }
  void setSelectedIndex(Form, reports::ControlName, int) override { ++writes; }
  int selectedIndex(Form, reports::ControlName) const override { return -1; }
  void setItems(Form, reports::ControlName, const std::vector<std::string>&) override { ++writes; }

  bool bias = false;  // the data log's "bias" check box
  std::size_t writes = 0;
  std::size_t characters = 0;
};

struct Rig {
  TallyDisplay display;
  support::ScriptedPrompter prompter;
  support::FakeClock clock;
  reports::ReportState state;
  link::PortSelection shell;
  logging::DataLogLink dataLog;
  reports::ReportDispatcher dispatcher{
      reports::DecoderContext{state, shell, display, prompter, clock}};
  reports::ReportHistory history{&clock};
  link::PortContext displayPort;
  link::PortContext monitoredPort;
  int records = 0;
  int rawPackets = 0;

  explicit Rig(std::uint8_t flags) {
    shell.displayPort = static_cast<std::int32_t>(kDisplayIndex) + 1;
    for (auto* port : {&displayPort, &monitoredPort}) port->isOpen = true;
    displayPort.portIndex = kDisplayIndex;
    displayPort.monitored = flags & 0x80;
    monitoredPort.portIndex = kMonitoredIndex;
    monitoredPort.monitored = true;
    auto& globals = state.globals;
    globals.setClockPending = flags & 0x01;
    globals.downloadPositionPending = flags & 0x02;
    globals.deltaReferenceSet = flags & 0x04;
    globals.rawLogActive = flags & 0x08;
    dataLog.dataLogOn = flags & 0x10;
    dataLog.receiverTimeMode = (flags & 0x20) ? 1 : 0;
    display.bias = flags & 0x40;
    clock.accept = flags & 0x04;
    prompter.files.push_back(PositionFilePath());
    dataLog.writeDataRecord = [this](int index) {
      Check(index == static_cast<int>(kDisplayIndex) || index == static_cast<int>(kMonitoredIndex),
            "data record for a dispatched port");
      ++records;
    };
    shell::WireReportSteps(dispatcher, dataLog);
    dispatcher.addReportObserver(
        [this](const link::PortContext& port, const reports::ReceiverState& receiver) {
          history.observe(port, receiver);
        });
  }

  // Every event dated and told in a short text.
  void checkTimeline(std::size_t portIndex) const {
    const auto& events = history.port(portIndex).timeline.events();
    Check(events.size() <= reports::EventTimeline::kCapacity, "a bounded timeline");
    for (std::size_t i = 0; i < events.size(); ++i) {
      const std::string text = reports::EventText(events[i]);
      Check(std::isfinite(events[i].utc) && !text.empty() && text.size() < 128, "a sound event");
    }
  }

  void dispatch(link::PortContext& port, int id, const std::uint8_t* payload, std::size_t n) {
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(n);
    std::copy_n(payload, n, port.frameBuffer.begin());
    const bool display = &port == &displayPort;
    dispatcher.setRawPacketWriter([&](int rawId, const std::uint8_t* raw, std::size_t length) {
      Check(display && rawId == id && length == n && std::equal(raw, raw + n, payload),
            "raw log gets the display-port packet as it came");
      ++rawPackets;
    });
    const std::size_t filesBefore = prompter.requests.size();
    dispatcher.dispatchReport(port);
    Check(port.rxSeen, "packet seen");
    Check(std::equal(payload, payload + n, port.frameBuffer.begin()), "payload left unchanged");
    if (prompter.requests.size() > filesBefore && prompter.boxes.size() > 0 &&
        prompter.boxes.back().caption == "Success") {
      std::ifstream in(PositionFilePath());
      const std::string text((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
      const shell::PositionFile read = shell::ParsePositionFile(text);
      Check(read.count == 3 && (read.kind == 0 || read.kind == 1) &&
                std::all_of(read.values.begin(), read.values.end(),
                            [](float v) { return std::isfinite(v); }),
            "a downloaded position reads back");
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Rig rig(data[0]);
  std::size_t at = 1;
  while (at + 3 <= size) {
    const std::uint8_t role = data[at];
    const std::size_t wanted = ((role & 0x02u) << 7) | data[at + 1];  // 0..511
    const int id = data[at + 2];
    at += 3;
    const std::size_t n = std::min(wanted, size - at);
    link::PortContext& port = (role & 1) ? rig.monitoredPort : rig.displayPort;
    if (role & 0x04) rig.history.portLost(port.portIndex);
    rig.dispatch(port, id, data + at, n);
    at += n;
  }
  for (const auto& request : rig.clock.set) CheckClockRequest(request);
  rig.checkTimeline(kDisplayIndex);
  rig.checkTimeline(kMonitoredIndex);
  Check(rig.state.globals.setClockPending == 0 || rig.clock.set.empty(),
        "a clock request clears the pending flag");
  return 0;
}
