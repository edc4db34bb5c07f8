#pragma once
// The packet masks dialog: which reports the receiver sends unasked.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_PacketMasks : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_PacketMasks(QWidget* parent);
};

}  // namespace navbin::ui
