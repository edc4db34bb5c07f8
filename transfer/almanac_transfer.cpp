// Almanac, health page, ionospheric and UTC data: download into a file and
// upload from one, with a light per data block in Form_Alm.

#include <set>

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

// Which lights an upload sent, and whether it turned one red: a file that
// does not hold the whole almanac fails at the first light it did not send.
struct SatelliteTransfer::AlmanacUpload {
  std::set<std::string_view> sent;  // names of static storage
  bool failed = false;
};

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
  const Ending end = file.write(kAlmanacPrefix) ? downloadAlmanacs(file) : Ending::Failed;
  const bool ok = file.close() && end == Ending::Done;
  if (end == Ending::Cancelled) {
    setLoadStatus(alm::kDownloadCancelled, Colour::Red);
    return;
  }
  setLoadStatus(ok ? alm::kDownloadComplete : alm::kDownloadFailure,
                ok ? Colour::Lime : Colour::Red);
}

// SV 1 to 32, then the trailing types; stops at the first step that fails.
SatelliteTransfer::Ending SatelliteTransfer::downloadAlmanacs(DataFile& file) {
  Ending end = Ending::Continue;
  for (int sv = 1; end == Ending::Continue && sv <= kSvCount; ++sv) {
    end = downloadAlmanacStep(file, kTypeAlmanac, static_cast<std::uint8_t>(sv));
  }
  for (std::uint8_t type : kTrailingTypes) {
    if (end == Ending::Continue) end = downloadAlmanacStep(file, type, 0);
  }
  return end == Ending::Continue ? Ending::Done : end;
}

SatelliteTransfer::Ending SatelliteTransfer::downloadAlmanacStep(DataFile& file, std::uint8_t type,
                                                                 std::uint8_t sv) {
  if (view_.cancelRequested()) return Ending::Cancelled;
  commands::RequestSatelliteData(links_.sender, DISPLAY_PORT, type, sv);
  const auto light = AlmLightName(type, sv);
  setLight(light, Colour::Yellow);
  const auto reply = wait_.waitForDataReply(type, sv);
  if (!reply && missedReply() == Ending::Cancelled) {
    setLight(light, Colour::Gray);
    return Ending::Cancelled;
  }
  const bool ok = reply && reply->operation == reports::kOperationDataFollows &&
                  file.write(EncodeBlock(type, sv, reply->bytes()));
  setLight(light, ok ? Colour::Lime : Colour::Red);
  return ok ? Ending::Continue : Ending::Failed;
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
  AlmanacUpload upload;
  Ending end;
  while ((end = uploadAlmanacBlock(in, upload)) == Ending::Continue) {
  }
  if (end == Ending::Cancelled) {
    setLoadStatus(alm::kUploadCancelled, Colour::Red);
    return;
  }
  if (!upload.failed) {
    for (reports::ControlName light : AlmLights()) {
      if (upload.sent.count(light.text()) != 0) continue;
      setLight(light, Colour::Red);
      break;
    }
  }
  // The verdict is the lights', which keep earlier transfers' colours until
  // the window is closed.
  const bool failed = anyAlmLightRed();
  setLoadStatus(failed ? alm::kUploadFailure : alm::kUploadComplete,
                failed ? Colour::Red : Colour::Lime);
}

SatelliteTransfer::Ending SatelliteTransfer::uploadAlmanacBlock(ByteSource& in,
                                                                AlmanacUpload& upload) {
  const BlockRead block = ReadBlock(in);
  // Ephemeris blocks, unknown types, bad SVs and a file cut before the length
  // end the upload without a light.
  if (!block.headerRead() || block.type > kTypeUtc) return Ending::Done;
  const auto light = AlmLightName(block.type, block.sv);  // none for type 1
  if (block.end != BlockEnd::Complete) {                  // cut short, or a bad end marker
    setLight(light, Colour::Red);
    upload.failed = upload.failed || light.has_value();
    return Ending::Failed;
  }
  if (view_.cancelRequested()) return Ending::Cancelled;
  setLight(light, Colour::Yellow);
  commands::LoadSatelliteData(links_.sender, DISPLAY_PORT, block.type, block.sv, block.data);
  const auto reply = wait_.waitForDataReply(block.type, block.sv);
  if (!reply && missedReply() == Ending::Cancelled) {
    setLight(light, Colour::Gray);
    return Ending::Cancelled;
  }
  const bool loaded = reply && reply->operation == reports::kOperationLoaded;
  setLight(light, loaded ? Colour::Lime : Colour::Red);
  if (loaded) {
    upload.sent.insert(light->text());
  } else {
    upload.failed = upload.failed || light.has_value();
  }
  return reply ? Ending::Continue : Ending::NoAnswer;
}

}  // namespace navbin::transfer
