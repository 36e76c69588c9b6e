#include "update/scripted_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

int ListenOnLoopback(std::uint16_t& port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("socket");
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof at;
  if (bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 || listen(fd, 1) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&at), &size) != 0) {
    close(fd);
    throw std::runtime_error("listen on 127.0.0.1");
  }
  port = ntohs(at.sin_port);
  return fd;
}

}  // namespace

ScriptedServer::ScriptedServer(std::vector<std::string> chunks, Ending ending, std::chrono::milliseconds pause)
    : chunks_(std::move(chunks)), ending_(ending), pause_(pause) {
  listener_ = ListenOnLoopback(port_);
  thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  close(listener_);
}

std::string ScriptedServer::Received() {
  if (thread_.joinable()) thread_.join();
  return received_;
}

// Polls in short steps so that a client that never comes cannot keep the
// test's destructor waiting.
bool ScriptedServer::WaitReadable(int fd) {
  pollfd p{fd, POLLIN, 0};
  while (!stop_) {
    const int ready = poll(&p, 1, 20);
    if (ready > 0) return true;
    if (ready < 0) return false;
  }
  return false;
}

void ScriptedServer::Serve() {
  if (!WaitReadable(listener_)) return;
  const int client = accept(listener_, nullptr, nullptr);
  if (client < 0) return;
  const int on = 1;
  setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);

  auto read_some = [&] {
    if (!WaitReadable(client)) return false;
    char buffer[4096];
    const ssize_t got = recv(client, buffer, sizeof buffer, 0);
    if (got <= 0) return false;
    received_.append(buffer, static_cast<std::size_t>(got));
    return true;
  };

  bool open = true;
  while (open && received_.find("\r\n\r\n") == std::string::npos) open = read_some();
  for (const std::string& chunk : chunks_) {
    if (stop_ || send(client, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0) break;
    std::this_thread::sleep_for(pause_);
  }
  if (ending_ == Ending::kClose) shutdown(client, SHUT_WR);
  // Reading on until the client hangs up keeps everything it sends, and
  // closing only then avoids a reset.
  while (open) open = read_some();
  close(client);
}

std::uint16_t UnusedPort() {
  std::uint16_t port = 0;
  close(ListenOnLoopback(port));
  return port;
}
