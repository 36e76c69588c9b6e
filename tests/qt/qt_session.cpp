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
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "backends/qt/qt_application.h"
#include "backends/qt/qt_nodes.h"
#include "backends/qt/static_text.h"
#include "session_support.h"
#include "text_fit.h"
#include "shell/startup.h"
#include "shell/win_constants.h"

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

// A combo box's entries and selection: a drop-down list, or the list of a simple one.
std::vector<std::string> Entries(const QWidget* w, int* selected = nullptr) {
  std::vector<std::string> out;
  if (auto* c = qobject_cast<const QComboBox*>(w)) {
    for (int i = 0; i < c->count(); ++i) out.push_back(ToCp1252(c->itemText(i)));
    if (selected) *selected = c->currentIndex();
  } else if (auto* l = w ? w->findChild<QListWidget*>() : nullptr) {
    for (int i = 0; i < l->count(); ++i) out.push_back(ToCp1252(l->item(i)->text()));
    if (selected) *selected = l->currentRow();
  }
  return out;
}

std::string Selected(const QWidget* w) {
  int at = -1;
  const std::vector<std::string> entries = Entries(w, &at);
  return at >= 0 && static_cast<std::size_t>(at) < entries.size() ? entries[static_cast<std::size_t>(at)] : "";
}

// The user's choice of an entry: a click in a simple combo box's list; in a
// drop-down list, open it, move to the entry and press Enter.
void ChooseEntry(QWidget* w, int row) {
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    c->showPopup();
    c->view()->setCurrentIndex(c->model()->index(row, 0));
    QTest::keyClick(c->view(), Qt::Key_Return);
  } else if (auto* l = w->findChild<QListWidget*>()) {
    l->scrollToItem(l->item(row));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
  }
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Check(bool ok, const std::string& failure) { return ok ? "" : failure; }

}  // namespace

QtSession::QtSession(std::vector<Step> steps, std::string output_dir)
    : steps_(std::move(steps)), output_dir_(std::move(output_dir)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

bool QtSession::Run() {
  QEventLoop loop;
  QObject::connect(&timer_, &QTimer::timeout, &loop, [this, &loop] {
    if (finished_) loop.quit();
  });
  timer_.start(5);
  loop.exec();
  timer_.stop();
  return passed_;
}

void QtSession::Post(std::function<void()> action) {
  ++pending_actions_;
  QTimer::singleShot(0, [this, action = std::move(action)] {
    --pending_actions_;
    action();
  });
}

QWidget* QtSession::Control(QWidget* parent, int id) const {
  if (parent == nullptr) return nullptr;
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && qttk::HandleOf(w) && w->property("faunaryId").toInt() == id) return w;
  }
  return nullptr;
}

QWidget* QtSession::MainControl(const std::string& id) const {
  const std::optional<int> number = IntArg(id);
  return number ? Control(main_, *number) : nullptr;
}

void QtSession::Tick() {
  if (finished_ || pending_actions_ > 0) return;
  if (next_ == steps_.size()) {
    passed_ = finished_ = true;
    return;
  }
  const Step& step = steps_[next_];
  if (!step_started_) {
    std::string shown = step.command;
    for (const std::string& arg : step.args) shown.append(" ").append(Show(arg));
    std::printf("line %d: %s\n", step.line, shown.c_str());
    std::fflush(stdout);
    step_clock_.start();
    step_started_ = true;
    acted_ = false;
  }
  Result result = Execute(step);
  if (result.outcome == Outcome::kWait && step_clock_.elapsed() > timeout_ms_)
    result.failure = "timed out: " + result.failure;
  else if (result.outcome == Outcome::kWait)
    return;
  if (!result.failure.empty()) {
    std::printf("FAILED at line %d (%s): %s\n", step.line, step.command.c_str(), result.failure.c_str());
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) std::printf("  open window \"%s\"\n", ToCp1252(w->windowTitle()).c_str());
    if (main_) main_->grab().save(QString::fromStdString(output_dir_ + "/failure.png"));
    std::fflush(stdout);
    std::_Exit(1);  // the program may be inside a modal loop; nothing more to run
  }
  ++next_;
  step_started_ = false;
}

QtSession::Result QtSession::Execute(const Step& s) {
  const Args& a = s.args;
  auto done = [](std::string failure) { return Result{Outcome::kDone, std::move(failure)}; };
  // Waits until `condition` holds (`what` names it in the time-out message).
  auto wait = [](bool condition, std::string what) {
    return condition ? Result{} : Result{Outcome::kWait, std::move(what)};
  };
  auto arg_int = [&](std::size_t at) { return at < a.size() ? IntArg(a[at]).value_or(-1) : -1; };
  auto expect = [&](const std::string& shown, std::size_t at) {
    const std::optional<TextExpectation> e = ExpectationAt(a, at);
    return done(!e ? "missing text" : e->Matches(shown) ? "" : Mismatch(*e, shown));
  };
  const std::string& c = s.command;

  if (c == "timeout") {
    timeout_ms_ = arg_int(0) * 1000;
    return done("");
  }
  if (c == "start") {
    if (running_program_) return done("the program is already running");
    running_program_ = true;
    Post([this] {
      ResetProgramState();
      qttk::ForgetWindowClasses();
      start_clock_.start();
      exit_code_ = FaunaryMain(qttk::ProgramInstance(), SW_SHOWDEFAULT);
      running_program_ = false;
    });
    return done("");
  }
  if (c == "expect-config") {
    const std::string file = ReadFile("faunary.cfgx"), open = "<" + a.at(0) + ">";
    const std::size_t at = file.find(open), end = file.find("</" + a.at(0) + ">");
    if (at == std::string::npos || end == std::string::npos) return done("faunary.cfgx has no " + a[0] + ":\n" + file);
    const std::string shown = file.substr(at + open.size(), end - at - open.size());
    return done(Check(shown == a.at(1), Mismatch({a.at(1), false}, shown)));
  }
  if (c == "expect-file-lines") {
    const std::string file = ReadFile(a.at(0));
    const auto lines = std::count(file.begin(), file.end(), '\n') + (!file.empty() && file.back() != '\n');
    return done(Check(lines == arg_int(1), std::to_string(lines) + " lines:\n" + file));
  }
  if (c == "wait-exit") {
    if (running_program_) return wait(false, "exit of the program");
    main_ = nullptr;
    return done(Check(exit_code_ == arg_int(0), "exit code " + std::to_string(exit_code_)));
  }
  if (c == "wait-message-box") {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible() || ToCp1252(box->windowTitle()) != a.at(0)) continue;
      const Result shown = expect(ToCp1252(box->text()), 1);
      if (!shown.failure.empty()) return shown;
      QPointer<QMessageBox> closing = box;
      Post([closing] {
        if (closing) closing->button(QMessageBox::Ok)->click();
      });
      return done("");
    }
    return wait(false, "message box \"" + a.at(0) + "\"");
  }
  if (c == "wait-main-window") {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qttk::HandleOf(w) && !qobject_cast<QDialog*>(w) && w->isVisible() && w->windowTitle() == "Faunary") {
        main_ = w;
        std::printf("startup: main window shown %lld ms after start\n", static_cast<long long>(start_clock_.elapsed()));
        return done("");
      }
    return wait(false, "main window");
  }
  if (c == "expect-no-message-box") {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QDialog*>(w) && w->isVisible() && w != dialog_)
        return done("a dialog is open: " + ToCp1252(w->windowTitle()));
    return done("");
  }
  if (!main_) return done("no main window (wait-main-window first)");

  if (c == "wait-dialog") {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QDialog*>(w) && w->isVisible() && w->parentWidget() == main_ &&
          ToCp1252(w->windowTitle()) == a.at(0)) {
        dialog_ = w;
        return done("");
      }
    return wait(false, "dialog \"" + a.at(0) + "\"");
  }
  if (c == "wait-dialog-closed") return wait(!dialog_ || !dialog_->isVisible(), "closing of the dialog");
  if (c.rfind("dialog-", 0) == 0 || c.rfind("expect-dialog-", 0) == 0) {
    if (!dialog_) return done("no dialog (wait-dialog first)");
    QWidget* item = Control(dialog_, arg_int(0));
    if (c == "dialog-key") {
      const Qt::Key key = a.at(0) == "enter" ? Qt::Key_Return : Qt::Key_Escape;
      QPointer<QWidget> dialog = dialog_;
      Post([dialog, key] {
        if (dialog) QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog.data(), key);
      });
      return done("");
    }
    if (!item) return done("the dialog has no item " + a.at(0));
    if (c == "expect-dialog-text") return expect(TextOf(item), 1);
    if (c == "expect-dialog-checked") {
      auto* button = qobject_cast<QAbstractButton*>(item);
      return done(Check(button && button->isChecked() == (arg_int(1) == 1), "not in check state " + a.at(1)));
    }
    if (c == "expect-dialog-combo-selection")
      return done(Check(Selected(item) == a.at(1), Mismatch({a.at(1), false}, Selected(item))));
    if (c == "dialog-click") {
      auto* button = qobject_cast<QAbstractButton*>(item);
      if (!button) return done("item " + a[0] + " is no button");
      Post([button = QPointer<QAbstractButton>(button)] {
        if (button) button->click();
      });
      return done("");
    }
    if (c == "dialog-select") {
      const std::vector<std::string> entries = Entries(item);
      const auto at = std::find(entries.begin(), entries.end(), a.at(1));
      if (at == entries.end()) return done("no entry " + Show(a[1]));
      Post([item = QPointer<QWidget>(item), row = static_cast<int>(at - entries.begin())] {
        if (item) ChooseEntry(item, row);
      });
      return done("");
    }
  }

  if (c == "expect-window-size") {
    // The client area and Windows' frame: 3 pixels on each side, a 22-pixel caption.
    const QSize outer = main_->size() + QSize(6, 28);
    return done(Check(outer == QSize(arg_int(0), arg_int(1)),
                      "outer size " + std::to_string(outer.width()) + "x" + std::to_string(outer.height())));
  }
  if (c == "screenshot") {
    std::string name = a.at(0);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0) name.replace(name.size() - 4, 4, ".png");
    const std::string path = output_dir_ + "/" + name;
    QWidget* shown = dialog_ && dialog_->isVisible() ? dialog_.data() : main_.data();  // the dialog when one is open
    if (!shown->grab().save(QString::fromStdString(path))) return done("cannot write " + path);
    std::printf("screenshot: %s\n", path.c_str());
    return done("");
  }
  if (c == "close") {
    Post([main = main_] {
      if (main) main->close();
    });
    return done("");
  }
  if (c == "expect-texts-fit") {
    const std::vector<std::string> report = TextsThatDoNotFit(main_, a);
    std::string failure;
    for (const std::string& line : report) failure += "\n  " + line;
    return done(failure.empty() ? "" : "texts that do not fit their controls:" + failure);
  }
  if (c == "expect-text-at") {
    std::vector<QWidget*> found;
    for (QObject* child : main_->children())
      if (auto* w = qobject_cast<QWidget*>(child); w && qttk::HandleOf(w) && w->isVisible() && w->x() == arg_int(0) &&
                                                   w->y() == arg_int(1))
        found.push_back(w);
    if (found.size() != 1) return done(std::to_string(found.size()) + " controls at " + a.at(0) + "," + a.at(1));
    return expect(TextOf(found.front()), 2);
  }

  QWidget* control = MainControl(a.at(0));
  if (c == "expect-style" && a.at(0) == "main") control = main_;
  if (!control) return done("no control " + a.at(0));
  if (c == "expect-style") {
    const auto style = control->property("faunaryStyle").toUInt();
    return done(Check((style & static_cast<unsigned>(arg_int(1))) == static_cast<unsigned>(arg_int(2)),
                      "style " + std::to_string(style)));
  }
  if (c == "expect-control") {
    const int height = main_->height();
    auto coordinate = [&](std::size_t at) {
      return a.at(at).rfind("h-", 0) == 0 ? height - IntArg(a[at].substr(2)).value_or(0) : arg_int(at);
    };
    const QRect expected(coordinate(2), coordinate(3), coordinate(4), coordinate(5));
    if (control->property("faunaryClass").toString().compare(QString::fromStdString(a.at(1)), Qt::CaseInsensitive))
      return done("class " + control->property("faunaryClass").toString().toStdString());
    return done(Check(control->geometry() == expected, "placed at " + std::to_string(control->x()) + "," +
                                                          std::to_string(control->y()) + " " +
                                                          std::to_string(control->width()) + "x" +
                                                          std::to_string(control->height())));
  }
  if (c == "expect-text") return expect(TextOf(control), 1);
  if (c == "expect-combo-entries") {
    const std::vector<std::string> expected(a.begin() + 1, a.end());
    return done(Check(Entries(control) == expected, std::to_string(Entries(control).size()) + " other entries"));
  }
  if (c == "expect-combo-count")
    return done(Check(static_cast<int>(Entries(control).size()) == arg_int(1),
                      std::to_string(Entries(control).size()) + " entries"));
  if (c == "expect-combo-selection")
    return done(Check(Selected(control) == a.at(1), Mismatch({a.at(1), false}, Selected(control))));
  if (c == "pick") {
    const std::vector<std::string> entries = Entries(control);
    const auto at = std::find(entries.begin(), entries.end(), a.at(1));
    if (at == entries.end()) return done("no entry " + Show(a[1]));
    Post([control = QPointer<QWidget>(control), row = static_cast<int>(at - entries.begin())] {
      if (control) ChooseEntry(control, row);
    });
    return done("");
  }
  if (auto* bar = control->findChild<QTabBar*>()) {
    if (c == "expect-tab-count") return done(Check(bar->count() == arg_int(1), std::to_string(bar->count()) + " tabs"));
    if (c == "expect-tab-selection")
      return done(Check(bar->currentIndex() == arg_int(1), "tab " + std::to_string(bar->currentIndex())));
    if (c == "select-tab") {
      const int target = arg_int(1);
      if (!acted_) {
        acted_ = true;
        // A click on the tab when it is in sight, otherwise the arrow keys.
        Post([bar = QPointer<QTabBar>(bar), target] {
          if (!bar) return;
          const QRect tab = bar->tabRect(target);
          if (tab.right() < bar->width() - 40) return QTest::mouseClick(bar, Qt::LeftButton, {}, tab.center());
          bar->setFocus();
          while (bar && bar->currentIndex() != target)
            QTest::keyClick(bar, bar->currentIndex() < target ? Qt::Key_Right : Qt::Key_Left);
        });
      }
      return wait(bar->currentIndex() == target, "tab selection");
    }
  }
  if (auto* list = qobject_cast<QTreeWidget*>(control)) {
    QTreeWidgetItem* item = list->topLevelItem(arg_int(1));
    if (c == "expect-list-count")
      return done(Check(list->topLevelItemCount() == arg_int(1), std::to_string(list->topLevelItemCount()) + " rows"));
    if (!item) return done("no row " + a.at(1));
    if (c == "expect-list-row") {
      for (std::size_t column = 0; column + 2 < a.size(); ++column) {
        const std::string shown = ToCp1252(item->text(static_cast<int>(column)));
        if (shown != a[column + 2]) return done("column " + std::to_string(column) + ": " + Mismatch({a[column + 2], false}, shown));
      }
      return done("");
    }
    if (c == "expect-list-image") {
      const int image = item->data(0, Qt::UserRole + 1).toInt();
      return done(Check(image == arg_int(2) && !item->icon(0).isNull(), "image " + std::to_string(image)));
    }
    if (c == "double-click-row") {
      Post([list = QPointer<QTreeWidget>(list), item] {
        if (!list) return;
        list->scrollToItem(item);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
      });
      return done("");
    }
  }
  if (c == "click") {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button) return done("control " + a[0] + " is no button");
    Post([button = QPointer<QAbstractButton>(button)] {
      if (button) button->click();
    });
    return done("");
  }
  if (c == "double-click") {
    Post([control = QPointer<QWidget>(control)] {
      if (control) QTest::mouseDClick(control, Qt::LeftButton, {}, control->rect().center());
    });
    return done("");
  }
  return done("unknown command, or not for control " + a.at(0));
}
