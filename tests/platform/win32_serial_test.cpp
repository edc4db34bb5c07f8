// The Windows serial port's pieces that need no port: device names, the
// device control block, open errors; and the enumeration over the registry.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "platform/serial_enumeration.h"
#include "platform/win32_serial_device.h"

namespace navbin::platform {
namespace {

TEST(Win32Serial, DeviceNamesReachEveryComNumber) {
  EXPECT_EQ(Win32DeviceName("COM3"), "\\\\.\\COM3");
  EXPECT_EQ(Win32DeviceName("COM12"), "\\\\.\\COM12");
  EXPECT_EQ(Win32DeviceName("\\\\.\\COM12"), "\\\\.\\COM12");
}

TEST(Win32Serial, LineSettingsKeepTheDriversCharactersAndAbortSetting) {
  DCB dcb{};
  dcb.ErrorChar = 0x3F;
  dcb.EofChar = 0x1A;
  dcb.EvtChar = 0x0D;
  dcb.fAbortOnError = 1;
  dcb.fOutxCtsFlow = 1;
  dcb.fOutX = 1;
  ASSERT_TRUE(ApplyLineParameters(dcb, LineParameters{19200, 7, 2, 2}));
  EXPECT_EQ(dcb.BaudRate, 19200u);
  EXPECT_EQ(dcb.ByteSize, 7);
  EXPECT_EQ(dcb.Parity, EVENPARITY);
  EXPECT_EQ(dcb.StopBits, TWOSTOPBITS);
  EXPECT_EQ(dcb.fParity, 1u);
  EXPECT_EQ(dcb.fOutxCtsFlow | dcb.fOutxDsrFlow | dcb.fOutX | dcb.fInX, 0u);
  EXPECT_EQ(dcb.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
  EXPECT_EQ(dcb.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
  EXPECT_EQ(dcb.XonChar, 0x11);
  EXPECT_EQ(dcb.XoffChar, 0x13);
  EXPECT_EQ(dcb.ErrorChar, 0x3F);
  EXPECT_EQ(dcb.EofChar, 0x1A);
  EXPECT_EQ(dcb.EvtChar, 0x0D);
  EXPECT_EQ(dcb.fAbortOnError, 1u);
}

TEST(Win32Serial, LineSettingsOutsideTheCodesAreRefused) {
  for (const LineParameters line :
       {LineParameters{9600, 4, 1, 0}, LineParameters{9600, 9, 1, 0}, LineParameters{9600, 8, 3, 0},
        LineParameters{9600, 8, 1, 3}, LineParameters{0, 8, 1, 0}}) {
    DCB dcb{};
    EXPECT_FALSE(ApplyLineParameters(dcb, line));
  }
}

TEST(Win32Serial, MissingPortsFailTheOpen) {
  Win32SerialBackend backend;
  EXPECT_EQ(backend.open("COM199"), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::NotFound);
  EXPECT_EQ(OpenErrorFromWin32(ERROR_ACCESS_DENIED), OpenError::Busy);
}

// The values are written as Windows' drivers write them; they are taken
// away again at the end.
TEST(Win32Serial, EnumerationListsTheSerialCommPortsUpToCom16) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::pair<const char*, const char*> values[] = {{"\\Device\\NavbinTest7", "COM7"},
                                                        {"\\Device\\NavbinTest20", "COM20"}};
  for (const auto& [name, data] : values) {
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                     static_cast<DWORD>(std::strlen(data) + 1));
  }
  const auto ports = EnumerateSerialDevices();
  for (const auto& value : values) ::RegDeleteValueA(key, value.first);
  ::RegCloseKey(key);
  EXPECT_NE(std::find(ports.begin(), ports.end(), "COM7"), ports.end());
  EXPECT_EQ(std::find(ports.begin(), ports.end(), "COM20"), ports.end());
  EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(), [](const auto& a, const auto& b) {
    return std::stoi(a.substr(3)) < std::stoi(b.substr(3));
  }));
}

// tests/windows/wine_e2e.sh names the ports reg.exe shows under SERIALCOMM.
TEST(Win32Serial, EnumerationFindsThePortsTheRegistryLists) {
  const char* expected = std::getenv("NAVBIN_SERIALCOMM_PORTS");
  if (!expected) GTEST_SKIP() << "run by tests/windows/wine_e2e.sh";
  std::string found;
  for (const std::string& port : EnumerateSerialDevices())
    found += (found.empty() ? "" : " ") + port;
  EXPECT_EQ(found, expected);
}

// On a port that receives (tests/windows/wine_e2e.sh: a replay on COM3).
TEST(Win32Serial, AHeldPortIsExclusiveAndReadsWithoutWaiting) {
  const char* name = std::getenv("NAVBIN_RECEIVING_PORT");
  if (!name) GTEST_SKIP() << "run by tests/windows/wine_e2e.sh";
  Win32SerialBackend backend;
  auto port = backend.open(name);
  ASSERT_NE(port, nullptr) << OpenErrorText(backend.lastError());
  EXPECT_EQ(backend.open(name), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::Busy);
  ASSERT_TRUE(port->waitForInput(5000));
  std::uint8_t bytes[8192];
  EXPECT_GT(port->read(bytes, sizeof bytes), 0);
  const std::uint8_t query[] = {0x10, 0x21, 0x10, 0x03};
  EXPECT_TRUE(port->write(query, sizeof query));
  EXPECT_FALSE(port->lost());
  port.reset();
  EXPECT_NE(backend.open(name), nullptr);  // free again once closed
}

}  // namespace
}  // namespace navbin::platform
