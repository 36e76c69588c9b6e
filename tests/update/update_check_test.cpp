#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "shell/net_socket.h"
#include "shell/update_server.h"
#include "update/scripted_server.h"
#include "update/update_screen.h"

namespace {

using namespace std::chrono_literals;

Reported NewVersion(const std::string& word) {
  return {"A new Faunary executable is available at " + std::string(UpdateSiteAddress()) + "\n\n)" + word,
          "New version available!", 0};
}
Reported Problem(const std::string& start, const std::string& tail) {
  return {start + tail, "HTTP Problem", kWarning};
}
const std::string kElsewhere =
    "The server informed us the data can be found elsewhere. You will probably need to update the program: ";
const std::string kTransient =
    "A transient failure occured. No update has been confirmed, but we can probably try next time: ";

// Each reply the server may give, and the message boxes it calls for.
TEST(UpdateExchange, ShowsWhatTheReplyCallsFor) {
  const std::pair<const char*, std::vector<Reported>> replies[] = {
      {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n9\r\n1\r\nfaunary-1.5.zip\r\nspare\r\n",
       {NewVersion("faunary-1.5.zip")}},
      {"HTTP/1.1 200 OK\r\n\r\n8\r\n1\r\nfirst\r\nsecond\r\n", {}},  // the same version
      {"HTTP/1.0 202 Accepted\r\n\r\n9\r\n1\r\nfirst\r\nsecond\r\n", {}},
      {"HTTP/1.1 418 I'm a teapot\r\n\r\n", {Problem("Server returned an unhandled HTTP return code", "418: I'm")}},
      {"SSH-2.0-OpenSSH_9.2\r\n", {Problem("Server returned an unhandled HTTP return code", "0: ")}},
      {"HTTP/1.1 301 Moved Away\r\n\r\n", {Problem(kElsewhere, "301: Moved")}},
      {"HTTP/1.1 408 Timeout\r\n\r\n", {Problem(kTransient, "408: Timeout")}},
      {"HTTP/1.0 \t 503\t\vService Unavailable\r\n\r\n", {Problem(kTransient, "503: Service")}},
      {"HTTP/1.0200OK\r\n\r\n  12 7\tone two three", {NewVersion("one")}},  // items on one line
  };
  for (const auto& [reply, shown] : replies) {
    UpdateScreen messages;
    ScriptedServer server({reply});
    RunUpdateCheck(Local(server.port()));
    EXPECT_EQ(server.Received(), kRequest);
    EXPECT_EQ(messages.all(), shown) << reply;
    for (const memtk::MessageBoxShown& box : memtk::MessageBoxes()) EXPECT_FALSE(box.owner);  // no main window yet
  }
}

// A silent server, a refused connection and a name that cannot be resolved each warn once.
TEST(UpdateCheck, ConnectionFailuresWarnOnce) {
  ScriptedServer silent({}, ScriptedServer::Ending::kStaySilent);
  const std::pair<UpdateServer, std::string> cases[] = {
      {Local(silent.port(), 200ms), "Unable to receive reply; errorcode "},
      {Local(UnusedPort()), "Unable to connect with socket; errorcode "},
      {UpdateServer{"NOWHERE.INVALID.", 80, 1s}, "Unable to resolve domain NOWHERE.INVALID."}};
  for (const auto& [server, start] : cases) {
    UpdateScreen messages;
    RunUpdateCheck(server);
    ASSERT_EQ(messages.all().size(), 1u) << start;
    EXPECT_TRUE(messages.all()[0].text.starts_with(start)) << messages.all()[0];
    EXPECT_EQ(messages.all()[0].title, start.starts_with("Unable to resolve") ? "Network connection problem"
                                                                               : "Connection problem");
    EXPECT_EQ(messages.all()[0].type, kWarning);
  }
  EXPECT_EQ(silent.Received(), kRequest);
}

TEST(UpdateCheck, NeverLooksUpANameUnderInvalid) {
  const std::pair<const char*, bool> names[] = {
      {"UPDATES.Faunary.INVALID.", true}, {"notinvalid", false}, {"invalid.example", false}};
  for (const auto& [host, reserved] : names) EXPECT_EQ(IsReservedInvalidName(host), reserved) << host;
}

}  // namespace
