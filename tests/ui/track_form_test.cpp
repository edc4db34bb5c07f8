// The tracking window: every cell exists under its name with its hint, starts
// empty on the window colour with gray lamps, channel k is row k + 1, and
// Display calls land on the named cells.

#include <gtest/gtest.h>

#include <QLabel>
#include <string>

#include "protocol/presentation/control_names.h"
#include "ui/forms/track_form.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using reports::Form;
namespace rows = reports::rows;

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

TEST_F(TrackFormTest, EveryCellStartsEmptyWithItsHintAndTheLampsGray) {
  for (int k = 0; k < 12; ++k) {
    for (const Panel* cell : {form_.svCells[k], form_.amuCells[k], form_.timeCells[k],
                              form_.elevCells[k], form_.azimCells[k]}) {
      EXPECT_TRUE(cell->text().isEmpty());
      EXPECT_EQ(cell->fill(), Colour::Window);
      EXPECT_EQ(cell->toolTip(), "Tracking Status: Packet 3C, 5C");
    }
    EXPECT_EQ(form_.acqLights[k]->fill(), Colour::Gray);
    EXPECT_EQ(form_.ephLights[k]->fill(), Colour::Gray);
    EXPECT_NE(label(QString::number(k + 1)), nullptr) << "row label " << k + 1;
  }
  EXPECT_EQ(form_.findChild<Panel*>("Panel_SV13"), nullptr);
  for (const Panel* panel : {form_.Panel_SVSel, form_.Panel_PDOP, form_.Panel_HDOP,
                             form_.Panel_VDOP, form_.Panel_TDOP}) {
    EXPECT_TRUE(panel->text().isEmpty());
    EXPECT_EQ(panel->toolTip(), "SV Selection: Packet 24, 6D");
  }
}

TEST_F(TrackFormTest, ChannelNineIsRowTenBetweenRowsNineAndEleven) {
  EXPECT_EQ(form_.svCells[9]->objectName(), Name(rows::Panel_SV[9]));
  EXPECT_EQ(form_.azimCells[9]->objectName(), "Panel_Azim10");
  form_.show();
  const int y9 = form_.svCells[8]->mapTo(&form_, QPoint()).y();
  const int y10 = form_.svCells[9]->mapTo(&form_, QPoint()).y();
  const int y11 = form_.svCells[10]->mapTo(&form_, QPoint()).y();
  EXPECT_TRUE(y9 < y10 && y10 < y11);
  EXPECT_EQ(label("10")->mapTo(&form_, QPoint()).y() / 4, y10 / 4);
  EXPECT_EQ(label("SV")->toolTip(), "Satellite Vehicle");  // column captions carry hints
}

TEST_F(TrackFormTest, HasEveryControlTheReportLayerWrites) {
  for (const auto& c : reports::kReportControls) {
    if (c.form != Form::Track) continue;
    EXPECT_NE(display_.control(Form::Track, c.name), nullptr) << c.name.text();
  }
  for (const auto& r : reports::kReportControlRows) {
    if (r.form != Form::Track) continue;
    for (reports::ControlName name : r.names) {
      EXPECT_NE(display_.control(Form::Track, name), nullptr) << name.text();
    }
  }
}

TEST_F(TrackFormTest, DisplayCallsLandOnTheNamedCellsOnlyEvenWhileHidden) {
  ASSERT_FALSE(form_.isVisible());
  display_.setText(Form::Track, rows::Panel_SV[9], "17");
  display_.setColour(Form::Track, rows::Shape_Eph[9], Colour::Yellow);
  display_.setHint(Form::Track, reports::names::Panel_PDOP, "new hint");
  display_.setColour(Form::Track, reports::names::Panel_PDOP, Colour::ButtonFace);
  form_.show();
  EXPECT_EQ(form_.svCells[9]->text(), "17");
  EXPECT_EQ(display_.text(Form::Track, rows::Panel_SV[9]), "17");
  EXPECT_EQ(form_.ephLights[9]->fill(), Colour::Yellow);
  EXPECT_EQ(display_.colour(Form::Track, rows::Shape_Eph[9]), Colour::Yellow);
  EXPECT_TRUE(form_.svCells[8]->text().isEmpty() && form_.svCells[10]->text().isEmpty());
  EXPECT_EQ(form_.ephLights[10]->fill(), Colour::Gray);
  EXPECT_EQ(form_.Panel_PDOP->toolTip(), "new hint");
  EXPECT_EQ(display_.colour(Form::Track, reports::names::Panel_PDOP), Colour::ButtonFace);
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
  display_.setText(Form::Track, reports::names::Panel_SVSel, twelve);
  EXPECT_EQ(form_.Panel_SVSel->text().toStdString(), twelve);
  EXPECT_GE(form_.Panel_SVSel->contentsRect().width(),
            form_.Panel_SVSel->fontMetrics().horizontalAdvance(form_.Panel_SVSel->text()));
  EXPECT_EQ(form_.size(), before);
}

}  // namespace
}  // namespace navbin::ui
