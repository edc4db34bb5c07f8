#pragma once
// For scripted runs: with NAVBIN_STATE_LOG=FILE the main window's status row
// is appended to FILE every 100 ms, one line per sample:
//   <ms since start> visible=1 Panel_Serial="COM3: 9600: 8-O-1" ...
//   Shape_RxLED=Lime Shape_TxLED=Gray Panel_MonCom=--G-------------
// so a test driving the executable can see what a person would see.

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include "ui/widgets/object_name.h"
#include "ui/widgets/widget_display.h"

namespace navbin::app {

class StateLog final : public QObject {
  Q_OBJECT
 public:
  // The file named by NAVBIN_STATE_LOG, empty when unset.
  static QString RequestedFile();

  StateLog(const ui::WidgetDisplay& display, const QString& file, QObject* parent = nullptr);

  // One sample line (without the time), as written to the file.
  static QString Sample(const ui::WidgetDisplay& display);

 private:
  void write();
  const ui::WidgetDisplay& display_;
  QFile file_;
  QTimer timer_;
  QElapsedTimer clock_;
};

// "Lime", "Gray" ... for a status colour.
const char* ColourName(reports::Colour colour);

}  // namespace navbin::app
