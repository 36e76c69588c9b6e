#include "shell/update_check.h"

#include <optional>
#include <string_view>
#include <utility>

#include "shell/net_socket.h"
#include "shell/shell_state.h"
#include "shell/toolkit.h"
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

// Reads the reply to its end. False when a receive failed on the way.
bool ReceiveReply(TcpSocket& socket, UpdateReply& reply) {
  char chunk[kReplyChunk];
  for (;;) {
    const long got = socket.Receive(chunk, sizeof chunk);
    if (got == 0) return true;
    if (got < 0) return false;
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
  if (!ReceiveReply(socket, reply)) {
    // The exchange is incomplete, so nothing it said so far is trusted.
    if (reply.stage() != UpdateReply::Stage::kFinished) Show(ReceiveFailedNotice(socket.error()));
    return;
  }
  if (!socket.ShutdownSend()) Show(DisconnectFailedNotice());
  Drain(socket);
  socket.Close();

  if (reply.NamesNewerExecutable()) Show(NewVersionNotice(UpdateSiteAddress(), reply.body().third_word));
}

std::uint32_t CheckForUpdate(void*) {
  RunUpdateCheck(Redirect() ? *Redirect() : ShippedUpdateServer());
  return 0;
}
