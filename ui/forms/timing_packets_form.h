#pragma once
// The timing packets window: the timing super-packets in full.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_TimingPackets : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_TimingPackets(QWidget* parent);
};

}  // namespace navbin::ui
