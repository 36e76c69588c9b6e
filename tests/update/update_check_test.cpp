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
Reported Elsewhere(const std::string& tail) {
  return {"The server informed us the data can be found elsewhere. You will probably need to update the program: " +
              tail,
          "HTTP Problem", kWarning};
}
Reported Transient(const std::string& tail) {
  return {"A transient failure occured. No update has been confirmed, but we can probably try next time: " + tail,
          "HTTP Problem", kWarning};
}
Reported Unhandled(const std::string& tail) {
  return {"Server returned an unhandled HTTP return code" + tail, "HTTP Problem", kWarning};
}

std::vector<std::string> Bytewise(const std::string& text) {
  std::vector<std::string> chunks;
  for (char c : text) chunks.emplace_back(1, c);
  return chunks;
}

std::string LongReply() {
  std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n9\r\n1\r\nlong-reply.zip\r\nx\r\n";
  while (reply.size() < 100000) reply += "trailing noise that nobody reads\r\n";
  return reply;
}

struct Exchange {
  const char* name;
  std::vector<std::string> chunks;
  std::vector<Reported> shown;
};

void PrintTo(const Exchange& exchange, std::ostream* out) {
  *out << (*exchange.name != '\0' ? exchange.name : exchange.chunks.front().substr(0, 12));
}

class UpdateExchange : public testing::TestWithParam<Exchange> {};

TEST_P(UpdateExchange, ShowsWhatTheReplyCallsFor) {
  UpdateScreen messages;
  ScriptedServer server(GetParam().chunks);
  RunUpdateCheck(Local(server.port()));
  EXPECT_EQ(server.Received(), kRequest);
  EXPECT_EQ(messages.all(), GetParam().shown);
  for (const memtk::MessageBoxShown& box : memtk::MessageBoxes()) EXPECT_FALSE(box.owner);  // no main window yet
}

std::vector<Exchange> StatusExchanges() {
  std::vector<Exchange> cases = {
      {"Http10NewVersion", {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n9\r\n1\r\nfaunary-1.5.zip\r\nspare\r\n"},
       {NewVersion("faunary-1.5.zip")}},
      {"Http11NewVersion", {"HTTP/1.1 200 OK\r\n\r\n9\r\n1\r\nfirst\r\nsecond"}, {NewVersion("first")}},
      {"SameVersionShowsNothing", {"HTTP/1.1 200 OK\r\n\r\n8\r\n1\r\nfirst\r\nsecond\r\n"}, {}},
      {"NegativeVersionShowsNothing", {"HTTP/1.0 200 OK\r\n\r\n-12\r\n1\r\nfirst\r\nsecond\r\n"}, {}},
      {"NoBlankLineShowsNothing", {"HTTP/1.0 200 OK\r\n9\r\n1\r\nfirst\r\nsecond\r\n"}, {}},
      {"AcceptedIsSilent", {"HTTP/1.0 202 Accepted\r\n\r\n9\r\n1\r\nfirst\r\nsecond\r\n"}, {}},
      {"UnknownCode", {"HTTP/1.1 418 I'm a teapot\r\n\r\n"}, {Unhandled("418: I'm")}},
      {"NotHttp", {"SSH-2.0-OpenSSH_9.2\r\n"}, {Unhandled("0: ")}},
      {"NoLineEndShowsNothing", {"HTTP/1.0 200 OK"}, {}},
      {"WhiteSpaceAnywhere", {"HTTP/1.0 \t 503\t\vService Unavailable\r\n\r\n"}, {Transient("503: Service")}},
      {"ItemsOnOneLine", {"HTTP/1.0200OK\r\n\r\n  12 7\tone two three"}, {NewVersion("one")}},
      {"ClosedBeforeAnyData", {}, {}},
      {"SplitIntoSingleBytes", Bytewise("HTTP/1.1 200 OK\r\nServer: x\r\n\r\n123\r\n1\r\nsplit-word\r\nlast\r\n"),
       {NewVersion("split-word")}},
      {"FarLongerThanTheBuffer", {LongReply()}, {NewVersion("long-reply.zip")}},
      {"LongErrorPage", {"HTTP/1.1 404 Not Found\r\n\r\n" + std::string(50000, '<')}, {Elsewhere("404: Not")}},
  };
  for (unsigned code : {301u, 410u, 408u, 504u})
    cases.push_back({"", {"HTTP/1.1 " + std::to_string(code) + " Moved Away\r\n\r\n"},
                     {code < 408 || code == 410 ? Elsewhere(std::to_string(code) + ": Moved")
                                                : Transient(std::to_string(code) + ": Moved")}});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Replies, UpdateExchange, testing::ValuesIn(StatusExchanges()),
                         [](const testing::TestParamInfo<Exchange>& param_info) {
                           const Exchange& exchange = param_info.param;
                           if (*exchange.name != '\0') return std::string(exchange.name);
                           return "Status" + exchange.chunks.front().substr(9, 3);
                         });

TEST(UpdateCheck, GivesUpOnAServerThatNeverAnswers) {
  UpdateScreen messages;
  ScriptedServer server({}, ScriptedServer::Ending::kStaySilent);
  RunUpdateCheck(Local(server.port(), 200ms));
  EXPECT_EQ(server.Received(), kRequest);
  ASSERT_EQ(messages.all().size(), 1u);
  EXPECT_TRUE(messages.all()[0].text.starts_with("Unable to receive reply; errorcode ")) << messages.all()[0];
  EXPECT_EQ(messages.all()[0].title, "Connection problem");
  EXPECT_EQ(messages.all()[0].type, kWarning);
}

TEST(UpdateCheck, ReportsARefusedConnection) {
  UpdateScreen messages;
  RunUpdateCheck(Local(UnusedPort()));
  ASSERT_EQ(messages.all().size(), 1u);
  EXPECT_TRUE(messages.all()[0].text.starts_with("Unable to connect with socket; errorcode ")) << messages.all()[0];
  EXPECT_EQ(messages.all()[0].title, "Connection problem");
  EXPECT_EQ(messages.all()[0].type, kWarning);
}

class UnresolvableHost : public testing::TestWithParam<const char*> {};

TEST_P(UnresolvableHost, WarnsWithTheName) {
  UpdateScreen messages;
  RunUpdateCheck(UpdateServer{GetParam(), 80, 1s});
  const std::vector<Reported> expected = {
      {std::string("Unable to resolve domain ") + GetParam(), "Network connection problem", kWarning}};
  EXPECT_EQ(messages.all(), expected);
}

INSTANTIATE_TEST_SUITE_P(Names, UnresolvableHost,
                         testing::Values("updates.faunary.invalid", "NOWHERE.INVALID.", ""));

TEST(UpdateCheck, NeverLooksUpANameUnderInvalid) {
  const std::pair<const char*, bool> names[] = {{"invalid", true},     {"UPDATES.Faunary.INVALID.", true},
                                                {"notinvalid", false}, {"invalid.example", false},
                                                {"127.0.0.1", false},  {"", false}};
  for (const auto& [host, reserved] : names) EXPECT_EQ(IsReservedInvalidName(host), reserved) << host;
}

// With the default build settings a user who switches checks on is told the
// name does not resolve, and nothing is sent anywhere.
TEST(UpdateCheck, ShippedServerUsesPort80AndByDefaultAReservedName) {
  const UpdateServer shipped = ShippedUpdateServer();
  EXPECT_EQ(shipped.port, 80);
  if (!IsReservedInvalidName(shipped.host)) GTEST_SKIP() << "built for a real update server";
  UpdateScreen messages;
  RunUpdateCheck(shipped);
  const std::vector<Reported> expected = {
      {"Unable to resolve domain " + shipped.host, "Network connection problem", kWarning}};
  EXPECT_EQ(messages.all(), expected);
}

}  // namespace
