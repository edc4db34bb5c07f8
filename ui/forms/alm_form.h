#pragma once
// The almanac transfer status window: a light per data block (the almanac of
// SV 1 to 32, ionospheric data, UTC data, the almanac health page) and the
// loading status. Closing it turns every light grey and the status "Off";
// Cancel, enabled while a transfer runs, asks the transfer to stop.

#include <QLabel>
#include <QPushButton>
#include <array>

#include "protocol/presentation/transfer_control_names.h"
#include "ui/forms/form_window.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

class TForm_Alm : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Alm(QWidget* parent);

  void setVisible(bool visible) override;

  std::array<Shape*, reports::rows::Shape_SV.size()> Shape_SV{};  // Shape_SV1 is Shape_SV[0]
  Shape* Shape_Iono = nullptr;
  Shape* Shape_UTC = nullptr;
  Shape* Shape_Alm = nullptr;
  Shape* Shape_LoadStatus = nullptr;
  QLabel* Label_LoadStatus = nullptr;
  QPushButton* Button_Cancel = nullptr;
  QPushButton* Button_Close = nullptr;

 private:
  void reset();
};

}  // namespace navbin::ui
