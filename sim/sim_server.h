#pragma once
// Serves simulated receivers on pseudo-terminals or TCP ports: bytes the
// monitor writes go to the port's receiver, the receiver's output goes back,
// and every receiver's clock follows the real time between rounds.

#include <poll.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/framing.h"
#include "sim/line_pacer.h"
#include "sim/pseudo_terminal.h"
#include "sim/sim_options.h"
#include "sim/simulated_receiver.h"
#include "sim/tcp_endpoint.h"

namespace navbin::sim {

class SimServer {
 public:
  SimServer() = default;
  ~SimServer();  // removes the links it made
  SimServer(const SimServer&) = delete;
  SimServer& operator=(const SimServer&) = delete;

  // Opens one pseudo-terminal per port and makes the links, or with --tcp
  // listens on one TCP port per receiver; false with a message on failure
  // (what was made is undone).
  bool start(const SimOptions& options, std::string& error);

  // One round: waits at most `maxWaitMs` for bytes from a monitor (less when
  // a receiver's next second is due), hands them over, advances the clocks
  // and sends what the receivers produced.
  void serveOnce(int maxWaitMs);
  // Rounds until `stop` becomes non-zero. With startAfterSeconds the
  // receivers are silent that long first; with stopAfterSeconds they fall
  // silent that long after they began, and their counts are printed.
  void run(const volatile std::sig_atomic_t& stop);

  // Makes every receiver fall silent: commands are read and dropped, nothing
  // more is sent (what is queued still leaves).
  void silence() { silent_ = true; }
  // Reports of a port's receiver that reached its terminal.
  std::uint64_t reportsSent(int index) const { return ports_[index]->reportsSent; }

  int portCount() const { return static_cast<int>(ports_.size()); }
  // What a monitor opens: the terminal's slave path, or tcp://ADDRESS:PORT.
  const std::string& slavePath(int index) const;
  SimulatedReceiver& receiver(int index) { return ports_[index]->receiver; }

 private:
  struct Port {
    std::unique_ptr<PseudoTerminal> terminal;
    SimulatedReceiver receiver;
    std::string link;                                     // empty when none was made
    std::chrono::steady_clock::time_point hungUpUntil{};  // skip polling until then
    link::Deframer sentFrames;                            // counts the reports in what was sent
    std::uint64_t reportsSent = 0;
    std::unique_ptr<TcpEndpoint> tcp;  // instead of the terminal, with --tcp
    std::optional<LinePacer> pacer;    // with --pace
    std::vector<std::uint8_t> held;    // replies waiting for the line, paced
  };

  // The port's link when it has one, for messages.
  static const std::string& NameOf(const Port& port);
  bool addPort(const SimOptions& options, int index, std::string& error);
  void pollFds(std::vector<pollfd>& fds, std::chrono::steady_clock::time_point now) const;

  bool makeLink(Port& port, const std::string& path, std::string& error);
  void removeLinks();
  void readPort(Port& port, short revents, std::chrono::steady_clock::time_point now);
  void advanceClocks(std::chrono::steady_clock::time_point now);
  // Hands bytes to the port's terminal or client; false when they were dropped.
  bool write(Port& port, std::span<const std::uint8_t> bytes);
  int waitBudgetMs(int maxWaitMs) const;

  std::vector<std::unique_ptr<Port>> ports_;
  std::chrono::steady_clock::time_point lastAdvance_{};
  std::chrono::steady_clock::duration carried_{};  // time not yet handed to the receivers
  int startAfterSeconds_ = 0;
  int stopAfterSeconds_ = 0;
  bool silent_ = false;

  void send(Port& port);
  void holdReplies(Port& port);
  std::size_t repliesThatFit(const Port& port, std::chrono::steady_clock::time_point now) const;
  void printCounts() const;
};

}  // namespace navbin::sim
