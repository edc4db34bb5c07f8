#include "ui/forms/alm_form.h"

#include "ui/forms/cancel_button.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/transfer_control_names.h"
#include "ui/forms/common_control_names.h"

namespace navbin::ui {

namespace {
constexpr int kRowsPerColumn = 12;

// A light with its caption, in `column` of the grid at `row`.
Shape* Light(QGridLayout* grid, int row, int column, const ObjectName& name, const QString& caption,
             QWidget* parent) {
  auto* shape = new Shape(name, parent);
  grid->addWidget(shape, row, 2 * column, Qt::AlignCenter);
  grid->addWidget(new QLabel(caption, parent), row, 2 * column + 1);
  return shape;
}
}  // namespace

TForm_Alm::TForm_Alm(QWidget* parent) : FormWindow("Form_Alm", "Data Loading Status", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(12);

  auto* lights = new QGridLayout;
  lights->setHorizontalSpacing(8);
  lights->setVerticalSpacing(4);
  for (std::size_t index = 0; index < Shape_SV.size(); ++index) {
    const int k = static_cast<int>(index);
    Shape_SV[index] = Light(lights, k % kRowsPerColumn, k / kRowsPerColumn, rows::Shape_SV[index],
                            QString("SV %1 Almanac").arg(k + 1), this);
  }
  Shape_Iono = Light(lights, 8, 2, names::Shape_Iono, "Ionospheric Data", this);
  Shape_UTC = Light(lights, 9, 2, names::Shape_UTC, "UTC Time Data", this);
  Shape_Alm =
      Light(lights, 10, 2, names::Shape_Alm, "Almanac Health Page, \nt_oa, and wn_oa", this);
  for (int c : {2, 4}) lights->setColumnMinimumWidth(c - 1, 110);
  layout->addLayout(lights);

  auto* status = new QHBoxLayout;
  status->setSpacing(8);
  status->addWidget(new QLabel("Loading Status:", this));
  Shape_LoadStatus = new Shape(names::Shape_LoadStatus, this);
  status->addWidget(Shape_LoadStatus);
  Label_LoadStatus = new QLabel("Off", this);
  Label_LoadStatus->setObjectName(Name(names::Label_LoadStatus));
  Label_LoadStatus->setMinimumWidth(
      Label_LoadStatus->fontMetrics().horizontalAdvance("Download Complete  "));
  status->addWidget(Label_LoadStatus);
  status->addStretch(1);
  Button_Cancel = CancelButton(this);
  status->addWidget(Button_Cancel);
  Button_Close = new QPushButton("&Close", this);
  Button_Close->setObjectName(common::Button_Close);
  Button_Close->setAutoDefault(false);
  connect(Button_Close, &QPushButton::clicked, this, &QWidget::close);
  status->addWidget(Button_Close);
  layout->addLayout(status);
  fixSize();
}

void TForm_Alm::setVisible(bool visible) {
  if (!visible && isVisible()) reset();
  FormWindow::setVisible(visible);
}

void TForm_Alm::reset() {
  for (Shape* light : findChildren<Shape*>()) light->setFill(reports::Colour::Gray);
  Label_LoadStatus->setText("Off");
}

}  // namespace navbin::ui
