// The native program as it starts, telling its benchmark when the main
// window has been painted the first time: it prints "shown" and ends there.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "backends/qt/qt_application.h"
#include "app/startup.h"
#include "port/win_constants.h"

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && window && window->isWindow() && window->windowTitle() == "Faunary") {
      // Once this paint (and the children's, in the same pass) is done.
      QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  FirstPaint watcher;
  application.installEventFilter(&watcher);
  return FaunaryMain(qttk::ProgramInstance(), SW_SHOWDEFAULT);
}
