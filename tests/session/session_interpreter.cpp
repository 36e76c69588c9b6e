#include "session_interpreter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

using Args = std::vector<std::string>;
constexpr std::size_t kAny = SIZE_MAX;

// A malformed argument: the step fails with its message.
struct BadArgument : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A decimal or 0x-hexadecimal number of 32 bits (style masks are unsigned).
std::int64_t Number(const std::string& word) {
  const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
  const char* last = word.data() + word.size();
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data() + (hex ? 2 : 0), last, value, hex ? 16 : 10);
  if (error != std::errc() || end != last || value < INT32_MIN || value > UINT32_MAX)
    throw BadArgument("\"" + word + "\" is not a number");
  return value;
}

int Int(const std::string& word) {
  const std::int64_t value = Number(word);
  if (value > INT32_MAX) throw BadArgument(word + " is too large");
  return static_cast<int>(value);
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

std::string Compare(int shown, const std::string& expected, const std::string& what) {
  return shown == Int(expected) ? "" : what + " " + std::to_string(shown) + ", expected " + expected;
}

std::string Missing(Window window, const std::string& id) {
  return (window == Window::kMain ? "the main window has no control " : "the dialog has no item ") + id +
         " (or it does not answer)";
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

StepResult SessionInterpreter::ExpectText(Window window, const Args& a) {
  const std::optional<std::string> shown = backend_.Text(window, Int(a[0]));
  return Done(shown ? Mismatch(a, 1, *shown) : Missing(window, a[0]));
}

StepResult SessionInterpreter::ExpectSelection(Window window, const Args& a) {
  const std::optional<ComboState> combo = backend_.Combo(window, Int(a[0]));
  if (!combo) return Done(Missing(window, a[0]));
  const auto at = static_cast<std::size_t>(combo->selected);
  return Done(Mismatch(a, 1, at < combo->entries.size() ? combo->entries[at] : ""));
}

StepResult SessionInterpreter::Choose(Window window, const Args& a) {
  const std::optional<ComboState> combo = backend_.Combo(window, Int(a[0]));
  if (!combo) return Done(Missing(window, a[0]));
  const auto entry = std::find(combo->entries.begin(), combo->entries.end(), a[1]);
  if (entry == combo->entries.end())
    return Done("no entry " + Show(a[1]) + (combo->entries.size() < 20 ? ", only" + Listed(combo->entries) : ""));
  return Done(backend_.Pick(window, Int(a[0]), static_cast<int>(entry - combo->entries.begin())));
}

std::optional<std::string> SessionInterpreter::ReadWorkFile(const std::string& name) const {
  std::ifstream in(work_dir_.empty() ? name : work_dir_ + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return in ? std::optional<std::string>(bytes.str()) : std::nullopt;
}

void SessionInterpreter::AddCommands() {
  using N = Needs;
  constexpr Window kMain = Window::kMain, kDialog = Window::kDialog;
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
      // Checks the box's text, then presses its OK button.
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
         return Done(Compare(*code, a[0], "exit code"));
       }}},
      {"screenshot", {1, 1, N::kMainWindow, [this](const Args& a) { return Done(backend_.Screenshot(a[0])); }}},

      // The main window and its page.
      {"expect-window-size", {2, 2, N::kMainWindow, [this](const Args& a) {
         const auto size = backend_.WindowSize().value_or(std::pair(0, 0));
         const bool same = size.first == Int(a[0]) && size.second == Int(a[1]);
         return Done(same ? "" : "outer size " + std::to_string(size.first) + "x" + std::to_string(size.second));
       }}},
      // expect-style main|<id> <mask> <value>: the window style's bits under the mask.
      {"expect-style", {3, 3, N::kMainWindow, [this](const Args& a) {
         const std::optional<std::uint32_t> style = backend_.Style(a[0] == "main" ? std::nullopt : std::optional(Int(a[0])));
         if (!style) return Done(Missing(kMain, a[0]));
         const std::uint32_t masked = *style & static_cast<std::uint32_t>(Number(a[1]));
         if (masked == static_cast<std::uint32_t>(Number(a[2]))) return Done();
         char text[64];
         std::snprintf(text, sizeof text, "style 0x%08X, masked 0x%08X", static_cast<unsigned>(*style),
                       static_cast<unsigned>(masked));
         return Done(text);
       }}},
      {"expect-text", {2, 3, N::kMainWindow, [this](const Args& a) { return ExpectText(kMain, a); }}},
      // expect-text-at <x> <y> [prefix] "text": the one visible control placed there.
      {"expect-text-at", {3, 4, N::kMainWindow, [this](const Args& a) {
         const std::vector<std::string> texts = backend_.TextsAt(Int(a[0]), Int(a[1]));
         if (texts.size() == 1) return Done(Mismatch(a, 2, texts.front()));
         return Done(std::to_string(texts.size()) + " visible controls at " + a[0] + "," + a[1] + ":" + Listed(texts));
       }}},
      {"expect-combo-entries", {1, kAny, N::kMainWindow, [this](const Args& a) {
         const std::optional<ComboState> combo = backend_.Combo(kMain, Int(a[0]));
         if (!combo) return Done(Missing(kMain, a[0]));
         return Done(combo->entries == Args(a.begin() + 1, a.end()) ? "" : "entries are" + Listed(combo->entries));
       }}},
      {"expect-combo-count", {2, 2, N::kMainWindow, [this](const Args& a) {
         const std::optional<ComboState> combo = backend_.Combo(kMain, Int(a[0]));
         return Done(combo ? Compare(static_cast<int>(combo->entries.size()), a[1], "entry count") : Missing(kMain, a[0]));
       }}},
      {"expect-combo-selection", {2, 2, N::kMainWindow, [this](const Args& a) { return ExpectSelection(kMain, a); }}},
      {"expect-tab-count", {2, 2, N::kMainWindow, [this](const Args& a) {
         const std::optional<TabState> tabs = backend_.Tabs(Int(a[0]));
         return Done(tabs ? Compare(tabs->count, a[1], "tab count") : Missing(kMain, a[0]));
       }}},
      {"expect-tab-selection", {2, 2, N::kMainWindow, [this](const Args& a) {
         const std::optional<TabState> tabs = backend_.Tabs(Int(a[0]));
         return Done(tabs ? Compare(tabs->selected, a[1], "selected tab") : Missing(kMain, a[0]));
       }}},
      {"expect-list-count", {2, 2, N::kMainWindow, [this](const Args& a) {
         const std::optional<int> rows = backend_.ListRows(Int(a[0]));
         return Done(rows ? Compare(*rows, a[1], "row count") : Missing(kMain, a[0]));
       }}},
      // expect-list-row <id> <row> "column 0" "column 1" ...
      {"expect-list-row", {3, kAny, N::kMainWindow, [this](const Args& a) {
         for (std::size_t column = 0; column + 2 < a.size(); ++column) {
           const std::optional<std::string> shown = backend_.ListCell(Int(a[0]), Int(a[1]), static_cast<int>(column));
           if (!shown) return Done("cannot read row " + a[1] + " column " + std::to_string(column) + " of list " + a[0]);
           if (std::string wrong = Mismatch({a[column + 2]}, 0, *shown); !wrong.empty())
             return Done("column " + std::to_string(column) + ": " + wrong);
         }
         return Done();
       }}},
      {"expect-list-image", {3, 3, N::kMainWindow, [this](const Args& a) {
         const std::optional<int> image = backend_.ListImage(Int(a[0]), Int(a[1]));
         return Done(image ? Compare(*image, a[2], "image") : "cannot read the image of row " + a[1]);
       }}},
      // expect-texts-fit "window name"...: the controls allowed to overflow.
      {"expect-texts-fit", {0, kAny, N::kMainWindow, [this](const Args& a) {
         const std::optional<std::vector<std::string>> report = backend_.TextsThatDoNotFit(a);
         if (!report) return Done("this driver cannot measure texts");
         std::string failure;
         for (const std::string& line : *report) failure += "\n  " + line;
         return Done(failure.empty() ? "" : "texts that do not fit their controls:" + failure);
       }}},
      {"pick", {2, 2, N::kMainWindow, [this](const Args& a) { return Choose(kMain, a); }}},
      // Waits until the tab control shows the tab selected.
      {"select-tab", {2, 2, N::kMainWindow, [this](const Args& a) {
         if (!acted_) {
           acted_ = true;
           if (std::string failure = backend_.SelectTab(Int(a[0]), Int(a[1])); !failure.empty()) return Done(failure);
         }
         const std::optional<TabState> tabs = backend_.Tabs(Int(a[0]));
         if (!tabs) return Done(Missing(kMain, a[0]));
         return WaitUntil(tabs->selected == Int(a[1]), "selection of tab " + a[1]);
       }}},
      {"click", {1, 1, N::kMainWindow, [this](const Args& a) { return Done(backend_.Click(kMain, Int(a[0]))); }}},
      {"double-click", {1, 1, N::kMainWindow, [this](const Args& a) { return Done(backend_.DoubleClick(Int(a[0]))); }}},
      {"double-click-row", {2, 2, N::kMainWindow, [this](const Args& a) {
         return Done(backend_.DoubleClickRow(Int(a[0]), Int(a[1])));
       }}},

      // Modal dialogs.
      {"wait-dialog", {1, 1, N::kMainWindow, [this](const Args& a) {
         dialog_ = backend_.FindDialog(a[0]);
         return WaitUntil(dialog_, "dialog " + Show(a[0]));
       }}},
      {"expect-dialog-text", {2, 3, N::kDialog, [this](const Args& a) { return ExpectText(kDialog, a); }}},
      {"expect-dialog-checked", {2, 2, N::kDialog, [this](const Args& a) {
         const std::optional<int> state = backend_.CheckState(Int(a[0]));
         return Done(state ? Compare(*state, a[1], "check state") : Missing(kDialog, a[0]));
       }}},
      {"expect-dialog-combo-selection", {2, 2, N::kDialog, [this](const Args& a) { return ExpectSelection(kDialog, a); }}},
      {"dialog-click", {1, 1, N::kDialog, [this](const Args& a) { return Done(backend_.Click(kDialog, Int(a[0]))); }}},
      {"dialog-select", {2, 2, N::kDialog, [this](const Args& a) { return Choose(kDialog, a); }}},
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
         return Done(lines == Int(a[1]) ? "" : std::to_string(lines) + " lines, expected " + a[1] + ":\n" + *file);
       }}},
  };
}
