// faunary_qt_sessions <data-folder> <working-folder> <output-folder> <session-script>...
// Copies data/ and faunary.dat of the data folder into a fresh working
// folder and runs the session scripts there one after the other (a later
// one sees the settings file an earlier one left), against the program in
// this very process, on the Qt backend: `start` runs the real start-up and
// message loop, and the steps run from a timer on the window thread, which
// keeps firing inside modal dialogs and message boxes. Actions are posted, so
// a click that opens a dialog does not hold up the steps that work it.
// Exit 0 when every step passed, 1 otherwise, 2 on bad usage.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

#include "backends/qt/qt_application.h"
#include "backends/qt/qt_nodes.h"
#include "backends/qt/static_text.h"
#include "session_interpreter.h"
#include "app/startup.h"
#include "port/win_constants.h"
#include "text_fit.h"

namespace {

// Back to the program's code page 1252 bytes, to compare with the scripts
// ('\0' for characters that code page lacks).
std::string ToCp1252(const QString& text) {
  static const QString kCodePage = [] {
    std::string bytes(255, '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>(b + 1);
    return qttk::FromCp1252(bytes);
  }();
  std::string out;
  for (const QChar c : text) out.push_back(static_cast<char>(kCodePage.indexOf(c) + 1));
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
    return Post(QCoreApplication::instance(), [this](QCoreApplication*) {
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

  // As the widget paints itself, at the screen's device pixels.
  std::optional<Pixels> ControlPixels(int id) override {
    QWidget* w = id == kItself ? main_.data() : Control(Window::kMain, id);
    if (!w || !w->isVisible()) return std::nullopt;
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Pixels pixels{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) pixels.rgb.push_back(image.pixel(x, y) & 0xFFFFFFu);
    return pixels;
  }
  std::optional<std::string> Read(Window window, int id, Reading reading, int row, int column) override {
    QWidget* w = id == kItself ? Parent(window) : Control(window, id);
    if (!w) return std::nullopt;
    auto* combo = qobject_cast<QComboBox*>(w);
    auto* simple = w->findChild<QListWidget*>();  // a simple combo box's list
    auto* bar = w->findChild<QTabBar*>();
    auto* list = qobject_cast<QTreeWidget*>(w);
    QTreeWidgetItem* item = list ? list->topLevelItem(row) : nullptr;
    auto* button = qobject_cast<QAbstractButton*>(w);
    const auto number = [](auto n) { return std::optional(std::to_string(n)); };
    switch (reading) {
      case Reading::kText: return TextOf(w);
      case Reading::kSelection:
        if (combo) return ToCp1252(combo->currentText());
        if (simple) return simple->currentItem() ? ToCp1252(simple->currentItem()->text()) : "";
        return std::nullopt;
      case Reading::kEntryCount: return combo ? number(combo->count()) : simple ? number(simple->count()) : std::nullopt;
      case Reading::kChecked: return button ? number(button->isChecked() ? 1 : 0) : std::nullopt;
      case Reading::kTabCount: return bar ? number(bar->count()) : std::nullopt;
      case Reading::kTabSelection: return bar ? number(bar->currentIndex()) : std::nullopt;
      case Reading::kRowCount: return list ? number(list->topLevelItemCount()) : std::nullopt;
      case Reading::kCell: return item ? std::optional(ToCp1252(item->text(column))) : std::nullopt;
      case Reading::kImage:
        return item && !item->icon(0).isNull() ? number(item->data(0, Qt::UserRole + 1).toInt()) : std::nullopt;
      case Reading::kStyle: return number(w->property("faunaryStyle").toUInt());
      // The client area and Windows' frame: 3 pixels on each side, a 22-pixel caption.
      case Reading::kSize: return std::to_string(w->width() + 6) + "x" + std::to_string(w->height() + 28);
    }
    return std::nullopt;
  }
  std::optional<std::vector<std::string>> Entries(Window window, int id) override {
    QWidget* control = Control(window, id);
    std::vector<std::string> entries;
    if (auto* c = qobject_cast<QComboBox*>(control)) {
      for (int i = 0; i < c->count(); ++i) entries.push_back(ToCp1252(c->itemText(i)));
    } else if (auto* l = control ? control->findChild<QListWidget*>() : nullptr) {
      for (int i = 0; i < l->count(); ++i) entries.push_back(ToCp1252(l->item(i)->text()));
    } else {
      return std::nullopt;
    }
    return entries;
  }
  std::vector<std::string> TextsAt(int x, int y) override {
    std::vector<std::string> texts;
    for (QObject* child : main_->children())
      if (auto* w = qobject_cast<QWidget*>(child); w && qttk::HandleOf(w) && w->isVisible() && w->pos() == QPoint(x, y))
        texts.push_back(TextOf(w));
    return texts;
  }
  std::optional<std::vector<std::string>> TextsThatDoNotFit(const std::vector<std::string>& allowed) override {
    return ::TextsThatDoNotFit(main_, allowed);
  }

  // A click in a simple combo box's list; in a drop-down list, open it, move
  // to the entry and press Enter.
  std::string Pick(Window window, int id, int entry) override {
    return Post(Control(window, id), [entry](QWidget* control) {
      if (auto* c = qobject_cast<QComboBox*>(control)) {
        c->showPopup();
        c->view()->setCurrentIndex(c->model()->index(entry, 0));
        QTest::keyClick(c->view(), Qt::Key_Return);
      } else if (auto* l = control->findChild<QListWidget*>()) {
        l->scrollToItem(l->item(entry));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(entry)).center());
      }
    });
  }
  // The arrow keys, from the tab selected now.
  std::string SelectTab(int id, int position) override {
    QWidget* control = Control(Window::kMain, id);
    QTabBar* bar = control ? control->findChild<QTabBar*>() : nullptr;
    if (!bar) return "no tab control " + std::to_string(id);
    return Post(bar, [position](QTabBar* tabs) {
      for (int step = std::abs(position - tabs->currentIndex()); step > 0; --step)
        QTest::keyClick(tabs, tabs->currentIndex() < position ? Qt::Key_Right : Qt::Key_Left);
    });
  }
  std::string Click(Window window, int id) override {
    auto* button = qobject_cast<QAbstractButton*>(Control(window, id));
    return button ? Post(button, [](QAbstractButton* b) { b->click(); }) : "no button " + std::to_string(id);
  }
  std::string DoubleClick(int id) override {
    return Post(Control(Window::kMain, id), [](QWidget* w) { QTest::mouseDClick(w, Qt::LeftButton, {}, w->rect().center()); });
  }
  std::string DoubleClickRow(Window window, int id, int row) override {
    auto* list = qobject_cast<QTreeWidget*>(Control(window, id));
    QTreeWidgetItem* item = list ? list->topLevelItem(row) : nullptr;
    if (!item) return "no row " + std::to_string(row) + " in list " + std::to_string(id);
    return Post(list, [item](QTreeWidget* l) {
      l->scrollToItem(item);
      QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(item).center());
    });
  }
  std::string PressKey(Key key) override {
    return Post(dialog_.data(), [key = key == Key::kEnter ? Qt::Key_Return : Qt::Key_Escape](QWidget* dialog) {
      QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, key);
    });
  }
  std::string Type(int id, const std::string& text) override {
    QWidget* control = Control(Window::kMain, id);
    auto* edit = control ? control->findChild<QLineEdit*>() : nullptr;
    if (!edit) return "no edit field in " + std::to_string(id);
    return Post(edit, [text = QString::fromLatin1(text.c_str())](QLineEdit* e) {
      e->setFocus();
      e->selectAll();
      QTest::keyClicks(e, text);
    });
  }
  std::string PressMainKey(MainKey key) override {
    static const std::map<MainKey, std::pair<Qt::Key, Qt::KeyboardModifiers>> kKeys{
        {MainKey::kEnter, {Qt::Key_Return, Qt::NoModifier}},
        {MainKey::kDown, {Qt::Key_Down, Qt::NoModifier}},
        {MainKey::kCtrlTab, {Qt::Key_Tab, Qt::ControlModifier}},
        {MainKey::kCtrlShiftTab, {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}},
        {MainKey::kCtrlPageDown, {Qt::Key_PageDown, Qt::ControlModifier}},
        {MainKey::kCtrlPageUp, {Qt::Key_PageUp, Qt::ControlModifier}},
        {MainKey::kCtrlF, {Qt::Key_F, Qt::ControlModifier}}};
    const std::pair<Qt::Key, Qt::KeyboardModifiers> pressed = kKeys.at(key);
    return Post(main_.data(), [pressed](QWidget* main) {
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus && focus->window() == main ? focus : main, pressed.first, pressed.second);
    });
  }
  std::string ConfirmMessageBox(const std::string& title) override {
    return Post(FindMessageBox(title), [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
  }
  std::string Close() override {
    return Post(main_.data(), [](QWidget* main) { main->close(); });
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
  // Runs the action on the target from the event loop, if the target still lives then.
  template <typename Target, typename Action>
  std::string Post(Target* target, Action action) {
    ++pending_;
    QTimer::singleShot(0, [this, target = QPointer<Target>(target), action] {
      --pending_;
      if (target) action(target.data());
    });
    return "";
  }
  QWidget* Parent(Window window) const { return window == Window::kMain ? main_.data() : dialog_.data(); }
  QWidget* Control(Window window, int id) const {
    QWidget* parent = Parent(window);
    for (QObject* child : parent ? parent->children() : QObjectList())
      if (auto* w = qobject_cast<QWidget*>(child); w && qttk::HandleOf(w) && w->property("faunaryId").toInt() == id)
        return w;
    return nullptr;
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

// Runs the steps from a timer until all passed. A failure ends the process:
// it may come inside a modal loop, and nothing more is to run.
void RunQtSession(std::vector<Step> steps, const std::string& output_dir) {
  QtBackend backend(output_dir);
  SessionInterpreter session(backend, std::move(steps), "");
  QEventLoop loop;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (backend.Busy()) return;
    const SessionInterpreter::State state = session.Tick();
    if (state == SessionInterpreter::State::kFailed) std::_Exit(1);
    if (state == SessionInterpreter::State::kPassed) loop.quit();
  });
  timer.start(5);
  loop.exec();
}

// A dark desktop's colours (close to Breeze Dark), as a platform theme would hand them
// to the program; FAUNARY_TEST_PALETTE=dark chooses them.
QPalette DarkPalette() {
  QPalette dark;
  const auto set = [&dark](QPalette::ColorRole role, QColor colour, QColor disabled) {
    dark.setColor(QPalette::All, role, colour);
    dark.setColor(QPalette::Disabled, role, disabled);
  };
  set(QPalette::Window, QColor(0x31, 0x36, 0x3b), QColor(0x2f, 0x34, 0x3f));
  set(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x71, 0x75));
  set(QPalette::Base, QColor(0x1b, 0x1e, 0x20), QColor(0x1a, 0x1d, 0x1f));
  set(QPalette::AlternateBase, QColor(0x23, 0x26, 0x29), QColor(0x1f, 0x22, 0x25));
  set(QPalette::Text, QColor(0xfc, 0xfc, 0xfc), QColor(0x65, 0x67, 0x6a));
  set(QPalette::Button, QColor(0x31, 0x36, 0x3b), QColor(0x2f, 0x34, 0x3f));
  set(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc), QColor(0x72, 0x75, 0x78));
  set(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9), QColor(0x2b, 0x3b, 0x48));
  set(QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x71, 0x75));
  set(QPalette::Light, QColor(0x40, 0x46, 0x4c), QColor(0x40, 0x46, 0x4c));
  set(QPalette::Midlight, QColor(0x36, 0x3b, 0x40), QColor(0x36, 0x3b, 0x40));
  set(QPalette::Mid, QColor(0x24, 0x28, 0x2b), QColor(0x24, 0x28, 0x2b));
  set(QPalette::Dark, QColor(0x1a, 0x1d, 0x1f), QColor(0x1a, 0x1d, 0x1f));
  set(QPalette::Shadow, QColor(0x10, 0x12, 0x13), QColor(0x10, 0x12, 0x13));
  set(QPalette::ToolTipBase, QColor(0x31, 0x36, 0x3b), QColor(0x31, 0x36, 0x3b));
  set(QPalette::ToolTipText, QColor(0xfc, 0xfc, 0xfc), QColor(0xfc, 0xfc, 0xfc));
  set(QPalette::PlaceholderText, QColor(0xa1, 0xa9, 0xb1), QColor(0x6e, 0x71, 0x75));
  return dark;
}

}  // namespace

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: faunary_qt_sessions <data-folder> <working-folder> <output-folder> <session>...\n");
    return 2;
  }
  std::vector<ParsedScript> scripts;
  for (int n = 4; n < argc; ++n) {
    scripts.push_back(ReadScript(argv[n]));
    if (!scripts.back().error.empty()) {
      std::fprintf(stderr, "%s\n", scripts.back().error.c_str());
      return 2;
    }
  }
  const fs::path data = fs::absolute(argv[1]), work = fs::absolute(argv[2]), output = fs::absolute(argv[3]);
  fs::remove_all(work);
  fs::create_directories(work);
  fs::create_directories(output);
  fs::copy(data / "data", work / "data", fs::copy_options::recursive);
  if (fs::exists(data / "faunary.dat")) fs::copy_file(data / "faunary.dat", work / "faunary.dat");

  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  if (qgetenv("FAUNARY_TEST_PALETTE") == "dark") QApplication::setPalette(DarkPalette());
  fs::current_path(work);
  for (int n = 4; n < argc; ++n) {
    RunQtSession(std::move(scripts[static_cast<std::size_t>(n - 4)].steps), output.string());
    std::printf("%s: PASSED\n", argv[n]);
  }
  return 0;
}
