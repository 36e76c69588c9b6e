#pragma once
#include <optional>
#include <string>

#include "shell/reply_scan.h"
#include "port/win_constants.h"

// Every message the update check can show. Types are message-box type bits:
// OK alone for the good news, OK with the warning icon for every problem.
struct UpdateNotice {
  std::string text;
  std::string title;
  unsigned type = 0;
  bool operator==(const UpdateNotice&) const = default;
};

inline constexpr unsigned kNoticePlain = MB_OK;
inline constexpr unsigned kNoticeWarning = MB_OK | MB_ICONWARNING;

UpdateNotice StartupFailedNotice(int code);
UpdateNotice UnresolvedNotice(const std::string& host);
UpdateNotice SocketFailedNotice(int code);
UpdateNotice ConnectFailedNotice(int code);
UpdateNotice SendFailedNotice(int code);
UpdateNotice ReceiveFailedNotice(int code);
UpdateNotice DisconnectFailedNotice();
UpdateNotice NewVersionNotice(const std::string& site, const std::string& third_word);

// What a status line means for the user: nothing for 200 (the body follows)
// and 202 (nothing new), a warning for everything else.
std::optional<UpdateNotice> StatusNotice(const StatusLine& status);
