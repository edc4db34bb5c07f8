#include "app/main_form.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <thread>

#include "transfer/satellite_transfer.h"
#include "ui/widgets/qt_prompter.h"

namespace navbin::app {

namespace {
constexpr int kMonitorIntervalMs = 200;
}  // namespace

TForm_Main::TForm_Main(shell::MonitorCore& core, ui::WidgetDisplay& display,
                       reports::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent),
      core_(core),
      display_(display),
      prompter_(prompter),
      serialApplySleep_([](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); }) {
  setObjectName("Form_Main");
  setWindowTitle("M1_Monitor");
  // A fixed border: no maximise button.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  if (auto* qtPrompter = dynamic_cast<ui::QtPrompter*>(&prompter)) qtPrompter->setParent(this);

  auto* central = new QWidget(this);
  central->setObjectName("MainClient");
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(4);
  column->addWidget(buildGroups());
  column->addWidget(statusRow = new ui::StatusRow);
  setCentralWidget(central);
  menus = std::make_unique<MainMenus>(*this);
  connectParts();

  Timer_NavBin = new QTimer(this);
  Timer_NavBin->setObjectName("Timer_NavBin");
  Timer_NavBin->setInterval(kMonitorIntervalMs);
  connect(Timer_NavBin, &QTimer::timeout, this, &TForm_Main::NavBinTimer);

  display_.registerForm(reports::Form::Main, this);
  applyLayout(false);
}

TForm_Main::~TForm_Main() {
  FormDestroy();
}

bool TForm_Main::FormCreate() {
  if (!core_.openDisplayPort()) {
    reportOpenFailure();
    return false;
  }
  showDisplayPortTitle();

  if (core_.shell.portListCount == -1) {
    core_.multiPort.enableAllPorts();  // also fills the list
  } else {
    core_.multiPort.fillPortList();
  }
  for (int i = 0; i < core_.shell.portListCount && i < link::kPortCount; ++i) {
    if (core_.shell.portList[i] == core_.shell.displayPort)
      portPanel->ComboBox_DisplayCom->setCurrentIndex(i);
  }
  core_.multiPort.repaintPortPanels();

  menus->LoggingAutoQuery->setChecked(core_.shell.autoQuery);

  installCoreHooks();
  Timer_NavBin->start();
  return true;
}

void TForm_Main::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (Timer_NavBin) Timer_NavBin->stop();
  // The core outlives the window: it must not call back into it.
  core_.sender.setTransmitLampHook({});
  core_.multiPort.setBlankDisplayHook({});
  core_.multiPort.setDisplayPortChangedHook({});
  core_.cycle.setPortLostHook({});
  core_.cycle.portReturn().setReopenedHook({});
  core_.closeAll();
}

void TForm_Main::NavBinTimer() {
  core_.cycle.NavBinTimer();
  refreshLostMarks();
}

void TForm_Main::stopMonitorTimer() {
  Timer_NavBin->stop();
}

void TForm_Main::startMonitorTimer() {
  if (!destroyed_) Timer_NavBin->start();
}

void TForm_Main::setTransferHandler(Transfer transfer, std::function<void()> handler) {
  transfers_[static_cast<std::size_t>(transfer)] = std::move(handler);
}

reports::FileRequest TForm_Main::OpenDialog() {
  return transfer::SatelliteTransfer::DataFileDialog(false);
}

void TForm_Main::blankDisplay() {
  // Only this window's own controls: the other windows keep their contents.
  for (ui::Panel* panel : centralWidget()->findChildren<ui::Panel*>()) {
    if (panel->tag() == 0) continue;
    panel->setText("?");
    panel->setFill(reports::Colour::Window);
  }
  for (ui::Shape* shape : centralWidget()->findChildren<ui::Shape*>()) {
    if (shape->tag() != 0) shape->setFill(reports::Colour::Gray);
  }
  for (reports::ReceiverState& receiver : core_.reports.receivers) receiver.fixSvs.fill(0);
}

bool TForm_Main::event(QEvent* event) {
  // Hovering a control with a hint makes it the current hint; leaving it
  // clears it. The status row shows it instead of a status bar.
  if (event->type() == QEvent::StatusTip) {
    statusRow->Panel_Hint->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

bool TForm_Main::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QAction* action = clickActions_.value(watched);
    if (action && widget && mouse->button() == Qt::LeftButton &&
        widget->rect().contains(mouse->position().toPoint())) {
      action->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm_Main::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
}

}  // namespace navbin::app
