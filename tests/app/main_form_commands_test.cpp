// What the menu entries send to the display port, the questions they ask
// first, and what they do to the window.

#include <QAction>
#include <QWidget>

#include "protocol/presentation/config_control_names.h"
#include "tests/app/main_form_fixture.h"
#include "ui/forms/serial_form.h"

namespace navbin::main_form_testing {
namespace {

using reports::Icon;

class MainFormCommandTest : public MainFormTest {
 protected:
  void SetUp() override {
    create();
    tick(8);  // past the identification queries
    takeSent();
    for (ui::Panel* p : positionPanels()) p->setText("12");
  }
  std::vector<ui::Panel*> positionPanels() const {
    return {form->position->Panel_NorthSouth, form->position->Panel_LatDeg,
            form->position->Panel_LatMin,     form->position->Panel_EastWest,
            form->position->Panel_LonDeg,     form->position->Panel_LonMin,
            form->position->Panel_X,          form->position->Panel_Y,
            form->position->Panel_Alt_Z};
  }
  bool positionPanelsShow(const QString& text) const {
    for (ui::Panel* p : positionPanels()) {
      if (p->text() != text) return false;
    }
    return true;
  }
};

struct Asked {
  const char* entry;
  const char* text;
  const char* caption;
  Icon icon;
  bool noIsDefault;
  Bytes sent;  // on Yes
};

const Asked kAsked[] = {
    {"InitializeSoft", "Really restart the receiver?", "Soft reset?", Icon::None, false, {0x25}},
    {"InitializeRestartSurvey",
     "Do you really want to restart the self-survey?",
     "Restart self-survey?",
     Icon::None,
     false,
     {0x8E, 0xA6, 0x00}},
    {"InitializeClearPosition",
     "Do you really want to clear the stored position?",
     "Clear stored position?",
     Icon::None,
     false,
     {0x8E, 0xA6, 0x01}},
    {"ConfigureSaveToFlash",
     "Previous configuration information will be\nlost. Really replace receiver "
     "configuration\nin non-volatile memory?",
     "Warning",
     Icon::Exclamation,
     true,
     {0x8E, 0x26}},
};

TEST_F(MainFormCommandTest, DestructiveCommandsAskFirstAndSendOnlyOnYes) {
  for (const Asked& a : kAsked) {
    SCOPED_TRACE(a.entry);
    auto* action = form->findChild<QAction*>(a.entry);
    ASSERT_NE(action, nullptr);
    prompter.boxes.clear();
    prompter.answers = {false};
    action->trigger();
    EXPECT_TRUE(takeSent().empty());
    ASSERT_EQ(prompter.boxes.size(), 1u);
    const Box& box = prompter.boxes[0];
    EXPECT_TRUE(box.question);
    EXPECT_EQ(box.text, a.text);
    EXPECT_EQ(box.caption, a.caption);
    EXPECT_EQ(box.icon, a.icon);
    EXPECT_EQ(box.noIsDefault, a.noIsDefault);

    prompter.answers = {true};
    action->trigger();
    EXPECT_EQ(takeSent(), std::vector<Bytes>{a.sent});
  }
}

TEST_F(MainFormCommandTest, ColdResetAnsweredNoSendsNothingAndLeavesThePanels) {
  prompter.answers = {false};
  form->menus->InitializeCold->trigger();
  EXPECT_TRUE(takeSent().empty());
  EXPECT_TRUE(positionPanelsShow("12"));
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "Really clear battery backed-up RAM?");
  EXPECT_EQ(prompter.boxes[0].caption, "Cold reset?");
}

TEST_F(MainFormCommandTest, ColdResetOnYesSendsWarnsAndQuestionsThePosition) {
  prompter.answers = {true};
  form->menus->InitializeCold->trigger();
  EXPECT_EQ(takeSent(), std::vector<Bytes>{Bytes({0x1E, 0x4B})});
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_FALSE(prompter.boxes[1].question);
  EXPECT_EQ(prompter.boxes[1].caption, "Warning");
  EXPECT_EQ(prompter.boxes[1].icon, Icon::Exclamation);
  EXPECT_EQ(prompter.boxes[1].text,
            "Serial port settings will revert to those saved in Flash memory.  It may be "
            "necessary to change the PC settings to match if the receiver is no longer "
            "communicating.");
  EXPECT_TRUE(positionPanelsShow("?"));
}

TEST_F(MainFormCommandTest, FactoryResetAtFactoryLineSendsOnlyTheReset) {
  prompter.answers = {true};
  form->menus->InitializeFactory->trigger();
  EXPECT_EQ(takeSent(), std::vector<Bytes>{Bytes({0x1E, 0x46})});
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text,
            "Really clear battery backed-up RAM and set receiver to factory default settings?");
  EXPECT_EQ(prompter.boxes[0].caption, "Factory Reset?");
  EXPECT_EQ(prompter.boxes[0].icon, Icon::Exclamation);
  EXPECT_TRUE(positionPanelsShow("?"));
}

const Bytes kFactoryLineCommand = {0xBC, 0xFF, 7, 7, 3, 1, 0, 0, 0x02, 0x02, 0x00};

TEST_F(MainFormCommandTest, FactoryResetAtAnotherLineMovesReceiverAndPcTo9600) {
  core.shell.lineSettings[kDisplayCom - 1] = link::LineSettings{8, 3, 0, 0};  // 19200 8-N-1
  ASSERT_EQ(core.channel.SetLineParameters(*port(kDisplayCom).handle, 19200, 8, 0, 0), 0);
  prompter.answers = {true, true};  // reset; change the PC too
  form->menus->InitializeFactory->trigger();
  EXPECT_EQ(takeSent(), (std::vector<Bytes>{{0x1E, 0x46}, kFactoryLineCommand}));
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[1].text, "Change PC com settings to match?");
  EXPECT_EQ(prompter.boxes[1].caption, "Update PC?");
  EXPECT_EQ(line(kDisplayCom).lineParameters().baud, 9600u);
  EXPECT_EQ(line(kDisplayCom).lineParameters().parity, 1);
  EXPECT_EQ(core.shell.lineSettings[kDisplayCom - 1], (link::LineSettings{7, 3, 1, 0}));
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM3 9600, 8-O-1");
}

TEST_F(MainFormCommandTest, FactoryResetKeepingThePcLineSendsTheCommandOnly) {
  core.shell.lineSettings[kDisplayCom - 1] = link::LineSettings{8, 3, 0, 0};
  ASSERT_EQ(core.channel.SetLineParameters(*port(kDisplayCom).handle, 19200, 8, 0, 0), 0);
  form->statusRow->Panel_Serial->setText("before");
  prompter.answers = {true, false};
  form->menus->InitializeFactory->trigger();
  EXPECT_EQ(takeSent(), (std::vector<Bytes>{{0x1E, 0x46}, kFactoryLineCommand}));
  EXPECT_EQ(line(kDisplayCom).lineParameters().baud, 19200u);
  EXPECT_EQ(core.shell.lineSettings[kDisplayCom - 1], (link::LineSettings{8, 3, 0, 0}));
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "before");
}

TEST_F(MainFormCommandTest, SerialPortTwoAt38400WithoutAndWithThePc) {
  ui::TForm_Serial serial(nullptr);
  display.registerForm(reports::Form::Serial, &serial);
  const auto& p = reports::kSerialPanels[1];  // 38400, 8, Odd, 1, NavTxt in, NMEA out
  for (auto [c, i] : {std::pair{p.baudRate, 4},
                      {p.dataBits, 0},
                      {p.parity, 1},
                      {p.stopBits, 0},
                      {p.protocolIn, 1},
                      {p.protocolOut, 1}}) {
    display.setSelectedIndex(reports::Form::Serial, c, i);
  }
  const Bytes tail{9, 9, 3, 1, 0, 0, 1, 4, 0};
  auto command = [&](std::uint8_t port) {
    Bytes b{0xBC, port};
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
  };
  prompter.answers = {false, false};
  form->setReceiverSerialPort(1);
  EXPECT_EQ(takeSent(), std::vector<Bytes>{command(1)});
  EXPECT_EQ(line(kDisplayCom).lineParameters().baud, 9600u);

  prompter.answers = {true, true};  // PC follows; save to flash
  form->setReceiverSerialPort(1);
  EXPECT_EQ(takeSent(), (std::vector<Bytes>{command(0xFF), {0x8E, 0x26}}));
  ASSERT_EQ(prompter.boxes.size(), 4u);
  EXPECT_EQ(prompter.boxes[3].text, "Do you wish to save the receiver settings to Flash memory?");
  EXPECT_TRUE(prompter.boxes[3].noIsDefault);
  EXPECT_EQ(prompter.boxes[3].icon, Icon::Exclamation);
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM3 38400, 8-O-1");
  EXPECT_EQ(line(kDisplayCom).lineParameters().baud, 38400u);
  EXPECT_EQ(core.shell.lineSettings[kDisplayCom - 1], (link::LineSettings{9, 3, 1, 0}));
}

TEST_F(MainFormCommandTest, DownloadEntriesArmTheirPendingFlags) {
  form->menus->InitializeDownloadPos->trigger();
  EXPECT_EQ(core.reports.globals.downloadPositionPending, 1);
  EXPECT_TRUE(takeSent().empty());
  form->menus->InitializeTimeToPC->trigger();
  EXPECT_EQ(takeSent(), std::vector<Bytes>{Bytes{0x21}});
  EXPECT_EQ(core.reports.globals.setClockPending, 1);
}

TEST_F(MainFormCommandTest, WindowEntriesQueryThenShowTheirWindow) {
  // Until a window exists its entry does nothing at all.
  form->menus->ConfigureSerial->trigger();
  EXPECT_TRUE(takeSent().empty());

  QWidget serial;
  QWidget product;
  display.registerForm(reports::Form::Serial, &serial);
  display.registerForm(reports::Form::Product, &product);
  form->menus->ConfigureSerial->trigger();
  EXPECT_EQ(takeSent(), (std::vector<Bytes>{{0xBC, 0x00}, {0xBC, 0x01}}));
  EXPECT_TRUE(serial.isVisible());

  click(form->statusRow->Panel_Version);  // the firmware panel acts as "&Product Info (0x45)..."
  EXPECT_EQ(takeSent(), std::vector<Bytes>{Bytes{0x1F}});
  EXPECT_TRUE(product.isVisible());
}

TEST_F(MainFormCommandTest, GroupCaptionsActAsTheirMenuEntries) {
  QWidget io;
  QWidget gps;
  display.registerForm(reports::Form::IOOptions, &io);
  display.registerForm(reports::Form::GPS, &gps);
  click(form->timing->Label10);
  EXPECT_EQ(takeSent(), (std::vector<Bytes>{{0x8E, 0x15}, {0x35}}));
  EXPECT_TRUE(io.isVisible());
  for (QWidget* w : {static_cast<QWidget*>(form->status->Label26),
                     static_cast<QWidget*>(form->status->Panel_DGPS),
                     static_cast<QWidget*>(form->satellites->Label27)}) {
    click(w);
    EXPECT_EQ(takeSent(), std::vector<Bytes>{Bytes({0xBB, 0x03})}) << w->objectName().toStdString();
  }
  EXPECT_TRUE(gps.isVisible());
}

TEST_F(MainFormCommandTest, TransfersRunTheirHandlerOnceOneIsSet) {
  form->menus->InitializeUploadAlm->trigger();  // no transfer yet: nothing happens
  EXPECT_TRUE(takeSent().empty());
  int uploads = 0;
  form->setTransferHandler(app::TForm_Main::Transfer::UploadAlmanac, [&] { ++uploads; });
  form->menus->InitializeUploadAlm->trigger();
  EXPECT_EQ(uploads, 1);
  EXPECT_EQ(takeSent(), std::vector<Bytes>{Bytes{0x26}});  // then the health query
  form->menus->InitializeDownloadEph->trigger();
  EXPECT_EQ(uploads, 1);
}

TEST_F(MainFormCommandTest, ResetReferenceButtonClearsTheDeltaReference) {
  core.reports.globals.deltaReferenceSet = 1;
  click(form->deltaPos->Button_ResetLLA);
  EXPECT_EQ(core.reports.globals.deltaReferenceSet, 0);
}

}  // namespace
}  // namespace navbin::main_form_testing
