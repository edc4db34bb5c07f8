#pragma once
// What a satellite-data transfer needs from the windows besides the Display
// (which carries the lights and labels of Form_Alm and the receive lamp): the
// two status windows, the monitor timer, painting while the transfer holds
// the thread, and the user's request to cancel it. The Qt windows implement
// it; tests record it.

#include <string>

namespace navbin::transfer {

class TransferView {
 public:
  virtual ~TransferView() = default;

  // Shows Form_Alm or Form_Eph.
  virtual void showAlm() = 0;
  virtual void showEph() = 0;
  // Appends one message (it ends with CR LF) to Memo_Eph.
  virtual void appendEph(const std::string& text) = 0;

  // The transfer starts holding the thread: the monitor timer stops, and
  // from now on the windows ignore user input.
  virtual void enterTransfer() = 0;
  // The transfer is over: input is acted on again and the timer restarts.
  virtual void leaveTransfer() = 0;

  // Paints what changed at once, without acting on any input; called after
  // every visible change and now and then while waiting for a reply.
  virtual void refresh() = 0;

  // True once the user asked to cancel the running transfer (Esc or the
  // window's Cancel button, seen during refresh); enterTransfer clears it.
  virtual bool cancelRequested() const = 0;
};

}  // namespace navbin::transfer
