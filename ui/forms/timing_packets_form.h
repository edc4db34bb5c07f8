#pragma once
// The timing packets window: the timing super-packets 0x8F-AB and 0x8F-AC in
// full, written by their decoders by control name, and two request buttons
// that ask the receiver for either packet.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <functional>

#include "ui/forms/form_window.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"

class QGridLayout;

namespace navbin::ui {

class TForm_TimingPackets : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_TimingPackets(QWidget* parent);

  // Sends the request for super-packet `subId` (0xAB or 0xAC) with the request
  // mode byte `mode` (0 immediately, 1 next second, 2 both next second).
  using RequestHandler = std::function<void(int subId, int mode)>;
  void setRequestHandler(RequestHandler handler) { request_ = std::move(handler); }

  void Button_8FABClick();
  void Button_8FACClick();
  // Empties the window's fields and greys its lights; the main window keeps
  // what it shows.
  void Button_ClearClick();
  void Button_CloseClick() { hide(); }

  // Time: packet 8F-AB.
  Panel* Panel_Time = nullptr;
  Panel* Panel_UTCOffset = nullptr;
  Panel* Panel_TOW = nullptr;
  Panel* Panel_WeekNum = nullptr;
  Panel* Panel_Date = nullptr;
  QLabel* Label_TimeType = nullptr;
  // Timing outputs, alarms, mode and status, position: packet 8F-AC.
  Panel* Panel_PPSOffset = nullptr;
  Panel* Panel_10MHz = nullptr;
  Panel* Panel_Quantization = nullptr;
  Shape* Shape_PPS = nullptr;
  std::array<Shape*, 8> alarmLights{};  // Shape_Bit3, Shape_Bit5 .. Shape_Bit11
  Panel* Panel_Mode = nullptr;
  Panel* Panel_Status = nullptr;
  Panel* Panel_Latitude = nullptr;
  Panel* Panel_Longitude = nullptr;
  Panel* Panel_Altitude = nullptr;
  Panel* Panel_SelfSurvey = nullptr;

  QPushButton* Button_8FAB = nullptr;
  QRadioButton* RadioButton_AB0 = nullptr;
  QRadioButton* RadioButton_AB1 = nullptr;
  QRadioButton* RadioButton_AB2 = nullptr;
  QPushButton* Button_8FAC = nullptr;
  QRadioButton* RadioButton_AC0 = nullptr;
  QRadioButton* RadioButton_AC1 = nullptr;
  QRadioButton* RadioButton_AC2 = nullptr;
  QPushButton* Button_Clear = nullptr;
  QPushButton* Button_Close = nullptr;

 private:
  QWidget* buildTime();
  QWidget* buildOutputs();
  QWidget* buildAlarms();
  QWidget* buildModeAndStatus();
  QWidget* buildPosition();
  QWidget* buildRequest(const char* buttonName, const QString& caption, const char* radioPrefix,
                        QPushButton** button, std::array<QRadioButton**, 3> radios);
  QWidget* buildButtons();
  // The mode byte of a request: the index of the checked radio button, 2 when
  // neither of the first two is checked.
  static int RequestMode(const QRadioButton* first, const QRadioButton* second);

  RequestHandler request_;
};

}  // namespace navbin::ui
