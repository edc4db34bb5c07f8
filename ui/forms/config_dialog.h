#pragma once
// The frame of a configuration dialog that sends: "&OK" sends and closes,
// "&Apply" sends and stays open, "&Close" closes without sending. What a send
// does is the handler the application gives (it returns false when nothing
// went out, and OK then keeps the dialog open). Also the small builders the
// dialogs share: drop-down lists that start with no selection, edits.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string_view>

#include "ui/forms/form_window.h"
#include "ui/widgets/object_name.h"

class QBoxLayout;

namespace navbin::ui {

// A drop-down list (no typing) of `items`, with no selection.
template <class Items>
QComboBox* ListBox(const ObjectName& name, const Items& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name.text());
  box->setEditable(false);
  for (std::string_view item : items) {
    box->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
  }
  box->setCurrentIndex(-1);
  return box;
}

QLineEdit* Edit(const ObjectName& name, const QString& text, QWidget* parent, int width = 80);
QPushButton* Button(const ObjectName& name, const QString& caption, QWidget* parent);
QCheckBox* CheckBox(const ObjectName& name, const QString& caption, QWidget* parent);

class ConfigDialog : public FormWindow {
  Q_OBJECT
 public:
  using SendHandler = std::function<bool()>;
  ConfigDialog(const QString& objectName, const QString& caption, QWidget* parent);

  void setSendHandler(SendHandler handler) { send_ = std::move(handler); }

  void Button_OKClick();
  void Button_ApplyClick();
  void Button_CancelClick();

  QPushButton* Button_OK = nullptr;
  QPushButton* Button_Apply = nullptr;
  QPushButton* Button_Cancel = nullptr;

 protected:
  // Adds the three buttons to `layout`.
  void addButtons(QBoxLayout* layout);

 private:
  SendHandler send_;
};

}  // namespace navbin::ui
