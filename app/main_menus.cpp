#include "app/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/main_form.h"

namespace navbin::app {

MainMenus::MainMenus(TForm_Main& form) : form_(form) {
  buildInitializeMenu();
  buildConfigureMenu();
  buildLoggingWindowHelpMenus();
  buildPopupMenus();
}

QMenu* MainMenus::topMenu(const QString& name, const QString& title) {
  QMenu* menu = form_.menuBar()->addMenu(title);
  menu->setObjectName(name);
  return menu;
}

QAction* MainMenus::entry(QMenu* menu, const QString& name, const QString& caption,
                          void (TForm_Main::*handler)(), const QKeySequence& shortcut) {
  auto* action = new QAction(caption, &form_);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  QObject::connect(action, &QAction::triggered, &form_, handler);
  menu->addAction(action);
  return action;
}

void MainMenus::buildInitializeMenu() {
  QMenu* m = Menu_Initialize = topMenu("Menu_Initialize", "&Initialize");
  using M = TForm_Main;
  InitializeCold = entry(m, "InitializeCold", "&Cold Reset (0x1E)", &M::InitializeColdClick,
                         QKeySequence("Ctrl+K"));
  InitializeSoft = entry(m, "InitializeSoft", "&Soft Reset (0x25)", &M::InitializeSoftClick,
                         QKeySequence("Ctrl+R"));
  InitializeFactory = entry(m, "InitializeFactory", "&Factory Reset (0x1E)",
                            &M::InitializeFactoryClick, QKeySequence("Ctrl+F"));
  Menu_SelfSurveyCommand = m->addMenu("S&elf-Survey Command (0x8E-A6)");
  Menu_SelfSurveyCommand->setObjectName("InitializeSelfSurvey");
  InitializeRestartSurvey = entry(Menu_SelfSurveyCommand, "InitializeRestartSurvey",
                                  "&Restart Self-Survey", &M::InitializeRestartSurveyClick);
  InitializeClearPosition = entry(Menu_SelfSurveyCommand, "InitializeClearPosition",
                                  "&Clear Stored Position", &M::InitializeClearPositionClick);
  m->addSeparator();
  InitializeUploadAlm =
      entry(m, "InitializeUploadAlm", "&Upload Almanac (0x38)...", &M::InitializeUploadAlmClick);
  InitializeUploadPos =
      entry(m, "InitializeUploadPos", "Upload &Position (0x23, 0x2B, 0x31, 0x32)...",
            &M::InitializeUploadPosClick);
  InitializeTimeFromPC = entry(m, "InitializeTimeFromPC", "Upload &Time From PC (0x2E)...",
                               &M::InitializeTimeFromPCClick);
  InitializeUploadEph =
      entry(m, "InitializeUploadEph", "Upload Ep&hemeris (0x38)...", &M::InitializeUploadEphClick);
  m->addSeparator();
  InitializeDownloadAlm = entry(m, "InitializeDownloadAlm", "Download &Almanac (0x38)...",
                                &M::InitializeDownloadAlmClick);
  InitializeDownloadPos =
      entry(m, "InitializeDownloadPos", "&Download Position (0x42, 0x4A, 0x83, 0x84)...",
            &M::InitializeDownloadPosClick);
  InitializeTimeToPC =
      entry(m, "InitializeTimeToPC", "Down&load Time To PC", &M::InitializeTimeToPCClick);
  InitializeDownloadEph = entry(m, "InitializeDownloadEph", "Download Ephe&meris (0x38)...",
                                &M::InitializeDownloadEphClick);
}

void MainMenus::buildConfigureMenu() {
  QMenu* m = Menu_Configure = topMenu("Menu_Configure", "&Configure");
  using M = TForm_Main;
  ConfigureIO = entry(m, "ConfigureIO", "&I/O Options (0x35)...", &M::ConfigureIOClick);
  ConfigureSensitivity = entry(m, "ConfigureSensitivity", "&Enhanced Sensitiviy Mode (0x69)...",
                               &M::ConfigureSensitivityClick);
  ConfigureNavTxt = entry(m, "ConfigureNavTxt", "&NavTxt (0x7E)...", &M::ConfigureNavTxtClick);
  ConfigureGPS = entry(m, "ConfigureGPS", "&GPS (0xBB)...", &M::ConfigureGPSClick);
  ConfigureSerial =
      entry(m, "ConfigureSerial", "Serial &Ports (0xBC)...", &M::ConfigureSerialClick);
  ConfigureFilters =
      entry(m, "ConfigureFilters", "&Filters (0x8E-15)...", &M::ConfigureFiltersClick);
  ConfigurePPS =
      entry(m, "ConfigurePPS", "PPS &Characteristics (0x8E-4A, 0x8E-4E)...", &M::ConfigurePPSClick);
  ConfigurePacketMasks =
      entry(m, "ConfigurePacketMasks", "Packet &Masks (0x8E-A5)...", &M::ConfigurePacketMasksClick);
  ConfigureSelfSurvey =
      entry(m, "ConfigureSelfSurvey", "Self-Sur&vey (0x8E-A9)...", &M::ConfigureSelfSurveyClick);
  m->addSeparator();
  ConfigureSaveToFlash =
      entry(m, "ConfigureSaveToFlash", "&Save to Flash (0x8E-26)", &M::ConfigureSaveToFlashClick);
  m->addSeparator();
  ConfigureSaveSettings = entry(m, "ConfigureSaveSettings", "Save Receiver Se&ttings...",
                                &M::ConfigureSaveSettingsClick);
  ConfigureRestoreSettings = entry(m, "ConfigureRestoreSettings", "&Restore Receiver Settings...",
                                   &M::ConfigureRestoreSettingsClick);
}

void MainMenus::buildLoggingWindowHelpMenus() {
  using M = TForm_Main;
  QMenu* m = Menu_Logging = topMenu("Menu_Logging", "&Logging");
  LoggingData = entry(m, "LoggingData", "&Data...", &M::LoggingDataClick);
  LoggingNavBin = entry(m, "LoggingNavBin", "&NavBin...", &M::LoggingNavBinClick);
  LoggingAutoQuery = entry(m, "LoggingAutoQuery", "&Auto Query", &M::LoggingAutoQueryClick);
  LoggingAutoQuery->setCheckable(true);
  LoggingAutoQuery->setChecked(true);

  m = Menu_Window = topMenu("Menu_Window", "&Window");
  WindowTrack = entry(m, "WindowTrack", "&Track Status (0x5C, 0x6D)...", &M::WindowTrackClick);
  WindowTimingOutputs =
      entry(m, "WindowTimingOutputs", "Timing &Outputs (0x42, 0x43, 0x4A, 0x56, 0x83, 0x84)...",
            &M::WindowTimingOutputsClick);
  WindowProduct = entry(m, "WindowProduct", "&Product Info (0x45)...", &M::WindowProductClick);
  WindowTimingPackets = entry(m, "WindowTimingPackets", "T&iming Packets (0x8F-AB, 0x8F-AC)...",
                              &M::WindowTimingPacketsClick);
  WindowSkyView = entry(m, "WindowSkyView", "&Sky and Signals...", &M::WindowSkyViewClick,
                        QKeySequence("Ctrl+G"));
  WindowStability = entry(m, "WindowStability", "St&ability...", &M::WindowStabilityClick);
  m->addSeparator();
  WindowMultiPort =
      entry(m, "WindowMultiPort", "&Multiport", &M::WindowMultiPortClick, QKeySequence("Ctrl+M"));
  WindowMultiPort->setCheckable(true);

  m = Menu_Diagnostics = topMenu("Menu_Diagnostics", "&Diagnostics");
  DiagnosticsGenericNavBin = entry(m, "DiagnosticsGenericNavBin", "Generic &NavBin Command...",
                                   &M::DiagnosticsGenericNavBinClick);
  Menu_Diagnostics->menuAction()->setVisible(false);

  m = Menu_Help = topMenu("Menu_Help", "&Help");
  HelpAbout = entry(m, "HelpAbout", "&About...", &M::HelpAboutClick);
}

void MainMenus::buildPopupMenus() {
  using M = TForm_Main;
  QMenu* m = PopupMenu_COM = new QMenu(&form_);
  m->setObjectName("PopupMenu_COM");
  MenuCOM_OpenAll = entry(m, "MenuCOM_OpenAll", "&Open All Ports", &M::MenuCOM_OpenAllClick);
  MenuCOM_AutoFind = entry(m, "MenuCOM_AutoFind", "&Auto Find All Receivers",
                           &M::MenuCOM_AutoFindClick, QKeySequence("Ctrl+A"));
  MenuCOM_SendBreak = entry(m, "MenuCOM_SendBreak", "Send &Break to All",
                            &M::MenuCOM_SendBreakClick, QKeySequence("Ctrl+B"));
  MenuCOM_CloseAll = entry(m, "MenuCOM_CloseAll", "&Close All Ports", &M::MenuCOM_CloseAllClick);
  MenuCOM_CloseQuiet =
      entry(m, "MenuCOM_CloseQuiet", "Close All &Quiet Ports", &M::MenuCOM_CloseQuietClick);
  MenuCOM_EnableAll =
      entry(m, "MenuCOM_EnableAll", "&Enable All Ports", &M::MenuCOM_EnableAllClick);
  // The pop-up's shortcuts work anywhere in the window, whichever layout.
  form_.addAction(MenuCOM_AutoFind);
  form_.addAction(MenuCOM_SendBreak);

  m = PopupMenu_MP = new QMenu(&form_);
  m->setObjectName("PopupMenu_MP");
  // Same command as WindowMultiPort; Ctrl+M belongs to that entry alone.
  MenuMP_MultiPort = entry(m, "MenuMP_MultiPort", "&Multiport", &M::WindowMultiPortClick);
  MenuMP_MultiPort->setCheckable(true);
}

}  // namespace navbin::app
