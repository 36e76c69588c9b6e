// The main window: its class, creation, the message loop and the default
// procedure (the close box destroys the window).
#include <QCloseEvent>
#include <QEventLoop>
#include <QAbstractButton>
#include <QIcon>
#include <QShortcut>
#include <QWidget>

#include <map>
#include <optional>
#include <string>

#include "backends/qt/graphics.h"
#include "backends/qt/qt_application.h"
#include "backends/qt/qt_nodes.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

// Windows' fixed frame and caption around a WS_CAPTION window's client area;
// here the window manager draws them, so the client area is the outer size less these.
constexpr int kFrame = 3;
constexpr int kCaption = 22;

class TopWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();  // the procedure decides (DefaultWindowProc destroys the window)
    Deliver(HandleOf(this), WM_CLOSE, 0, 0);
  }
};

struct LoopState {
  std::map<std::string, tk::WindowClass> classes;
  QEventLoop* loop = nullptr;
  std::optional<int> quit;  // posted before the loop ran
};

LoopState& Loop() {
  static LoopState state;
  return state;
}

}  // namespace

void ForgetWindowClasses() { Loop().classes.clear(); }

}  // namespace qttk

namespace tk {

using namespace qttk;

bool RegisterWindowClass(Instance, const WindowClass& window_class) {
  auto& classes = Loop().classes;
  const std::string name(window_class.name);
  if (name.empty() || classes.count(name) != 0) return false;
  classes[name] = window_class;
  return true;
}

Window CreateTopWindow(std::string_view class_name, std::string_view title, std::uint32_t style, int, int,
                       int width, int height, Instance instance) {
  const auto found = Loop().classes.find(std::string(class_name));
  if (found == Loop().classes.end()) return {};
  auto* window = new TopWindow;
  window->setWindowTitle(FromCp1252(title));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowCloseButtonHint;
  window->setWindowFlags(flags);
  window->setFixedSize(width - 2 * kFrame, height - 2 * kFrame - kCaption);
  const QPixmap icon = ResourcePixmap(found->second.icon_resource);
  if (!icon.isNull()) window->setWindowIcon(QIcon(icon));
  Node node;
  node.kind = Kind::kTop;
  node.style = style;
  node.instance = instance;
  node.window_proc = found->second.procedure;
  return AddNode(window, node);
}

void ShowTopWindow(Window window, int) {
  if (Node* node = NodeOf(window)) node->widget->show();
}

Rect ClientRect(Window window) {
  const Node* node = NodeOf(window);
  if (node == nullptr) return {};
  return {0, 0, node->widget->width(), node->widget->height()};
}

int RunMessageLoop() {
  LoopState& state = Loop();
  if (state.quit) return *std::exchange(state.quit, std::nullopt);
  QEventLoop loop;
  QEventLoop* outer = std::exchange(state.loop, &loop);
  const int code = loop.exec();
  state.loop = outer;
  return code;
}

void PostQuit(int exit_code) {
  LoopState& state = Loop();
  if (state.loop != nullptr) state.loop->exit(exit_code);
  else state.quit = exit_code;
}

std::intptr_t DefaultWindowProc(Window window, unsigned message, std::uintptr_t, std::intptr_t) {
  Node* node = NodeOf(window);
  if (node == nullptr || node->kind != Kind::kTop || message != WM_CLOSE) return 0;
  DestroyControl(window);
  return 0;
}

void SetButtonShortcut(Window top, char letter, int id) {
  QWidget* window = qttk::WidgetOf<QWidget>(top);
  if (window == nullptr || letter < 'A' || letter > 'Z') return;
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + (letter - 'A'))), window,
                                 nullptr, nullptr, Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, [top, id] {
    auto* button = qttk::WidgetOf<QAbstractButton>(qttk::ChildWithId(top, id));
    if (button != nullptr && button->isEnabled()) button->click();
  });
}

Instance WindowInstance(Window window) {
  const Node* node = NodeOf(window);
  return node ? node->instance : Instance{};
}

}  // namespace tk
