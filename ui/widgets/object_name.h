#pragma once
// The objectName a builder gives its widget: the shared name of a control the
// Qt-free layers address (names::Panel_LatDeg), or a name that only its own
// window uses.

#include <QObject>
#include <QString>

#include "protocol/presentation/control_name.h"

namespace navbin::reports::names {}
namespace navbin::reports::rows {}

namespace navbin::ui {

inline QString Name(reports::ControlName name) {
  return QString::fromUtf8(name.text().data(), static_cast<qsizetype>(name.text().size()));
}

class ObjectName {
 public:
  ObjectName(reports::ControlName name) : text_(Name(name)) {}        // NOLINT: implicit by design
  ObjectName(const char* local) : text_(QString::fromUtf8(local)) {}  // NOLINT
  ObjectName(const QString& local) : text_(local) {}                  // NOLINT
  const QString& text() const { return text_; }
  operator const QString&() const { return text_; }  // NOLINT

 private:
  QString text_;
};

// The windows spell the shared names as names::Panel_LatDeg, rows::Panel_SV.
namespace names = reports::names;
namespace rows = reports::rows;

// Gives `object` the name and returns it, for builders written inline.
template <class T>
T* Named(T* object, ObjectName name) {
  object->setObjectName(name.text());
  return object;
}

}  // namespace navbin::ui
