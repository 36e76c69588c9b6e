#pragma once
#include <cstdint>
#include <optional>

// What the main window passes on to the current page for one notification of
// a page control.
struct ForwardedNotification {
  int id = 0;
  int code = 0;
  std::intptr_t data = 0;
  friend bool operator==(const ForwardedNotification&, const ForwardedNotification&) = default;
};

// The routing table: the forwarded form of a WM_COMMAND (control id and
// notification code) or a WM_NOTIFY (its header's sender id and code, and
// the header's address), or nothing when the notification is dropped.
std::optional<ForwardedNotification> RouteCommand(int id, int code);
std::optional<ForwardedNotification> RouteNotify(int id, int code, std::intptr_t header);
