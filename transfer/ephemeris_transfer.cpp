// Ephemerides: download into a file and upload from one, with progress as
// lines in Form_Eph.

#include "protocol/commands/satellite_data_commands.h"
#include "transfer/data_file.h"
#include "transfer/foreground.h"
#include "transfer/satellite_transfer.h"
#include "transfer/transfer_texts.h"

namespace navbin::transfer {

namespace {
using commands::DISPLAY_PORT;
}  // namespace

void SatelliteTransfer::DownloadEphemeris() {
  if (running_) return;
  RunningScope running(running_);
  const auto path = chooseFile(true);
  if (!path) return;
  DataFile file(*path, "wb");
  ForegroundScope foreground(view_);
  view_.showEph();
  if (!file.isOpen()) {
    appendEph(eph::kCannotOpen);
    return;
  }
  const Ending end = downloadEphemerides(file);
  const bool closed = file.close();
  if (end == Ending::Cancelled) {
    appendEph(eph::kDownloadCancelled);
    return;
  }
  if (end == Ending::NoAnswer) appendEph(eph::kNoAnswer);
  if (!closed || end == Ending::Failed) appendEph(eph::kCannotWrite);
  appendEph(eph::kDownloadComplete);
}

// A receiver holds ephemerides only for the SVs it tracks, so an SV it has
// none for is reported and the download goes on with the next; an SV it does
// not answer for at all ends the download.
SatelliteTransfer::Ending SatelliteTransfer::downloadEphemerides(DataFile& file) {
  for (int n = 1; n <= kSvCount; ++n) {
    if (view_.cancelRequested()) return Ending::Cancelled;
    const auto sv = static_cast<std::uint8_t>(n);
    commands::RequestSatelliteData(links_.sender, DISPLAY_PORT, kTypeEphemeris, sv);
    appendEph(eph::Requested(n));
    const auto reply = wait_.waitForDataReply(kTypeEphemeris, sv);
    if (!reply && missedReply() == Ending::Cancelled) return Ending::Cancelled;
    if (!reply || reply->operation != reports::kOperationDataFollows) {
      appendEph(eph::kNotAvailable);
      if (!reply) return Ending::NoAnswer;
      continue;
    }
    appendEph(eph::Received(reply->length));
    if (!file.write(EncodeBlock(kTypeEphemeris, sv, reply->bytes()))) return Ending::Failed;
  }
  return Ending::Done;
}

void SatelliteTransfer::UploadEphemeris() {
  if (running_) return;
  RunningScope running(running_);
  const auto path = chooseFile(false);
  if (!path) return;
  DataFile file(*path, "rb");
  ForegroundScope foreground(view_);
  view_.showEph();
  if (!file.isOpen()) {
    appendEph(eph::kCannotOpen);
    return;
  }
  FileSource in(file.get());
  int blocksRead = 0;
  Ending end;
  while ((end = uploadEphemerisBlock(in, blocksRead)) == Ending::Continue) {
  }
  if (end == Ending::Cancelled) {
    appendEph(eph::kLoadCancelled);
    return;
  }
  if (end == Ending::NoAnswer) appendEph(eph::kNoAnswer);
  appendEph(eph::kLoadComplete);
}

// Every way a file can end a load early writes its error line; only the end
// of the file after at least one block ends it quietly.
SatelliteTransfer::Ending SatelliteTransfer::uploadEphemerisBlock(ByteSource& in, int& blocksRead) {
  const BlockRead block = ReadBlock(in);
  if (!block.typeRead()) {
    if (blocksRead == 0) appendEph(eph::kNoBlocks);
    return Ending::Done;
  }
  if (block.type != kTypeEphemeris) {
    appendEph(eph::kUnknownType);
    return Ending::Failed;
  }
  if (block.end == BlockEnd::BadSv || block.end == BlockEnd::CutInHeader) {
    appendEph(block.end == BlockEnd::BadSv ? eph::kBadSv : eph::kCutShort);
    return Ending::Failed;
  }
  appendEph(eph::DataForSv(block.sv));
  if (block.end != BlockEnd::Complete) {
    appendEph(block.end == BlockEnd::CutInData ? eph::kCutShort : eph::kEndFormatError);
    return Ending::Failed;
  }
  ++blocksRead;
  if (view_.cancelRequested()) return Ending::Cancelled;
  commands::LoadSatelliteData(links_.sender, DISPLAY_PORT, kTypeEphemeris, block.sv, block.data);
  const auto reply = wait_.waitForDataReply(kTypeEphemeris, block.sv);
  if (!reply && missedReply() == Ending::Cancelled) return Ending::Cancelled;
  const bool loaded = reply && reply->operation == reports::kOperationLoaded;
  appendEph(loaded ? eph::kAcknowledged : eph::kRejected);
  return reply ? Ending::Continue : Ending::NoAnswer;
}

}  // namespace navbin::transfer
