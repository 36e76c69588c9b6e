// Servers that never stop sending, or that reset a finished reply: the check
// ends by its deadline or byte cap, and judges what it read as usual.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "update/scripted_server.h"
#include "update/update_screen.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kNewVersionReply = "HTTP/1.0 200 OK\r\n\r\n9\r\n1\r\nfaunary-2.zip\r\nx\r\n";

Reported NewVersion() {
  return {"A new Faunary executable is available at " + std::string(UpdateSiteAddress()) + "\n\n)faunary-2.zip",
          "New version available!", 0};
}

// Sends the reply a byte at a time, then blanks, each after a pause, until
// the client hangs up.
class TrickleServer {
 public:
  TrickleServer() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
    listen(listener_, 1);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &size);
    port_ = ntohs(at.sin_port);
    thread_ = std::thread([this] {
      const int client = accept(listener_, nullptr, nullptr);
      const std::string reply = kNewVersionReply;
      for (std::size_t i = 0; client >= 0; ++i) {
        const char byte = i < reply.size() ? reply[i] : ' ';
        if (send(client, &byte, 1, MSG_NOSIGNAL) != 1) break;
        std::this_thread::sleep_for(5ms);
      }
      if (client >= 0) close(client);
    });
  }
  ~TrickleServer() {
    thread_.join();
    close(listener_);
  }
  std::uint16_t port() const { return port_; }

 private:
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::thread thread_;
};

TEST(UpdateLimits, AServerThatTricklesForeverMeetsTheDeadline) {
  UpdateScreen messages;
  TrickleServer server;
  RunUpdateCheck(UpdateServer{"127.0.0.1", server.port(), 1h, 2s});
  EXPECT_EQ(messages.all(), std::vector<Reported>{NewVersion()});
}

TEST(UpdateLimits, AServerThatSendsWithoutEndMeetsTheByteCap) {
  UpdateScreen messages;
  ScriptedServer server({kNewVersionReply, std::string(64 << 20, ' ')}, ScriptedServer::Ending::kStaySilent);
  RunUpdateCheck(UpdateServer{"127.0.0.1", server.port(), 1h, 1h});
  EXPECT_EQ(messages.all(), std::vector<Reported>{NewVersion()});
}

// All four items arrived before the connection went quiet: the result stands.
TEST(UpdateLimits, ACompleteReplyStandsDespiteALaterReceiveError) {
  UpdateScreen messages;
  ScriptedServer server({kNewVersionReply}, ScriptedServer::Ending::kStaySilent);
  RunUpdateCheck(Local(server.port(), 200ms));
  EXPECT_EQ(messages.all(), std::vector<Reported>{NewVersion()});
}

TEST(UpdateLimits, AnIncompleteBodyCutOffByAReceiveErrorShowsNothing) {
  UpdateScreen messages;
  ScriptedServer server({"HTTP/1.0 200 OK\r\n\r\n9\r\n1\r\n"}, ScriptedServer::Ending::kStaySilent);
  RunUpdateCheck(Local(server.port(), 200ms));
  EXPECT_TRUE(messages.all().empty());
}

}  // namespace
