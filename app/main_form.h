#pragma once
// The main window: position, velocity, time, status, satellite and DOP
// panels, the status row, the port panel of the multi-port layout, the menus,
// and the 200 ms monitor timer that drives the Qt-free core.

#include <QHash>
#include <QMainWindow>
#include <array>
#include <bitset>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <utility>

#include "protocol/commands/packet_sender.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "shell/monitor_core.h"
#include "ui/forms/all_forms.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"
#include "ui/widgets/widget_display.h"

class QAction;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace navbin::app {

class TForm_Main : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window and registers it as Form::Main; nothing is opened yet.
  TForm_Main(shell::MonitorCore& core, ui::WidgetDisplay& display, reports::Prompter& prompter,
             QWidget* parent = nullptr);
  ~TForm_Main() override;

  // Opens the display port and starts the monitor timer. False (after the
  // "Serial Port Error" box) when the port cannot be opened.
  bool FormCreate();
  // Closes every open port; also run by the destructor.
  void FormDestroy();

  // The core and the prompter, for the windows created beside this one.
  shell::MonitorCore& core() const { return core_; }
  reports::Prompter& prompter() const { return prompter_; }

  // Multi-port layout (port panel shown) or single-port layout; the window's
  // fixed size follows its contents.
  void applyLayout(bool multiport);
  bool isMultiportLayout() const;
  void setDiagnosticsVisible(bool visible);
  // Connects the data and raw packet log windows to the core's logs.
  void attachLogWindows(const ui::SecondaryForms& forms);

  // What "&Auto Query" and the display-port switch do to the display: tagged
  // panels show "?" on the window colour, tagged lamps turn gray, and every
  // port's fixSvs are cleared.
  void blankDisplay();

  // One monitor tick (the handler of Timer_NavBin).
  void NavBinTimer();
  // The almanac and ephemeris transfers hold the timer while they run.
  void stopMonitorTimer();
  void startMonitorTimer();

  // The transfers of satellite data, supplied by their owner; until one is
  // set its menu entry does nothing. One transfer at a time: a menu entry
  // that comes while one runs does nothing either.
  enum class Transfer { UploadAlmanac, DownloadAlmanac, UploadEphemeris, DownloadEphemeris };
  void setTransferHandler(Transfer transfer, std::function<void()> handler);
  // Supplies the four transfers, over the core and the windows Form_Alm and
  // Form_Eph (created by then or later).
  void installTransfers();
  // The file dialog the almanac and ephemeris transfers use.
  static reports::FileRequest OpenDialog();

  // How the serial-port apply operation waits for a frame to leave the port
  // before the PC side changes speed; tests replace it.
  using Sleep = std::function<void(std::chrono::milliseconds)>;
  void setSerialApplySleep(Sleep sleep) { serialApplySleep_ = std::move(sleep); }

  // Gives the configuration dialogs their send steps over this window's core.
  void connectConfigurationDialogs(const ui::SecondaryForms& forms);
  // Gives the timing packets window its 0x8E-AB / 0x8E-AC requests.
  void connectTimingPackets(const ui::SecondaryForms& forms);
  // "&Set Port 1" / "Set Port &2" of the serial port dialog (panel 0 or 1).
  void setReceiverSerialPort(int panel);

  // ---- Controls, by their names. ----
  QTimer* Timer_NavBin = nullptr;

  // Timing group.
  QFrame* Panel_Timing = nullptr;
  QLabel* Label10 = nullptr;  // "Timing:"
  ui::Panel* Panel_Time = nullptr;
  ui::Panel* Panel_TOW = nullptr;
  QLabel* Label_TimeMode = nullptr;
  ui::Panel* Panel_SuperTime = nullptr;
  ui::Panel* Panel_SuperTOW = nullptr;
  QLabel* Label_SuperTimeMode = nullptr;
  ui::Panel* Panel_Week = nullptr;
  ui::Panel* Panel_Date = nullptr;

  // Velocity group.
  QFrame* Panel_Velocity = nullptr;
  QLabel* Label_PanelVel = nullptr;  // "Velocity:"
  std::array<ui::Panel*, 3> Panel_Vel{};
  std::array<QLabel*, 3> Label_Vel{};

  // Change-in-position group.
  QFrame* Panel_DeltaPos = nullptr;
  ui::Panel* Panel_DeltaLat = nullptr;
  ui::Panel* Panel_DeltaLon = nullptr;
  ui::Panel* Panel_Disable = nullptr;
  ui::Panel* Panel_Disable2 = nullptr;
  QPushButton* Button_ResetLLA = nullptr;

  // Position group.
  QFrame* Panel_Position = nullptr;
  QLabel* Label_PanelPos = nullptr;  // "Position:"
  QLabel* Label_Lat_X = nullptr;
  QLabel* Label_Lon_Y = nullptr;
  QLabel* Label_Alt_Z = nullptr;
  QLabel* Label_Pmode1 = nullptr;
  QLabel* Label_Pmode2 = nullptr;
  ui::Panel* Panel_LatDeg = nullptr;
  ui::Panel* Panel_LatMin = nullptr;
  ui::Panel* Panel_NorthSouth = nullptr;
  ui::Panel* Panel_LonDeg = nullptr;
  ui::Panel* Panel_LonMin = nullptr;
  ui::Panel* Panel_EastWest = nullptr;
  ui::Panel* Panel_X = nullptr;
  ui::Panel* Panel_Y = nullptr;
  ui::Panel* Panel_Alt_Z = nullptr;
  ui::Panel* Panel_SuperLat = nullptr;
  ui::Panel* Panel_SuperLon = nullptr;
  ui::Panel* Panel_SuperAlt = nullptr;
  QLabel* Label_DatumMain = nullptr;
  ui::Panel* Panel_Datum = nullptr;

  // Status group.
  QFrame* Panel_Status = nullptr;
  QLabel* Label26 = nullptr;  // "Status:"
  QLabel* Label9 = nullptr;   // "Mode"
  QLabel* Label14 = nullptr;  // "DGPS"
  ui::Panel* Panel_RecMode = nullptr;
  ui::Panel* Panel_SuperReceiverMode = nullptr;
  ui::Panel* Panel_DGPS = nullptr;
  ui::Panel* Panel_Health = nullptr;
  ui::Shape* Shape_Err1 = nullptr;
  ui::Shape* Shape_Err2 = nullptr;
  ui::Shape* Shape_Err3 = nullptr;
  ui::Shape* Shape_Err4 = nullptr;
  QLabel* Label_BBRAMLed = nullptr;
  QLabel* Label_AntennaLed = nullptr;
  QLabel* Label_RTCLed = nullptr;
  QLabel* Label_AlmanacLed = nullptr;

  // Satellites group: element k is channel row k + 1 (Panel_SV1 is Panel_SV[0]).
  QFrame* Panel_Satellites = nullptr;
  QLabel* Label27 = nullptr;  // "Satellite Data:"
  std::array<ui::Panel*, 12> Panel_SV{};
  std::array<ui::Panel*, 12> Panel_AMU{};
  std::array<ui::Panel*, 12> Panel_AZ{};
  std::array<ui::Panel*, 12> Panel_EL{};

  // Dilution-of-precision group.
  QFrame* Panel_DOPS = nullptr;
  ui::Panel* Panel_PDOP = nullptr;
  ui::Panel* Panel_HDOP = nullptr;
  ui::Panel* Panel_VDOP = nullptr;
  ui::Panel* Panel_TDOP = nullptr;

  // Port panel (multi-port layout only).
  QFrame* Panel_Com = nullptr;
  QLabel* Label11 = nullptr;  // "COM:"
  QLabel* Label13 = nullptr;  // "Display"
  QLabel* Label29 = nullptr;  // "Monitor"
  QComboBox* ComboBox_DisplayCom = nullptr;
  std::array<ui::Panel*, 16> Panel_MonCom{};  // Panel_MonCom1 is Panel_MonCom[0]
  QPushButton* Button_TxAll = nullptr;
  ui::Shape* Shape_TxAll = nullptr;
  ui::Panel* Panel_LogStatus = nullptr;
  QMenu* PopupMenu_COM = nullptr;

  // Status row.
  QFrame* Bevel1 = nullptr;
  ui::Panel* Panel_TxRx = nullptr;
  QLabel* Label_Tx = nullptr;
  QLabel* Label_Rx = nullptr;
  ui::Shape* Shape_TxLED = nullptr;
  ui::Shape* Shape_RxLED = nullptr;
  ui::Panel* Panel_Hint = nullptr;
  ui::Panel* Panel_Record = nullptr;
  ui::Panel* Panel_Version = nullptr;
  ui::Panel* Panel_Serial = nullptr;
  QMenu* PopupMenu_MP = nullptr;

  // Menus and their entries.
  QMenu* Menu_Initialize = nullptr;
  QMenu* Menu_SelfSurveyCommand = nullptr;
  QMenu* Menu_Configure = nullptr;
  QMenu* Menu_Logging = nullptr;
  QMenu* Menu_Window = nullptr;
  QMenu* Menu_Diagnostics = nullptr;
  QMenu* Menu_Help = nullptr;

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
  QAction* LoggingData = nullptr;
  QAction* LoggingNavBin = nullptr;
  QAction* LoggingAutoQuery = nullptr;
  QAction* WindowTrack = nullptr;
  QAction* WindowTimingOutputs = nullptr;
  QAction* WindowProduct = nullptr;
  QAction* WindowTimingPackets = nullptr;
  QAction* WindowSkyView = nullptr;
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

 protected:
  bool event(QEvent* event) override;                          // hints into Panel_Hint
  bool eventFilter(QObject* watched, QEvent* event) override;  // clickable captions
  void showEvent(QShowEvent* event) override;                  // centred on first show

 private:
  // Building (main_form_panels.cpp, main_form_com.cpp, main_form_status.cpp,
  // main_form_menus.cpp).
  QWidget* buildGroups();
  QFrame* buildTiming();
  QFrame* buildVelocity();
  QFrame* buildDeltaPos();
  QFrame* buildPosition();
  void buildLlaCells(QGridLayout* grid);
  void buildSpanCells(QGridLayout* grid);
  QFrame* buildStatus();
  QFrame* buildSatellites();
  QFrame* buildDops();
  QFrame* buildCom();
  QWidget* buildStatusRow();
  void buildMenus();
  void buildInitializeMenu();
  void buildConfigureMenu();
  void buildLoggingWindowHelpMenus();
  void buildPopupMenus();
  void connectClicks();

  // Helpers for building.
  // A display cell wide enough for `widest`; `tag` 1 marks the cells that
  // "&Auto Query" blanks.
  ui::Panel* cell(const QString& name, int tag, const QString& widest, QWidget* parent);
  QLabel* label(const QString& name, const QString& text, QWidget* parent);
  QFrame* group(const QString& name, QGridLayout*& grid);
  QAction* entry(QMenu* menu, const QString& name, const QString& caption,
                 void (TForm_Main::*handler)(), const QKeySequence& shortcut = {});
  void makeClickable(QWidget* widget, QAction* action);

  // Menu handlers (main_form_init_menu.cpp, main_form_menu_actions.cpp).
  void InitializeColdClick();
  void InitializeSoftClick();
  void InitializeFactoryClick();
  void InitializeRestartSurveyClick();
  void InitializeClearPositionClick();
  void InitializeUploadAlmClick();
  void InitializeUploadPosClick();
  void InitializeTimeFromPCClick();
  void InitializeUploadEphClick();
  void InitializeDownloadAlmClick();
  void InitializeDownloadPosClick();
  void InitializeTimeToPCClick();
  void InitializeDownloadEphClick();
  void ConfigureIOClick();
  void ConfigureSensitivityClick();
  void ConfigureNavTxtClick();
  void ConfigureGPSClick();
  void ConfigureSerialClick();
  void ConfigureFiltersClick();
  void ConfigurePPSClick();
  void ConfigurePacketMasksClick();
  void ConfigureSelfSurveyClick();
  void ConfigureSaveToFlashClick();
  void LoggingDataClick();
  void LoggingNavBinClick();
  void LoggingAutoQueryClick();
  void WindowTrackClick();
  void WindowTimingOutputsClick();
  void WindowProductClick();
  void WindowTimingPacketsClick();
  void WindowSkyViewClick();
  void WindowMultiPortClick();
  void DiagnosticsGenericNavBinClick();
  void HelpAboutClick();
  void MenuCOM_OpenAllClick();
  void MenuCOM_AutoFindClick();
  void MenuCOM_SendBreakClick();
  void MenuCOM_CloseAllClick();
  void MenuCOM_CloseQuietClick();
  void MenuCOM_EnableAllClick();
  void Button_ResetLLAClick();
  void Button_TxAllClick();

  // Shows a secondary window, raised; false when it does not exist (yet).
  bool showForm(reports::Form form);
  bool hasForm(reports::Form form) const;
  // Sends the queries for a window's settings to the display port, then shows
  // it; does nothing when the window does not exist.
  using Query = void (*)(commands::PacketSender& sender, int selector);
  void queryAndShow(reports::Form form, std::initializer_list<Query> queries);
  // The nine position panels show "?" after a cold or factory reset.
  void questionPositionPanels();
  // False when no handler is set or a transfer is running already.
  bool runTransfer(Transfer transfer);

  // Port supervision (main_form_ports.cpp).
  void installCoreHooks();
  void portLost(int portIndex);
  void refreshLostMarks();
  void showDisplayPortTitle();
  void reportOpenFailure();

  shell::MonitorCore& core_;
  ui::WidgetDisplay& display_;
  reports::Prompter& prompter_;
  QHash<QObject*, QAction*> clickActions_;
  std::array<std::function<void()>, 4> transfers_{};
  Sleep serialApplySleep_;
  std::bitset<16> lostMarked_;
  bool displayLostMarked_ = false;
  bool centred_ = false;
  bool multiport_ = false;
  bool destroyed_ = false;
  bool transferRunning_ = false;
};

}  // namespace navbin::app
