// The main window as the core sees it: start-up, the controls the report
// layer writes, "&Auto Query" blanking, the hint box, lost devices, and a
// picture of the window.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QTimer>

#include "link/field_codec.h"
#include "protocol/presentation/control_names.h"
#include "protocol/presentation/log_control_names.h"
#include "protocol/presentation/port_control_names.h"
#include "tests/app/main_form_fixture.h"

namespace navbin::main_form_testing {
namespace {

using reports::Colour;
using reports::Form;

TEST_F(MainFormTest, FormCreateOpensTheDisplayPortAndListsEveryPort) {
  create();
  EXPECT_TRUE(port(kDisplayCom).isOpen);
  EXPECT_EQ(port(kDisplayCom).startupState, 7);
  EXPECT_EQ(form->windowTitle(), "M1_Monitor");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "3 M2_Monitor");
  EXPECT_EQ(core.shell.portListCount, 16);
  ASSERT_EQ(form->portPanel->ComboBox_DisplayCom->count(), 16);
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->itemText(15), "COM16");
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->currentIndex(), 2);
  for (ui::Panel* p : form->portPanel->Panel_MonCom) EXPECT_TRUE(p->isEnabled());
  for (const link::LineSettings& l : core.shell.lineSettings) {
    EXPECT_EQ(l, (link::LineSettings{7, 3, 1, 0}));
  }
  EXPECT_TRUE(core.shell.autoQuery);
  EXPECT_EQ(form->Timer_NavBin->objectName(), "Timer_NavBin");
  EXPECT_EQ(form->Timer_NavBin->interval(), 200);
  form.reset();  // FormDestroy closes the port
  EXPECT_FALSE(port(kDisplayCom).isOpen);
  EXPECT_FALSE(line(kDisplayCom).held());
}

TEST_F(MainFormTest, FormCreateWithAShortListSelectsTheDisplayPort) {
  core.shell.portList[0] = 1;
  core.shell.portList[1] = 3;
  core.shell.portList[2] = 5;
  core.shell.portListCount = 3;
  create();
  ASSERT_EQ(form->portPanel->ComboBox_DisplayCom->count(), 3);
  EXPECT_EQ(form->portPanel->ComboBox_DisplayCom->currentText(), "COM3");
  EXPECT_FALSE(form->portPanel->Panel_MonCom[1]->isEnabled());
  EXPECT_TRUE(form->portPanel->Panel_MonCom[4]->isEnabled());
}

TEST_F(MainFormTest, FormCreateFailsWithTheSerialPortErrorBox) {
  line(kDisplayCom).failOpens(platform::OpenError::Busy);
  EXPECT_FALSE(form->FormCreate());
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "Could not initialize COM3.");
  EXPECT_EQ(prompter.boxes[0].caption, "Serial Port Error");
  EXPECT_FALSE(form->Timer_NavBin->isActive());
}

TEST_F(MainFormTest, PermissionDeniedNamesTheDeviceAndTheCure) {
  line(kDisplayCom).failOpens(platform::OpenError::PermissionDenied);
  EXPECT_FALSE(form->FormCreate());
  ASSERT_EQ(prompter.boxes.size(), 1u);
  const std::string& text = prompter.boxes[0].text;
  EXPECT_EQ(text.rfind("Could not initialize COM3.\n", 0), 0u) << text;
  EXPECT_NE(text.find("/dev/ttyMEM3"), std::string::npos);
  EXPECT_NE(text.find("dialout"), std::string::npos);
}

TEST_F(MainFormTest, FormCreateFailsForADisplayPortOutsideTheTable) {
  core.shell.displayPort = 17;
  EXPECT_FALSE(form->FormCreate());
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "Could not initialize COM17.");
}

TEST_F(MainFormTest, EveryControlTheReportLayerWritesExists) {
  for (const reports::FormControl& c : reports::kReportControls) {
    if (c.form != Form::Main) continue;
    EXPECT_NE(display.control(Form::Main, c.name), nullptr) << c.name.text();
  }
  for (const reports::ControlRows& r : reports::kReportControlRows) {
    if (r.form != Form::Main) continue;
    for (reports::ControlName name : r.names) {
      EXPECT_NE(display.control(Form::Main, name), nullptr) << name.text();
    }
  }
  namespace names = reports::names;
  for (reports::ControlName name :
       {names::ComboBox_DisplayCom, names::Shape_TxAll, names::Panel_LogStatus, names::Shape_TxLED,
        names::Panel_Hint, names::Panel_Record, names::Panel_Serial}) {
    EXPECT_NE(display.control(Form::Main, name), nullptr) << name.text();
  }
  for (reports::ControlName name : reports::rows::Panel_MonCom) {
    EXPECT_NE(display.control(Form::Main, name), nullptr) << name.text();
  }
  // Controls of the main window alone.
  for (const char* name :
       {"Panel_Timing",  "Panel_DeltaPos",  "Panel_Status", "Panel_Satellites", "Panel_DOPS",
        "Panel_Com",     "Button_ResetLLA", "Label10",      "Label26",          "Label9",
        "Label14",       "Label27",         "Label11",      "Label13",          "Label29",
        "Button_TxAll",  "Panel_TxRx",      "Label_Tx",     "Label_Rx",         "Bevel1",
        "PopupMenu_COM", "Timer_NavBin"}) {
    EXPECT_NE(display.control(Form::Main, reports::ControlName{name}), nullptr) << name;
  }
  EXPECT_EQ(form->satellites->Panel_SV[11]->objectName(), "Panel_SV12");
  EXPECT_EQ(form->satellites->Panel_SV[8]->fill(), Colour::ButtonFace);
  EXPECT_EQ(form->satellites->Panel_SV[7]->fill(), Colour::Window);
  EXPECT_EQ(form->position->Panel_Datum->fill(), Colour::ButtonFace);
  EXPECT_FALSE(form->position->Label_DatumMain->isEnabled());
  EXPECT_EQ(form->statusRow->Panel_Record->text(), "Off");
  EXPECT_EQ(form->portPanel->Panel_LogStatus->text(), "Logging Off");
  EXPECT_EQ(form->statusRow->Shape_TxLED->fill(), Colour::Gray);
}

TEST_F(MainFormTest, ReportsOfTheDisplayPortFillTheWindow) {
  create();
  receive(kDisplayCom, {0x45, 1, 12, 3, 7, 4, 1, 5, 3, 7, 4});
  receive(kDisplayCom, {0x82, 3});
  tick();
  EXPECT_EQ(form->statusRow->Panel_Version->text(), "1.12");
  EXPECT_TRUE(form->position->Label_DatumMain->isEnabled());
  EXPECT_EQ(form->position->Panel_Datum->fill(), Colour::Window);
  EXPECT_EQ(form->status->Panel_DGPS->text(), "Auto (Diff. currently on)");
  EXPECT_EQ(form->statusRow->Shape_RxLED->fill(), Colour::Lime);
}

TEST_F(MainFormTest, AutoQueryOffBlanksTheDisplayAndStopsThePeriodicQueries) {
  create();
  tick(8);  // identification done; phase 8
  form->position->Panel_LatDeg->setText("28\u00B0");
  form->satellites->Panel_SV[9]->setText("5");
  form->status->Shape_Err2->setFill(Colour::Red);
  form->statusRow->Panel_Version->setText("1.12");
  form->position->Label_PanelPos->setText("LLA Position");
  for (reports::ReceiverState& r : core.reports.receivers) r.fixSvs.fill(7);
  const QString serial = form->statusRow->Panel_Serial->text();

  form->menus->LoggingAutoQuery->trigger();
  EXPECT_FALSE(core.shell.autoQuery);
  EXPECT_FALSE(form->menus->LoggingAutoQuery->isChecked());
  for (ui::Panel* p : form->findChildren<ui::Panel*>()) {
    if (p->tag() == 0) continue;
    EXPECT_EQ(p->text(), "?") << p->objectName().toStdString();
    EXPECT_EQ(p->fill(), Colour::Window) << p->objectName().toStdString();
  }
  for (ui::Shape* s : {form->status->Shape_Err1, form->status->Shape_Err2, form->status->Shape_Err3,
                       form->status->Shape_Err4}) {
    EXPECT_EQ(s->fill(), Colour::Gray);
  }
  for (const reports::ReceiverState& r : core.reports.receivers) {
    for (std::int32_t sv : r.fixSvs) EXPECT_EQ(sv, 0);
  }
  // The status row, the port panel and the captions are not data.
  EXPECT_EQ(form->statusRow->Panel_Version->text(), "1.12");
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), serial);
  EXPECT_EQ(form->portPanel->Panel_MonCom[0]->text(), "1");
  EXPECT_EQ(form->portPanel->Panel_LogStatus->text(), "Logging Off");
  EXPECT_EQ(form->position->Label_PanelPos->text(), "LLA Position");

  takeSent();
  tick(10);  // every phase once: only ageing and activity, nothing sent
  EXPECT_TRUE(takeSent().empty());

  form->menus->LoggingAutoQuery->trigger();
  EXPECT_TRUE(form->menus->LoggingAutoQuery->isChecked());
  tick(10);
  EXPECT_EQ(takeSent(),
            (std::vector<Bytes>{{0x26}, {0x24}, {0x3C, 0x00}, {0x26}, {0x24}, {0x3C, 0x00}}));
}

TEST_F(MainFormTest, SendingLightsTheTransmitLampUntilTheSecondTick) {
  create();
  tick(8);
  prompter.answers = {true};
  form->menus->InitializeSoft->trigger();
  EXPECT_EQ(form->statusRow->Shape_TxLED->fill(), Colour::Lime);
  form->menus->LoggingAutoQuery->trigger();  // no queries to relight it
  tick(2);
  EXPECT_EQ(form->statusRow->Shape_TxLED->fill(), Colour::Gray);
}

TEST_F(MainFormTest, HoveringAControlShowsItsHintInTheHintBox) {
  create();
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(form->satellites->Panel_SV[0], &enter);
  EXPECT_EQ(form->statusRow->Panel_Hint->text(), "When green, this SV is being used for fixes");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form->satellites->Panel_SV[0], &leave);
  EXPECT_EQ(form->statusRow->Panel_Hint->text(), "");
  QApplication::sendEvent(form->portPanel->Panel_MonCom[0], &enter);
  EXPECT_EQ(form->statusRow->Panel_Hint->text(),
            "When lit, this port is monitored; when green, receiving packets");
}

TEST_F(MainFormTest, ALostDisplayPortIsClosedAndShownRedUntilReopened) {
  create();
  tick(8);
  line(kDisplayCom).setLost(true);
  tick();
  EXPECT_FALSE(port(kDisplayCom).isOpen);
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM3: device lost");
  EXPECT_EQ(form->statusRow->Panel_Serial->fill(), Colour::Red);
  tick(12);  // nothing open: the window stays as it is
  EXPECT_EQ(form->statusRow->Panel_Serial->fill(), Colour::Red);

  line(kDisplayCom).setLost(false);
  click(form->portPanel->Panel_MonCom[kDisplayCom - 1]);  // reopens it
  EXPECT_TRUE(port(kDisplayCom).isOpen);
  tick(6);
  EXPECT_EQ(form->statusRow->Panel_Serial->fill(), Colour::ButtonFace);
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM3: 9600: 8-O-1");
}

TEST_F(MainFormTest, ALostMonitoredPortStaysRedAcrossRepaints) {
  create();
  click(form->portPanel->Panel_MonCom[6]);
  ASSERT_TRUE(port(7).isOpen);
  line(7).setLost(true);
  tick(12);  // includes a phase 9 repaint
  EXPECT_FALSE(port(7).isOpen);
  EXPECT_EQ(form->portPanel->Panel_MonCom[6]->fill(), Colour::Red);
  EXPECT_EQ(form->portPanel->Panel_MonCom[6]->toolTip(), "COM7: device lost");
  EXPECT_TRUE(port(kDisplayCom).isOpen);

  line(7).setLost(false);
  click(form->portPanel->Panel_MonCom[6]);
  EXPECT_TRUE(port(7).isOpen);
  tick();
  EXPECT_EQ(form->portPanel->Panel_MonCom[6]->fill(), Colour::Yellow);
}

// Packets as a receiver sends them, id first.
class Packet {
 public:
  explicit Packet(std::uint8_t id) : bytes_{id} {}
  Packet& u8(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  Packet& u16(std::uint16_t v) {
    return u8(static_cast<std::uint8_t>(v >> 8)).u8(static_cast<std::uint8_t>(v));
  }
  Packet& single(float v) {
    std::uint8_t b[4];
    link::PutSingle(v, b);
    bytes_.insert(bytes_.end(), b, b + 4);
    return *this;
  }
  operator Bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

// A receiver with a 3-D fix on eight channels, as the window shows it.
std::vector<Bytes> AFix() {
  std::vector<Bytes> packets;
  auto send = [&](const Bytes& p) { packets.push_back(p); };
  send(Packet(0x4A).single(0.6f).single(-1.9f).single(120.5f).single(1234.5f).single(345600.5f));
  send(Packet(0x56).single(1.2f).single(-0.5f).single(0.01f).single(0.2f).single(345600.5f));
  send(Packet(0x41).single(345600.5f).u16(1200).single(13.0f));
  send(Packet(0x46).u8(0x00).u8(0x00));
  send(Packet(0x4B).u8(0x5A).u8(0x08).u8(0x00));
  send(Packet(0x82).u8(3));
  Packet fix(0x6D);
  fix.u8(0x84).single(1.8f).single(1.0f).single(1.5f).single(0.9f);
  const std::uint8_t svs[] = {3, 7, 12, 15, 18, 21, 24, 0xE3};  // 0xE3: -29, not used
  for (std::uint8_t sv : svs) fix.u8(sv);
  send(fix);
  for (std::uint8_t k = 0; k < 8; ++k) {
    send(Packet(0x5C)
             .u8(svs[k] == 0xE3 ? 29 : svs[k])
             .u8(static_cast<std::uint8_t>(k << 3))
             .u8(1)
             .u8(1)
             .single(8.0f + 1.5f * k)
             .single(345600.0f)
             .single(0.1f + 0.15f * k)
             .single(0.4f + 0.7f * k)
             .single(0.0f));
  }
  return packets;
}

TEST_F(MainFormTest, PictureOfTheWindowInBothLayouts) {
  create();
  tick(7);  // identified: the serial panel shows the line
  for (const Bytes& p : AFix()) receive(kDisplayCom, p);
  tick();
  EXPECT_EQ(form->status->Panel_RecMode->text(), "3-D  (8 SV)");
  EXPECT_EQ(form->position->Panel_NorthSouth->text(), "N");
  EXPECT_EQ(form->satellites->Panel_SV[7]->fill(), Colour::Yellow);  // SV 29 listed as -29
  EXPECT_EQ(form->satellites->Panel_SV[0]->fill(), Colour::Lime);
  for (bool multi : {false, true}) {
    form->applyLayout(multi);
    form->show();
    QApplication::processEvents();
    const QString file = QDir(NAVBIN_BINARY_DIR)
                             .filePath(multi ? "main_form_multiport.png" : "main_form_single.png");
    EXPECT_TRUE(form->grab().save(file)) << file.toStdString();
  }
}

TEST_F(MainFormTest, StartsInTheLlaLayoutWithOneCellInEachPlace) {
  for (QWidget* w : std::vector<QWidget*>{
           form->position->Panel_LatDeg, form->position->Panel_LonMin, form->position->Panel_Alt_Z,
           form->timing->Panel_Time, form->timing->Panel_TOW, form->timing->Label_TimeMode,
           form->status->Panel_RecMode, form->deltaPos->Panel_DeltaLat,
           form->deltaPos->Panel_DeltaLon}) {
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  }
  for (QWidget* w : std::vector<QWidget*>{
           form->position->Panel_X, form->position->Panel_Y, form->position->Panel_SuperLat,
           form->position->Panel_SuperLon, form->position->Panel_SuperAlt,
           form->timing->Panel_SuperTime, form->timing->Panel_SuperTOW,
           form->timing->Label_SuperTimeMode, form->status->Panel_SuperReceiverMode,
           form->deltaPos->Panel_Disable, form->deltaPos->Panel_Disable2}) {
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  }
}

}  // namespace
}  // namespace navbin::main_form_testing
