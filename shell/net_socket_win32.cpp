// Winsock 1.1 (wsock32) for the Windows build.
#include <winsock.h>

#include <climits>
#include <cstring>

#include "shell/net_socket.h"

namespace {
// SD_SEND is only named by the Winsock 2 headers.
constexpr int kShutdownSend = 1;

SOCKET Sock(std::uintptr_t handle) { return static_cast<SOCKET>(handle); }

// Winsock counts bytes in int.
int ClampedLength(std::size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }
}  // namespace

NetSession::NetSession() {
  WSADATA data;
  error_ = WSAStartup(MAKEWORD(1, 1), &data);
}

NetSession::~NetSession() {
  if (error_ == 0) WSACleanup();
}

std::optional<std::uint32_t> ResolveIPv4(const std::string& host) {
  if (host.empty() || IsReservedInvalidName(host)) return std::nullopt;
  // Winsock keeps the result per thread, so this is safe off the window thread.
  const hostent* found = gethostbyname(host.c_str());
  if (found == nullptr || found->h_addrtype != AF_INET || found->h_length != 4 ||
      found->h_addr_list == nullptr || found->h_addr_list[0] == nullptr)
    return std::nullopt;
  in_addr address;
  std::memcpy(&address, found->h_addr_list[0], sizeof address);
  return static_cast<std::uint32_t>(address.s_addr);
}

TcpSocket::~TcpSocket() { Close(); }

bool TcpSocket::Open() {
  Close();
  const SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) {
    error_ = WSAGetLastError();
    return false;
  }
  handle_ = static_cast<std::uintptr_t>(s);
  return true;
}

bool TcpSocket::SetTimeout(std::chrono::milliseconds timeout) {
  const DWORD ms = static_cast<DWORD>(timeout.count());
  const char* value = reinterpret_cast<const char*>(&ms);
  if (setsockopt(Sock(handle_), SOL_SOCKET, SO_RCVTIMEO, value, sizeof ms) != 0 ||
      setsockopt(Sock(handle_), SOL_SOCKET, SO_SNDTIMEO, value, sizeof ms) != 0) {
    error_ = WSAGetLastError();
    return false;
  }
  return true;
}

bool TcpSocket::Connect(std::uint32_t address, std::uint16_t port) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = address;
  if (connect(Sock(handle_), reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
    error_ = WSAGetLastError();
    return false;
  }
  return true;
}

bool TcpSocket::SendAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const int sent = send(Sock(handle_), bytes.data(), ClampedLength(bytes.size()), 0);
    if (sent == SOCKET_ERROR || sent <= 0) {
      error_ = sent == SOCKET_ERROR ? WSAGetLastError() : WSAECONNRESET;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

long TcpSocket::Receive(char* into, std::size_t capacity) {
  const int got = recv(Sock(handle_), into, ClampedLength(capacity), 0);
  if (got == SOCKET_ERROR || got < 0) {
    error_ = WSAGetLastError();
    return -1;
  }
  return got;
}

bool TcpSocket::ShutdownSend() {
  if (shutdown(Sock(handle_), kShutdownSend) != 0) {
    error_ = WSAGetLastError();
    return false;
  }
  return true;
}

void TcpSocket::Close() {
  if (handle_ == kNone) return;
  closesocket(Sock(handle_));
  handle_ = kNone;
}
