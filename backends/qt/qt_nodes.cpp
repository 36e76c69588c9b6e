#include "backends/qt/qt_nodes.h"

#include <QVariant>

#include <unordered_map>
#include <vector>

#include "backends/win32/cp1252.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

struct Table {
  std::unordered_map<std::uintptr_t, Node> nodes;
  std::uintptr_t next = 1;
};

// Only the window thread touches the table.
Table& Nodes() {
  static Table table;
  return table;
}

}  // namespace

tk::Window AddNode(QWidget* widget, const Node& node) {
  Table& table = Nodes();
  const tk::Window handle{table.next++};
  Node& added = table.nodes[handle.value] = node;
  added.widget = widget;
  widget->setProperty("faunaryHandle", QVariant::fromValue<qulonglong>(handle.value));
  widget->setProperty("faunaryId", node.id);
  widget->setProperty("faunaryStyle", static_cast<uint>(node.style));
  return handle;
}

Node* NodeOf(tk::Window window) {
  auto& nodes = Nodes().nodes;
  const auto found = nodes.find(window.value);
  if (found == nodes.end()) return nullptr;
  if (found->second.widget.isNull()) {
    nodes.erase(found);
    return nullptr;
  }
  return &found->second;
}

tk::Window HandleOf(const QWidget* widget) {
  if (widget == nullptr) return {};
  const tk::Window handle{static_cast<std::uintptr_t>(widget->property("faunaryHandle").toULongLong())};
  return NodeOf(handle) ? handle : tk::Window{};
}

void ForgetNode(tk::Window window) {
  auto& nodes = Nodes().nodes;
  std::vector<tk::Window> children;
  for (const auto& [value, node] : nodes)
    if (node.parent == window) children.push_back(tk::Window{value});
  for (const tk::Window child : children) ForgetNode(child);
  nodes.erase(window.value);
}

tk::Window ChildWithId(tk::Window parent, int id) {
  // The lowest handle is the one made first, as GetDlgItem finds it.
  tk::Window found;
  for (const auto& [value, node] : Nodes().nodes)
    if (node.parent == parent && node.id == id && !node.widget.isNull() && (!found || value < found.value))
      found = tk::Window{value};
  return found;
}

std::intptr_t Deliver(tk::Window window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  const Node* node = NodeOf(window);
  if (node == nullptr) return 0;
  if (node->window_proc) return node->window_proc(window, message, wparam, lparam);
  if (node->dialog_proc) return node->dialog_proc(window, message, wparam, lparam);
  return 0;
}

void SendCommand(tk::Window control, int code) {
  const Node* node = NodeOf(control);
  if (node == nullptr) return;
  const auto wparam = tk::MakeWparam(static_cast<unsigned>(node->id), static_cast<unsigned>(code));
  Deliver(node->parent, WM_COMMAND, wparam, static_cast<std::intptr_t>(control.value));
}

void SendNotify(tk::Window control, int code) {
  const Node* node = NodeOf(control);
  if (node == nullptr) return;
  const tk::NotifyHeader header{control, static_cast<std::uintptr_t>(node->id), static_cast<unsigned>(code)};
  Deliver(node->parent, WM_NOTIFY, static_cast<std::uintptr_t>(node->id), reinterpret_cast<std::intptr_t>(&header));
}

QString FromCp1252(std::string_view text) {
  const std::u16string wide = Cp1252ToUtf16(text);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

}  // namespace qttk
