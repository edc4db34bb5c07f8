#include "app/message_echo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace navbin::app {

bool MessageEcho::Requested() {
  return qEnvironmentVariable("NAVBIN_MESSAGE_BOXES") == "stderr";
}

void MessageEcho::Install() {
  auto* echo = new MessageEcho;
  echo->setParent(qApp);
  qApp->installEventFilter(echo);
}

bool MessageEcho::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (!widget->isWindow()) return false;
  if (auto* box = qobject_cast<QMessageBox*>(widget)) {
    std::fprintf(stderr, "[message] %s: %s\n", qPrintable(box->windowTitle()),
                 qPrintable(box->text()));
    std::fflush(stderr);
    QTimer::singleShot(0, box, [box] {
      QAbstractButton* button = box->defaultButton();
      if (!button) button = box->escapeButton();
      if (button) {
        button->click();
      } else {
        box->reject();
      }
    });
  } else if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
    std::fprintf(stderr, "[file dialog] %s: cancelled\n", qPrintable(dialog->windowTitle()));
    QTimer::singleShot(0, dialog, &QDialog::reject);
  } else {
    std::fprintf(stderr, "[shown] %s\n", qPrintable(widget->objectName()));
    std::fflush(stderr);
  }
  return false;
}

}  // namespace navbin::app
