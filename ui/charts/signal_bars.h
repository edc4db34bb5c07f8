#pragma once
// One bar per receiver channel: the level (AMU) of its last 0x5C report, with
// the SV number under the bar; stale channels in grey.

#include <QWidget>

#include "ui/charts/sky_feed.h"

namespace navbin::ui {

class SignalBars : public QWidget {
  Q_OBJECT
 public:
  SignalBars(const SkyFeed& feed, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const SkyFeed& feed_;
};

}  // namespace navbin::ui
