// Combo boxes: drop-down lists (QComboBox) and the main window's simple
// combo box, an edit field over a list that is always open.
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "backends/qt/controls.h"
#include "backends/qt/qt_nodes.h"
#include "port/win_constants.h"

namespace qttk {
namespace {

constexpr int kDataRole = Qt::UserRole;

class SimpleCombo : public QWidget {
 public:
  explicit SimpleCombo(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(list_);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusProxy(edit_);
    edit_->installEventFilter(this);
    // The user's choice in the list (a click, the arrow keys) changes the selection.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
      if (setting_) return;
      only_highlighted_ = false;
      ShowEntry(row);
      SendCommand(HandleOf(this), CBN_SELCHANGE);
    });
    // A click on the entry typing highlighted chooses it, as on any other.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
      if (!only_highlighted_ || list_->row(item) != list_->currentRow()) return;
      only_highlighted_ = false;
      ShowEntry(list_->currentRow());
      SendCommand(HandleOf(this), CBN_SELCHANGE);
    });
    connect(edit_, &QLineEdit::returnPressed, this, [this] {
      only_highlighted_ = false;
      SendCommand(HandleOf(this), CBN_SELENDOK);
    });
    // Typing shows the first entry that starts with the text, without choosing it.
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (text.isEmpty()) return;
      for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->text().startsWith(text, Qt::CaseInsensitive)) {
          SetCurrent(row, false);
          only_highlighted_ = true;
          break;
        }
    });
  }

  QListWidget* List() const { return list_; }
  void SetEditText(const QString& text) { edit_->setText(text); }
  QString EditText() const { return edit_->text(); }

  // Selects `row` (-1 clears) without notifying; the edit field shows it when `show`.
  void SetCurrent(int row, bool show) {
    setting_ = true;
    list_->setCurrentRow(row);
    if (row < 0) list_->clearSelection();
    setting_ = false;
    if (row >= 0) list_->scrollToItem(list_->item(row), QAbstractItemView::PositionAtTop);
    if (show) {
      only_highlighted_ = false;
      ShowEntry(row);
    }
  }

 protected:
  // Up and down keys in the edit field move through the list, as in Windows.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp && key != Qt::Key_PageDown) return false;
    QCoreApplication::sendEvent(list_, event);
    return true;
  }

 private:
  void ShowEntry(int row) { edit_->setText(row >= 0 && row < list_->count() ? list_->item(row)->text() : QString()); }

  QLineEdit* edit_;
  QListWidget* list_;
  bool setting_ = false;
  bool only_highlighted_ = false;  // typing moved the highlight; nothing chosen yet
};

// Either kind of combo box, behind one set of operations.
struct Combo {
  QComboBox* drop = nullptr;
  SimpleCombo* simple = nullptr;
  std::uint32_t style = 0;
  explicit operator bool() const { return drop || simple; }

  int Count() const { return drop ? drop->count() : simple->List()->count(); }
  QString Text(int row) const { return drop ? drop->itemText(row) : simple->List()->item(row)->text(); }
  int Current() const { return drop ? drop->currentIndex() : simple->List()->currentRow(); }
};

Combo ComboOf(tk::Window window) {
  Combo combo;
  if (const Node* node = NodeOf(window)) {
    combo.style = node->style;
    if (node->kind == Kind::kCombo) combo.drop = static_cast<QComboBox*>(node->widget.data());
    if (node->kind == Kind::kSimpleCombo) combo.simple = static_cast<SimpleCombo*>(node->widget.data());
  }
  return combo;
}

}  // namespace

QWidget* MakeSimpleCombo(QWidget* parent) { return new SimpleCombo(parent); }

QWidget* MakeDropList(QWidget* parent, int open_height) {
  auto* combo = new QComboBox(parent);
  // The open list is as high as the control's given height allows.
  combo->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
  const int row = combo->fontMetrics().height() + 2;
  combo->setMaxVisibleItems(std::max(1, (open_height - combo->sizeHint().height()) / row));
  QObject::connect(combo, &QComboBox::activated, combo, [combo](int) { SendCommand(HandleOf(combo), CBN_SELCHANGE); });
  return combo;
}

void SetSimpleComboText(QWidget* combo, const QString& text) { static_cast<SimpleCombo*>(combo)->SetEditText(text); }
QString SimpleComboText(QWidget* combo) { return static_cast<SimpleCombo*>(combo)->EditText(); }

}  // namespace qttk

namespace tk {

using namespace qttk;

void ComboReset(Window window) {
  const Combo combo = ComboOf(window);
  if (combo.drop) combo.drop->clear();
  if (combo.simple) {
    combo.simple->SetCurrent(-1, true);
    combo.simple->List()->clear();
  }
}

int ComboAddString(Window window, std::string_view text) {
  const Combo combo = ComboOf(window);
  if (!combo) return CB_ERR;
  const QString entry = FromCp1252(text);
  int at = combo.Count();
  if (combo.style & CBS_SORT)
    for (at = 0; at < combo.Count(); ++at)
      if (QString::compare(combo.Text(at), entry, Qt::CaseInsensitive) > 0) break;
  if (combo.drop) {
    // Adding never selects: Qt would select the first entry added to an empty box.
    const int selected = combo.drop->currentIndex();
    combo.drop->insertItem(at, entry, QVariant::fromValue<qlonglong>(0));
    if (selected < 0) combo.drop->setCurrentIndex(-1);
  }
  if (combo.simple) {
    auto* item = new QListWidgetItem(entry);
    item->setData(kDataRole, QVariant::fromValue<qlonglong>(0));
    const QSignalBlocker quiet(combo.simple->List());
    combo.simple->List()->insertItem(at, item);
  }
  return at;
}

bool ComboSetItemData(Window window, int position, std::intptr_t data) {
  const Combo combo = ComboOf(window);
  if (!combo || position < 0 || position >= combo.Count()) return false;
  const QVariant value = QVariant::fromValue<qlonglong>(data);
  if (combo.drop) combo.drop->setItemData(position, value);
  if (combo.simple) combo.simple->List()->item(position)->setData(kDataRole, value);
  return true;
}

std::intptr_t ComboGetItemData(Window window, int position) {
  const Combo combo = ComboOf(window);
  if (!combo || position < 0 || position >= combo.Count()) return CB_ERR;
  const QVariant value = combo.drop ? combo.drop->itemData(position) : combo.simple->List()->item(position)->data(kDataRole);
  return static_cast<std::intptr_t>(value.toLongLong());
}

void ComboSetCurSel(Window window, int position) {
  const Combo combo = ComboOf(window);
  if (!combo) return;
  if (position < 0 || position >= combo.Count()) position = -1;
  if (combo.drop) combo.drop->setCurrentIndex(position);
  if (combo.simple) combo.simple->SetCurrent(position, true);
}

int ComboGetCurSel(Window window) {
  const Combo combo = ComboOf(window);
  return combo ? combo.Current() : CB_ERR;
}

}  // namespace tk
