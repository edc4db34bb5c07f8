#pragma once
// One pseudo-terminal for a simulated receiver. The simulator owns the master
// end; the slave end is what the monitor opens like a serial port. The
// simulator keeps a slave descriptor of its own open (never read) so that
// the terminal does not hang up while no monitor holds it; it takes no lock
// and sets no exclusive flag, so the monitor's exclusive open still works.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace navbin::sim {

class PseudoTerminal {
 public:
  // Opens a new pseudo-terminal with its slave in raw mode; nullptr and a
  // message in `error` on failure.
  static std::unique_ptr<PseudoTerminal> Open(std::string& error);
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  int masterFd() const { return master_; }
  // The simulator's own slave descriptor: its settings are the monitor's.
  int slaveFd() const { return keptSlave_; }
  const std::string& slavePath() const { return slavePath_; }

  // What the monitor wrote, without waiting: the count read, 0 when nothing
  // is there, -1 while no slave is open (the far side hung up).
  long read(std::uint8_t* buffer, std::size_t max);
  // Queues bytes for the monitor and sends what the terminal takes now.
  // Bytes that find the queue full are dropped, as on a line nobody reads;
  // the queue is small so that a monitor opening the port late gets little
  // that is stale. False when the bytes were dropped.
  bool write(std::span<const std::uint8_t> bytes);
  void flush();
  bool hasQueuedOutput() const { return !queue_.empty(); }
  // Whether write() would take `bytes` more without dropping them.
  bool hasRoomFor(std::size_t bytes) const { return queue_.size() + bytes <= kQueueCapacity; }
  // Bytes sent that no program on the slave side has read yet.
  long unreadBySlave() const;

  // A monitor that dies without clearing its exclusive flag leaves the flag
  // on the slave, which lives on while the master is open, and every later
  // open is refused. The flag is stale when nobody holds the slave's lock
  // (a monitor always locks what it holds); this clears it then. Returns
  // true when it cleared one.
  bool clearStaleExclusive();

  static constexpr std::size_t kQueueCapacity = 4096;

 private:
  PseudoTerminal(int master, int keptSlave, std::string slavePath);

  int master_;
  int keptSlave_;
  std::string slavePath_;
  std::vector<std::uint8_t> queue_;
};

}  // namespace navbin::sim
