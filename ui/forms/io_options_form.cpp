#include "ui/forms/io_options_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"
#include "protocol/presentation/control_names.h"
#include "ui/widgets/colours.h"

namespace navbin::ui {

namespace {
namespace lists = reports::lists;

template <class Items>
QStringList Texts(const Items& items) {
  QStringList texts;
  for (std::string_view item : items) {
    texts << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
  }
  return texts;
}

template <class Items>
RadioGroup* Group(const ObjectName& name, const QString& title, const Items& items,
                  QWidget* parent) {
  return new RadioGroup(name, title, Texts(items), parent);
}
}  // namespace

TForm_IOOptions::TForm_IOOptions(QWidget* parent)
    : ConfigDialog("Form_IOOptions", "I/O Options", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(buildPosition());
  layout->addWidget(buildVelocityAndTiming());
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  addButtons(buttons);
  layout->addLayout(buttons);
  fixSize();
}

QWidget* TForm_IOOptions::buildPosition() {
  auto* panel = new QGroupBox("Position:", this);
  auto* grid = new QGridLayout(panel);
  RadioGroup_Format = Group(names::RadioGroup_Format, "Output Format", lists::kFormat, panel);
  RadioGroup_AltOut =
      Group(names::RadioGroup_AltOut, "LLA Altitude output", lists::kAltitude, panel);
  RadioGroup_Precision =
      Group(names::RadioGroup_Precision, "Precision of Output", lists::kPrecision, panel);
  RadioGroup_AltIn = Group(names::RadioGroup_AltIn, "Altitude Input", lists::kAltitude, panel);
  grid->addWidget(RadioGroup_Format, 0, 0);
  grid->addWidget(RadioGroup_AltOut, 0, 1);
  grid->addWidget(RadioGroup_Precision, 1, 0);
  grid->addWidget(RadioGroup_AltIn, 1, 1);

  auto* row = new QHBoxLayout;
  Label_Datum = new QLabel("Datum:", panel);
  Label_Datum->setObjectName(Name(names::Label_Datum));
  ComboBox_Datum = ListBox(names::ComboBox_Datum, lists::kDatums, panel);
  ComboBox_Datum->setMinimumWidth(200);
  ComboBox_Datum->setMaxVisibleItems(20);
  Label_Datum->setBuddy(ComboBox_Datum);
  // Disabled, drawn in the button-face colour, until a version report enables them.
  Label_Datum->setEnabled(false);
  ComboBox_Datum->setEnabled(false);
  SetFieldColour(ComboBox_Datum, reports::Colour::ButtonFace);
  row->addWidget(Label_Datum);
  row->addWidget(ComboBox_Datum, 1);
  grid->addLayout(row, 2, 0, 1, 2);
  return panel;
}

QWidget* TForm_IOOptions::buildVelocityAndTiming() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  auto* velocity = new QGroupBox("Velocity:", box);
  auto* v = new QVBoxLayout(velocity);
  RadioGroup_Velocity = Group(names::RadioGroup_Velocity, "Output", lists::kVelocity, velocity);
  v->addWidget(RadioGroup_Velocity);
  v->addStretch(1);
  auto* timing = new QGroupBox("Timing:", box);
  auto* t = new QHBoxLayout(timing);
  RadioGroup_Timing = Group(names::RadioGroup_Timing, "Output", lists::kTiming, timing);
  RadioGroup_PPSOutput =
      Group(names::RadioGroup_PPSOutput, "PPS Output", lists::kPpsOutput, timing);
  t->addWidget(RadioGroup_Timing);
  t->addWidget(RadioGroup_PPSOutput);
  row->addWidget(velocity);
  row->addWidget(timing, 1);
  return box;
}

}  // namespace navbin::ui
