#pragma once
// The texts the transfers show: Form_Alm's lights and status texts,
// and the lines of Memo_Eph (each ending in CR LF).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "protocol/presentation/transfer_control_names.h"

namespace navbin::transfer {

namespace alm {
inline constexpr char kDownloading[] = "Downloading...";
inline constexpr char kUploading[] = "Uploading...";
inline constexpr char kFileFailure[] = "File Failure";
inline constexpr char kDownloadComplete[] = "Download Complete";
inline constexpr char kDownloadFailure[] = "Download Failure";
inline constexpr char kUploadComplete[] = "Upload Complete";
inline constexpr char kUploadFailure[] = "Upload Failure";
inline constexpr char kDownloadCancelled[] = "Download Cancelled";
inline constexpr char kUploadCancelled[] = "Upload Cancelled";
}  // namespace alm

// The light of a block in Form_Alm: Shape_SV1 .. Shape_SV32 for the almanac of
// an SV, Shape_Alm, Shape_Iono, Shape_UTC for types 3, 4, 5; empty for a type
// without a light (1, 6) or an SV outside 1 to 32.
std::optional<reports::ControlName> AlmLightName(std::uint8_t type, std::uint8_t sv);
// Every light of a block, in the order of a downloaded file: SV 1 to 32,
// ionospheric, UTC, health page.
std::span<const reports::ControlName> AlmLights();

namespace eph {
std::string Requested(int sv);     // "SV %d ephemeris requested...\r\n"
std::string Received(int length);  // "   received, length = %d\r\n"
std::string DataForSv(int sv);     // "Ephemeris data for SV %02d...\r\n"
inline constexpr char kNotAvailable[] = "Data not available!\r\n";
inline constexpr char kDownloadComplete[] = "Ephemeris download complete.\r\n";
inline constexpr char kAcknowledged[] = "   Data block acknowledged\r\n";
inline constexpr char kRejected[] = "   Data block rejected\r\n";
inline constexpr char kUnknownType[] = "Unknown data block type! \r\n";
inline constexpr char kEndFormatError[] = "End of block format error! \r\n";
inline constexpr char kLoadComplete[] = "Ephemeris data load complete.\r\n";
inline constexpr char kCannotOpen[] = "Couldn't open ephemeris data file!\r\n";
// The file could not be written to the end (disk full, device gone).
inline constexpr char kCannotWrite[] = "Couldn't write ephemeris data file!\r\n";
// The transfer stopped at a request or load the receiver did not answer.
inline constexpr char kNoAnswer[] = "The receiver stopped answering.\r\n";
inline constexpr char kDownloadCancelled[] = "Ephemeris download cancelled.\r\n";
inline constexpr char kLoadCancelled[] = "Ephemeris data load cancelled.\r\n";
// Upload files that end the load with an error: no block at all, a block
// cut short by the end of the file, an SV number outside 1 to 32.
inline constexpr char kNoBlocks[] = "No ephemeris data block in the file! \r\n";
inline constexpr char kCutShort[] = "Data block cut short! \r\n";
inline constexpr char kBadSv[] = "SV number out of range! \r\n";
}  // namespace eph

}  // namespace navbin::transfer
