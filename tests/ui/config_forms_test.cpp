// The configuration dialogs as built: every control the decoders and
// dialog steps reach, start states, lists, and OK/Apply/Close.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "protocol/presentation/config_control_names.h"
#include "ui/forms/filters_form.h"
#include "ui/forms/gps_form.h"
#include "ui/forms/initial_pos_form.h"
#include "ui/forms/initial_time_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/sensitivity_form.h"
#include "ui/forms/serial_form.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui {
namespace {

using reports::Form;

TEST(ConfigForms, ControlsStartStatesListsAndButtons) {
  TForm_IOOptions io(nullptr);
  TForm_InitialPos pos(nullptr);
  TForm_InitialTime time(nullptr);
  TForm_GPS gps(nullptr);
  TForm_Serial serial(nullptr);
  WidgetDisplay display;
  const std::pair<Form, QWidget*> forms[] = {{Form::IOOptions, &io},
                                             {Form::InitialPos, &pos},
                                             {Form::InitialTime, &time},
                                             {Form::GPS, &gps},
                                             {Form::Serial, &serial}};
  for (auto [form, window] : forms) {
    display.registerForm(form, window);
    // No list or group starts with a selection.
    for (auto* box : window->findChildren<QComboBox*>()) EXPECT_EQ(box->currentIndex(), -1);
    for (auto* group : window->findChildren<RadioGroup*>()) EXPECT_EQ(group->itemIndex(), -1);
  }
  for (const auto& c : reports::kConfigDialogControls) {
    EXPECT_NE(display.control(c.form, c.name), nullptr) << c.name.text();
  }
  EXPECT_EQ(io.ComboBox_Datum->count(), 180);
  EXPECT_EQ(io.ComboBox_Datum->itemText(179), "Tokyo GSI coords");
  for (auto* edit : gps.findChildren<QLineEdit*>()) EXPECT_EQ(edit->text(), "-1");
  EXPECT_FALSE(pos.GroupBox_LLA->isHidden());
  EXPECT_FALSE(pos.GroupBox_LLA->isEnabled());
  EXPECT_TRUE(pos.GroupBox_ECEF->isHidden());
  EXPECT_FALSE(pos.Button_File1->isEnabled());
  EXPECT_EQ(display.colour(Form::InitialTime, reports::names::Shape_TimeAccepted),
            reports::Colour::Gray);

  // OK sends and closes, unless the send refused; Apply stays; Close never sends.
  int sends = 0;
  bool accept = false;
  gps.setSendHandler([&] { return ++sends, accept; });
  gps.show();
  gps.Button_OK->click();
  EXPECT_TRUE(gps.isVisible());
  accept = true;
  gps.Button_Apply->click();
  EXPECT_TRUE(gps.isVisible());
  gps.Button_OK->click();
  EXPECT_FALSE(gps.isVisible());
  gps.show();
  gps.Button_Cancel->click();
  EXPECT_FALSE(gps.isVisible());
  EXPECT_EQ(sends, 3);
}

TEST(ConfigForms, FilterRuleAndTypedMode) {
  TForm_Filters filters(nullptr);
  TForm_Sensitivity sensitivity(nullptr);
  // Clearing the position-velocity filter clears and disables the static one;
  // checking it again enables it, still cleared.
  filters.CheckBox_Dynamic->click();
  filters.CheckBox_Static->click();
  filters.CheckBox_Dynamic->click();
  EXPECT_FALSE(filters.CheckBox_Static->isChecked() || filters.CheckBox_Static->isEnabled());
  filters.CheckBox_Dynamic->click();
  EXPECT_TRUE(filters.CheckBox_Static->isEnabled() && !filters.CheckBox_Static->isChecked());

  // The mode list: "OFF", "ON", nothing selected; typed text selects the item
  // it spells, or none while keeping the text.
  QComboBox* mode = sensitivity.ComboBox_NewMode;
  EXPECT_EQ(mode->currentIndex(), -1);
  const std::pair<const char*, int> typed[] = {{"ON", 1}, {"O", -1}, {"OFF", 0}, {"maybe", -1}};
  for (auto [text, index] : typed) {
    mode->lineEdit()->selectAll();
    QTest::keyClicks(mode->lineEdit(), text);
    EXPECT_EQ(mode->currentIndex(), index) << text;
    EXPECT_EQ(mode->currentText(), text);
  }
  EXPECT_EQ(mode->count(), 2);  // typed text adds no item
}

}  // namespace
}  // namespace navbin::ui
