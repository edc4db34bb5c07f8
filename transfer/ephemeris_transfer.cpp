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
  const bool written = downloadEphemerides(file);
  if (!file.close() || !written) appendEph(eph::kCannotWrite);
  appendEph(eph::kDownloadComplete);
}

// A receiver holds ephemerides only for the SVs it tracks, so an SV without
// one is reported and the download goes on with the next.
bool SatelliteTransfer::downloadEphemerides(DataFile& file) {
  for (int n = 1; n <= kSvCount; ++n) {
    const auto sv = static_cast<std::uint8_t>(n);
    commands::RequestSatelliteData(links_.sender, DISPLAY_PORT, kTypeEphemeris, sv);
    appendEph(eph::Requested(n));
    const auto reply = wait_.waitForDataReply(kTypeEphemeris, sv);
    if (!reply || reply->operation != reports::kOperationDataFollows) {
      appendEph(eph::kNotAvailable);
      continue;
    }
    appendEph(eph::Received(reply->length));
    if (!file.write(EncodeBlock(kTypeEphemeris, sv, reply->bytes()))) return false;
  }
  return true;
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
  while (uploadEphemerisBlock(in)) {
  }
  appendEph(eph::kLoadComplete);
}

bool SatelliteTransfer::uploadEphemerisBlock(ByteSource& in) {
  const BlockRead block = ReadBlock(in);
  if (!block.typeRead()) return false;
  if (block.type != kTypeEphemeris) {
    appendEph(eph::kUnknownType);
    return false;
  }
  if (!block.headerRead()) return false;  // SV outside 1 to 32, or the file ends there
  appendEph(eph::DataForSv(block.sv));
  if (block.end == BlockEnd::CutInData) return false;
  if (block.end == BlockEnd::BadEndMarker) {
    appendEph(eph::kEndFormatError);
    return false;
  }
  commands::LoadSatelliteData(links_.sender, DISPLAY_PORT, kTypeEphemeris, block.sv, block.data);
  const auto reply = wait_.waitForDataReply(kTypeEphemeris, block.sv);
  const bool loaded = reply && reply->operation == reports::kOperationLoaded;
  appendEph(loaded ? eph::kAcknowledged : eph::kRejected);
  return true;
}

}  // namespace navbin::transfer
