#pragma once
#include <chrono>
#include <cstdint>
#include <vector>

#include "backends/memory/memory_screen.h"
#include "shell/shell_state.h"
#include "shell/update_server.h"
#include "support/program_reset.h"
#include "support/report_capture.h"

// The exact request every update check sends.
inline constexpr char kRequest[] =
    "GET /faunary/vercontrol.php?execver=4&dataver=1&lang=en HTTP/1.0\r\n"
    "User-agent: Faunary/1.4\r\n\r\n";
inline constexpr unsigned kWarning = 0x30;  // MB_OK | MB_ICONWARNING

// A scripted server on this machine; long time-out unless a test wants a short one.
inline UpdateServer Local(std::uint16_t port, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
  return UpdateServer{"127.0.0.1", port, timeout};
}

// A clean in-memory screen with no main window for one test, and the
// message boxes shown on it as (text, title, type).
class UpdateScreen {
 public:

  std::vector<Reported> all() const {
    std::vector<Reported> shown;
    for (const memtk::MessageBoxShown& box : memtk::MessageBoxes()) shown.push_back({box.text, box.title, box.type});
    return shown;
  }

 private:
  ProgramReset reset_;
};
