#include "shell/update_check.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string_view>
#include <utility>

#include "shell/net_socket.h"
#include "shell/shell_state.h"
#include "port/toolkit.h"
#include "shell/update_notices.h"
#include "shell/update_reply.h"
#include "shell/update_server.h"

#ifndef FAUNARY_UPDATE_HOST
#error "FAUNARY_UPDATE_HOST must name the update server (a build setting)"
#endif
#ifndef FAUNARY_UPDATE_SITE
#error "FAUNARY_UPDATE_SITE must name the download page (a build setting)"
#endif

namespace {

constexpr std::string_view kRequest =
    "GET /faunary/vercontrol.php?execver=4&dataver=1&lang=en HTTP/1.0\r\n"
    "User-agent: Faunary/1.4\r\n"
    "\r\n";

// 255.255.255.255 names no server; it is also what a failed address conversion returns.
constexpr std::uint32_t kBroadcast = 0xFFFFFFFFu;
constexpr std::size_t kReplyChunk = 50;
constexpr std::size_t kDrainChunk = 1000;

std::optional<UpdateServer>& Redirect() {
  static std::optional<UpdateServer> server;
  return server;
}

// Owned by the main window as it is at this moment: none while start-up has
// not made it yet.
void Show(const UpdateNotice& notice) { tk::ShowMessageBox(MainWindow(), notice.text, notice.title, notice.type); }

enum class Received {
  kEnd,     // the server ended the data
  kFailed,  // a receive failed
  kLimit,   // the deadline passed or the byte cap was reached first
};

// Reads the reply to its end, or until the server's deadline or byte cap.
Received ReceiveReply(TcpSocket& socket, UpdateReply& reply, const UpdateServer& server) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + server.deadline;
  std::size_t total = 0;
  char chunk[kReplyChunk];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0 || total >= server.max_bytes) return Received::kLimit;
    socket.SetTimeout(std::min(server.timeout, left));  // best effort, as at the start
    const long got = socket.Receive(chunk, sizeof chunk);
    if (got == 0) return Received::kEnd;
    if (got < 0) return Clock::now() >= deadline ? Received::kLimit : Received::kFailed;
    total += static_cast<std::size_t>(got);
    if (auto notice = reply.Take(std::string_view(chunk, static_cast<std::size_t>(got)))) Show(*notice);
  }
}

void Drain(TcpSocket& socket) {
  char sink[kDrainChunk];
  while (socket.Receive(sink, sizeof sink) > 0) {
  }
}

}  // namespace

UpdateServer ShippedUpdateServer() { return UpdateServer{FAUNARY_UPDATE_HOST, 80, std::chrono::seconds(30)}; }

const char* UpdateSiteAddress() { return FAUNARY_UPDATE_SITE; }

void RedirectUpdateCheckForTests(std::optional<UpdateServer> server) { Redirect() = std::move(server); }

// The socket and the socket library are released on every path by their
// owners' destructors.
void RunUpdateCheck(const UpdateServer& server) {
  const NetSession session;
  if (session.error() != 0) return Show(StartupFailedNotice(session.error()));

  const auto address = ResolveIPv4(server.host);
  if (!address || *address == kBroadcast) return Show(UnresolvedNotice(server.host));

  TcpSocket socket;
  if (!socket.Open()) return Show(SocketFailedNotice(socket.error()));
  socket.SetTimeout(server.timeout);  // best effort: without it the thread may only wait longer
  if (!socket.Connect(*address, server.port)) return Show(ConnectFailedNotice(socket.error()));
  if (!socket.SendAll(kRequest)) {
    Show(SendFailedNotice(socket.error()));
    socket.ShutdownSend();
    return;
  }

  UpdateReply reply;
  switch (ReceiveReply(socket, reply, server)) {
    case Received::kEnd:
      if (!socket.ShutdownSend()) Show(DisconnectFailedNotice());
      Drain(socket);
      break;
    case Received::kFailed:
      // Said only when nothing was heard; a reply whose items all arrived
      // stands, whatever happens to the connection afterwards.
      if (reply.stage() == UpdateReply::Stage::kStatusLine) return Show(ReceiveFailedNotice(socket.error()));
      if (!reply.HasAllItems()) return;
      break;
    case Received::kLimit:
      break;  // what arrived by then is judged as at the end of the data
  }
  socket.Close();

  if (reply.NamesNewerExecutable()) Show(NewVersionNotice(UpdateSiteAddress(), reply.body().third_word));
}

std::uint32_t CheckForUpdate(void*) {
  RunUpdateCheck(Redirect() ? *Redirect() : ShippedUpdateServer());
  return 0;
}
