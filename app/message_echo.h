#pragma once
// For runs without anyone at the screen (tests, scripted runs): with the
// environment variable NAVBIN_MESSAGE_BOXES=stderr every message box is
// printed to standard error as "[message] <caption>: <text>" and answered at
// once with its default button, file dialogs are cancelled, and every other
// top-level window that is shown is reported as "[shown] <objectName>".

#include <QObject>

namespace navbin::app {

class MessageEcho final : public QObject {
  Q_OBJECT
 public:
  // True when NAVBIN_MESSAGE_BOXES is "stderr".
  static bool Requested();
  // Installs an echo on the application, owned by it.
  static void Install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace navbin::app
