#pragma once
// The main window: its parts (the position, velocity, time, status, satellite
// and DOP groups, the status row, the port panel of the multi-port layout and
// the menus), what their entries and clicks do, and the 200 ms monitor timer
// that drives the Qt-free core. WindowWiring connects the other windows.

#include <QHash>
#include <QMainWindow>
#include <array>
#include <bitset>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

#include "app/main_menus.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "shell/monitor_core.h"
#include "ui/main_window/delta_pos_group.h"
#include "ui/main_window/dops_group.h"
#include "ui/main_window/port_panel.h"
#include "ui/main_window/position_group.h"
#include "ui/main_window/satellites_group.h"
#include "ui/main_window/status_group.h"
#include "ui/main_window/status_row.h"
#include "ui/main_window/timing_group.h"
#include "ui/main_window/velocity_group.h"
#include "ui/widgets/widget_display.h"

class QAction;
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

  // The core, the display and the prompter, for the windows created beside
  // this one.
  shell::MonitorCore& core() const { return core_; }
  ui::WidgetDisplay& display() const { return display_; }
  reports::Prompter& prompter() const { return prompter_; }

  // Multi-port layout (port panel shown) or single-port layout; the window's
  // fixed size follows its contents.
  void applyLayout(bool multiport);
  bool isMultiportLayout() const;
  void setDiagnosticsVisible(bool visible);

  // What "&Auto Query" and the display-port switch do to the display: tagged
  // panels show "?" on the window colour, tagged lamps turn gray, and every
  // port's fixSvs are cleared.
  void blankDisplay();

  // One monitor tick (the handler of Timer_NavBin).
  void NavBinTimer();
  // The almanac and ephemeris transfers hold the timer while they run.
  void stopMonitorTimer();
  void startMonitorTimer();

  // The transfers of satellite data, supplied by their owner (TransferWindows);
  // until one is set its menu entry does nothing. One transfer at a time: a
  // menu entry that comes while one runs does nothing either.
  // The whole-settings save and restore (SettingsWindows) count as transfers too.
  enum class Transfer {
    UploadAlmanac,
    DownloadAlmanac,
    UploadEphemeris,
    DownloadEphemeris,
    SaveSettings,
    RestoreSettings,
  };
  void setTransferHandler(Transfer transfer, std::function<void()> handler);
  // The file dialog the almanac and ephemeris transfers use.
  static reports::FileRequest OpenDialog();

  // How the serial-port apply operation waits for a frame to leave the port
  // before the PC side changes speed; tests replace it.
  using Sleep = std::function<void(std::chrono::milliseconds)>;
  void setSerialApplySleep(Sleep sleep) { serialApplySleep_ = std::move(sleep); }

  // "&Set Port 1" / "Set Port &2" of the serial port dialog (panel 0 or 1).
  void setReceiverSerialPort(int panel);

  // ---- Controls, by their names, in the parts that hold them. ----
  QTimer* Timer_NavBin = nullptr;
  ui::TimingGroup* timing = nullptr;          // Panel_Timing
  ui::VelocityGroup* velocity = nullptr;      // Panel_Velocity
  ui::DeltaPosGroup* deltaPos = nullptr;      // Panel_DeltaPos
  ui::PositionGroup* position = nullptr;      // Panel_Position
  ui::StatusGroup* status = nullptr;          // Panel_Status
  ui::SatellitesGroup* satellites = nullptr;  // Panel_Satellites
  ui::DopsGroup* dops = nullptr;              // Panel_DOPS
  ui::PortPanel* portPanel = nullptr;         // Panel_Com, multi-port layout only
  ui::StatusRow* statusRow = nullptr;         // StatusRow
  std::unique_ptr<MainMenus> menus;           // the menu bar and the two pop-up menus

 protected:
  bool event(QEvent* event) override;                          // hints into Panel_Hint
  bool eventFilter(QObject* watched, QEvent* event) override;  // clickable captions
  void showEvent(QShowEvent* event) override;                  // centred on first show

 private:
  // Building and connecting the parts (main_form_parts.cpp).
  QWidget* buildGroups();
  void connectParts();
  void connectClicks();
  void makeClickable(QWidget* widget, QAction* action);

  // Menu handlers (main_form_init_menu.cpp, main_form_menu_actions.cpp), run
  // by the entries MainMenus builds.
  friend class MainMenus;
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
  void ConfigureSaveSettingsClick();
  void ConfigureRestoreSettingsClick();
  void LoggingDataClick();
  void LoggingNavBinClick();
  void LoggingAutoQueryClick();
  void WindowTrackClick();
  void WindowTimingOutputsClick();
  void WindowProductClick();
  void WindowTimingPacketsClick();
  void WindowSkyViewClick();
  void WindowStabilityClick();
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
  std::array<std::function<void()>, 6> transfers_{};
  Sleep serialApplySleep_;
  std::bitset<16> lostMarked_;
  bool displayLostMarked_ = false;
  bool centred_ = false;
  bool multiport_ = false;
  bool destroyed_ = false;
  bool transferRunning_ = false;
};

}  // namespace navbin::app
