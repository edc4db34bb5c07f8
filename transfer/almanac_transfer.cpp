// Almanac, health page, ionospheric and UTC data: download into a file and
// upload from one, with a light per data block in Form_Alm.

#include "protocol/commands/satellite_data_commands.h"
#include "transfer/data_file.h"
#include "transfer/foreground.h"
#include "transfer/satellite_transfer.h"
#include "transfer/transfer_texts.h"

namespace navbin::transfer {

namespace {
using commands::DISPLAY_PORT;
using reports::Colour;

// Two bytes ahead of the blocks of a downloaded almanac file.
constexpr std::uint8_t kAlmanacPrefix[] = {0x00, 0x00};
// After the 32 almanacs: ionospheric, UTC, then the health page.
constexpr std::uint8_t kTrailingTypes[] = {kTypeIonosphere, kTypeUtc, kTypeAlmanacHealth};
}  // namespace

void SatelliteTransfer::DownloadAlmanac() {
  if (running_) return;
  RunningScope running(running_);
  setLoadStatus(alm::kDownloading, Colour::Yellow);
  const auto path = chooseFile(true);
  if (!path) return;
  DataFile file(*path, "wb");
  ForegroundScope foreground(view_);
  view_.showAlm();
  if (!file.isOpen()) {
    setLoadStatus(alm::kFileFailure, Colour::Red);
    return;
  }
  bool ok = file.write(kAlmanacPrefix);
  for (int sv = 1; ok && sv <= kSvCount; ++sv) {
    ok = downloadAlmanacStep(file, kTypeAlmanac, static_cast<std::uint8_t>(sv));
  }
  for (std::uint8_t type : kTrailingTypes) {
    ok = ok && downloadAlmanacStep(file, type, 0);
  }
  ok = file.close() && ok;
  setLoadStatus(ok ? alm::kDownloadComplete : alm::kDownloadFailure,
                ok ? Colour::Lime : Colour::Red);
}

bool SatelliteTransfer::downloadAlmanacStep(DataFile& file, std::uint8_t type, std::uint8_t sv) {
  commands::RequestSatelliteData(links_.sender, DISPLAY_PORT, type, sv);
  const std::string light = AlmLightName(type, sv);
  setLight(light, Colour::Yellow);
  const auto reply = wait_.waitForDataReply(type, sv);
  const bool ok = reply && reply->operation == reports::kOperationDataFollows &&
                  file.write(EncodeBlock(type, sv, reply->bytes()));
  setLight(light, ok ? Colour::Lime : Colour::Red);
  return ok;
}

void SatelliteTransfer::UploadAlmanac() {
  if (running_) return;
  RunningScope running(running_);
  setLoadStatus(alm::kUploading, Colour::Yellow);
  const auto path = chooseFile(false);
  if (!path) return;
  DataFile file(*path, "rb");
  ForegroundScope foreground(view_);
  view_.showAlm();
  if (!file.isOpen()) {
    setLoadStatus(alm::kFileFailure, Colour::Red);
    return;
  }
  FileSource in(file.get());
  while (uploadAlmanacBlock(in)) {
  }
  // The verdict is the lights', which keep earlier transfers' colours until
  // the window is closed.
  const bool failed = anyAlmLightRed();
  setLoadStatus(failed ? alm::kUploadFailure : alm::kUploadComplete,
                failed ? Colour::Red : Colour::Lime);
}

bool SatelliteTransfer::uploadAlmanacBlock(ByteSource& in) {
  const BlockRead block = ReadBlock(in);
  // Ephemeris blocks, unknown types, bad SVs and a file cut before the length
  // end the upload without a light.
  if (!block.headerRead() || block.type > kTypeUtc) return false;
  const std::string light = AlmLightName(block.type, block.sv);  // none for type 1
  setLight(light, Colour::Yellow);
  if (block.end == BlockEnd::CutInData) return false;
  if (block.end == BlockEnd::BadEndMarker) {
    setLight(light, Colour::Red);
    return false;
  }
  commands::LoadSatelliteData(links_.sender, DISPLAY_PORT, block.type, block.sv, block.data);
  const auto reply = wait_.waitForDataReply(block.type, block.sv);
  const bool loaded = reply && reply->operation == reports::kOperationLoaded;
  setLight(light, loaded ? Colour::Lime : Colour::Red);
  return true;
}

}  // namespace navbin::transfer
