#pragma once
// The Qt backend's edge: every window the program made (the main window, its
// controls, dialogs and their items) is a node in one table, found by the
// opaque handle the program holds. Widgets die with their parents or when
// the program destroys them, so nodes keep guarded pointers.
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <string_view>

#include "port/toolkit.h"

namespace qttk {

enum class Kind { kTop, kDialog, kStatic, kEdit, kButton, kCombo, kSimpleCombo, kListView, kTabs };

struct Node {
  QPointer<QWidget> widget;
  Kind kind = Kind::kStatic;
  int id = 0;
  std::uint32_t style = 0;
  tk::Window parent;
  tk::Instance instance;
  tk::WindowProc window_proc = nullptr;  // the main window
  tk::DialogProc dialog_proc = nullptr;  // dialogs
};

// Registers the widget and names its handle (kept as the widget's property
// "faunaryHandle", with its id as "faunaryId" and style as "faunaryStyle",
// for tests that find controls; controls add their class as "faunaryClass"
// and the window name they were made with as "faunaryName").
tk::Window AddNode(QWidget* widget, const Node& node);
// The live node of `window`, or null (never made, destroyed, or its widget gone).
Node* NodeOf(tk::Window window);
// The node's widget cast to W, or null.
template <typename W>
W* WidgetOf(tk::Window window) {
  Node* node = NodeOf(window);
  return node ? qobject_cast<W*>(node->widget.data()) : nullptr;
}
tk::Window HandleOf(const QWidget* widget);
// Forgets the node and every node whose parent it is (their widgets go with it).
void ForgetNode(tk::Window window);
// The first live child of `parent` with that control id, or 0.
tk::Window ChildWithId(tk::Window parent, int id);

// WM_COMMAND / WM_NOTIFY from a control to the procedure of its parent
// (the main window's or the dialog's).
std::intptr_t Deliver(tk::Window window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
void SendCommand(tk::Window control, int code);
void SendNotify(tk::Window control, int code);

// The program's texts are code page 1252 bytes.
QString FromCp1252(std::string_view text);

}  // namespace qttk
