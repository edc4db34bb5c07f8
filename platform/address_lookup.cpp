#include "platform/address_lookup.h"

#include <signal.h>

#include <atomic>

namespace navbin::platform {

// What the resolver works on. A look-up given up while it runs cannot be
// freed at once; whichever comes second, the owner letting go or the
// resolver finishing, frees it.
struct AddressLookup::Request {
  enum : int { Running, Finished, Abandoned };

  std::string host;
  std::string service;
  addrinfo hints{};
  gaicb block{};
  std::atomic<int> stage{Running};

  static void Finish(sigval value) {
    auto* request = static_cast<Request*>(value.sival_ptr);
    if (request->stage.exchange(Finished) == Abandoned) Free(request);
  }
  static void Free(Request* request) {
    if (request->block.ar_result != nullptr) ::freeaddrinfo(request->block.ar_result);
    delete request;
  }
};

namespace {

addrinfo Hints(int flags) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV | flags;
  return hints;
}

}  // namespace

AddressLookup::AddressLookup(const std::string& host, std::uint16_t port) {
  const std::string service = std::to_string(port);
  const addrinfo numericHints = Hints(AI_NUMERICHOST);
  if (::getaddrinfo(host.c_str(), service.c_str(), &numericHints, &numeric_) == 0) {
    state_ = State::Done;
    return;
  }
  numeric_ = nullptr;
  auto* request = new Request{host, service, Hints(0), {}, {}};
  request->block.ar_name = request->host.c_str();
  request->block.ar_service = request->service.c_str();
  request->block.ar_request = &request->hints;
  sigevent done{};
  done.sigev_notify = SIGEV_THREAD;
  done.sigev_notify_function = &Request::Finish;
  done.sigev_value.sival_ptr = request;
  gaicb* list[] = {&request->block};
  if (::getaddrinfo_a(GAI_NOWAIT, list, 1, &done) != 0) {
    delete request;
    state_ = State::Failed;
    return;
  }
  request_ = request;
}

AddressLookup::~AddressLookup() {
  if (numeric_ != nullptr) ::freeaddrinfo(numeric_);
  if (request_ == nullptr) return;
  // Taken off the queue before it ran, it gets no notice: freed here.
  if (::gai_cancel(&request_->block) == EAI_CANCELED ||
      request_->stage.exchange(Request::Abandoned) == Request::Finished) {
    Request::Free(request_);
  }
}

AddressLookup::State AddressLookup::poll() {
  if (state_ != State::Pending || request_ == nullptr) return state_;
  // The answer counts once the resolver has let go of the request.
  if (request_->stage.load() != Request::Finished) return state_;
  state_ = ::gai_error(&request_->block) == 0 ? State::Done : State::Failed;
  return state_;
}

const addrinfo* AddressLookup::addresses() const {
  if (state_ != State::Done) return nullptr;
  return numeric_ != nullptr ? numeric_ : request_->block.ar_result;
}

}  // namespace navbin::platform
