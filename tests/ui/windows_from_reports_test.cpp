// Single reports through the dispatcher into the real windows: the product
// information and clock bias windows, the datum controls, the bias check box
// and the bias check box. Also writes pictures of the auxiliary
// windows under the build folder.

#include <gtest/gtest.h>

#include <QDir>

#include "tests/ui/replay_fixture.h"
#include "ui/forms/about_form.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/product_form.h"
#include "ui/widgets/colours.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using support::Bytes;
using support::Payload;

Bytes Version(int major, int minor) {
  return Payload().u8(major).u8(minor).u8(3).u8(7).u8(4).u8(2).u8(3).u8(4).u8(5).u8(6);
}

// 0x4A: latitude, longitude, altitude, clock bias (m), time of fix.
Bytes LlaPosition(float biasMetres) {
  return Payload().single(0.7f).single(-1.2f).single(120).single(biasMetres).single(166117);
}

bool Save(QWidget& window, const char* name) {
  return window.grab().save(QDir(NAVBIN_BINARY_DIR).filePath(name));
}

TEST(WindowsFromReports, VersionReportFillsTheProductWindowAndEnablesTheDatum) {
  testing::ReplayRig rig;
  TForm_Product& product = *rig.forms.Form_Product;
  const TForm_IOOptions& io = *rig.forms.Form_IOOptions;
  rig.dispatch(0x45, Bytes(9, 1));       // wrong length
  rig.dispatch(0x45, Version(1, 5), 4);  // not the display port
  EXPECT_EQ(product.Panel_NavVersion->text(), "?");

  rig.dispatch(0x45, Version(1, 11));
  EXPECT_EQ(product.Panel_NavVersion->text(), "1.11");
  EXPECT_EQ(product.Panel_SigDate->text(), "4/5/2006");
  EXPECT_FALSE(io.Label_Datum->isEnabled() || io.ComboBox_Datum->isEnabled());
  EXPECT_EQ(rig.display.colour(reports::Form::IOOptions, reports::names::ComboBox_Datum),
            Colour::ButtonFace);
  rig.dispatch(0x45, Version(1, 12));
  EXPECT_TRUE(io.Label_Datum->isEnabled() && io.ComboBox_Datum->isEnabled());
  EXPECT_EQ(rig.display.colour(reports::Form::IOOptions, reports::names::ComboBox_Datum),
            Colour::Window);
  EXPECT_EQ(io.ComboBox_Datum->palette().color(QPalette::Base),
            ToQColor(Colour::Window, io.palette()));
  rig.dispatch(0x45, Version(1, 5));
  EXPECT_EQ(product.Panel_NavVersion->text(), "1.05");
  ASSERT_TRUE(Save(product, "product_window.png"));
  ASSERT_TRUE(Save(*rig.forms.Form_About, "about_window.png"));
}

TEST(WindowsFromReports, BiasWithoutNewValueStaysOnButtonFace) {
  testing::ReplayRig rig;
  TForm_Bias& bias = *rig.forms.Form_Bias;
  rig.forms.Form_Log->CheckBox_Bias->setChecked(true);
  rig.dispatch(0x4A, LlaPosition(149.896229f));  // 500 ns of clock bias
  EXPECT_EQ(bias.Panel_Bias->text(), "500.00");
  EXPECT_EQ(bias.Panel_Bias->fill(), Colour::Window);
  EXPECT_TRUE(rig.forms.Form_Log->CheckBox_Bias->isEnabled());

  rig.dispatch(0x42, Bytes(16, 0));  // XYZ position: no bias
  EXPECT_EQ(bias.Panel_Bias->text(), "500.00");
  EXPECT_EQ(bias.Panel_Bias->fill(), Colour::ButtonFace);
  EXPECT_NE(bias.Panel_Bias->palette().color(QPalette::Window),
            ToQColor(Colour::Window, bias.palette()));
  EXPECT_FALSE(rig.forms.Form_Log->CheckBox_Bias->isEnabled());
  EXPECT_FALSE(rig.forms.Form_Log->CheckBox_Bias->isChecked());  // logging is off
  ASSERT_TRUE(Save(bias, "bias_window.png"));

  rig.dispatch(0x4A, LlaPosition(0.0f));
  EXPECT_EQ(bias.Panel_Bias->text(), "0.00");
  EXPECT_EQ(bias.Panel_Bias->fill(), Colour::Window);
  EXPECT_TRUE(rig.forms.Form_Log->CheckBox_Bias->isEnabled());
}

}  // namespace
}  // namespace navbin::ui
