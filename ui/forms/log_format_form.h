#pragma once
// The data log format window: a static reference of the record layout, one
// row per value in record order, and notes.

#include <QTableWidget>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_LogFormat : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_LogFormat(QWidget* parent);

  QTableWidget* StringGrid_Format = nullptr;
};

}  // namespace navbin::ui
