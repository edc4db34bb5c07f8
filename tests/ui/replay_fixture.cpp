#include "tests/ui/replay_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace navbin::ui::testing {

ReplayRig::ReplayRig()
    : forms(CreateSecondaryForms(display, &owner)),
      dispatcher(reports::DecoderContext{state, shell, display, prompter, dataLog, clock}) {
  shell.displayPort = 1;
  for (std::uint32_t i = 0; i < ports.size(); ++i) {
    ports[i].portIndex = i;
    ports[i].isOpen = true;
  }
}

void ReplayRig::dispatchFrame(link::PortContext& port, int id, const std::uint8_t* payload,
                              std::size_t length) {
  length = std::min(length, port.frameBuffer.size());
  std::copy_n(payload, length, port.frameBuffer.begin());
  port.packetId = id;
  port.packetLen = static_cast<std::uint32_t>(length);
  dispatcher.dispatchReport(port);
}

void ReplayRig::dispatch(int id, const std::vector<std::uint8_t>& payload,
                         std::uint32_t portIndex) {
  dispatchFrame(ports[portIndex % ports.size()], id, payload.data(), payload.size());
}

int ReplayRig::replay(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  link::Deframer deframer;
  int count = 0;
  for (char c : bytes) {
    if (deframer.feed(static_cast<std::uint8_t>(c)) != 1) continue;
    const auto payload = deframer.payload();
    dispatchFrame(ports[0], deframer.packetId, payload.data(), payload.size());
    ++count;
  }
  return count;
}

}  // namespace navbin::ui::testing
