// Operations every control has, the factory, and the static and button ones.
#include "backends/qt/controls.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cctype>
#include <string>

#include "backends/qt/graphics.h"
#include "backends/qt/qt_application.h"
#include "backends/qt/qt_nodes.h"
#include "backends/qt/static_text.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// An auto radio button's click checks it and clears the other radio
// buttons of its group (siblings from the last WS_GROUP on, up to the next).
void CheckInGroup(tk::Window radio) {
  const Node* node = NodeOf(radio);
  if (node == nullptr) return;
  const QWidget* parent = node->widget->parentWidget();
  if (parent == nullptr) return;
  std::vector<QRadioButton*> group;
  bool in_group = false;
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    const Node* sibling = NodeOf(HandleOf(widget));
    if (sibling == nullptr) continue;
    if (sibling->style & WS_GROUP) {
      if (in_group) break;
      group.clear();
    }
    if (auto* button = qobject_cast<QRadioButton*>(widget)) group.push_back(button);
    if (widget == node->widget) in_group = true;
  }
  for (QRadioButton* button : group) button->setChecked(false);
  qobject_cast<QRadioButton*>(node->widget.data())->setChecked(true);
}

QWidget* MakeButton(QWidget* parent, const QString& text, std::uint32_t style) {
  QAbstractButton* button = nullptr;
  switch (style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: button = new QCheckBox(text, parent); break;
    case BS_AUTORADIOBUTTON: {
      auto* radio = new QRadioButton(text, parent);
      radio->setAutoExclusive(false);
      QObject::connect(radio, &QAbstractButton::clicked, radio, [radio] { CheckInGroup(HandleOf(radio)); });
      button = radio;
      break;
    }
    case BS_GROUPBOX: return new QGroupBox(text, parent);
    default: {
      auto* push = new QPushButton(text, parent);
      // In a dialog Enter is the dialog's (see dialogs.cpp); in the main window
      // it presses the focused button.
      push->setAutoDefault(qobject_cast<QDialog*>(parent->window()) == nullptr);
      button = push;
    }
  }
  QObject::connect(button, &QAbstractButton::clicked, button,
                   [button] { SendCommand(HandleOf(button), BN_CLICKED); });
  return button;
}

QWidget* MakeEdit(QWidget* parent, std::uint32_t style) {
  if ((style & ES_MULTILINE) == 0) {
    auto* line = new QLineEdit(parent);
    line->setReadOnly(style & ES_READONLY);
    line->setFrame(style & WS_BORDER);
    return line;
  }
  auto* edit = new QPlainTextEdit(parent);
  edit->setReadOnly(style & ES_READONLY);
  edit->setFrameShape((style & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
  edit->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  edit->setLineWrapMode((style & (WS_HSCROLL | ES_AUTOHSCROLL)) ? QPlainTextEdit::NoWrap
                                                                : QPlainTextEdit::WidgetWidth);
  edit->document()->setDocumentMargin(1);
  // A read-only edit shows the window's colour behind its text, as Windows does.
  if (style & ES_READONLY) edit->viewport()->setAutoFillBackground(false);
  return edit;
}

}  // namespace

tk::Window MakeControl(std::string_view class_name, std::string_view text, std::uint32_t style, QRect rect,
                       tk::Window parent, int id, tk::Instance instance) {
  const Node* parent_node = NodeOf(parent);
  if (parent_node == nullptr) return {};
  QWidget* parent_widget = parent_node->widget;
  const QString shown = FromCp1252(text);
  const std::string name = Lower(class_name);
  Node node;
  node.id = id;
  node.style = style;
  node.parent = parent;
  node.instance = instance;
  QWidget* widget = nullptr;
  if (name == "static") {
    auto* label = new StaticText(parent_widget, (style & SS_TYPEMASK) == SS_CENTER);
    if ((style & SS_TYPEMASK) != SS_BITMAP) label->SetText(shown);
    if (style & SS_NOTIFY) label->on_double_click = [label] { SendNotify(HandleOf(label), NM_DBLCLK); };
    node.kind = Kind::kStatic;
    widget = label;
  } else if (name == "edit") {
    node.kind = Kind::kEdit;
    widget = MakeEdit(parent_widget, style);
  } else if (name == "button") {
    node.kind = Kind::kButton;
    widget = MakeButton(parent_widget, shown, style);
  } else if (name == "combobox") {
    const bool simple = (style & 0x3u) == CBS_SIMPLE;
    node.kind = simple ? Kind::kSimpleCombo : Kind::kCombo;
    widget = simple ? MakeSimpleCombo(parent_widget) : MakeDropList(parent_widget, rect.height());
    // A drop-down list is as high as its font makes it; `rect` gave its open list's height.
    if (!simple) rect.setHeight(widget->sizeHint().height());
  } else if (name == "syslistview32") {
    node.kind = Kind::kListView;
    widget = MakeListView(parent_widget, style);
  } else if (name == "systabcontrol32") {
    node.kind = Kind::kTabs;
    widget = MakeTabControl(parent_widget, style);
  } else {
    return {};
  }
  const tk::Window handle = AddNode(widget, node);
  widget->setProperty("faunaryClass", QString::fromLatin1(class_name.data(), static_cast<qsizetype>(class_name.size())));
  widget->setProperty("faunaryName", shown);
  widget->setGeometry(rect);
  if (node.kind == Kind::kEdit) tk::SetControlText(handle, text);
  if (style & WS_DISABLED) tk::EnableControl(handle, false);
  if (style & WS_VISIBLE) widget->show();
  return handle;
}

}  // namespace qttk

namespace tk {

using namespace qttk;

Window CreateControl(std::string_view class_name, std::string_view window_name, std::uint32_t style, int x, int y,
                     int width, int height, Window parent, int id, Instance instance) {
  return MakeControl(class_name, window_name, style, QRect(x, y, width, height), parent, id, instance);
}

void DestroyControl(Window control) {
  Node* node = NodeOf(control);
  if (node == nullptr) return;
  if (node->kind == Kind::kTop) Deliver(control, WM_DESTROY, 0, 0);
  node = NodeOf(control);  // the procedure may have changed the table
  if (node == nullptr) return;
  QPointer<QWidget> widget = node->widget;
  ForgetNode(control);
  if (widget.isNull()) return;
  widget->hide();
  // Later, since the control may be the one whose notification is running.
  widget->deleteLater();
}

void SetControlFont(Window control, Font font) {
  if (Node* node = NodeOf(control); node && font) node->widget->setFont(ProgramFont());
}

void SetControlText(Window control, std::string_view text) {
  Node* node = NodeOf(control);
  if (node == nullptr) return;
  QWidget* widget = node->widget;
  const QString shown = FromCp1252(text);
  switch (node->kind) {
    case Kind::kTop:
    case Kind::kDialog: widget->setWindowTitle(shown); break;
    case Kind::kStatic: static_cast<StaticText*>(widget)->SetText(shown); break;
    case Kind::kButton:
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(shown);
      if (auto* box = qobject_cast<QGroupBox*>(widget)) box->setTitle(shown);
      break;
    case Kind::kEdit: {
      QString lines = shown;
      lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) edit->setPlainText(lines);
      if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setText(lines);
      break;
    }
    case Kind::kSimpleCombo: SetSimpleComboText(widget, shown); break;
    default: break;  // a drop-down list, list view or tab control shows no window text
  }
}

std::string GetControlText(Window control) {
  const Node* node = NodeOf(control);
  if (node == nullptr) return {};
  QString text;
  if (node->kind == Kind::kSimpleCombo) text = SimpleComboText(node->widget);
  if (node->kind == Kind::kTop || node->kind == Kind::kDialog) text = node->widget->windowTitle();
  // Latin-1 is code page 1252 where names are written.
  return text.toLatin1().toStdString();
}

void InvalidateControl(Window control) {
  if (Node* node = NodeOf(control)) node->widget->update();
}

void EnableControl(Window control, bool enabled) {
  Node* node = NodeOf(control);
  if (node == nullptr) return;
  if (node->kind == Kind::kStatic) static_cast<StaticText*>(node->widget.data())->SetGreyed(!enabled);
  else node->widget->setEnabled(enabled);
}

void SetControlRedraw(Window control, bool redraw) {
  Node* node = NodeOf(control);
  if (node == nullptr) return;
  node->widget->setUpdatesEnabled(redraw);
  if (redraw) node->widget->update();
}

void SetStaticBitmap(Window control, Bitmap bitmap) {
  Node* node = NodeOf(control);
  if (node != nullptr && node->kind == Kind::kStatic && (node->style & SS_TYPEMASK) == SS_BITMAP)
    static_cast<StaticText*>(node->widget.data())->SetPixmap(PixmapOf(bitmap));
}

bool IsButtonChecked(Window button) {
  const auto* widget = WidgetOf<QAbstractButton>(button);
  return widget != nullptr && widget->isChecked();
}

}  // namespace tk
