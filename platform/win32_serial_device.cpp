#include "platform/win32_serial_device.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <mutex>
#include <set>
#include <utility>

namespace navbin::platform {
namespace {

constexpr DWORD kQueueSize = 4096;
constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
constexpr int kWaitStepMs = 10;

// Reads return at once with what the driver holds; a write may take 10 ms a byte.
constexpr COMMTIMEOUTS kTimeouts{MAXDWORD, 0, 0, 10, 0};

// The device names this program holds open, upper case.
std::set<std::string>& HeldPorts() {
  static std::set<std::string> held;
  return held;
}
std::mutex gHeldMutex;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string Win32DeviceName(const std::string& path) {
  static const std::string kPrefix = "\\\\.\\";
  return path.compare(0, kPrefix.size(), kPrefix) == 0 ? path : kPrefix + path;
}

bool ApplyLineParameters(DCB& dcb, const LineParameters& line) {
  if (line.baud == 0 || line.byteSize < 5 || line.byteSize > 8) return false;
  if (line.parity < 0 || line.parity > 2 || line.stopBits < 0 || line.stopBits > 2) return false;
  // The receiver's codes are the driver's: NOPARITY 0, ODDPARITY 1,
  // EVENPARITY 2; ONESTOPBIT 0, ONE5STOPBITS 1, TWOSTOPBITS 2.
  dcb.BaudRate = line.baud;
  dcb.ByteSize = static_cast<BYTE>(line.byteSize);
  dcb.Parity = static_cast<BYTE>(line.parity);
  dcb.StopBits = static_cast<BYTE>(line.stopBits);
  dcb.fBinary = 1;
  dcb.fParity = 1;
  dcb.fOutxCtsFlow = 0;
  dcb.fOutxDsrFlow = 0;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fOutX = 0;
  dcb.fInX = 0;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.XonLim = 100;
  dcb.XoffLim = 100;
  return true;
}

OpenError OpenErrorFromWin32(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_UNIT:
      return OpenError::NotFound;
    case ERROR_ACCESS_DENIED:  // what a port held by another program answers
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
      return OpenError::Busy;
    case ERROR_PRIVILEGE_NOT_HELD:
      return OpenError::PermissionDenied;
    default:
      return OpenError::Other;
  }
}

Win32SerialDevice::Win32SerialDevice(HANDLE port, std::string deviceName)
    : port_(port),
      deviceName_(std::move(deviceName)),
      readEvent_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      writeEvent_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

Win32SerialDevice::~Win32SerialDevice() {
  if (!lost_) {
    DWORD errors = 0;
    ::ClearCommError(port_, &errors, nullptr);
    ::ClearCommBreak(port_);
    ::PurgeComm(port_, kPurgeAll);
  }
  abandonWrite();
  ::CloseHandle(port_);
  ::CloseHandle(readEvent_);
  ::CloseHandle(writeEvent_);
  const std::lock_guard lock(gHeldMutex);
  HeldPorts().erase(deviceName_);
}

void Win32SerialDevice::markLost() {
  lost_ = true;
  queue_.clear();
  abandonWrite();
}

long Win32SerialDevice::pendingInput() {
  if (lost_) return -1;
  DWORD errors = 0;
  COMSTAT status{};
  if (!::ClearCommError(port_, &errors, &status)) {  // the port went away
    markLost();
    return -1;
  }
  return static_cast<long>(status.cbInQue);
}

long Win32SerialDevice::read(std::uint8_t* buffer, std::size_t max) {
  if (lost_) return -1;
  if (max == 0) return 0;
  OVERLAPPED io{};
  io.hEvent = readEvent_;
  ::ResetEvent(readEvent_);
  const auto want = static_cast<DWORD>(std::min<std::size_t>(max, MAXDWORD));
  DWORD got = 0;
  if (::ReadFile(port_, buffer, want, &got, &io)) return static_cast<long>(got);
  // With the time-outs set at open the read completes at once even when the
  // driver reports it as under way.
  if (::GetLastError() == ERROR_IO_PENDING && ::GetOverlappedResult(port_, &io, &got, TRUE)) {
    return static_cast<long>(got);
  }
  markLost();
  return -1;
}

bool Win32SerialDevice::writeDone() {
  if (writing_.empty()) return true;
  DWORD sent = 0;
  if (!::GetOverlappedResult(port_, &writeIo_, &sent, FALSE) &&
      ::GetLastError() == ERROR_IO_INCOMPLETE) {
    return false;
  }
  // Finished, or timed out: either way the driver is done with the bytes.
  writing_.clear();
  return true;
}

void Win32SerialDevice::abandonWrite() {
  if (writing_.empty()) return;
  ::CancelIo(port_);
  DWORD sent = 0;
  ::GetOverlappedResult(port_, &writeIo_, &sent, TRUE);
  writing_.clear();
}

void Win32SerialDevice::flushOutput() {
  if (lost_ || queue_.size() == 0 || !writeDone()) return;
  writing_.assign(queue_.front(), queue_.front() + queue_.size());
  queue_.clear();
  writeIo_ = OVERLAPPED{};
  writeIo_.hEvent = writeEvent_;
  ::ResetEvent(writeEvent_);
  DWORD sent = 0;
  if (::WriteFile(port_, writing_.data(), static_cast<DWORD>(writing_.size()), &sent, &writeIo_)) {
    writing_.clear();
  } else if (::GetLastError() != ERROR_IO_PENDING) {
    writing_.clear();
    markLost();
  }
}

bool Win32SerialDevice::write(const std::uint8_t* frame, std::size_t length) {
  flushOutput();  // what waits goes first, and makes room
  if (lost_) return false;
  if (length == 0) return true;
  if (queue_.size() + length > kOutputQueueCapacity) return false;
  queue_.append({frame, length});
  flushOutput();
  return true;
}

bool Win32SerialDevice::setLineParameters(const LineParameters& line) {
  if (lost_) return false;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(port_, &dcb) || !ApplyLineParameters(dcb, line)) return false;
  return ::SetCommState(port_, &dcb) != 0;
}

void Win32SerialDevice::purge() {
  queue_.clear();
  if (!lost_) ::PurgeComm(port_, kPurgeAll);
  abandonWrite();
}

// The driver gives no wait that ends on input with these time-outs, so the
// queue is looked at every few milliseconds.
bool Win32SerialDevice::waitForInput(int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const long pending = pendingInput();
    if (pending != 0) return pending > 0;
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    ::Sleep(static_cast<DWORD>(std::min<long long>(left.count(), kWaitStepMs)));
  }
}

std::unique_ptr<SerialDevice> Win32SerialBackend::open(const std::string& path) {
  lastError_ = OpenError::None;
  const std::string name = Upper(Win32DeviceName(path));
  const std::lock_guard lock(gHeldMutex);
  if (HeldPorts().count(name) != 0) {
    lastError_ = OpenError::Busy;
    return nullptr;
  }
  const HANDLE port =
      ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    lastError_ = OpenErrorFromWin32(::GetLastError());
    return nullptr;
  }
  if (!::SetupComm(port, kQueueSize, kQueueSize)) {
    ::CloseHandle(port);
    lastError_ = OpenError::Other;
    return nullptr;
  }
  // As with the line settings below, a driver that refuses these still
  // gives a usable port.
  ::PurgeComm(port, kPurgeAll);
  COMMTIMEOUTS timeouts = kTimeouts;
  ::SetCommTimeouts(port, &timeouts);
  auto device = std::make_unique<Win32SerialDevice>(port, name);
  device->setLineParameters(LineParameters{});
  HeldPorts().insert(name);
  return device;
}

}  // namespace navbin::platform
