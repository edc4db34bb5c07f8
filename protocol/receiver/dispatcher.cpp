#include "protocol/receiver/dispatcher.h"

#include <array>

#include "protocol/presentation/control_names.h"
#include "protocol/receiver/config_decoders.h"
#include "protocol/receiver/dispatch_table.h"

namespace navbin::reports {
namespace {

constexpr int kSuperPacket = 0x8F;

struct DecoderTables {
  std::array<Decoder, 256> monitored{};
  std::array<Decoder, 256> monitoredSub{};  // 0x8F by sub-id
  std::array<Decoder, 256> display{};
  std::array<Decoder, 256> displaySub{};  // 0x8F by sub-id
};

constexpr DecoderTables MakeTables() {
  DecoderTables t;
  t.monitored[0x42] = decodeXyzPosition;
  t.monitored[0x43] = decodeXyzVelocity;
  t.monitored[0x46] = decodeHealth;
  t.monitored[0x4A] = decodeLlaPosition;
  t.monitored[0x4B] = decodeMachineStatus;
  t.monitored[0x56] = decodeEnuVelocity;
  t.monitored[0x5C] = decodeTrackingStatus;
  t.monitored[0x6D] = decodeFixMode;
  t.monitored[0x7F] = decodeNavTxtConfig;
  t.monitored[0x82] = decodeDgpsMode;
  t.monitored[0x83] = decodeDoubleXyzPosition;
  t.monitored[0x84] = decodeDoubleLlaPosition;
  t.monitoredSub[0x26] = decodeSavedToFlash;
  t.monitoredSub[0x4A] = decodePpsCharacteristics;

  t.display[0x41] = decodeGpsTime;
  t.display[0x45] = decodeVersion;
  t.display[0x4E] = decodeSetTimeReply;
  t.display[0x55] = decodeIoOptions;
  t.display[0x70] = decodeFilter;
  t.display[0x89] = decodeSensitivity;
  t.display[0xBB] = decodeGpsConfig;
  t.display[0xBC] = decodeSerialConfig;
  t.displaySub[0x15] = decodeDatum;
  t.displaySub[0x4E] = decodePpsOutput;
  t.displaySub[0xA5] = decodePacketMasks;
  t.displaySub[0xA9] = decodeSelfSurvey;
  t.displaySub[0xAB] = decodePrimaryTiming;
  t.displaySub[0xAC] = decodeSupplementalTiming;
  return t;
}

constexpr DecoderTables kTables = MakeTables();

bool IsByte(int value) {
  return value >= 0 && value <= 0xFF;
}

}  // namespace

Decoder lookupDecoder(DecoderGroup group, int id, int subId) {
  const bool monitored = group == DecoderGroup::Monitored;
  if (id == kSuperPacket) {
    if (!IsByte(subId)) return nullptr;
    return (monitored ? kTables.monitoredSub : kTables.displaySub)[static_cast<unsigned>(subId)];
  }
  if (!IsByte(id)) return nullptr;
  return (monitored ? kTables.monitored : kTables.display)[static_cast<unsigned>(id)];
}

void ReportDispatcher::dispatchReport(link::PortContext& port) {
  if (!port.isOpen) return;
  port.rxSeen = true;
  ++packetsTaken_[port.portIndex % link::kPortCount];
  const bool displayPort = context_.isDisplayPort(port);
  if (!port.monitored && !displayPort) return;

  const int id = port.packetId;
  const int subId = port.subId();
  if (Decoder decoder = lookupDecoder(DecoderGroup::Monitored, id, subId)) {
    decoder(context_, port);
  }
  for (const ReportObserver& observe : observers_) observe(port, context_.receiver(port));
  if (!displayPort) return;

  context_.display.setColour(Form::Main, names::Shape_RxLED, Colour::Lime);
  if (Decoder decoder = lookupDecoder(DecoderGroup::Display, id, subId)) {
    decoder(context_, port);
  }
  if (context_.state.globals.rawLogActive && writeRawPacket_) {
    writeRawPacket_(id, port.payload(), port.packetLen);
  }
}

}  // namespace navbin::reports
