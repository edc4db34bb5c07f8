#include "app/transfer_windows.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>

#include "app/main_form.h"
#include "ui/forms/alm_form.h"
#include "ui/forms/eph_form.h"

namespace navbin::app {

TransferWindows::TransferWindows(TForm_Main& form, shell::MonitorCore& core,
                                 ui::WidgetDisplay& display, reports::Prompter& prompter)
    : QObject(&form),
      form_(form),
      display_(display),
      transfer_({core.channel, core.ports, core.shell, core.sender, display, prompter}, *this) {
  using T = TForm_Main::Transfer;
  form.setTransferHandler(T::DownloadAlmanac, [this] { transfer_.DownloadAlmanac(); });
  form.setTransferHandler(T::UploadAlmanac, [this] { transfer_.UploadAlmanac(); });
  form.setTransferHandler(T::DownloadEphemeris, [this] { transfer_.DownloadEphemeris(); });
  form.setTransferHandler(T::UploadEphemeris, [this] { transfer_.UploadEphemeris(); });
}

void TransferWindows::show(reports::Form form) {
  if (QWidget* window = display_.form(form)) {
    window->show();
    window->raise();
  }
}

void TransferWindows::showAlm() {
  show(reports::Form::Alm);
}

void TransferWindows::showEph() {
  show(reports::Form::Eph);
}

void TransferWindows::appendEph(const std::string& text) {
  if (auto* eph = qobject_cast<ui::TForm_Eph*>(display_.form(reports::Form::Eph))) {
    eph->append(text);
  }
}

std::vector<QPushButton*> TransferWindows::cancelButtons() const {
  std::vector<QPushButton*> buttons;
  if (auto* alm = qobject_cast<ui::TForm_Alm*>(display_.form(reports::Form::Alm))) {
    buttons.push_back(alm->Button_Cancel);
  }
  if (auto* eph = qobject_cast<ui::TForm_Eph*>(display_.form(reports::Form::Eph))) {
    buttons.push_back(eph->Button_Cancel);
  }
  return buttons;
}

void TransferWindows::enableCancel(bool enabled) {
  for (QPushButton* button : cancelButtons()) {
    button->setEnabled(enabled);
    if (enabled) {
      connect(button, &QPushButton::clicked, this, &TransferWindows::requestCancel,
              Qt::UniqueConnection);
    }
  }
}

void TransferWindows::enterTransfer() {
  form_.stopMonitorTimer();
  cancel_ = false;
  enableCancel(true);
  qApp->installEventFilter(this);
  holding_ = true;
}

void TransferWindows::leaveTransfer() {
  holding_ = false;
  qApp->removeEventFilter(this);
  enableCancel(false);
  form_.startMonitorTimer();
}

void TransferWindows::refresh() {
  // Paints what changed and serves the window system; the filter drops input.
  if (holding_) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TransferWindows::eventFilter(QObject* watched, QEvent* event) {
  const bool mouse = event->type() == QEvent::MouseButtonPress ||
                     event->type() == QEvent::MouseButtonRelease ||
                     event->type() == QEvent::MouseMove;
  // A click reaches a window first, which hands it to the widget under it:
  // only the Cancel buttons take it from there.
  const auto buttons = mouse ? cancelButtons() : std::vector<QPushButton*>{};
  if (mouse && (watched->isWindowType() ||
                std::find(buttons.begin(), buttons.end(), watched) != buttons.end())) {
    return QObject::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    requestCancel();
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Close:  // the window manager's close box
      event->ignore();
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace navbin::app
