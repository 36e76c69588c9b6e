// Servers that never stop sending, or that reset a finished reply: the check
// ends by its deadline or byte cap, and judges what it read as usual.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "update/scripted_server.h"
#include "update/update_screen.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kNewVersionReply = "HTTP/1.0 200 OK\r\n\r\n9\r\n1\r\nfaunary-2.zip\r\nx\r\n";

Reported NewVersion() {
  return {"A new Faunary executable is available at " + std::string(UpdateSiteAddress()) + "\n\n)faunary-2.zip",
          "New version available!", 0};
}

TEST(UpdateLimits, AServerThatTricklesForeverMeetsTheDeadline) {
  UpdateScreen messages;
  // The reply a byte at a time, then blanks, every 5 ms: far longer than the deadline.
  std::vector<std::string> bytes;
  for (const char byte : std::string(kNewVersionReply) + std::string(2000, ' ')) bytes.emplace_back(1, byte);
  ScriptedServer server(bytes, ScriptedServer::Ending::kStaySilent, 5ms);
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
