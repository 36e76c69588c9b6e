// Modal dialogs built from the dialog table, with Windows' dialog keys:
// Enter gives IDOK (or clicks the push button that has the focus), Escape
// and the close box give IDCANCEL.
#include "backends/qt/dialogs.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>

#include "backends/qt/controls.h"
#include "backends/qt/qt_application.h"
#include "backends/qt/qt_nodes.h"
#include "resources/dialog_templates.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

// MulDiv: rounded to the nearest whole pixel.
int Scale(int units, int base, int divisor) { return (units * base + divisor / 2) / divisor; }

class Dialog : public QDialog {
 public:
  explicit Dialog(QWidget* owner) : QDialog(owner) {}
  bool ended = false;
  std::intptr_t result = 0;

  void Command(int id) {
    const tk::Window button = ChildWithId(HandleOf(this), id);
    Deliver(HandleOf(this), WM_COMMAND, tk::MakeWparam(static_cast<unsigned>(id), BN_CLICKED),
            static_cast<std::intptr_t>(button.value));
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Escape: Command(IDCANCEL); return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) button->click();
        else Command(IDOK);
        return;
      default: QWidget::keyPressEvent(event);
    }
  }

  void closeEvent(QCloseEvent* event) override {
    event->ignore();  // only EndModalDialog ends the dialog
    if (Deliver(HandleOf(this), WM_CLOSE, 0, 0) == FALSE) Command(IDCANCEL);
  }

  void reject() override {}  // Qt's own ways out (Escape) are the procedure's
};

}  // namespace

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  return QRect(Scale(x, base_x, 4), Scale(y, base_y, 8), Scale(width, base_x, 4), Scale(height, base_y, 8));
}

DialogUnits DialogUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, metrics.height()};
}

}  // namespace qttk

namespace tk {

using namespace qttk;

std::intptr_t RunDialog(Instance instance, int template_id, Window owner, DialogProc procedure, std::intptr_t param) {
  const DialogTemplate* layout = FindDialogTemplate(template_id);
  if (layout == nullptr || procedure == nullptr) return -1;
  const Node* owner_node = NodeOf(owner);
  QPointer<Dialog> dialog = new Dialog(owner_node ? owner_node->widget.data() : nullptr);
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (layout->style & WS_SYSMENU) flags |= Qt::WindowCloseButtonHint;
  dialog->setWindowFlags(flags);
  dialog->setWindowTitle(FromCp1252(layout->title));
  dialog->setFont(ProgramFont());
  const DialogUnits units = DialogUnitsOf(ProgramFont());
  dialog->setFixedSize(units.ToPixels(0, 0, layout->width, layout->height).size());

  Node node;
  node.kind = Kind::kDialog;
  node.style = layout->style;
  node.parent = owner;
  node.instance = instance;
  node.dialog_proc = procedure;
  const Window handle = AddNode(dialog, node);
  for (const DialogItemTemplate& item : layout->items)
    MakeControl(item.class_name, item.text, item.style | WS_CHILD | WS_VISIBLE,
                units.ToPixels(item.x, item.y, item.width, item.height), handle, item.id, instance);

  Deliver(handle, WM_INITDIALOG, 0, param);
  if (dialog && !dialog->ended) dialog->exec();
  const std::intptr_t result = dialog ? dialog->result : 0;
  ForgetNode(handle);
  delete dialog.data();
  return result;
}

void EndModalDialog(Window window, std::intptr_t result) {
  Node* node = NodeOf(window);
  if (node == nullptr || node->kind != Kind::kDialog) return;
  auto* dialog = static_cast<Dialog*>(node->widget.data());
  if (dialog->ended) return;
  dialog->ended = true;
  dialog->result = result;
  dialog->done(0);
}

Window DialogItem(Window dialog, int id) { return ChildWithId(dialog, id); }

void SetDialogItemText(Window dialog, int id, std::string_view text) { SetControlText(DialogItem(dialog, id), text); }

void CheckRadio(Window dialog, int first_id, int last_id, int checked_id) {
  for (int id = first_id; id <= last_id; ++id)
    if (auto* button = WidgetOf<QAbstractButton>(DialogItem(dialog, id))) button->setChecked(id == checked_id);
}

void CheckDialogButton(Window dialog, int id, bool checked) {
  if (auto* button = WidgetOf<QAbstractButton>(DialogItem(dialog, id))) button->setChecked(checked);
}

bool IsDialogButtonChecked(Window dialog, int id) { return IsButtonChecked(DialogItem(dialog, id)); }

}  // namespace tk
