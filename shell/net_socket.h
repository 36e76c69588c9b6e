#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The few socket operations the update check needs, over Winsock 1.1 in the
// Windows build and POSIX sockets elsewhere. Error codes are the platform's
// own (WSAGetLastError or errno); they are only ever shown to the user.

// Brings the socket library up for as long as it lives (WSAStartup for
// Winsock 1.1; nothing to do on POSIX) and releases it on every path.
class NetSession {
 public:
  NetSession();
  ~NetSession();
  NetSession(const NetSession&) = delete;
  NetSession& operator=(const NetSession&) = delete;

  // 0 when the library is ready, else the code the start-up returned.
  int error() const { return error_; }

 private:
  int error_ = 0;
};

// The first IPv4 address of a host name, in network byte order, or nothing.
// Names under the reserved top-level domain "invalid" and the empty name are
// answered here without asking any resolver, so no query leaves the machine.
std::optional<std::uint32_t> ResolveIPv4(const std::string& host);

bool IsReservedInvalidName(std::string_view host);

// One TCP connection over IPv4, closed when this goes away.
class TcpSocket {
 public:
  TcpSocket() = default;
  ~TcpSocket();
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  // Each operation returns false (or a negative count) on failure and keeps
  // the platform's error code for error().
  bool Open();
  // Bounds every later receive (and, where the platform applies it, connect
  // and send), so a silent peer cannot hold the caller forever.
  bool SetTimeout(std::chrono::milliseconds timeout);
  bool Connect(std::uint32_t address, std::uint16_t port);
  bool SendAll(std::string_view bytes);
  // Bytes received (at most capacity), 0 at the end of the data, -1 on error.
  long Receive(char* into, std::size_t capacity);
  bool ShutdownSend();
  void Close();

  int error() const { return error_; }

 private:
  // The platform's socket handle (SOCKET or file descriptor), widened.
  std::uintptr_t handle_ = kNone;
  static constexpr std::uintptr_t kNone = ~std::uintptr_t{0};
  int error_ = 0;
};
