#pragma once
// How the Qt-free layers reach the windows: by window and control name, the
// names the windows give their controls (Panel_LatDeg, Shape_RxLED ...).
// The Qt windows implement it over their widgets; tests implement it with a
// recording fake.

#include <string>
#include <vector>

#include "protocol/presentation/control_name.h"

namespace navbin::reports {

// The windows, one instance each.
enum class Form {
  Main,
  About,
  Alm,
  Bias,
  Filters,
  InitialPos,
  InitialTime,
  IOOptions,
  LogFormat,
  Log,
  LogNavBin,
  Product,
  GPS,
  Serial,
  Track,
  NavTxt,
  PPSOutput,
  SelfSurvey,
  PacketMasks,
  TimingPackets,
  GenNavBin,
  Sensitivity,
  Eph,
  SkyView,    // sky plot, signal bars and time series of the display port
  Stability,  // clock stability of the display port
  Comm,
};

// Status colours, and the two system colours of empty and disabled panels.
enum class Colour {
  Window,      // system colour of an editable field
  ButtonFace,  // system colour of a button face
  Lime,        // 00FF00 good or active
  Yellow,      // FFFF00 warning or in progress
  Red,         // FF0000 fault
  Aqua,        // 00FFFF re-opened search
  Blue,        // 0000FF
  Gray,        // 808080 idle or no data
  WindowText,
  InactiveCaption,
};

class Display {
 public:
  virtual ~Display() = default;

  // Text of a panel, label, edit or check box caption.
  virtual void setText(Form form, ControlName control, const std::string& text) = 0;
  // The current text; for a drop-down list, the text it shows.
  virtual std::string text(Form form, ControlName control) const = 0;
  // Fill colour of a panel or shape; for text colours use setTextColour.
  virtual void setColour(Form form, ControlName control, Colour colour) = 0;
  virtual Colour colour(Form form, ControlName control) const = 0;
  virtual void setTextColour(Form form, ControlName control, Colour colour) = 0;
  virtual void setHint(Form form, ControlName control, const std::string& hint) = 0;
  virtual void setVisible(Form form, ControlName control, bool visible) = 0;
  virtual void setEnabled(Form form, ControlName control, bool enabled) = 0;
  // Check boxes, radio buttons and menu entries.
  virtual void setChecked(Form form, ControlName control, bool checked) = 0;
  virtual bool checked(Form form, ControlName control) const = 0;
  // Drop-down lists and radio groups: item index, -1 for no selection.
  virtual void setSelectedIndex(Form form, ControlName control, int index) = 0;
  virtual int selectedIndex(Form form, ControlName control) const = 0;
  // Replaces the items of a drop-down list.
  virtual void setItems(Form form, ControlName control, const std::vector<std::string>& items) = 0;

  // True for a display nobody sees (a recording read into a model): the
  // decoders then leave out what they would only show, the steps of their
  // Shown point too, and keep the state.
  virtual bool showsNothing() const { return false; }
};

}  // namespace navbin::reports
