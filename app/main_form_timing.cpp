// The request buttons of the timing packets window, over the main window's
// core: each sends its timing request to the display port.

#include "app/main_form.h"
#include "protocol/commands/timing_commands.h"
#include "ui/forms/timing_packets_form.h"

namespace navbin::app {

void TForm_Main::connectTimingPackets(const ui::SecondaryForms& forms) {
  if (!forms.Form_TimingPackets) return;
  forms.Form_TimingPackets->setRequestHandler([this](int subId, int mode) {
    const auto when = static_cast<commands::TimingRequestWhen>(mode);
    if (subId == 0xAB) {
      commands::RequestTimingPacketAB(core_.sender, commands::DISPLAY_PORT, when);
    } else {
      commands::RequestTimingPacketAC(core_.sender, commands::DISPLAY_PORT, when);
    }
  });
}

}  // namespace navbin::app
