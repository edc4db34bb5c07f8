#pragma once
// What the configuration dialogs do when the user sends: they read their
// controls through the Display (by the controls' names), convert them, and
// send the commands to the display port. A text that is no number, or a
// setting the receiver has not reported yet, stops the send with a message
// and nothing goes out; the functions then return false so OK keeps the
// dialog open.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system_clock.h"
#include "protocol/commands/config_commands.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "shell/position_file.h"

namespace navbin::shell {

// ---- I/O options dialog ----
// The three option bytes of the radio groups (the fourth is 0); nothing, after
// a message naming the group, when a group has no selection.
std::optional<settings::IoOptions> ReadIoOptions(reports::Display& display,
                                                 reports::Prompter& prompter);
// Set I/O options, then Set datum with the list's entry (0xFFFF for none).
bool SendIoOptions(reports::Display& display, reports::Prompter& prompter,
                   commands::PacketSender& sender);

// ---- GPS configuration dialog ----
std::optional<settings::GpsConfiguration> ReadGpsConfiguration(reports::Display& display,
                                                               reports::Prompter& prompter);
bool SendGpsConfiguration(reports::Display& display, reports::Prompter& prompter,
                          commands::PacketSender& sender);

// ---- Initial position dialog ----
// Mode 0/2 shows the LLA group, 1/3 the ECEF group; both file buttons enabled.
void ShowPositionMode(reports::Display& display, int mode);
// Sends the selected mode's command; true also when no mode is selected
// (nothing to send), false after a conversion message.
bool SendInitialPosition(reports::Display& display, reports::Prompter& prompter,
                         commands::PacketSender& sender);

reports::FileRequest PositionFileRequest();
// "&From File": asks for the file and fills the edits of the selected mode.
void ReadPositionFile(reports::Display& display, reports::Prompter& prompter);

// ---- Time-from-PC dialog ----
// Seconds since 1980-01-06 00:00:00, the PC's UTC reading taken as GPS time.
double pcClockAsGpsSeconds(const platform::CalendarTime& utc);
struct GpsWeekTime {
  std::int16_t week = 0;
  float timeOfWeek = 0;
};
GpsWeekTime SplitGpsSeconds(double seconds);
// "&Set Time": Set GPS time from the PC clock.
void SendPcTime(const platform::SystemClock& clock, commands::PacketSender& sender);

// ---- Serial port dialog ----
// The settings record of panel 0 ("Port 1") or 1 ("Port 2"); nothing, after a
// message naming the list, when a line-setting list has no selection. An
// unselected protocol list gives NavBin.
std::optional<settings::SerialPort> ReadSerialPanel(reports::Display& display,
                                                    reports::Prompter& prompter, int panel);

// ---- Filters dialog ----
// Set filter configuration from the three boxes, each 1 when checked (a
// disabled box goes out as it is checked).
void SendFilters(reports::Display& display, commands::PacketSender& sender);

// ---- Packet masks dialog ----
// Set packet masks: mask byte 1 from the three boxes (0x20, 0x40, 0x80); mask
// byte 0 and the low bits of mask byte 1 always go out as 0.
void SendPacketMasks(reports::Display& display, commands::PacketSender& sender);

// ---- Sensitivity dialog ----
// Set sensitivity mode with the list's item, 0xFF when none is selected
// (typed text of the user's own).
void SendSensitivity(reports::Display& display, commands::PacketSender& sender);

// ---- NavTxt dialog ----
// The dialog's settings: the offset truncated, every number modulo 65536, the
// vehicle ID's first four characters zero-padded. Nothing, after the
// conversion message, when the offset is no number or a period no integer.
std::optional<settings::NavTxt> ReadNavTxtConfiguration(reports::Display& display,
                                                        reports::Prompter& prompter);
bool SendNavTxtConfiguration(reports::Display& display, reports::Prompter& prompter,
                             commands::PacketSender& sender);
// ---- PPS, self-survey and generic command dialogs ----
// "&Set Characteristics": the lists as item bytes (0xFF for none), the offset
// and bias threshold edits as numbers; false after a conversion message.
bool SendPpsCharacteristics(reports::Display& display, reports::Prompter& prompter,
                            commands::PacketSender& sender);
// "&Set &Output": the checked option's code; false, and nothing sent, with none.
bool SendPpsOutput(reports::Display& display, commands::PacketSender& sender);
// "&OK": the flags and the limit read as "%ld" reads it; a limit that does
// not start with a number is refused with a message and nothing is sent.
bool SendSelfSurvey(reports::Display& display, reports::Prompter& prompter,
                    commands::PacketSender& sender);
// The bytes typed as hexadecimal, or the message that refuses them.
struct HexBytes {
  std::vector<std::uint8_t> bytes;
  std::string error;  // empty when the bytes are good
};
HexBytes ParseHexBytes(std::string_view text);
// "&Send": the edit's bytes as one packet; false after a message.
bool SendHexCommand(reports::Display& display, reports::Prompter& prompter,
                    commands::PacketSender& sender);

}  // namespace navbin::shell
