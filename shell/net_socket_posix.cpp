// POSIX sockets for every build but the Windows one.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shell/net_socket.h"

namespace {
// A peer that has gone away must not end the process with SIGPIPE.
#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL;
#else
constexpr int kSendFlags = 0;
#endif

int Fd(std::uintptr_t handle) { return static_cast<int>(handle); }
}  // namespace

NetSession::NetSession() = default;
NetSession::~NetSession() = default;

std::optional<std::uint32_t> ResolveIPv4(const std::string& host) {
  if (host.empty() || IsReservedInvalidName(host)) return std::nullopt;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  // getaddrinfo rather than gethostbyname: this runs off the window thread.
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return std::nullopt;
  std::optional<std::uint32_t> address;
  for (const addrinfo* a = found; a != nullptr && !address; a = a->ai_next) {
    if (a->ai_family != AF_INET || a->ai_addrlen < sizeof(sockaddr_in)) continue;
    sockaddr_in in{};
    std::memcpy(&in, a->ai_addr, sizeof in);
    address = in.sin_addr.s_addr;
  }
  freeaddrinfo(found);
  return address;
}

TcpSocket::~TcpSocket() { Close(); }

bool TcpSocket::Open() {
  Close();
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) {
    error_ = errno;
    return false;
  }
#ifdef SO_NOSIGPIPE
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
  handle_ = static_cast<std::uintptr_t>(fd);
  return true;
}

bool TcpSocket::SetTimeout(std::chrono::milliseconds timeout) {
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(timeout.count() / 1000);
  tv.tv_usec = static_cast<suseconds_t>(timeout.count() % 1000 * 1000);
  // On Linux the send time-out also bounds connect.
  if (setsockopt(Fd(handle_), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0 ||
      setsockopt(Fd(handle_), SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv) != 0) {
    error_ = errno;
    return false;
  }
  return true;
}

bool TcpSocket::Connect(std::uint32_t address, std::uint16_t port) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = address;
  if (connect(Fd(handle_), reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
    error_ = errno;
    return false;
  }
  return true;
}

bool TcpSocket::SendAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(Fd(handle_), bytes.data(), bytes.size(), kSendFlags);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) {
      error_ = sent < 0 ? errno : EPIPE;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

long TcpSocket::Receive(char* into, std::size_t capacity) {
  ssize_t got;
  do got = recv(Fd(handle_), into, capacity, 0);
  while (got < 0 && errno == EINTR);
  if (got < 0) {
    error_ = errno;
    return -1;
  }
  return static_cast<long>(got);
}

bool TcpSocket::ShutdownSend() {
  if (shutdown(Fd(handle_), SHUT_WR) != 0) {
    error_ = errno;
    return false;
  }
  return true;
}

void TcpSocket::Close() {
  if (handle_ == kNone) return;
  close(Fd(handle_));
  handle_ = kNone;
}
