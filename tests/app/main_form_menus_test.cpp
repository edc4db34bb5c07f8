// The main window's menus: every entry with its caption and shortcut, the
// hidden diagnostics menu, the shortcuts that reach the multi-port control
// from anywhere, and the two layouts.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

#include "tests/app/main_form_fixture.h"

namespace navbin::main_form_testing {
namespace {

struct Entry {
  const char* menu;  // objectName of the menu that holds it
  const char* name;
  const char* caption;
  const char* shortcut;
};

const Entry kEntries[] = {
    {"Menu_Initialize", "InitializeCold", "&Cold Reset (0x1E)", "Ctrl+K"},
    {"Menu_Initialize", "InitializeSoft", "&Soft Reset (0x25)", "Ctrl+R"},
    {"Menu_Initialize", "InitializeFactory", "&Factory Reset (0x1E)", "Ctrl+F"},
    {"InitializeSelfSurvey", "InitializeRestartSurvey", "&Restart Self-Survey", ""},
    {"InitializeSelfSurvey", "InitializeClearPosition", "&Clear Stored Position", ""},
    {"Menu_Initialize", "InitializeUploadAlm", "&Upload Almanac (0x38)...", ""},
    {"Menu_Initialize", "InitializeUploadPos", "Upload &Position (0x23, 0x2B, 0x31, 0x32)...", ""},
    {"Menu_Initialize", "InitializeTimeFromPC", "Upload &Time From PC (0x2E)...", ""},
    {"Menu_Initialize", "InitializeUploadEph", "Upload Ep&hemeris (0x38)...", ""},
    {"Menu_Initialize", "InitializeDownloadAlm", "Download &Almanac (0x38)...", ""},
    {"Menu_Initialize", "InitializeDownloadPos", "&Download Position (0x42, 0x4A, 0x83, 0x84)...",
     ""},
    {"Menu_Initialize", "InitializeTimeToPC", "Down&load Time To PC", ""},
    {"Menu_Initialize", "InitializeDownloadEph", "Download Ephe&meris (0x38)...", ""},
    {"Menu_Configure", "ConfigureIO", "&I/O Options (0x35)...", ""},
    {"Menu_Configure", "ConfigureSensitivity", "&Enhanced Sensitiviy Mode (0x69)...", ""},
    {"Menu_Configure", "ConfigureNavTxt", "&NavTxt (0x7E)...", ""},
    {"Menu_Configure", "ConfigureGPS", "&GPS (0xBB)...", ""},
    {"Menu_Configure", "ConfigureSerial", "Serial &Ports (0xBC)...", ""},
    {"Menu_Configure", "ConfigureFilters", "&Filters (0x8E-15)...", ""},
    {"Menu_Configure", "ConfigurePPS", "PPS &Characteristics (0x8E-4A, 0x8E-4E)...", ""},
    {"Menu_Configure", "ConfigurePacketMasks", "Packet &Masks (0x8E-A5)...", ""},
    {"Menu_Configure", "ConfigureSelfSurvey", "Self-Sur&vey (0x8E-A9)...", ""},
    {"Menu_Configure", "ConfigureSaveToFlash", "&Save to Flash (0x8E-26)", ""},
    {"Menu_Configure", "ConfigureSaveSettings", "Save Receiver Se&ttings...", ""},
    {"Menu_Configure", "ConfigureRestoreSettings", "&Restore Receiver Settings...", ""},
    {"Menu_Logging", "LoggingData", "&Data...", ""},
    {"Menu_Logging", "LoggingNavBin", "&NavBin...", ""},
    {"Menu_Logging", "LoggingAutoQuery", "&Auto Query", ""},
    {"Menu_Window", "WindowTrack", "&Track Status (0x5C, 0x6D)...", ""},
    {"Menu_Window", "WindowTimingOutputs",
     "Timing &Outputs (0x42, 0x43, 0x4A, 0x56, 0x83, 0x84)...", ""},
    {"Menu_Window", "WindowProduct", "&Product Info (0x45)...", ""},
    {"Menu_Window", "WindowTimingPackets", "T&iming Packets (0x8F-AB, 0x8F-AC)...", ""},
    {"Menu_Window", "WindowSkyView", "&Sky and Signals...", "Ctrl+G"},
    {"Menu_Window", "WindowStability", "St&ability...", ""},
    {"Menu_Window", "WindowMultiPort", "&Multiport", "Ctrl+M"},
    {"Menu_Diagnostics", "DiagnosticsGenericNavBin", "Generic &NavBin Command...", ""},
    {"Menu_Help", "HelpAbout", "&About...", ""},
    {"PopupMenu_COM", "MenuCOM_OpenAll", "&Open All Ports", ""},
    {"PopupMenu_COM", "MenuCOM_AutoFind", "&Auto Find All Receivers", "Ctrl+A"},
    {"PopupMenu_COM", "MenuCOM_SendBreak", "Send &Break to All", "Ctrl+B"},
    {"PopupMenu_COM", "MenuCOM_CloseAll", "&Close All Ports", ""},
    {"PopupMenu_COM", "MenuCOM_CloseQuiet", "Close All &Quiet Ports", ""},
    {"PopupMenu_COM", "MenuCOM_EnableAll", "&Enable All Ports", ""},
    {"PopupMenu_MP", "MenuMP_MultiPort", "&Multiport", ""},
};

TEST_F(MainFormTest, EveryMenuEntryHasItsCaptionShortcutAndMenu) {
  for (const Entry& e : kEntries) {
    SCOPED_TRACE(e.name);
    auto* action = form->findChild<QAction*>(e.name);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text().toStdString(), e.caption);
    EXPECT_EQ(action->shortcut(), QKeySequence(e.shortcut));
    auto* menu = form->findChild<QMenu*>(e.menu);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(action));
  }
  const QStringList titles = {"&Initialize", "&Configure",   "&Logging",
                              "&Window",     "&Diagnostics", "&Help"};
  QStringList bar;
  for (QAction* a : form->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, titles);
  EXPECT_EQ(form->findChild<QMenu*>("InitializeSelfSurvey")->title(),
            "S&elf-Survey Command (0x8E-A6)");
  EXPECT_TRUE(form->menus->LoggingAutoQuery->isCheckable());
  EXPECT_TRUE(form->menus->LoggingAutoQuery->isChecked());
}

TEST_F(MainFormTest, DiagnosticsMenuIsHiddenUntilEnabled) {
  EXPECT_FALSE(form->menus->Menu_Diagnostics->menuAction()->isVisible());
  form->setDiagnosticsVisible(true);
  EXPECT_TRUE(form->menus->Menu_Diagnostics->menuAction()->isVisible());
}

// Ctrl+A opens every listed port and starts the search; Ctrl+B restarts the
// identification of every open port; both from any control of the window,
// whether the port panel is shown or not.
TEST_F(MainFormTest, CtrlAAndCtrlBReachTheMultiPortControlFromAnywhere) {
  create();
  form->applyLayout(false);
  showActive();
  tick(8);  // the display port is identified
  press(form->position->Panel_LatDeg, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(core.multiPort.findAllCountdown, 2);
  for (int com = 1; com <= link::kPortCount; ++com) {
    EXPECT_TRUE(port(com).isOpen) << com;
    EXPECT_TRUE(port(com).monitored) << com;
  }
  press(form->deltaPos->Button_ResetLLA, Qt::Key_B, Qt::ControlModifier);
  for (int com = 1; com <= link::kPortCount; ++com) EXPECT_EQ(port(com).startupState, 7) << com;
}

TEST_F(MainFormTest, CtrlMTogglesTheLayoutAndTheWindowFitsEachOne) {
  create();
  form->applyLayout(false);
  showActive();
  const QSize single = form->size();
  EXPECT_FALSE(form->portPanel->isVisible());
  EXPECT_FALSE(form->menus->WindowMultiPort->isChecked());

  press(form->satellites, Qt::Key_M, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_TRUE(form->portPanel->isVisible());
  EXPECT_TRUE(form->menus->WindowMultiPort->isChecked());
  EXPECT_TRUE(form->menus->MenuMP_MultiPort->isChecked());
  EXPECT_GT(form->width(), single.width());

  for (bool multi : {true, false}) {
    SCOPED_TRACE(multi ? "multi-port" : "single-port");
    if (!multi) press(form->satellites, Qt::Key_M, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(form->isMultiportLayout(), multi);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());  // fixed size
    EXPECT_EQ(form->size(), form->sizeHint());
    // Every group, and the rightmost one with its margin, lies inside the window.
    QWidget* rightmost = multi ? static_cast<QWidget*>(form->portPanel) : form->satellites;
    const std::vector<QWidget*> groups = {
        form->timing, form->velocity,   form->deltaPos, form->position,
        form->status, form->satellites, form->dops,     form->statusRow->Panel_Serial};
    for (QWidget* g : groups) {
      const QRect r(g->mapTo(form.get(), QPoint(0, 0)), g->size());
      EXPECT_TRUE(form->rect().contains(r)) << g->objectName().toStdString();
    }
    const int right = rightmost->mapTo(form.get(), QPoint(rightmost->width(), 0)).x();
    EXPECT_LE(form->width() - right, 12);
  }
  EXPECT_EQ(form->size(), single);
  EXPECT_FALSE(form->menus->MenuMP_MultiPort->isChecked());
}

TEST_F(MainFormTest, PortPanelPopupAndPanelsDriveTheMultiPortControl) {
  create();
  form->applyLayout(true);
  // A left click on a closed port's lamp opens and monitors it.
  click(form->portPanel->Panel_MonCom[4]);
  EXPECT_TRUE(port(5).isOpen);
  EXPECT_TRUE(port(5).monitored);
  EXPECT_EQ(form->portPanel->Panel_MonCom[4]->fill(), reports::Colour::Yellow);
  form->menus->MenuCOM_CloseAll->trigger();
  EXPECT_FALSE(port(5).isOpen);
  EXPECT_TRUE(port(kDisplayCom).isOpen);

  click(form->portPanel->Button_TxAll);
  EXPECT_TRUE(core.shell.transmitToAll);
  EXPECT_EQ(form->portPanel->Shape_TxAll->fill(), reports::Colour::Lime);

  // Picking COM5 in the list makes it the display port, with a blank display.
  form->position->Panel_LatDeg->setText("34");
  emit form->portPanel->ComboBox_DisplayCom->activated(4);
  EXPECT_EQ(form->position->Panel_LatDeg->text(), "?");
  EXPECT_EQ(core.shell.displayPort, 5);
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "5 M2_Monitor");
  EXPECT_EQ(form->statusRow->Panel_Serial->text(), "COM5 9600, 8-O-1");
}

}  // namespace
}  // namespace navbin::main_form_testing
