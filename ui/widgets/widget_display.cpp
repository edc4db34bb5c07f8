#include "ui/widgets/widget_display.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "ui/widgets/colours.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

namespace {
QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
std::size_t Slot(reports::Form form) {
  return static_cast<std::size_t>(form);
}
}  // namespace

void WidgetDisplay::registerForm(reports::Form form, QWidget* window) {
  forms_[Slot(form)] = window;
  cache_[Slot(form)].clear();
}

QWidget* WidgetDisplay::form(reports::Form form) const {
  return forms_[Slot(form)];
}

QObject* WidgetDisplay::control(reports::Form form, reports::ControlName name) const {
  QWidget* window = forms_[Slot(form)];
  if (!window) return nullptr;
  const QString key = ToQString(name.text());
  auto& cache = cache_[Slot(form)];
  if (auto it = cache.constFind(key); it != cache.constEnd() && *it) return *it;
  QObject* found = window->objectName() == key ? window : window->findChild<QObject*>(key);
  if (found) cache.insert(key, found);
  return found;
}

QObject* WidgetDisplay::find(reports::Form form, reports::ControlName name) const {
  QObject* found = control(form, name);
  if (!found) {
    const bool first = misses_.insert({form, std::string(name.text())}).second;
    if (first && forms_[Slot(form)]) {
      qWarning("navbin: window %s has no control %s", qPrintable(forms_[Slot(form)]->objectName()),
               qPrintable(ToQString(name.text())));
    }
  }
  return found;
}

void WidgetDisplay::setText(reports::Form form, reports::ControlName name,
                            const std::string& text) {
  QObject* c = find(form, name);
  const QString t = QString::fromStdString(text);
  if (auto* label = qobject_cast<QLabel*>(c)) {
    if (label->text() != t) label->setText(t);
  } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
    edit->setText(t);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(c)) {
    plain->setPlainText(t);
  } else if (auto* rich = qobject_cast<QTextEdit*>(c)) {
    rich->setPlainText(t);
  } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
    button->setText(t);
  } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
    group->setTitle(t);
  } else if (auto* action = qobject_cast<QAction*>(c)) {
    action->setText(t);
  } else if (auto* widget = qobject_cast<QWidget*>(c); widget && widget->isWindow()) {
    widget->setWindowTitle(t);
  }
}

std::string WidgetDisplay::text(reports::Form form, reports::ControlName name) const {
  QObject* c = find(form, name);
  QString t;
  if (auto* label = qobject_cast<QLabel*>(c)) {
    t = label->text();
  } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
    t = edit->text();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(c)) {
    t = plain->toPlainText();
  } else if (auto* rich = qobject_cast<QTextEdit*>(c)) {
    t = rich->toPlainText();
  } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
    t = combo->currentText();
  } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
    t = button->text();
  } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
    t = group->title();
  } else if (auto* action = qobject_cast<QAction*>(c)) {
    t = action->text();
  }
  return t.toStdString();
}

void WidgetDisplay::setColour(reports::Form form, reports::ControlName name,
                              reports::Colour colour) {
  QObject* c = find(form, name);
  if (auto* panel = qobject_cast<Panel*>(c)) {
    panel->setFill(colour);
  } else if (auto* shape = qobject_cast<Shape*>(c)) {
    shape->setFill(colour);
  } else if (auto* widget = qobject_cast<QWidget*>(c)) {
    SetFieldColour(widget, colour);  // lists and edits: the colour of their field
  }
}

reports::Colour WidgetDisplay::colour(reports::Form form, reports::ControlName name) const {
  QObject* c = find(form, name);
  if (auto* panel = qobject_cast<Panel*>(c)) return panel->fill();
  if (auto* shape = qobject_cast<Shape*>(c)) return shape->fill();
  if (c && c->property("fill").isValid()) {
    return static_cast<reports::Colour>(c->property("fill").toInt());
  }
  return reports::Colour::Window;
}

void WidgetDisplay::setTextColour(reports::Form form, reports::ControlName name,
                                  reports::Colour colour) {
  if (auto* panel = qobject_cast<Panel*>(find(form, name))) panel->setTextColour(colour);
}

void WidgetDisplay::setHint(reports::Form form, reports::ControlName name,
                            const std::string& hint) {
  if (auto* widget = qobject_cast<QWidget*>(find(form, name))) {
    const QString h = QString::fromStdString(hint);
    widget->setToolTip(h);
    widget->setStatusTip(h);
  }
}

void WidgetDisplay::setVisible(reports::Form form, reports::ControlName name, bool visible) {
  QObject* c = find(form, name);
  if (auto* widget = qobject_cast<QWidget*>(c)) {
    if (widget->isWindow() ? widget->isVisible() != visible : widget->isHidden() == visible) {
      widget->setVisible(visible);
    }
  } else if (auto* action = qobject_cast<QAction*>(c)) {
    action->setVisible(visible);
  }
}

void WidgetDisplay::setEnabled(reports::Form form, reports::ControlName name, bool enabled) {
  QObject* c = find(form, name);
  if (auto* widget = qobject_cast<QWidget*>(c)) {
    widget->setEnabled(enabled);
  } else if (auto* action = qobject_cast<QAction*>(c)) {
    action->setEnabled(enabled);
  }
}

void WidgetDisplay::setChecked(reports::Form form, reports::ControlName name, bool checked) {
  QObject* c = find(form, name);
  if (auto* button = qobject_cast<QAbstractButton*>(c)) {
    if (button->isCheckable()) button->setChecked(checked);
  } else if (auto* action = qobject_cast<QAction*>(c)) {
    action->setChecked(checked);
  }
}

bool WidgetDisplay::checked(reports::Form form, reports::ControlName name) const {
  QObject* c = find(form, name);
  if (auto* button = qobject_cast<QAbstractButton*>(c)) return button->isChecked();
  if (auto* action = qobject_cast<QAction*>(c)) return action->isChecked();
  return false;
}

void WidgetDisplay::setSelectedIndex(reports::Form form, reports::ControlName name, int index) {
  QObject* c = find(form, name);
  if (auto* combo = qobject_cast<QComboBox*>(c)) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  } else if (auto* group = qobject_cast<RadioGroup*>(c)) {
    group->setItemIndex(index);
  }
}

int WidgetDisplay::selectedIndex(reports::Form form, reports::ControlName name) const {
  QObject* c = find(form, name);
  if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentIndex();
  if (auto* group = qobject_cast<RadioGroup*>(c)) return group->itemIndex();
  return -1;
}

void WidgetDisplay::setItems(reports::Form form, reports::ControlName name,
                             const std::vector<std::string>& items) {
  auto* combo = qobject_cast<QComboBox*>(find(form, name));
  if (!combo) return;
  const QSignalBlocker block(combo);  // refilling is not a user's choice
  combo->clear();
  for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
  combo->setCurrentIndex(-1);
}

}  // namespace navbin::ui
