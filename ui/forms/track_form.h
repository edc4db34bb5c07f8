#pragma once
// The satellite tracking window: the full status of the 12 receiver channels,
// the dilutions of precision and the list of SVs in the current fix. It has no
// logic of its own; the report decoders write its cells by name.

#include <QLabel>
#include <array>

#include "protocol/receiver/receiver_state.h"
#include "ui/forms/form_window.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

class TForm_Track : public FormWindow {
  Q_OBJECT
 public:
  template <class T>
  using Column = std::array<T*, reports::kChannelCount>;

  explicit TForm_Track(QWidget* parent);

  // The cells of each column, indexed by channel 0 to 11 (row label k + 1).
  Column<Panel> svCells{};
  Column<Shape> acqLights{};
  Column<Shape> ephLights{};
  Column<Panel> amuCells{};
  Column<Panel> timeCells{};
  Column<Panel> elevCells{};
  Column<Panel> azimCells{};

  Panel* Panel_SVSel = nullptr;
  Panel* Panel_PDOP = nullptr;
  Panel* Panel_HDOP = nullptr;
  Panel* Panel_VDOP = nullptr;
  Panel* Panel_TDOP = nullptr;

 private:
  QWidget* buildChannelGrid();
  QWidget* buildSelectionPanels();
};

}  // namespace navbin::ui
