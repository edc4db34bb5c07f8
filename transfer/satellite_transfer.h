#pragma once
// The almanac and ephemeris transfers: download a receiver's satellite data
// into a data block file and load such a file into a receiver, one 0x38
// request or load and one 0x58 reply at a time. A transfer runs in the
// foreground: from the file's opening to its end the monitor timer is stopped
// and only the reply wait reads the display port. Progress shows as lights in
// Form_Alm (almanac) or lines in Form_Eph (ephemeris). A transfer ends at
// the first reply that does not come within the wait, and at once when the
// user cancels it.
//
//   SatelliteTransfer transfer(links, view);
//   transfer.DownloadAlmanac();   // asks for the file, then runs to its end

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "transfer/data_block.h"
#include "transfer/reply_wait.h"
#include "transfer/transfer_view.h"

namespace navbin::transfer {

class DataFile;

// The parts of the program a transfer works with.
struct TransferLinks {
  link::SerialChannel& channel;
  link::PortTable& ports;
  const link::PortSelection& shell;
  commands::PacketSender& sender;
  reports::Display& display;
  reports::Prompter& prompter;
};

class SatelliteTransfer {
 public:
  SatelliteTransfer(const TransferLinks& links, TransferView& view);

  // Each does nothing while another transfer runs.
  void DownloadAlmanac();
  void UploadAlmanac();
  void DownloadEphemeris();
  void UploadEphemeris();

  bool running() const { return running_; }
  ReplyWait& replyWait() { return wait_; }

  // The shared data file dialog, with the initial name " ".
  static reports::FileRequest DataFileDialog(bool forSaving);

 private:
  using Colour = reports::Colour;

  // How a step of a transfer, or the transfer, ended.
  enum class Ending {
    Continue,   // the step is done, the next may follow
    Done,       // the file holds no further block
    Failed,     // a block refused, not written or unusable: the transfer stops
    NoAnswer,   // the receiver did not reply within the wait
    Cancelled,  // the user cancelled
  };
  struct AlmanacUpload;

  std::optional<std::string> chooseFile(bool forSaving);
  // The ending of a wait that gave no reply.
  Ending missedReply() const;
  void setLight(std::optional<reports::ControlName> light, Colour colour);
  void setLoadStatus(const char* text, Colour colour);
  bool anyAlmLightRed() const;
  void appendEph(const std::string& text);

  Ending downloadAlmanacs(DataFile& file);
  Ending downloadAlmanacStep(DataFile& file, std::uint8_t type, std::uint8_t sv);
  // One block of an upload; Done when the reader reports the end.
  Ending uploadAlmanacBlock(ByteSource& in, AlmanacUpload& upload);
  Ending uploadEphemerisBlock(ByteSource& in, int& blocksRead);
  // The ephemeris of every SV; Failed when the file could not be written.
  Ending downloadEphemerides(DataFile& file);

  TransferLinks links_;
  TransferView& view_;
  ReplyWait wait_;
  bool running_ = false;
};

}  // namespace navbin::transfer
