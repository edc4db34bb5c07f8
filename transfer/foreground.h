#pragma once
// Scopes of a transfer: it counts as running from the menu entry to its end,
// and holds the foreground (monitor timer stopped, input ignored) from the
// opening of its file to its end, on every way out.

#include "transfer/transfer_view.h"

namespace navbin::transfer {

class RunningScope {
 public:
  explicit RunningScope(bool& running) : running_(running) { running_ = true; }
  ~RunningScope() { running_ = false; }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

 private:
  bool& running_;
};

class ForegroundScope {
 public:
  explicit ForegroundScope(TransferView& view) : view_(view) { view_.enterTransfer(); }
  ~ForegroundScope() { view_.leaveTransfer(); }
  ForegroundScope(const ForegroundScope&) = delete;
  ForegroundScope& operator=(const ForegroundScope&) = delete;

 private:
  TransferView& view_;
};

}  // namespace navbin::transfer
