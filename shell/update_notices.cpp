#include "shell/update_notices.h"

#include <utility>

namespace {
UpdateNotice Warning(std::string text, std::string title) {
  return {std::move(text), std::move(title), kNoticeWarning};
}

std::string CodeAndReason(const StatusLine& status) {
  return std::to_string(status.code) + ": " + status.reason;
}
}  // namespace

UpdateNotice StartupFailedNotice(int code) {
  return Warning("Could not initialize network socket; Errorcode " + std::to_string(code),
                 "Network connection problem");
}

UpdateNotice UnresolvedNotice(const std::string& host) {
  return Warning("Unable to resolve domain " + host, "Network connection problem");
}

UpdateNotice SocketFailedNotice(int code) {
  return Warning("Could not create new socket; errorcode " + std::to_string(code), "Connection problem");
}

UpdateNotice ConnectFailedNotice(int code) {
  return Warning("Unable to connect with socket; errorcode " + std::to_string(code), "Connection problem");
}

UpdateNotice SendFailedNotice(int code) {
  return Warning("Unable to send request; errorcode " + std::to_string(code), "Connection problem");
}

UpdateNotice ReceiveFailedNotice(int code) {
  return Warning("Unable to receive reply; errorcode " + std::to_string(code), "Connection problem");
}

UpdateNotice DisconnectFailedNotice() {
  return Warning("Unable to perform a graceful disconnect from update server. Being disgraceful now...",
                 "Network problem");
}

UpdateNotice NewVersionNotice(const std::string& site, const std::string& third_word) {
  return {"A new Faunary executable is available at " + site + "\n\n)" + third_word, "New version available!",
          kNoticePlain};
}

std::optional<UpdateNotice> StatusNotice(const StatusLine& status) {
  switch (status.code) {
    case 200:
    case 202:
      return std::nullopt;
    case 301: case 302: case 303: case 403: case 404: case 405: case 410:
      return Warning(
          "The server informed us the data can be found elsewhere. You will probably need to update the program: " +
              CodeAndReason(status),
          "HTTP Problem");
    case 408: case 500: case 501: case 502: case 503: case 504:
      return Warning(
          "A transient failure occured. No update has been confirmed, but we can probably try next time: " +
              CodeAndReason(status),
          "HTTP Problem");
    default:
      return Warning("Server returned an unhandled HTTP return code" + CodeAndReason(status), "HTTP Problem");
  }
}
