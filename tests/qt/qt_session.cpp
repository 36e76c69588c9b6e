#include "qt_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "backends/qt/qt_application.h"
#include "backends/qt/qt_nodes.h"
#include "backends/qt/static_text.h"
#include "session_interpreter.h"
#include "shell/startup.h"
#include "shell/win_constants.h"
#include "text_fit.h"

namespace {

// Back to the program's code page 1252 bytes, to compare with the scripts.
std::string ToCp1252(const QString& text) {
  std::string out;
  for (const QChar c : text) {
    char byte = '?';
    if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() < 0x100)) byte = static_cast<char>(c.unicode());
    for (int b = 0x80; b < 0xA0; ++b)
      if (qttk::FromCp1252(std::string(1, static_cast<char>(b))) == QString(c)) byte = static_cast<char>(b);
    out.push_back(byte);
  }
  return out;
}

// What a control shows as its text.
std::string TextOf(const QWidget* w) {
  if (auto* s = dynamic_cast<const qttk::StaticText*>(w)) return ToCp1252(s->Text());
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return ToCp1252(b->text());
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return ToCp1252(g->title());
  if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) return ToCp1252(e->toPlainText());
  if (auto* c = qobject_cast<const QComboBox*>(w)) return ToCp1252(c->currentText());
  if (auto* l = w->findChild<QLineEdit*>()) return ToCp1252(l->text());
  return ToCp1252(w->windowTitle());
}

// The program's windows as a session's backend. Every action is posted to
// the event loop; the session waits until none is pending before its next step.
class QtBackend final : public SessionBackend {
 public:
  explicit QtBackend(std::string output_dir) : output_dir_(std::move(output_dir)) {}
  bool Busy() const { return pending_ > 0; }

  std::string Start() override {
    exit_code_.reset();
    return Post([this] {
      ResetProgramState();
      qttk::ForgetWindowClasses();
      exit_code_ = FaunaryMain(qttk::ProgramInstance(), SW_SHOWDEFAULT);
    });
  }
  std::optional<int> ExitCode() override { return exit_code_; }
  bool FindMainWindow() override {
    main_ = dialog_ = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qttk::HandleOf(w) && !qobject_cast<QDialog*>(w) && w->isVisible() && w->windowTitle() == "Faunary")
        main_ = w;
    return main_;
  }
  bool FindDialog(const std::string& title) override {
    dialog_ = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QDialog*>(w) && w->isVisible() && w->parentWidget() == main_ &&
          ToCp1252(w->windowTitle()) == title)
        dialog_ = w;
    return dialog_;
  }
  bool DialogOpen() override { return dialog_ && dialog_->isVisible(); }
  std::optional<std::string> MessageBoxText(const std::string& title) override {
    QMessageBox* box = FindMessageBox(title);
    return box ? std::optional(ToCp1252(box->text())) : std::nullopt;
  }
  std::optional<std::string> OtherDialog() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QDialog*>(w) && w->isVisible() && w != dialog_) return ToCp1252(w->windowTitle());
    return std::nullopt;
  }
  std::string DescribeWindows() override {
    std::string out;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) out += "  open window \"" + ToCp1252(w->windowTitle()) + "\"\n";
    if (main_) main_->grab().save(QString::fromStdString(output_dir_ + "/failure.png"));
    return out;
  }

  std::optional<std::string> Text(Window window, int id) override {
    QWidget* control = Control(window, id);
    return control ? std::optional(TextOf(control)) : std::nullopt;
  }
  std::vector<std::string> TextsAt(int x, int y) override {
    std::vector<std::string> texts;
    for (QObject* child : main_->children())
      if (auto* w = qobject_cast<QWidget*>(child); w && qttk::HandleOf(w) && w->isVisible() && w->pos() == QPoint(x, y))
        texts.push_back(TextOf(w));
    return texts;
  }
  // A drop-down list, or the list of a simple combo box.
  std::optional<ComboState> Combo(Window window, int id) override {
    QWidget* control = Control(window, id);
    ComboState state;
    if (auto* c = qobject_cast<QComboBox*>(control)) {
      for (int i = 0; i < c->count(); ++i) state.entries.push_back(ToCp1252(c->itemText(i)));
      state.selected = c->currentIndex();
    } else if (auto* l = control ? control->findChild<QListWidget*>() : nullptr) {
      for (int i = 0; i < l->count(); ++i) state.entries.push_back(ToCp1252(l->item(i)->text()));
      state.selected = l->currentRow();
    } else {
      return std::nullopt;
    }
    return state;
  }
  std::optional<int> CheckState(int id) override {
    auto* button = qobject_cast<QAbstractButton*>(Control(Window::kDialog, id));
    return button ? std::optional(button->isChecked() ? 1 : 0) : std::nullopt;
  }
  std::optional<TabState> Tabs(int id) override {
    QTabBar* bar = TabBar(id);
    return bar ? std::optional(TabState{bar->count(), bar->currentIndex()}) : std::nullopt;
  }
  std::optional<int> ListRows(int id) override {
    auto* list = qobject_cast<QTreeWidget*>(Control(Window::kMain, id));
    return list ? std::optional(list->topLevelItemCount()) : std::nullopt;
  }
  std::optional<std::string> ListCell(int id, int row, int column) override {
    QTreeWidgetItem* item = Row(id, row);
    return item ? std::optional(ToCp1252(item->text(column))) : std::nullopt;
  }
  std::optional<int> ListImage(int id, int row) override {
    QTreeWidgetItem* item = Row(id, row);
    if (!item || item->icon(0).isNull()) return std::nullopt;
    return item->data(0, Qt::UserRole + 1).toInt();
  }
  std::optional<std::uint32_t> Style(std::optional<int> id) override {
    QWidget* w = id ? Control(Window::kMain, *id) : main_.data();
    return w ? std::optional(w->property("faunaryStyle").toUInt()) : std::nullopt;
  }
  // The client area and Windows' frame: 3 pixels on each side, a 22-pixel caption.
  std::optional<std::pair<int, int>> WindowSize() override {
    return std::pair(main_->width() + 6, main_->height() + 28);
  }
  std::optional<std::vector<std::string>> TextsThatDoNotFit(const std::vector<std::string>& allowed) override {
    return ::TextsThatDoNotFit(main_, allowed);
  }

  std::string Pick(Window window, int id, int entry) override {
    // A click in a simple combo box's list; in a drop-down list, open it,
    // move to the entry and press Enter.
    return Post([control = QPointer(Control(window, id)), entry] {
      if (auto* c = qobject_cast<QComboBox*>(control)) {
        c->showPopup();
        c->view()->setCurrentIndex(c->model()->index(entry, 0));
        QTest::keyClick(c->view(), Qt::Key_Return);
      } else if (auto* l = control ? control->findChild<QListWidget*>() : nullptr) {
        l->scrollToItem(l->item(entry));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(entry)).center());
      }
    });
  }
  // A click on the tab when it is in sight, otherwise the arrow keys.
  std::string SelectTab(int id, int position) override {
    QTabBar* bar = TabBar(id);
    if (!bar) return "no tab control " + std::to_string(id);
    return Post([bar = QPointer(bar), position] {
      const QRect tab = bar ? bar->tabRect(position) : QRect();
      if (bar && tab.right() < bar->width() - 40) return QTest::mouseClick(bar, Qt::LeftButton, {}, tab.center());
      if (bar) bar->setFocus();
      while (bar && bar->currentIndex() != position)
        QTest::keyClick(bar, bar->currentIndex() < position ? Qt::Key_Right : Qt::Key_Left);
    });
  }
  std::string Click(Window window, int id) override {
    auto* button = qobject_cast<QAbstractButton*>(Control(window, id));
    if (!button) return "no button " + std::to_string(id);
    return Post([button = QPointer(button)] {
      if (button) button->click();
    });
  }
  std::string DoubleClick(int id) override {
    return Post([control = QPointer(Control(Window::kMain, id))] {
      if (control) QTest::mouseDClick(control, Qt::LeftButton, {}, control->rect().center());
    });
  }
  std::string DoubleClickRow(int id, int row) override {
    QTreeWidgetItem* item = Row(id, row);
    if (!item) return "no row " + std::to_string(row) + " in list " + std::to_string(id);
    return Post([list = QPointer(item->treeWidget()), item] {
      if (!list) return;
      list->scrollToItem(item);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    });
  }
  std::string PressKey(Key key) override {
    return Post([dialog = dialog_, key = key == Key::kEnter ? Qt::Key_Return : Qt::Key_Escape] {
      if (dialog) QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog.data(), key);
    });
  }
  std::string ConfirmMessageBox(const std::string& title) override {
    return Post([box = QPointer(FindMessageBox(title))] {
      if (box) box->button(QMessageBox::Ok)->click();
    });
  }
  std::string Close() override {
    return Post([main = main_] {
      if (main) main->close();
    });
  }
  // The dialog when one is open; PNG files rather than the Windows driver's BMP.
  std::string Screenshot(const std::string& name) override {
    const bool bmp = name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0;
    const std::string path = output_dir_ + "/" + (bmp ? name.substr(0, name.size() - 4) + ".png" : name);
    QWidget* shown = DialogOpen() ? dialog_.data() : main_.data();
    if (!shown->grab().save(QString::fromStdString(path))) return "cannot write " + path;
    std::printf("screenshot: %s\n", path.c_str());
    return "";
  }

 private:
  std::string Post(std::function<void()> action) {
    ++pending_;
    QTimer::singleShot(0, [this, action = std::move(action)] {
      --pending_;
      action();
    });
    return "";
  }
  QWidget* Control(Window window, int id) const {
    QWidget* parent = window == Window::kMain ? main_.data() : dialog_.data();
    for (QObject* child : parent ? parent->children() : QObjectList())
      if (auto* w = qobject_cast<QWidget*>(child); w && qttk::HandleOf(w) && w->property("faunaryId").toInt() == id)
        return w;
    return nullptr;
  }
  QTabBar* TabBar(int id) const {
    QWidget* control = Control(Window::kMain, id);
    return control ? control->findChild<QTabBar*>() : nullptr;
  }
  QTreeWidgetItem* Row(int id, int row) const {
    auto* list = qobject_cast<QTreeWidget*>(Control(Window::kMain, id));
    return list ? list->topLevelItem(row) : nullptr;
  }
  static QMessageBox* FindMessageBox(const std::string& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible() && ToCp1252(box->windowTitle()) == title)
        return box;
    return nullptr;
  }

  std::string output_dir_;
  int pending_ = 0;
  std::optional<int> exit_code_;
  QPointer<QWidget> main_, dialog_;
};

}  // namespace

bool RunQtSession(std::vector<Step> steps, const std::string& output_dir) {
  QtBackend backend(output_dir);
  SessionInterpreter session(backend, std::move(steps), "");
  QEventLoop loop;
  QTimer timer;
  bool passed = false;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (backend.Busy()) return;
    const SessionInterpreter::State state = session.Tick();
    if (state == SessionInterpreter::State::kFailed) std::_Exit(1);  // perhaps inside a modal loop: nothing more to run
    if (state == SessionInterpreter::State::kPassed) {
      passed = true;
      loop.quit();
    }
  });
  timer.start(5);
  loop.exec();
  return passed;
}
