#include "app/state_log.h"

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/port_control_names.h"

namespace navbin::app {

namespace {
using reports::Form;
namespace names = reports::names;
constexpr reports::ControlName kTextControls[] = {names::Panel_Serial, names::Panel_Version,
                                                  names::Panel_Hint, names::ComboBox_DisplayCom};
constexpr reports::ControlName kLampControls[] = {names::Shape_RxLED, names::Shape_TxLED};
}  // namespace

const char* ColourName(reports::Colour colour) {
  using reports::Colour;
  switch (colour) {
    case Colour::Window:
      return "Window";
    case Colour::ButtonFace:
      return "ButtonFace";
    case Colour::Lime:
      return "Lime";
    case Colour::Yellow:
      return "Yellow";
    case Colour::Red:
      return "Red";
    case Colour::Aqua:
      return "Aqua";
    case Colour::Blue:
      return "Blue";
    case Colour::Gray:
      return "Gray";
    case Colour::WindowText:
      return "WindowText";
    case Colour::InactiveCaption:
      return "InactiveCaption";
  }
  return "?";
}

QString StateLog::RequestedFile() {
  return qEnvironmentVariable("NAVBIN_STATE_LOG");
}

StateLog::StateLog(const ui::WidgetDisplay& display, const QString& file, QObject* parent)
    : QObject(parent), display_(display), file_(file) {
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return;
  clock_.start();
  connect(&timer_, &QTimer::timeout, this, &StateLog::write);
  timer_.start(100);
}

QString StateLog::Sample(const ui::WidgetDisplay& display) {
  QString line;
  const QWidget* main = display.form(Form::Main);
  line += QString("visible=%1").arg(main && main->isVisible() ? 1 : 0);
  for (reports::ControlName name : kTextControls) {
    QString text = QString::fromStdString(display.text(Form::Main, name));
    text.replace('"', '\'').replace('\n', ' ');
    line += QString(" %1=\"%2\"").arg(ui::Name(name), text);
  }
  for (reports::ControlName name : kLampControls) {
    line += QString(" %1=%2").arg(ui::Name(name), ColourName(display.colour(Form::Main, name)));
  }
  // The 16 port lamps: '-' unlit, 'Y' monitored, 'G' monitored and receiving, 'R' lost.
  QString lamps;
  for (reports::ControlName panel : reports::rows::Panel_MonCom) {
    const auto c = display.colour(Form::Main, panel);
    lamps += c == reports::Colour::Lime     ? 'G'
             : c == reports::Colour::Yellow ? 'Y'
             : c == reports::Colour::Red    ? 'R'
                                            : '-';
  }
  line += " Panel_MonCom=" + lamps;
  return line;
}

void StateLog::write() {
  const QString line = QString::number(clock_.elapsed()) + ' ' + Sample(display_) + '\n';
  file_.write(line.toUtf8());
  file_.flush();
}

}  // namespace navbin::app
