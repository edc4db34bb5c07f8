#pragma once
// A network port's host looked up without waiting: a numeric address at
// once, a host name by the system's resolver in the background, so that a
// name server that does not answer never holds up the caller.

#include <netdb.h>

#include <cstdint>
#include <string>

namespace navbin::platform {

class AddressLookup {
 public:
  enum class State { Pending, Done, Failed };

  AddressLookup(const std::string& host, std::uint16_t port);
  ~AddressLookup();
  AddressLookup(const AddressLookup&) = delete;
  AddressLookup& operator=(const AddressLookup&) = delete;

  // Where the look-up stands; never waits.
  State poll();
  // The addresses found, in the resolver's order; null unless Done.
  const addrinfo* addresses() const;

 private:
  struct Request;

  addrinfo* numeric_ = nullptr;
  Request* request_ = nullptr;  // a look-up in the background
  State state_ = State::Pending;
};

}  // namespace navbin::platform
