#include "session_interpreter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

using Args = std::vector<std::string>;
constexpr std::size_t kAny = SIZE_MAX;

// A malformed argument: the step fails with its message.
struct BadArgument : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A decimal or 0x-hexadecimal number (style masks use all 32 bits).
template <typename T = int>
T Number(const std::string& word) {
  const bool hex = word.rfind("0x", 0) == 0;
  const char* last = word.data() + word.size();
  T value{};
  const auto [end, error] = std::from_chars(word.data() + (hex ? 2 : 0), last, value, hex ? 16 : 10);
  if (error != std::errc() || end != last) throw BadArgument("\"" + word + "\" is not a number");
  return value;
}
constexpr auto Int = Number<int>;

// A contrast ratio such as 4.5 (for 4.5:1).
double Ratio(const std::string& word) {
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  if (word.empty() || *end != '\0' || !(value >= 1)) throw BadArgument("\"" + word + "\" is not a contrast ratio");
  return value;
}

// The text in script notation, quotes and escapes included.
std::string Show(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.append(1, '\\').append(1, c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Checks `shown` against `[prefix] "text"`, written from args[at] to the
// end: the text exactly, or the start of the text. "" when it matches.
std::string Mismatch(const Args& args, std::size_t at, const std::string& shown) {
  const bool prefix = args.size() == at + 2;
  if (prefix && args[at] != "prefix") throw BadArgument("expected [prefix] \"text\"");
  const std::string& text = args.back();
  if (prefix ? shown.compare(0, text.size(), text) == 0 : shown == text) return "";
  return std::string("expected ") + (prefix ? "a text starting with " : "") + Show(text) + ", shown " + Show(shown);
}

// Why nothing was read at args[0] (and the row args[1]).
std::string Unread(Window window, const Args& args, std::size_t places) {
  return std::string("cannot read ") + (window == Window::kMain ? "control " : "the dialog's item ") + args[0] +
         (places > 1 ? " row " + args[1] : "") + " (missing, or it does not answer)";
}

std::string Listed(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& text : texts) out.append(" ").append(Show(text));
  return out.empty() ? " none" : out;
}

StepResult Done(std::string failure = {}) { return {false, std::move(failure)}; }
StepResult WaitUntil(bool condition, std::string what) { return condition ? Done() : StepResult{true, std::move(what)}; }

}  // namespace

SessionInterpreter::SessionInterpreter(SessionBackend& backend, std::vector<Step> steps, std::string work_dir)
    : backend_(backend), steps_(std::move(steps)), work_dir_(std::move(work_dir)) {
  AddCommands();
}

SessionInterpreter::State SessionInterpreter::Tick() {
  if (next_ == steps_.size()) return State::kPassed;
  const Step& step = steps_[next_];
  const auto now = std::chrono::steady_clock::now();
  if (!step_started_) {
    std::string shown = step.command;
    for (const std::string& arg : step.args) shown.append(" ").append(Show(arg));
    std::printf("line %d: %s\n", step.line, shown.c_str());
    std::fflush(stdout);
    step_started_ = true;
    acted_ = false;
    step_start_ = now;
  }
  StepResult result = Execute(step);
  if (result.waiting) {
    const std::optional<int> exit_code = started_ && step.command != "wait-exit" ? backend_.ExitCode() : std::nullopt;
    if (exit_code)
      result.failure = "the program exited (code " + std::to_string(*exit_code) + ") while waiting for " + result.failure;
    else if (now - step_start_ >= timeout_)
      result.failure = "no " + result.failure + " within " + std::to_string(timeout_.count()) + " s";
    else
      return State::kWaiting;
  }
  if (!result.failure.empty()) {
    std::printf("FAILED at line %d (%s): %s\n%s", step.line, step.command.c_str(), result.failure.c_str(),
                backend_.DescribeWindows().c_str());
    std::fflush(stdout);
    return State::kFailed;
  }
  step_started_ = false;
  return ++next_ == steps_.size() ? State::kPassed : State::kRunning;
}

StepResult SessionInterpreter::Execute(const Step& step) {
  const auto found = commands_.find(step.command);
  if (found == commands_.end()) return Done("unknown command");
  const Command& command = found->second;
  if (step.args.size() < command.min_args || step.args.size() > command.max_args)
    return Done("wrong number of arguments");
  if (command.needs >= Needs::kProgram && !started_) return Done("the program has not been started");
  if (command.needs >= Needs::kMainWindow && !main_window_) return Done("no main window yet (wait-main-window first)");
  if (command.needs == Needs::kDialog && !dialog_) return Done("no dialog (wait-dialog first)");
  try {
    return command.run(step.args);
  } catch (const BadArgument& bad) {
    return Done(bad.what());
  }
}

std::optional<std::string> SessionInterpreter::ReadWorkFile(const std::string& name) const {
  std::ifstream in(work_dir_.empty() ? name : work_dir_ + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return in ? std::optional<std::string>(bytes.str()) : std::nullopt;
}

void SessionInterpreter::AddCommands() {
  using N = Needs;
  using R = Reading;
  constexpr Window kMain = Window::kMain, kDialog = Window::kDialog;
  const auto needs = [](Window window) { return window == kMain ? N::kMainWindow : N::kDialog; };
  // expect-<what> <id> [<row>] [prefix] "text": what the control shows.
  const auto expect = [this, needs](Window window, Reading reading, std::size_t places = 1) {
    return Command{places + 1, places + 2, needs(window), [this, window, reading, places](const Args& a) {
      const std::optional<std::string> shown = backend_.Read(window, Int(a[0]), reading, places > 1 ? Int(a[1]) : 0, 0);
      return Done(shown ? Mismatch(a, places, *shown) : Unread(window, a, places));
    }};
  };
  // pick / dialog-select <id> "entry": the user's choice in a combo box.
  const auto choose = [this, needs](Window window) {
    return Command{2, 2, needs(window), [this, window](const Args& a) {
      const std::optional<std::vector<std::string>> entries = backend_.Entries(window, Int(a[0]));
      if (!entries) return Done(Unread(window, a, 1));
      const auto entry = std::find(entries->begin(), entries->end(), a[1]);
      if (entry == entries->end())
        return Done("no entry " + Show(a[1]) + (entries->size() < 20 ? ", only" + Listed(*entries) : ""));
      return Done(backend_.Pick(window, Int(a[0]), static_cast<int>(entry - entries->begin())));
    }};
  };
  const auto click = [this, needs](Window window) {
    return Command{1, 1, needs(window), [this, window](const Args& a) { return Done(backend_.Click(window, Int(a[0]))); }};
  };
  // expect-list-row <id> <row> "column 0" "column 1" ...
  const auto list_row = [this, needs](Window window) {
    return Command{3, kAny, needs(window), [this, window](const Args& a) {
      for (std::size_t column = 0; column + 2 < a.size(); ++column) {
        const auto shown = backend_.Read(window, Int(a[0]), R::kCell, Int(a[1]), static_cast<int>(column));
        const std::string wrong = shown ? Mismatch({a[column + 2]}, 0, *shown) : Unread(window, a, 2);
        if (!wrong.empty()) return Done("column " + std::to_string(column) + ": " + wrong);
      }
      return Done();
    }};
  };
  const auto double_click_row = [this, needs](Window window) {
    return Command{2, 2, needs(window), [this, window](const Args& a) {
      return Done(backend_.DoubleClickRow(window, Int(a[0]), Int(a[1])));
    }};
  };
  commands_ = {
      // The program: starting it, its main window, message boxes, its exit.
      {"timeout", {1, 1, N::kNothing, [this](const Args& a) {
         if (Int(a[0]) <= 0) return Done("the time-out is a positive number of seconds");
         timeout_ = std::chrono::seconds(Int(a[0]));
         return Done();
       }}},
      {"start", {0, 0, N::kNothing, [this](const Args&) {
         if (started_) return Done("the program is already running");
         program_start_ = std::chrono::steady_clock::now();
         std::string failure = backend_.Start();
         started_ = failure.empty();
         return Done(std::move(failure));
       }}},
      {"wait-main-window", {0, 0, N::kProgram, [this](const Args&) {
         if (!backend_.FindMainWindow()) return WaitUntil(false, "main window");
         main_window_ = true;
         const auto after = std::chrono::steady_clock::now() - program_start_;
         std::printf("startup: the main window answered %lld ms after the start\n",
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(after).count()));
         return Done();
       }}},
      // wait-message-box "title" [prefix] "text": checks the text, then presses OK.
      {"wait-message-box", {2, 3, N::kProgram, [this](const Args& a) {
         if (!acted_) {
           const std::optional<std::string> text = backend_.MessageBoxText(a[0]);
           if (!text) return WaitUntil(false, "message box " + Show(a[0]));
           if (std::string wrong = Mismatch(a, 1, *text); !wrong.empty()) return Done(wrong);
           acted_ = true;
           if (std::string failure = backend_.ConfirmMessageBox(a[0]); !failure.empty()) return Done(failure);
         }
         return WaitUntil(!backend_.MessageBoxText(a[0]), "closing of the message box");
       }}},
      {"expect-no-message-box", {0, 0, N::kProgram, [this](const Args&) {
         const std::optional<std::string> open = backend_.OtherDialog();
         return Done(open ? "a dialog is open: " + Show(*open) : "");
       }}},
      {"close", {0, 0, N::kMainWindow, [this](const Args&) { return Done(backend_.Close()); }}},
      {"wait-exit", {1, 1, N::kProgram, [this](const Args& a) {
         const std::optional<int> code = backend_.ExitCode();
         if (!code) return WaitUntil(false, "exit of the program");
         started_ = main_window_ = dialog_ = false;
         return Done(*code == Int(a[0]) ? "" : "exit code " + std::to_string(*code));
       }}},
      {"screenshot", {1, 1, N::kMainWindow, [this](const Args& a) { return Done(backend_.Screenshot(a[0])); }}},

      // The main window and its page.
      {"expect-window-size", {2, 2, N::kMainWindow, [this](const Args& a) {
         const std::string size = backend_.Read(kMain, kItself, R::kSize, 0, 0).value_or("unknown");
         return Done(size == a[0] + "x" + a[1] ? "" : "outer size " + size);
       }}},
      // expect-style main|<id> <mask> <value>: the window style's bits under the mask.
      {"expect-style", {3, 3, N::kMainWindow, [this](const Args& a) {
         const std::optional<std::string> style = backend_.Read(kMain, a[0] == "main" ? kItself : Int(a[0]), R::kStyle, 0, 0);
         if (!style) return Done(Unread(kMain, a, 1));
         const auto value = Number<std::uint32_t>(*style), masked = value & Number<std::uint32_t>(a[1]);
         if (masked == Number<std::uint32_t>(a[2])) return Done();
         char text[64];
         std::snprintf(text, sizeof text, "style 0x%08X, masked 0x%08X", static_cast<unsigned>(value),
                       static_cast<unsigned>(masked));
         return Done(text);
       }}},
      {"expect-text", expect(kMain, R::kText)},
      // expect-text-at <x> <y> [prefix] "text": the one visible control placed there.
      {"expect-text-at", {3, 4, N::kMainWindow, [this](const Args& a) {
         const std::vector<std::string> texts = backend_.TextsAt(Int(a[0]), Int(a[1]));
         if (texts.size() == 1) return Done(Mismatch(a, 2, texts.front()));
         return Done(std::to_string(texts.size()) + " visible controls at " + a[0] + "," + a[1] + ":" + Listed(texts));
       }}},
      // expect-contrast <id> <min> [<max>]: the contrast ratio of the control's
      // text against its background, from its pixels (printed with the colours).
      {"expect-contrast", {2, 3, N::kMainWindow, [this](const Args& a) {
         const std::optional<Pixels> pixels = backend_.ControlPixels(Int(a[0]));
         if (!pixels) return Done("cannot read the pixels of control " + a[0]);
         const InkOnPaper text = MeasureText(*pixels);
         char figure[96];
         std::snprintf(figure, sizeof figure, "%.2f:1 (#%06X on #%06X)", text.ratio, static_cast<unsigned>(text.ink),
                       static_cast<unsigned>(text.paper));
         std::printf("contrast of control %s: %s\n", a[0].c_str(), figure);
         const bool low = text.ratio < Ratio(a[1]), high = a.size() == 3 && text.ratio > Ratio(a[2]);
         return Done(low || high ? std::string("contrast ") + figure + " is out of range" : "");
       }}},
      // expect-surface <id>: the control's background is the colour the main
      // window shows most, so that the window reads as one surface.
      {"expect-surface", {1, 1, N::kMainWindow, [this](const Args& a) {
         const std::optional<Pixels> control = backend_.ControlPixels(Int(a[0]));
         const std::optional<Pixels> window = backend_.ControlPixels(kItself);
         if (!control || !window) return Done("cannot read the pixels of control " + a[0] + " or of the window");
         const std::uint32_t own = MeasureText(*control).paper, surface = MeasureText(*window).paper;
         char colours[64];
         std::snprintf(colours, sizeof colours, "#%06X on a window of #%06X", static_cast<unsigned>(own),
                       static_cast<unsigned>(surface));
         return Done(own == surface ? "" : std::string("background ") + colours);
       }}},
      {"expect-combo-entries", {1, kAny, N::kMainWindow, [this](const Args& a) {
         const std::optional<std::vector<std::string>> entries = backend_.Entries(kMain, Int(a[0]));
         if (!entries) return Done(Unread(kMain, a, 1));
         return Done(*entries == Args(a.begin() + 1, a.end()) ? "" : "entries are" + Listed(*entries));
       }}},
      {"expect-combo-count", expect(kMain, R::kEntryCount)},
      {"expect-combo-selection", expect(kMain, R::kSelection)},
      {"expect-tab-count", expect(kMain, R::kTabCount)},
      {"expect-tab-selection", expect(kMain, R::kTabSelection)},
      {"expect-list-count", expect(kMain, R::kRowCount)},
      {"expect-list-image", expect(kMain, R::kImage, 2)},
      {"expect-list-row", list_row(kMain)},
      // expect-texts-fit "window name"...: the controls allowed to overflow.
      {"expect-texts-fit", {0, kAny, N::kMainWindow, [this](const Args& a) {
         const std::optional<std::vector<std::string>> report = backend_.TextsThatDoNotFit(a);
         if (!report) return Done("this driver cannot measure texts");
         std::string failure;
         for (const std::string& line : *report) failure += "\n  " + line;
         return Done(failure.empty() ? "" : "texts that do not fit their controls:" + failure);
       }}},
      {"pick", choose(kMain)},
      // Waits until the tab control shows the tab selected.
      {"select-tab", {2, 2, N::kMainWindow, [this](const Args& a) {
         if (!acted_) {
           acted_ = true;
           if (std::string failure = backend_.SelectTab(Int(a[0]), Int(a[1])); !failure.empty()) return Done(failure);
         }
         const std::optional<std::string> selected = backend_.Read(kMain, Int(a[0]), R::kTabSelection, 0, 0);
         return selected ? WaitUntil(*selected == a[1], "selection of tab " + a[1]) : Done(Unread(kMain, a, 1));
       }}},
      {"click", click(kMain)},
      // type <id> "text": into a combo box's edit field.
      {"type", {2, 2, N::kMainWindow, [this](const Args& a) { return Done(backend_.Type(Int(a[0]), a[1])); }}},
      // key <name>: to the main window's focused control.
      {"key", {1, 1, N::kMainWindow, [this](const Args& a) {
         static const std::map<std::string, MainKey> kKeys{
             {"enter", MainKey::kEnter},          {"down", MainKey::kDown},
             {"ctrl-tab", MainKey::kCtrlTab},     {"ctrl-shift-tab", MainKey::kCtrlShiftTab},
             {"ctrl-page-down", MainKey::kCtrlPageDown}, {"ctrl-page-up", MainKey::kCtrlPageUp},
             {"ctrl-f", MainKey::kCtrlF}};
         const auto key = kKeys.find(a[0]);
         if (key == kKeys.end()) return Done("no key " + Show(a[0]));
         return Done(backend_.PressMainKey(key->second));
       }}},
      {"double-click", {1, 1, N::kMainWindow, [this](const Args& a) { return Done(backend_.DoubleClick(Int(a[0]))); }}},
      {"double-click-row", double_click_row(kMain)},

      // Modal dialogs.
      {"wait-dialog", {1, 1, N::kMainWindow, [this](const Args& a) {
         dialog_ = backend_.FindDialog(a[0]);
         return WaitUntil(dialog_, "dialog " + Show(a[0]));
       }}},
      {"expect-dialog-text", expect(kDialog, R::kText)},
      {"expect-dialog-checked", expect(kDialog, R::kChecked)},
      {"expect-dialog-combo-selection", expect(kDialog, R::kSelection)},
      {"dialog-click", click(kDialog)},
      {"dialog-select", choose(kDialog)},
      {"expect-dialog-list-count", expect(kDialog, R::kRowCount)},
      {"expect-dialog-list-row", list_row(kDialog)},
      {"dialog-double-click-row", double_click_row(kDialog)},
      {"dialog-key", {1, 1, N::kDialog, [this](const Args& a) {
         if (a[0] != "enter" && a[0] != "escape") return Done("the key is enter or escape");
         return Done(backend_.PressKey(a[0] == "enter" ? Key::kEnter : Key::kEscape));
       }}},
      {"wait-dialog-closed", {0, 0, N::kDialog, [this](const Args&) {
         dialog_ = backend_.DialogOpen();
         return WaitUntil(!dialog_, "closing of the dialog");
       }}},

      // The files the program leaves in its working folder.
      // expect-config <key> "text": the settings file is small and laid out one
      // element per line, so the first <key>...</key> is the setting.
      {"expect-config", {2, 2, N::kNothing, [this](const Args& a) {
         const std::string file = ReadWorkFile("faunary.cfgx").value_or("");
         const std::string open = "<" + a[0] + ">";
         const std::size_t start = file.find(open), end = file.find("</" + a[0] + ">", start);
         if (start == std::string::npos || end == std::string::npos)
           return Done("faunary.cfgx has no element " + a[0] + ":\n" + file);
         return Done(Mismatch(a, 1, file.substr(start + open.size(), end - start - open.size())));
       }}},
      {"expect-file-lines", {2, 2, N::kNothing, [this](const Args& a) {
         const std::optional<std::string> file = ReadWorkFile(a[0]);
         if (!file) return Done(a[0] + " cannot be read");
         const auto lines = std::count(file->begin(), file->end(), '\n') + (!file->empty() && file->back() != '\n');
         return Done(lines == Int(a[1]) ? "" : std::to_string(lines) + " lines:\n" + *file);
       }}},
  };
}
