// The six receiver recordings replayed through the dispatcher into the real
// windows. Expected cells are worked out from the last report of each kind in
// the recording (packet numbers count complete frames from 0).

#include <gtest/gtest.h>

#include <QDir>

#include "protocol/presentation/control_names.h"
#include "tests/ui/replay_fixture.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/product_form.h"
#include "ui/forms/track_form.h"

namespace navbin::ui {
namespace {

using reports::Colour;

struct Row {
  int channel;
  const char *sv, *amu, *time, *elev, *azim;
  Colour acq, eph;
};

struct Recording {
  const char* file;
  int packets;
  std::vector<Row> rows;
  std::vector<int> emptyRows;
  std::vector<const char*> dops;  // PDOP, HDOP, VDOP, TDOP and the selection list
};

const Colour Lime = Colour::Lime, Yellow = Colour::Yellow;

const Recording kRecordings[] = {
    {"nav-tracking.nvb",
     168,
     // Packet 163, 0x5C: 1E 48 01 13 | 41F00000 45A04424 3EC26348 4063C690 ...
     // SV 30, byte 1 0x48 is channel 9 (row 10), acquired, good ephemeris,
     // 30.0 AMU, 5128.5 s, 0.3797 rad = 21.8 deg, 3.5590 rad = 203.9 deg.
     // Packet 158: SV 26 on channel 0, never acquired, no ephemeris, 0.0 AMU.
     // Packet 165: SV 7 on channel 11, never acquired, ephemeris flag 3.
     {{9, "30", "30.0", "5128.5", "21.8", "203.9", Lime, Lime},
      {0, "26", "0.0", "5128.5", "6.1", "137.8", Yellow, Yellow},
      {11, "7", "29.0", "5128.5", "40.2", "296.7", Yellow, Lime}},
     {2, 3, 8},  // never report
     // Packet 154, 0x6D: 43 | 40A5E1DC 40A5E0DD 3D117E05 4002DB2D | 02 0A 1E 18.
     {"5.2", "5.2", "0.0", "2.0", "   2  10  30  24"}},
    {"nav-3d-tracking.nvb",
     238,
     // Packet 232: SV 18 on channel 3 (byte 1 0x18), acquired, ephemeris 0x13.
     // Packet 236: SV 22 on channel 8 (byte 1 0x40).
     {{3, "18", "27.0", "25148.5", "25.7", "95.9", Lime, Lime},
      {8, "22", "39.0", "25148.5", "64.0", "94.0", Lime, Lime}},
     {0, 2, 7, 10, 11},
     // Packet 237, 0x6D: byte 0 0x23, all DOPs 0.0, SVs 0x16 and 0x09.
     {"0.0", "0.0", "0.0", "0.0", "  22   9"}},
    {"nav-xyz-double-2d.nvb",
     198,
     // Packet 192: SV 9 on channel 4 with no signal. Packet 197: SV 22 on channel 10.
     {{4, "9", "0.0", "517106.5", "15.8", "275.3", Yellow, Yellow},
      {10, "22", "38.0", "517106.5", "73.8", "180.7", Lime, Lime}},
     {7, 11},
     // Packet 186, 0x6D of 20 bytes: three SVs 3, 31, 1.
     {"3.9", "3.7", "1.0", "0.9", "   3  31   1"}},
    {"nav-lla-double.nvb",
     188,
     {},
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},  // no 0x5C in this recording
     // Packet 186, 0x6D: 43 | 40C1B107 40C1B033 3D0F22E4 400532F2 | 1E 0E 03 15.
     {"6.1", "6.1", "0.0", "2.1", "  30  14   3  21"}},
    {"timing-b.nvb",
     125,
     // Packet 118: SV 23 on channel 9, ephemeris flag 1.
     {{9, "23", "20.0", "72915.0", "12.0", "307.0", Lime, Lime}},
     {10},
     // Packet 108, 0x6D of 27 bytes: TDOP 3F800000 = 1.0, ten SVs.
     {"0.0", "0.0", "0.0", "1.0", "  16  14  29   3  26  23  22  31  32  25"}},
    {"timing-a.nvb", 118, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {"", "", "", "", ""}},
    {"no-such-recording.nvb", 0, {}, {0, 11}, {"", "", "", "", ""}},
};

TEST(CaptureReplay, RecordingsFillTheTrackingWindow) {
  for (const Recording& r : kRecordings) {
    SCOPED_TRACE(r.file);
    testing::ReplayRig rig;
    ASSERT_EQ(rig.replay(r.file), r.packets);
    const TForm_Track& track = *rig.forms.Form_Track;
    const auto text = [](const Panel* p) { return p->text().toStdString(); };
    for (const Row& row : r.rows) {
      SCOPED_TRACE(row.channel);
      const int k = row.channel;
      EXPECT_EQ((std::vector<std::string>{text(track.svCells[k]), text(track.amuCells[k]),
                                          text(track.timeCells[k]), text(track.elevCells[k]),
                                          text(track.azimCells[k])}),
                (std::vector<std::string>{row.sv, row.amu, row.time, row.elev, row.azim}));
      EXPECT_EQ(track.acqLights[k]->fill(), row.acq);
      EXPECT_EQ(track.ephLights[k]->fill(), row.eph);
    }
    for (int k : r.emptyRows) {
      EXPECT_TRUE(track.svCells[k]->text().isEmpty() && track.amuCells[k]->text().isEmpty()) << k;
      EXPECT_EQ(track.acqLights[k]->fill(), Colour::Gray) << k;
      EXPECT_EQ(track.ephLights[k]->fill(), Colour::Gray) << k;
    }
    EXPECT_EQ((std::vector<std::string>{text(track.Panel_PDOP), text(track.Panel_HDOP),
                                        text(track.Panel_VDOP), text(track.Panel_TDOP),
                                        text(track.Panel_SVSel)}),
              std::vector<std::string>(r.dops.begin(), r.dops.end()));
    EXPECT_TRUE(rig.prompter.boxes.empty());
  }
}

TEST(CaptureReplay, NavLlaDoubleFillsTheClockBiasWindowAndTimingAOnlyTheLamp) {
  testing::ReplayRig rig;
  rig.replay("nav-lla-double.nvb");
  // Packet 184, 0x84: clock bias C0CC2733F729F240 = -14414.406 m = -48081.28 ns.
  EXPECT_EQ(rig.forms.Form_Bias->Panel_Bias->text(), "-48081.28");
  EXPECT_EQ(rig.forms.Form_Bias->Panel_Bias->fill(), Colour::Window);
  // Packet 185, 0x56: bias rate 42F6A25D = 123.317 m/s = 411.34 ppb.
  EXPECT_EQ(rig.forms.Form_Bias->Panel_BiasRate->text(), "411.34");

  testing::ReplayRig timing;
  timing.replay("timing-a.nvb");
  EXPECT_EQ(timing.forms.Form_Product->Panel_NavVersion->text(), "?");
  EXPECT_TRUE(timing.forms.Form_Bias->Panel_Bias->text().isEmpty());
}

TEST(CaptureReplay, PictureOfTheTrackingWindow) {
  testing::ReplayRig rig;
  rig.replay("nav-tracking.nvb");
  EXPECT_EQ(rig.display.text(reports::Form::Track, reports::rows::Panel_SV[9]), "30");
  const QString png = QDir(NAVBIN_BINARY_DIR).filePath("tracking_window.png");
  ASSERT_TRUE(rig.forms.Form_Track->grab().save(png)) << png.toStdString();
}

}  // namespace
}  // namespace navbin::ui
