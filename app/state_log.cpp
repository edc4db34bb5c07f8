#include "app/state_log.h"

namespace navbin::app {

namespace {
using reports::Form;
constexpr const char* kTextControls[] = {"Panel_Serial", "Panel_Version", "Panel_Hint",
                                         "ComboBox_DisplayCom"};
constexpr const char* kLampControls[] = {"Shape_RxLED", "Shape_TxLED"};
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
  for (const char* name : kTextControls) {
    QString text = QString::fromStdString(display.text(Form::Main, name));
    text.replace('"', '\'').replace('\n', ' ');
    line += QString(" %1=\"%2\"").arg(name, text);
  }
  for (const char* name : kLampControls) {
    line += QString(" %1=%2").arg(name, ColourName(display.colour(Form::Main, name)));
  }
  // The 16 port lamps: '-' unlit, 'Y' monitored, 'G' monitored and receiving, 'R' lost.
  QString lamps;
  for (int com = 1; com <= 16; ++com) {
    const auto c = display.colour(Form::Main, "Panel_MonCom" + std::to_string(com));
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
