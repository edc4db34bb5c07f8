// The fields of the configuration reports, for navbin-dump and other tools.

#include <string>

#include "protocol/wire/configuration_reports.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/report_saved_to_flash.h"

namespace navbin::reports {

void Describe(const SetTimeReplyReport& r, FieldSink& out) {
  out.field("answer", std::string_view(reinterpret_cast<const char*>(&r.answer), 1));
}

void Describe(const IoOptionsReport& r, FieldSink& out) {
  out.field("position", r.position);
  out.field("velocity", r.velocity);
  out.field("timing", r.timing);
  out.field("auxiliary", r.auxiliary);
}

void Describe(const FilterReport& r, FieldSink& out) {
  out.field("positionVelocity", r.positionVelocity);
  out.field("staticFilter", r.staticFilter);
  out.field("altitude", r.altitude);
}

void Describe(const NavTxtConfigReport& r, FieldSink& out) {
  static constexpr const char* kPeriods[] = {"periodAL", "periodCP", "periodID", "periodLN",
                                             "periodPV", "periodST", "periodTM", "periodVR"};
  out.field("flags", r.flags);
  out.field("topOfHourOffset", r.topOfHourOffset);
  for (std::size_t i = 0; i < r.periods.size(); ++i) out.field(kPeriods[i], r.periods[i]);
  out.field("vehicleId", std::string_view(reinterpret_cast<const char*>(r.vehicleId.data()),
                                          r.vehicleId.size()));
}

void Describe(const SensitivityReport& r, FieldSink& out) {
  out.field("current", r.current);
  out.field("afterReset", r.afterReset);
}

void Describe(const GpsConfigReport& r, FieldSink& out) {
  out.field("receiverMode", r.receiverMode);
  out.field("dgpsMode", r.dgpsMode);
  out.field("dynamicsCode", r.dynamicsCode);
  out.field("elevationMask", r.elevationMask, "rad");
  out.field("signalMask", r.signalMask, "AMU");
  out.field("pdopMask", r.pdopMask);
  out.field("pdopSwitch", r.pdopSwitch);
  out.field("dgpsAgeLimit", r.dgpsAgeLimit, "s");
}

void Describe(const SerialConfigReport& r, FieldSink& out) {
  out.field("port", r.port);
  out.field("inputBaud", r.inputBaud);
  out.field("outputBaud", r.outputBaud);
  out.field("dataBits", r.dataBits);
  out.field("parity", r.parity);
  out.field("stopBits", r.stopBits);
  out.field("flowControl", r.flowControl);
  out.field("inputProtocols", r.inputProtocols);
  out.field("outputProtocols", r.outputProtocols);
}

void Describe(const DatumReport& r, FieldSink& out) {
  out.field("datumIndex", r.index);
}

void Describe(const SavedToFlashReport&, FieldSink& out) {
  out.field("saved", std::string_view("yes"));
}

void Describe(const PpsCharacteristicsReport& r, FieldSink& out) {
  out.field("driverSwitch", r.driverSwitch);
  out.field("timeBase", r.timeBase);
  out.field("polarity", r.polarity);
  out.field("offset", r.offset, "s");
  out.field("biasThreshold", r.biasThreshold, "m");
}

void Describe(const PpsOutputReport& r, FieldSink& out) {
  out.field("code", r.code);
}

void Describe(const PacketMasksReport& r, FieldSink& out) {
  out.field("mask0", r.mask0);
  out.field("mask1", r.mask1);
}

void Describe(const SelfSurveyReport& r, FieldSink& out) {
  out.field("enable", r.enable);
  out.field("savePosition", r.savePosition);
  out.field("length", r.length);
}

}  // namespace navbin::reports
