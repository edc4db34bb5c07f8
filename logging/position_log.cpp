#include "logging/position_log.h"

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/position_display.h"

namespace navbin::logging {

using reports::DecodedReport;
using reports::DecoderContext;
using reports::ReportPoint;

void positionLogTrigger(DecoderContext& context, DataLogLink& log, link::PortContext& port,
                        std::uint8_t own) {
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

void missingBiasWarning(DecoderContext& context, DataLogLink& log, link::PortContext& port) {
  if (!port.monitored) return;
  if (!context.display.checked(reports::Form::Log, reports::names::CheckBox_Bias)) return;
  const std::size_t index = port.portIndex % link::kPortCount;
  std::uint8_t& given = log.biasWarningGiven[index];
  if (given != 0) return;
  given = 1;
  context.prompter.message(
      reports::Format("Port %d monitored but not outputting bias.", static_cast<int>(index) + 1),
      "Log Warning", reports::Icon::Exclamation);
}

void AddPositionLogSteps(reports::ReportDispatcher& dispatcher, DataLogLink& log) {
  dispatcher.addStep(ReportPoint::Stored, 0x42,
                     [&log](DecoderContext& context, link::PortContext& port,
                            const DecodedReport&) { missingBiasWarning(context, log, port); });
  dispatcher.addStep(ReportPoint::Stored, 0x4A,
                     [&log](DecoderContext&, link::PortContext& port, const DecodedReport&) {
                       log.timerOffset[port.portIndex % link::kPortCount] = 0;
                     });
  for (int id : {0x42, 0x4A, 0x83, 0x84}) {
    dispatcher.addStep(
        ReportPoint::Stored, id,
        [&log](DecoderContext& context, link::PortContext& port, const DecodedReport& report) {
          positionLogTrigger(context, log, port, static_cast<std::uint8_t>(report.id));
        });
  }
  dispatcher.addStep(ReportPoint::Shown, 0x42,
                     [&log](DecoderContext& context, link::PortContext&, const DecodedReport&) {
                       reports::markClockBiasStale(context.display, log.dataLogOn != 0);
                     });
}

}  // namespace navbin::logging
