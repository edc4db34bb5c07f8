#include "protocol/reports/position_log.h"

#include "protocol/reports/control_names.h"
#include "protocol/reports/format.h"

namespace navbin::reports {

void positionLogTrigger(DecoderContext& context, link::PortContext& port, std::uint8_t own) {
  DataLogLink& log = context.dataLog;
  if (log.receiverTimeMode != 1 || !port.monitored) return;
  const std::size_t index = port.portIndex % link::kPortCount;
  std::uint8_t& trigger = context.state.globals.logTrigger[index];
  const std::uint8_t was = trigger;
  if (was == 0 || was == 1 || was == own) {
    log.timerOffset[index] = 0;
    if (log.writeDataRecord) log.writeDataRecord(static_cast<int>(index));
  }
  if (was == 1) {
    trigger = 0;
  } else if (was == 0) {
    trigger = own;
  }
}

void missingBiasWarning(DecoderContext& context, link::PortContext& port) {
  if (!port.monitored) return;
  if (!context.display.checked(Form::Log, names::CheckBox_Bias)) return;
  const std::size_t index = port.portIndex % link::kPortCount;
  std::uint8_t& given = context.dataLog.biasWarningGiven[index];
  if (given != 0) return;
  given = 1;
  context.prompter.message(
      Format("Port %d monitored but not outputting bias.", static_cast<int>(index) + 1),
      "Log Warning", Icon::Exclamation);
}

}  // namespace navbin::reports
