// Single reports through the dispatcher into the real windows: the product
// information and clock bias windows, the datum controls, the bias check box
// and the ageing of a tracking row. Also writes pictures of the auxiliary
// windows under the build folder.

#include <gtest/gtest.h>

#include <QDir>

#include "protocol/reports/age_channels.h"
#include "tests/ui/replay_fixture.h"
#include "ui/forms/about_form.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/product_form.h"
#include "ui/forms/track_form.h"
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
  EXPECT_EQ(product.Panel_NavDate->text(), "3/7/2004");
  EXPECT_EQ(product.Panel_SigVersion->text(), "2.03");
  EXPECT_EQ(product.Panel_SigDate->text(), "4/5/2006");
  EXPECT_FALSE(io.Label_Datum->isEnabled() || io.ComboBox_Datum->isEnabled());
  EXPECT_EQ(rig.display.colour(reports::Form::IOOptions, "ComboBox_Datum"), Colour::ButtonFace);
  rig.dispatch(0x45, Version(1, 12));
  EXPECT_TRUE(io.Label_Datum->isEnabled() && io.ComboBox_Datum->isEnabled());
  EXPECT_EQ(rig.display.colour(reports::Form::IOOptions, "ComboBox_Datum"), Colour::Window);
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

TEST(WindowsFromReports, TrackingRowBlanksAtTheFifthAgeingStep) {
  testing::ReplayRig rig;
  const TForm_Track& track = *rig.forms.Form_Track;
  const auto tracking = [](int sv, int channel) {
    return Payload().u8(sv).u8(channel << 3).u8(1).u8(1).single(41).single(12.5f).zeros(12);
  };
  rig.dispatch(0x5C, tracking(17, 3));
  rig.dispatch(0x5C, tracking(5, 12));  // channel 12 does not exist
  ASSERT_EQ(track.svCells[3]->text(), "17");
  EXPECT_EQ(track.amuCells[3]->text(), "41.0");
  EXPECT_EQ(track.timeCells[3]->text(), "12.5");
  for (int step = 1; step <= 4; ++step) {
    reports::ageChannels(rig.dispatcher.context());
    EXPECT_EQ(track.svCells[3]->text(), "17") << "step " << step;
    EXPECT_EQ(track.acqLights[3]->fill(), Colour::Lime);
  }
  reports::ageChannels(rig.dispatcher.context());
  for (const Panel* cell : {track.svCells[3], track.amuCells[3], track.timeCells[3],
                            track.elevCells[3], track.azimCells[3]}) {
    EXPECT_TRUE(cell->text().isEmpty()) << cell->objectName().toStdString();
  }
  EXPECT_EQ(track.acqLights[3]->fill(), Colour::Gray);
  EXPECT_EQ(track.ephLights[3]->fill(), Colour::Gray);
  for (int k = 0; k < 12; ++k) EXPECT_EQ(track.svCells[k]->fill(), Colour::Window);
}

}  // namespace
}  // namespace navbin::ui
