#include "shell/recording_model.h"

#include <algorithm>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/recording_reader.h"
#include "protocol/receiver/dispatcher.h"

namespace navbin::shell {
namespace {

using reports::ControlName;
using reports::Form;

// Nothing is shown or asked while a recording is read: only the state counts.
class NoDisplay final : public reports::Display {
 public:
  void setText(Form, ControlName, const std::string&) override {}
  std::string text(Form, ControlName) const override { return {}; }
  void setColour(Form, ControlName, reports::Colour) override {}
  reports::Colour colour(Form, ControlName) const override { return reports::Colour::Gray; }
  void setTextColour(Form, ControlName, reports::Colour) override {}
  void setHint(Form, ControlName, const std::string&) override {}
  void setVisible(Form, ControlName, bool) override {}
  void setEnabled(Form, ControlName, bool) override {}
  void setChecked(Form, ControlName, bool) override {}
  bool checked(Form, ControlName) const override { return false; }
  void setSelectedIndex(Form, ControlName, int) override {}
  int selectedIndex(Form, ControlName) const override { return -1; }
  void setItems(Form, ControlName, const std::vector<std::string>&) override {}
  bool showsNothing() const override { return true; }
};

class NoPrompter final : public reports::Prompter {
 public:
  void message(const std::string&, const std::string&, reports::Icon) override {}
  bool ask(const std::string&, const std::string&, reports::Icon, bool) override { return false; }
  std::optional<std::string> chooseFile(const reports::FileRequest&) override { return {}; }
};

class NoClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return {}; }
  bool setUtc(const platform::CalendarTime&) override { return false; }
};

}  // namespace

struct RecordingModel::Decoding {
  explicit Decoding(reports::ReportState& state)
      : dispatcher(reports::DecoderContext{state, shell, display, prompter, clock}) {
    shell.displayPort = 1;
    port.isOpen = true;
  }
  link::PortSelection shell;
  NoDisplay display;
  NoPrompter prompter;
  NoClock clock;
  reports::ReportDispatcher dispatcher;
  link::PortContext port;
};

RecordingModel::RecordingModel() : decoding_(std::make_unique<Decoding>(state_)) {
  decoding_->dispatcher.addReportObserver(
      [this](const link::PortContext& port, const reports::ReceiverState& receiver) {
        history_.observe(port, receiver);
        clocks_.observe(port.portIndex, port.packetId, {port.payload(), port.packetLen});
      });
}

RecordingModel::~RecordingModel() = default;

bool RecordingModel::load(const std::string& path, const Progress& progress) {
  auto reader = link::RecordingReader::Open(path, error_);
  if (!reader) return false;
  constexpr std::uint64_t kProgressStep = 1 << 20;
  std::uint64_t reported = 0;
  std::vector<std::uint8_t> packet;
  link::PortContext& port = decoding_->port;
  while (reader->next(packet)) {
    const std::size_t length = std::min(packet.size() - 1, port.frameBuffer.size());
    std::copy_n(packet.begin() + 1, length, port.frameBuffer.begin());
    port.packetId = packet[0];
    port.packetLen = static_cast<std::uint32_t>(length);
    decoding_->dispatcher.dispatchReport(port);
    ++packets_;
    if (progress && reader->bytesRead() >= reported + kProgressStep) {
      reported = reader->bytesRead();
      if (!progress(reported, reader->size())) {
        error_ = reader->name() + ": reading cancelled";
        return false;
      }
    }
  }
  if (reader->failed()) error_ = reader->error();
  return !reader->failed();
}

}  // namespace navbin::shell
