// The single-port and multi-port layouts and the diagnostics menu.

#include <QAction>
#include <QFrame>
#include <QLayout>
#include <QMenu>

#include "app/main_form.h"

namespace navbin::app {

void TForm_Main::applyLayout(bool multiport) {
  multiport_ = multiport;
  menus->WindowMultiPort->setChecked(multiport);
  menus->MenuMP_MultiPort->setChecked(multiport);
  portPanel->setVisible(multiport);

  // The window keeps a fixed size, that of its contents in this layout; the
  // status row follows the width. Size hints are cached on the way up, so
  // each level is told before the window asks.
  for (QWidget* w = portPanel->parentWidget(); w; w = w->parentWidget()) {
    w->updateGeometry();
    if (w->layout()) w->layout()->invalidate();
    if (w == this) break;
  }
  if (QLayout* own = layout()) own->activate();
  setFixedSize(sizeHint());
}

bool TForm_Main::isMultiportLayout() const {
  // Not the check mark: a checkable entry has already toggled it when its
  // handler runs.
  return multiport_;
}

void TForm_Main::setDiagnosticsVisible(bool visible) {
  menus->Menu_Diagnostics->menuAction()->setVisible(visible);
}

}  // namespace navbin::app
