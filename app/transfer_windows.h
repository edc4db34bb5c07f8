#pragma once
// The almanac and ephemeris transfers in the application: the four menu
// entries run them, Form_Alm and Form_Eph show their progress. A transfer
// holds the thread to its end; meanwhile the windows keep painting, every
// user input is dropped (not merely delayed) and the monitor timer is held.
// Only a cancel gets through: Esc in any window, or the Cancel button of
// Form_Alm or Form_Eph.

#include <QObject>
#include <QPushButton>
#include <vector>

#include "protocol/presentation/prompter.h"
#include "shell/monitor_core.h"
#include "transfer/satellite_transfer.h"
#include "transfer/transfer_view.h"
#include "ui/widgets/widget_display.h"

namespace navbin::app {

class TForm_Main;

class TransferWindows final : public QObject, public transfer::TransferView {
  Q_OBJECT
 public:
  // Owned by `form`; the transfer windows are found through `display` when used.
  TransferWindows(TForm_Main& form, shell::MonitorCore& core, ui::WidgetDisplay& display,
                  reports::Prompter& prompter);

  transfer::SatelliteTransfer& transfer() { return transfer_; }

  void showAlm() override;
  void showEph() override;
  void appendEph(const std::string& text) override;
  void enterTransfer() override;
  void leaveTransfer() override;
  void refresh() override;
  bool cancelRequested() const override { return cancel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show(reports::Form form);
  // The Cancel buttons of both transfer windows (those that exist).
  std::vector<QPushButton*> cancelButtons() const;
  void enableCancel(bool enabled);
  void requestCancel() { cancel_ = true; }

  TForm_Main& form_;
  ui::WidgetDisplay& display_;
  transfer::SatelliteTransfer transfer_;
  bool holding_ = false;
  bool cancel_ = false;
};

}  // namespace navbin::app
