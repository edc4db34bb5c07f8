// The tracking window: every cell exists under its name with its hint, starts
// empty on the window colour with gray lamps, and the channel arrays address
// channel k as row k + 1; Display calls land on the named cells.

#include <gtest/gtest.h>

#include <QLabel>
#include <string>

#include "protocol/reports/control_names.h"
#include "ui/forms/track_form.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using reports::Form;
namespace rows = reports::rows;

QString Row(const char* prefix, int k) {
  return QString(prefix) + QString::number(k + 1);
}

class TrackFormTest : public ::testing::Test {
 protected:
  void SetUp() override { display_.registerForm(Form::Track, &form_); }
  // The label of the window showing exactly `text`, or null.
  QLabel* label(const QString& text) {
    for (QLabel* l : form_.findChildren<QLabel*>()) {
      if (!qobject_cast<Panel*>(l) && l->text() == text) return l;
    }
    return nullptr;
  }
  TForm_Track form_{nullptr};
  WidgetDisplay display_;
};

TEST_F(TrackFormTest, EveryCellExistsAndStartsEmptyWithItsHint) {
  const char* panels[] = {"Panel_SV", "Panel_Amu", "Panel_Time", "Panel_Elev", "Panel_Azim"};
  const char* lamps[] = {"Shape_Acq", "Shape_Eph"};
  for (int k = 0; k < 12; ++k) {
    for (const char* p : panels) {
      auto* cell = form_.findChild<Panel*>(Row(p, k));
      ASSERT_NE(cell, nullptr) << Row(p, k).toStdString();
      EXPECT_TRUE(cell->text().isEmpty());
      EXPECT_EQ(cell->fill(), Colour::Window);
      EXPECT_EQ(cell->toolTip(), "Tracking Status: Packet 3C, 5C");
    }
    for (const char* s : lamps) {
      auto* lamp = form_.findChild<Shape*>(Row(s, k));
      ASSERT_NE(lamp, nullptr) << Row(s, k).toStdString();
      EXPECT_EQ(lamp->fill(), Colour::Gray);
    }
    ASSERT_NE(label(QString::number(k + 1)), nullptr) << "row label " << k + 1;
  }
  EXPECT_EQ(form_.findChild<Panel*>("Panel_SV13"), nullptr);
  EXPECT_EQ(form_.findChild<Panel*>("Panel_SV0"), nullptr);
  for (const char* name : {"Panel_SVSel", "Panel_PDOP", "Panel_HDOP", "Panel_VDOP", "Panel_TDOP"}) {
    auto* panel = form_.findChild<Panel*>(name);
    ASSERT_NE(panel, nullptr) << name;
    EXPECT_TRUE(panel->text().isEmpty());
    EXPECT_EQ(panel->fill(), Colour::Window);
    EXPECT_EQ(panel->toolTip(), "SV Selection: Packet 24, 6D");
  }
  EXPECT_EQ(form_.Panel_SVSel, form_.findChild<Panel*>("Panel_SVSel"));
}

TEST_F(TrackFormTest, ArraysIndexCellsByChannel) {
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(form_.svCells[k]->objectName(), Row("Panel_SV", k));
    EXPECT_EQ(form_.acqLights[k]->objectName(), Row("Shape_Acq", k));
    EXPECT_EQ(form_.ephLights[k]->objectName(), Row("Shape_Eph", k));
    EXPECT_EQ(form_.amuCells[k]->objectName(), Row("Panel_Amu", k));
    EXPECT_EQ(form_.timeCells[k]->objectName(), Row("Panel_Time", k));
    EXPECT_EQ(form_.elevCells[k]->objectName(), Row("Panel_Elev", k));
    EXPECT_EQ(form_.azimCells[k]->objectName(), Row("Panel_Azim", k));
  }
  // Channel 9 is row 10, on screen below row 9 and above row 11.
  EXPECT_EQ(form_.svCells[9]->objectName(), "Panel_SV10");
  form_.show();
  const int y9 = form_.svCells[8]->mapTo(&form_, QPoint()).y();
  const int y10 = form_.svCells[9]->mapTo(&form_, QPoint()).y();
  const int y11 = form_.svCells[10]->mapTo(&form_, QPoint()).y();
  EXPECT_LT(y9, y10);
  EXPECT_LT(y10, y11);
  EXPECT_EQ(label("10")->mapTo(&form_, QPoint()).y() / 4, y10 / 4);
}

TEST_F(TrackFormTest, ColumnCaptionsCarryTheirHints) {
  const std::pair<const char*, const char*> captions[] = {
      {"SV", "Satellite Vehicle"},
      {"Acq", "yellow = never acq; green = acq; blue = re-opened search"},
      {"Eph", "Ephemeris Flag: green indicates good ephemeris"},
      {"AMU", "Signal Strength"},
      {"Time", ">0 is time of last measurement; 0 indicates no measurements taken"},
      {"Elev", "The SV's approximate elevation above the horizon"},
      {"Azim", "The SV's approximate azimuth from true north"},
      {"SV Selection List", "List of SVs used in the current fix"},
      {"PDOP", "Position Dilution of Precision"},
      {"HDOP", "Horizontal Dilution of Precision"},
      {"VDOP", "Vertical Dilution of Precision"},
      {"TDOP", "Time Dilution of Precision"},
  };
  for (const auto& [text, hint] : captions) {
    QLabel* l = label(text);
    ASSERT_NE(l, nullptr) << text;
    EXPECT_EQ(l->toolTip().toStdString(), hint);
  }
}

TEST_F(TrackFormTest, HasEveryControlTheReportLayerWrites) {
  for (const auto& c : reports::kReportControls) {
    if (c.form != Form::Track) continue;
    EXPECT_NE(display_.control(Form::Track, c.name), nullptr) << c.name;
  }
  for (const auto& r : reports::kReportControlRows) {
    if (r.form != Form::Track) continue;
    for (int i = 0; i < r.count; ++i) {
      EXPECT_NE(display_.control(Form::Track, r.names[i]), nullptr) << r.names[i];
    }
  }
}

TEST_F(TrackFormTest, DisplayCallsLandOnTheNamedCellsOnlyEvenWhileHidden) {
  ASSERT_FALSE(form_.isVisible());
  display_.setText(Form::Track, rows::Panel_SV[9], "17");
  display_.setColour(Form::Track, rows::Shape_Eph[9], Colour::Yellow);
  display_.setHint(Form::Track, "Panel_PDOP", "new hint");
  display_.setColour(Form::Track, "Panel_PDOP", Colour::ButtonFace);
  form_.show();
  EXPECT_EQ(form_.svCells[9]->text(), "17");
  EXPECT_EQ(display_.text(Form::Track, "Panel_SV10"), "17");
  EXPECT_EQ(form_.ephLights[9]->fill(), Colour::Yellow);
  EXPECT_EQ(display_.colour(Form::Track, "Shape_Eph10"), Colour::Yellow);
  EXPECT_TRUE(form_.svCells[8]->text().isEmpty() && form_.svCells[10]->text().isEmpty());
  EXPECT_EQ(form_.ephLights[10]->fill(), Colour::Gray);
  EXPECT_EQ(form_.Panel_PDOP->toolTip(), "new hint");
  EXPECT_EQ(display_.colour(Form::Track, "Panel_PDOP"), Colour::ButtonFace);
}

TEST_F(TrackFormTest, SelectionListFitsTwelveFieldsWithoutResizing) {
  const QSize before = form_.size();
  std::string twelve;
  for (int sv : {251, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 32}) {
    char field[8];
    std::snprintf(field, sizeof field, "%4d", sv);
    twelve += field;
  }
  form_.show();
  display_.setText(Form::Track, "Panel_SVSel", twelve);
  EXPECT_EQ(form_.Panel_SVSel->text().toStdString(), twelve);
  EXPECT_GE(form_.Panel_SVSel->contentsRect().width(),
            form_.Panel_SVSel->fontMetrics().horizontalAdvance(form_.Panel_SVSel->text()));
  EXPECT_EQ(form_.size(), before);
}

}  // namespace
}  // namespace navbin::ui
