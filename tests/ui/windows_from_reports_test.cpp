// Single reports through the dispatcher into the real windows: the product
// information and clock bias windows, the datum controls, the bias check box
// and the ageing of a tracking row. Also writes pictures of the auxiliary
// windows under the build folder.

#include <gtest/gtest.h>

#include <QDir>

#include "link/field_codec.h"
#include "protocol/reports/age_channels.h"
#include "tests/ui/replay_fixture.h"
#include "ui/forms/about_form.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/product_form.h"
#include "ui/forms/track_form.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using Bytes = std::vector<std::uint8_t>;

Bytes Version(std::uint8_t major, std::uint8_t minor) {
  return {major, minor, 3, 7, 4, 2, 3, 4, 5, 6};
}

// 0x4A: latitude, longitude, altitude, clock bias (m), time of fix.
Bytes LlaPosition(float biasMetres) {
  Bytes p(20, 0);
  link::PutSingle(0.7f, p.data());
  link::PutSingle(-1.2f, p.data() + 4);
  link::PutSingle(120.0f, p.data() + 8);
  link::PutSingle(biasMetres, p.data() + 12);
  link::PutSingle(166117.0f, p.data() + 16);
  return p;
}

Bytes TrackingStatus(std::uint8_t sv, int channel) {
  Bytes p(24, 0);
  p[0] = sv;
  p[1] = static_cast<std::uint8_t>(channel << 3);
  p[2] = 1;
  p[3] = 1;
  link::PutSingle(41.0f, p.data() + 4);
  link::PutSingle(12.5f, p.data() + 8);
  return p;
}

TEST(WindowsFromReports, VersionReportFillsTheProductWindow) {
  testing::ReplayRig rig;
  TForm_Product& product = *rig.forms.Form_Product;
  rig.dispatch(0x45, Bytes(9, 1));  // wrong length
  EXPECT_EQ(product.Panel_NavVersion->text(), "?");
  rig.dispatch(0x45, Version(1, 5), 4);  // not the display port
  EXPECT_EQ(product.Panel_NavVersion->text(), "?");

  rig.dispatch(0x45, Version(1, 5));
  EXPECT_EQ(product.Panel_NavVersion->text(), "1.05");
  EXPECT_EQ(product.Panel_NavDate->text(), "3/7/2004");
  EXPECT_EQ(product.Panel_SigVersion->text(), "2.03");
  EXPECT_EQ(product.Panel_SigDate->text(), "4/5/2006");
  ASSERT_TRUE(product.grab().save(QDir(NAVBIN_BINARY_DIR).filePath("product_window.png")));
}

TEST(WindowsFromReports, DatumControlsFollowTheFirmwareVersion) {
  testing::ReplayRig rig;
  const TForm_IOOptions& io = *rig.forms.Form_IOOptions;
  rig.dispatch(0x45, Version(1, 11));
  EXPECT_FALSE(io.Label_Datum->isEnabled());
  EXPECT_FALSE(io.ComboBox_Datum->isEnabled());
  EXPECT_EQ(rig.display.colour(reports::Form::IOOptions, "ComboBox_Datum"), Colour::ButtonFace);
  rig.dispatch(0x45, Version(1, 12));
  EXPECT_TRUE(io.Label_Datum->isEnabled());
  EXPECT_TRUE(io.ComboBox_Datum->isEnabled());
  EXPECT_EQ(rig.display.colour(reports::Form::IOOptions, "ComboBox_Datum"), Colour::Window);
}

TEST(WindowsFromReports, BiasWithoutNewValueStaysOnButtonFace) {
  testing::ReplayRig rig;
  TForm_Bias& bias = *rig.forms.Form_Bias;
  rig.forms.Form_Log->CheckBox_Bias->setChecked(true);
  // 149.896229 m of clock bias is 500 ns.
  rig.dispatch(0x4A, LlaPosition(149.896229f));
  EXPECT_EQ(bias.Panel_Bias->text(), "500.00");
  EXPECT_EQ(bias.Panel_Bias->fill(), Colour::Window);
  EXPECT_TRUE(rig.forms.Form_Log->CheckBox_Bias->isEnabled());

  rig.dispatch(0x42, Bytes(16, 0));  // XYZ position: no bias
  EXPECT_EQ(bias.Panel_Bias->text(), "500.00");
  EXPECT_EQ(bias.Panel_Bias->fill(), Colour::ButtonFace);
  EXPECT_FALSE(rig.forms.Form_Log->CheckBox_Bias->isEnabled());
  EXPECT_FALSE(rig.forms.Form_Log->CheckBox_Bias->isChecked());  // logging is off
  ASSERT_TRUE(bias.grab().save(QDir(NAVBIN_BINARY_DIR).filePath("bias_window.png")));

  rig.dispatch(0x4A, LlaPosition(0.0f));
  EXPECT_EQ(bias.Panel_Bias->text(), "0.00");
  EXPECT_EQ(bias.Panel_Bias->fill(), Colour::Window);
  EXPECT_TRUE(rig.forms.Form_Log->CheckBox_Bias->isEnabled());
}

TEST(WindowsFromReports, TrackingRowBlanksAtTheFifthAgeingStep) {
  testing::ReplayRig rig;
  const TForm_Track& track = *rig.forms.Form_Track;
  rig.dispatch(0x5C, TrackingStatus(17, 3));
  rig.dispatch(0x5C, TrackingStatus(5, 12));  // channel 12 does not exist
  ASSERT_EQ(track.svCells[3]->text(), "17");
  EXPECT_EQ(track.amuCells[3]->text(), "41.0");
  EXPECT_EQ(track.timeCells[3]->text(), "12.5");
  for (int step = 1; step <= 4; ++step) {
    reports::ageChannels(rig.dispatcher.context());
    EXPECT_EQ(track.svCells[3]->text(), "17") << "step " << step;
    EXPECT_EQ(track.acqLights[3]->fill(), Colour::Lime);
  }
  reports::ageChannels(rig.dispatcher.context());
  EXPECT_TRUE(track.svCells[3]->text().isEmpty());
  EXPECT_TRUE(track.amuCells[3]->text().isEmpty());
  EXPECT_TRUE(track.timeCells[3]->text().isEmpty());
  EXPECT_TRUE(track.elevCells[3]->text().isEmpty());
  EXPECT_TRUE(track.azimCells[3]->text().isEmpty());
  EXPECT_EQ(track.acqLights[3]->fill(), Colour::Gray);
  EXPECT_EQ(track.ephLights[3]->fill(), Colour::Gray);
  for (int k = 0; k < 12; ++k) EXPECT_EQ(track.svCells[k]->fill(), Colour::Window);
}

TEST(WindowsFromReports, PictureOfTheAboutWindow) {
  testing::ReplayRig rig;
  ASSERT_TRUE(
      rig.forms.Form_About->grab().save(QDir(NAVBIN_BINARY_DIR).filePath("about_window.png")));
}

}  // namespace
}  // namespace navbin::ui
