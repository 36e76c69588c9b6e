#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

// A one-connection HTTP server on 127.0.0.1 and an ephemeral port, run on a
// thread of the test: it accepts one connection, reads the request up to its
// blank line, sends the scripted chunks one by one (with a pause after each,
// if asked) and then either closes its side or stays silent until the client
// hangs up.
class ScriptedServer {
 public:
  enum class Ending { kClose, kStaySilent };

  explicit ScriptedServer(std::vector<std::string> chunks, Ending ending = Ending::kClose,
                          std::chrono::milliseconds pause = {});
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  std::uint16_t port() const { return port_; }
  // Every byte the client sent. Only once the client has closed its socket:
  // this waits for the server to finish.
  std::string Received();

 private:
  void Serve();
  bool WaitReadable(int fd);

  std::vector<std::string> chunks_;
  Ending ending_;
  std::chrono::milliseconds pause_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::string received_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// A port on 127.0.0.1 that nothing listens on (bound, then released).
std::uint16_t UnusedPort();
