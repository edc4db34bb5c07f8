#pragma once
// Every window besides the main window, created once at start-up, hidden, and
// registered with the Display under its Form so the report decoders reach it.

#include <QWidget>
#include <utility>
#include <vector>

#include "protocol/presentation/display.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui {

class TForm_About;
class TForm_Alm;
class TForm_Bias;
class TForm_Filters;
class TForm_InitialPos;
class TForm_InitialTime;
class TForm_IOOptions;
class TForm_LogFormat;
class TForm_Log;
class TForm_LogNavBin;
class TForm_Product;
class TForm_GPS;
class TForm_Serial;
class TForm_Track;
class TForm_NavTxt;
class TForm_PPSOutput;
class TForm_SelfSurvey;
class TForm_PacketMasks;
class TForm_TimingPackets;
class TForm_GenNavBin;
class TForm_Sensitivity;
class TForm_Eph;

struct SecondaryForms {
  TForm_About* Form_About = nullptr;
  TForm_Alm* Form_Alm = nullptr;
  TForm_Bias* Form_Bias = nullptr;
  TForm_Filters* Form_Filters = nullptr;
  TForm_InitialPos* Form_InitialPos = nullptr;
  TForm_InitialTime* Form_InitialTime = nullptr;
  TForm_IOOptions* Form_IOOptions = nullptr;
  TForm_LogFormat* Form_LogFormat = nullptr;
  TForm_Log* Form_Log = nullptr;
  TForm_LogNavBin* Form_LogNavBin = nullptr;
  TForm_Product* Form_Product = nullptr;
  TForm_GPS* Form_GPS = nullptr;
  TForm_Serial* Form_Serial = nullptr;
  TForm_Track* Form_Track = nullptr;
  TForm_NavTxt* Form_NavTxt = nullptr;
  TForm_PPSOutput* Form_PPSOutput = nullptr;
  TForm_SelfSurvey* Form_SelfSurvey = nullptr;
  TForm_PacketMasks* Form_PacketMasks = nullptr;
  TForm_TimingPackets* Form_TimingPackets = nullptr;
  TForm_GenNavBin* Form_GenNavBin = nullptr;
  TForm_Sensitivity* Form_Sensitivity = nullptr;
  TForm_Eph* Form_Eph = nullptr;

  // Every window with its Form, in creation order.
  std::vector<std::pair<reports::Form, QWidget*>> all() const;
};

// Creates the windows hidden, in start-up order, each a separate top-level
// window owned by `owner` (so they go when it goes; may be null), and registers
// each with `display`.
SecondaryForms CreateSecondaryForms(WidgetDisplay& display, QWidget* owner);

}  // namespace navbin::ui
