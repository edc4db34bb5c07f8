#include "ui/forms/packet_masks_form.h"

namespace navbin::ui {

TForm_PacketMasks::TForm_PacketMasks(QWidget* parent)
    : FormWindow("Form_PacketMasks", "Broadcast Packet Masks", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
