#include "ui/forms/timing_packets_form.h"

namespace navbin::ui {

TForm_TimingPackets::TForm_TimingPackets(QWidget* parent)
    : FormWindow("Form_TimingPackets", "Timing Packets", parent) {
  setFixedSize(kPlaceholderSize);
}

}  // namespace navbin::ui
