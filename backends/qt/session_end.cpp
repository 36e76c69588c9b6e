#include "backends/qt/session_end.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

#include "backends/qt/qt_nodes.h"
#include "port/win_constants.h"

namespace qttk {
namespace {
int signal_pipe[2] = {-1, -1};

// Only what is safe in a signal handler: one byte to the event loop.
extern "C" void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signal_pipe[0], &byte, 1);
}

void TellTheMainWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const tk::Window handle = HandleOf(window);
    if (const Node* node = NodeOf(handle); node && node->kind == Kind::kTop) Deliver(handle, WM_ENDSESSION, 1, 0);
  }
}
}  // namespace

void EndWithTheSession() {
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                   [](QSessionManager&) { TellTheMainWindow(); });
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0) return;
  auto* notifier = new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    TellTheMainWindow();
    std::fflush(nullptr);
    // A modal dialog may be running its own loop: end here, the settings are written.
    std::_Exit(0);
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}
}  // namespace qttk
