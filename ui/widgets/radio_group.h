#pragma once
// A titled group of radio buttons that carries its packet value as the
// selected item's position, 0 first, -1 for none.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include "ui/widgets/object_name.h"

namespace navbin::ui {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const ObjectName& objectName, const QString& title, const QStringList& items,
             QWidget* parent);

  // An index outside the items leaves no button checked.
  void setItemIndex(int index);
  int itemIndex() const { return buttons_->checkedId(); }
  int count() const { return static_cast<int>(buttons_->buttons().size()); }

 signals:
  void itemIndexChanged(int index);

 private:
  QButtonGroup* buttons_;
};

}  // namespace navbin::ui
