#pragma once
// The main window's menus, all built in one place: the menu bar, the port
// panel's pop-up menu (PopupMenu_COM) and the status row's (PopupMenu_MP).
// Each entry runs its handler in TForm_Main; the entries are owned by the
// window.

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

namespace navbin::app {

class TForm_Main;

class MainMenus {
 public:
  explicit MainMenus(TForm_Main& form);

  QMenu* Menu_Initialize = nullptr;
  QMenu* Menu_SelfSurveyCommand = nullptr;
  QMenu* Menu_Configure = nullptr;
  QMenu* Menu_Logging = nullptr;
  QMenu* Menu_Window = nullptr;
  QMenu* Menu_Diagnostics = nullptr;
  QMenu* Menu_Help = nullptr;
  QMenu* PopupMenu_COM = nullptr;
  QMenu* PopupMenu_MP = nullptr;

  QAction* InitializeCold = nullptr;
  QAction* InitializeSoft = nullptr;
  QAction* InitializeFactory = nullptr;
  QAction* InitializeRestartSurvey = nullptr;
  QAction* InitializeClearPosition = nullptr;
  QAction* InitializeUploadAlm = nullptr;
  QAction* InitializeUploadPos = nullptr;
  QAction* InitializeTimeFromPC = nullptr;
  QAction* InitializeUploadEph = nullptr;
  QAction* InitializeDownloadAlm = nullptr;
  QAction* InitializeDownloadPos = nullptr;
  QAction* InitializeTimeToPC = nullptr;
  QAction* InitializeDownloadEph = nullptr;
  QAction* ConfigureIO = nullptr;
  QAction* ConfigureSensitivity = nullptr;
  QAction* ConfigureNavTxt = nullptr;
  QAction* ConfigureGPS = nullptr;
  QAction* ConfigureSerial = nullptr;
  QAction* ConfigureFilters = nullptr;
  QAction* ConfigurePPS = nullptr;
  QAction* ConfigurePacketMasks = nullptr;
  QAction* ConfigureSelfSurvey = nullptr;
  QAction* ConfigureSaveToFlash = nullptr;
  QAction* ConfigureSaveSettings = nullptr;
  QAction* ConfigureRestoreSettings = nullptr;
  QAction* LoggingData = nullptr;
  QAction* LoggingNavBin = nullptr;
  QAction* LoggingAutoQuery = nullptr;
  QAction* WindowTrack = nullptr;
  QAction* WindowTimingOutputs = nullptr;
  QAction* WindowProduct = nullptr;
  QAction* WindowTimingPackets = nullptr;
  QAction* WindowSkyView = nullptr;
  QAction* WindowStability = nullptr;
  QAction* WindowMultiPort = nullptr;
  QAction* DiagnosticsGenericNavBin = nullptr;
  QAction* HelpAbout = nullptr;
  QAction* MenuMP_MultiPort = nullptr;
  QAction* MenuCOM_OpenAll = nullptr;
  QAction* MenuCOM_AutoFind = nullptr;
  QAction* MenuCOM_SendBreak = nullptr;
  QAction* MenuCOM_CloseAll = nullptr;
  QAction* MenuCOM_CloseQuiet = nullptr;
  QAction* MenuCOM_EnableAll = nullptr;

 private:
  void buildInitializeMenu();
  void buildConfigureMenu();
  void buildLoggingWindowHelpMenus();
  void buildPopupMenus();
  QMenu* topMenu(const QString& name, const QString& title);
  QAction* entry(QMenu* menu, const QString& name, const QString& caption,
                 void (TForm_Main::*handler)(), const QKeySequence& shortcut = {});

  TForm_Main& form_;
};

}  // namespace navbin::app
