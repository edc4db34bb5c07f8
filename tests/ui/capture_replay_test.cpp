// The six receiver recordings replayed through the dispatcher into the real
// windows. Expected cells are worked out from the last report of each kind in
// the recording (packet numbers count complete frames from 0).

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <string>

#include "protocol/reports/control_names.h"
#include "tests/ui/replay_fixture.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/product_form.h"
#include "ui/forms/track_form.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using reports::Form;

std::string Capture(const char* name) {
  return std::string(NAVBIN_CAPTURES_DIR) + "/" + name;
}

struct Row {
  int channel;
  const char *sv, *amu, *time, *elev, *azim;
  Colour acq, eph;
};

void ExpectRow(const TForm_Track& track, const Row& r) {
  SCOPED_TRACE("channel " + std::to_string(r.channel));
  const int k = r.channel;
  EXPECT_EQ(track.svCells[k]->text().toStdString(), r.sv);
  EXPECT_EQ(track.amuCells[k]->text().toStdString(), r.amu);
  EXPECT_EQ(track.timeCells[k]->text().toStdString(), r.time);
  EXPECT_EQ(track.elevCells[k]->text().toStdString(), r.elev);
  EXPECT_EQ(track.azimCells[k]->text().toStdString(), r.azim);
  EXPECT_EQ(track.acqLights[k]->fill(), r.acq);
  EXPECT_EQ(track.ephLights[k]->fill(), r.eph);
}

void ExpectRowEmpty(const TForm_Track& track, int k) {
  SCOPED_TRACE("channel " + std::to_string(k));
  EXPECT_TRUE(track.svCells[k]->text().isEmpty());
  EXPECT_TRUE(track.amuCells[k]->text().isEmpty());
  EXPECT_EQ(track.acqLights[k]->fill(), Colour::Gray);
  EXPECT_EQ(track.ephLights[k]->fill(), Colour::Gray);
}

void ExpectDops(const TForm_Track& track, const char* p, const char* h, const char* v,
                const char* t, const char* selection) {
  EXPECT_EQ(track.Panel_PDOP->text().toStdString(), p);
  EXPECT_EQ(track.Panel_HDOP->text().toStdString(), h);
  EXPECT_EQ(track.Panel_VDOP->text().toStdString(), v);
  EXPECT_EQ(track.Panel_TDOP->text().toStdString(), t);
  EXPECT_EQ(track.Panel_SVSel->text().toStdString(), selection);
}

TEST(CaptureReplay, NavTrackingFillsTheTrackingWindow) {
  testing::ReplayRig rig;
  ASSERT_EQ(rig.replay(Capture("nav-tracking.nvb")), 168);
  const TForm_Track& track = *rig.forms.Form_Track;
  // Packet 163, 0x5C: 1E 48 01 13 | 41F00000 45A04424 3EC26348 4063C690 ...
  // SV 30, byte 1 0x48 is channel 9 (row 10), acquired, good ephemeris,
  // 30.0 AMU, 5128.5 s, 0.3797 rad = 21.8 deg, 3.5590 rad = 203.9 deg.
  ExpectRow(track, {9, "30", "30.0", "5128.5", "21.8", "203.9", Colour::Lime, Colour::Lime});
  EXPECT_EQ(rig.display.text(Form::Track, "Panel_SV10"), "30");
  // Packet 158: SV 26 on channel 0, never acquired, no ephemeris, 0.0 AMU.
  ExpectRow(track, {0, "26", "0.0", "5128.5", "6.1", "137.8", Colour::Yellow, Colour::Yellow});
  // Packet 165: SV 7 on channel 11, never acquired, ephemeris flag 3.
  ExpectRow(track, {11, "7", "29.0", "5128.5", "40.2", "296.7", Colour::Yellow, Colour::Lime});
  // Channels 2, 3 and 8 never report.
  for (int k : {2, 3, 8}) ExpectRowEmpty(track, k);
  // Packet 154, 0x6D: 43 | 40A5E1DC 40A5E0DD 3D117E05 4002DB2D | 02 0A 1E 18.
  ExpectDops(track, "5.2", "5.2", "0.0", "2.0", "   2  10  30  24");

  const QString png = QDir(NAVBIN_BINARY_DIR).filePath("tracking_window.png");
  ASSERT_TRUE(rig.forms.Form_Track->grab().save(png)) << png.toStdString();
}

TEST(CaptureReplay, Nav3dTracking) {
  testing::ReplayRig rig;
  ASSERT_EQ(rig.replay(Capture("nav-3d-tracking.nvb")), 238);
  const TForm_Track& track = *rig.forms.Form_Track;
  // Packet 232: SV 18 on channel 3 (byte 1 0x18), acquired, ephemeris 0x13.
  ExpectRow(track, {3, "18", "27.0", "25148.5", "25.7", "95.9", Colour::Lime, Colour::Lime});
  // Packet 236: SV 22 on channel 8 (byte 1 0x40).
  ExpectRow(track, {8, "22", "39.0", "25148.5", "64.0", "94.0", Colour::Lime, Colour::Lime});
  for (int k : {0, 2, 7, 10, 11}) ExpectRowEmpty(track, k);
  // Packet 237, 0x6D: byte 0 0x23, all DOPs 0.0, SVs 0x16 and 0x09.
  ExpectDops(track, "0.0", "0.0", "0.0", "0.0", "  22   9");
}

TEST(CaptureReplay, NavXyzDouble2d) {
  testing::ReplayRig rig;
  ASSERT_EQ(rig.replay(Capture("nav-xyz-double-2d.nvb")), 198);
  const TForm_Track& track = *rig.forms.Form_Track;
  // Packet 192: SV 9 on channel 4 with no signal (level 0.0).
  ExpectRow(track, {4, "9", "0.0", "517106.5", "15.8", "275.3", Colour::Yellow, Colour::Yellow});
  // Packet 197: SV 22 on channel 10 (row 11).
  ExpectRow(track, {10, "22", "38.0", "517106.5", "73.8", "180.7", Colour::Lime, Colour::Lime});
  ExpectRowEmpty(track, 7);
  ExpectRowEmpty(track, 11);
  // Packet 186, 0x6D of 20 bytes: three SVs 3, 31, 1.
  ExpectDops(track, "3.9", "3.7", "1.0", "0.9", "   3  31   1");
}

TEST(CaptureReplay, NavLlaDoubleFillsDopsAndTheClockBiasWindow) {
  testing::ReplayRig rig;
  ASSERT_EQ(rig.replay(Capture("nav-lla-double.nvb")), 188);
  const TForm_Track& track = *rig.forms.Form_Track;
  for (int k = 0; k < 12; ++k) ExpectRowEmpty(track, k);  // no 0x5C in this recording
  // Packet 186, 0x6D: 43 | 40C1B107 40C1B033 3D0F22E4 400532F2 | 1E 0E 03 15.
  ExpectDops(track, "6.1", "6.1", "0.0", "2.1", "  30  14   3  21");
  // Packet 184, 0x84: clock bias C0CC2733F729F240 = -14414.406 m = -48081.28 ns.
  EXPECT_EQ(rig.forms.Form_Bias->Panel_Bias->text(), "-48081.28");
  EXPECT_EQ(rig.forms.Form_Bias->Panel_Bias->fill(), Colour::Window);
  // Packet 185, 0x56: bias rate 42F6A25D = 123.317 m/s = 411.34 ppb.
  EXPECT_EQ(rig.forms.Form_Bias->Panel_BiasRate->text(), "411.34");
}

TEST(CaptureReplay, TimingBFillsTenSelectedSvs) {
  testing::ReplayRig rig;
  ASSERT_EQ(rig.replay(Capture("timing-b.nvb")), 125);
  const TForm_Track& track = *rig.forms.Form_Track;
  // Packet 118: SV 23 on channel 9, ephemeris flag 1.
  ExpectRow(track, {9, "23", "20.0", "72915.0", "12.0", "307.0", Colour::Lime, Colour::Lime});
  ExpectRowEmpty(track, 10);
  // Packet 108, 0x6D of 27 bytes: TDOP 3F800000 = 1.0, ten SVs.
  ExpectDops(track, "0.0", "0.0", "0.0", "1.0", "  16  14  29   3  26  23  22  31  32  25");
}

TEST(CaptureReplay, TimingAChangesNoWindowOfOurs) {
  testing::ReplayRig rig;
  ASSERT_EQ(rig.replay(Capture("timing-a.nvb")), 118);
  const TForm_Track& track = *rig.forms.Form_Track;
  for (int k = 0; k < 12; ++k) ExpectRowEmpty(track, k);
  ExpectDops(track, "", "", "", "", "");
  EXPECT_EQ(rig.forms.Form_Product->Panel_NavVersion->text(), "?");
  EXPECT_EQ(rig.prompter.messages, 0);
}

TEST(CaptureReplay, UnreadableRecordingDispatchesNothing) {
  testing::ReplayRig rig;
  EXPECT_EQ(rig.replay(Capture("no-such-recording.nvb")), 0);
  ExpectRowEmpty(*rig.forms.Form_Track, 0);
}

}  // namespace
}  // namespace navbin::ui
