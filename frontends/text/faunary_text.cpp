// A text front end on the in-memory toolkit: runs the real program and
// prints what its window shows, so it can be used and checked without a
// display. Commands are read from standard input, one per line.
#include <iostream>
#include <string>

#include "backends/memory/memory_screen.h"
#include "shell/control_ids.h"
#include "shell/startup.h"
#include "shell/win_constants.h"

namespace {
constexpr const char* kHelp =
    "Commands: list | pokemon NAME | tab NAME | tabs | click ID | show | help | quit\n";

std::size_t shown_boxes = 0;

void PrintNewMessageBoxes() {
  const auto& boxes = memtk::MessageBoxes();
  for (; shown_boxes < boxes.size(); ++shown_boxes)
    std::cout << "[message: " << boxes[shown_boxes].title << "]\n" << boxes[shown_boxes].text << "\n";
}

void PrintPage() {
  for (const memtk::Control* c : memtk::Controls()) {
    if (c->id >= kPokemonListId && c->id <= kOptionsButtonId) continue;
    if ((c->style & SS_TYPEMASK) == SS_BITMAP && c->class_name == "STATIC") {
      std::cout << "  [bar " << c->rect.left << "-" << c->rect.right << "]\n";
      continue;
    }
    if (!c->text.empty()) std::cout << "  " << c->text << "\n";
    for (const memtk::ListRow& row : c->rows) {
      std::cout << "   ";
      for (const std::string& cell : row.texts) std::cout << " | " << cell;
      std::cout << "\n";
    }
  }
}

// Dialogs are shown and then closed with Enter.
void ShowDialog(memtk::Dialog& dialog) {
  std::cout << "[dialog: " << dialog.Title() << "] (closed with Enter)\n";
  dialog.PressEnter();
}

void Session() {
  PrintNewMessageBoxes();
  PrintPage();
  std::cout << kHelp;
  std::string line;
  while (memtk::TopWindow() && std::cout << "> " << std::flush && std::getline(std::cin, line)) {
    const auto space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    try {
      if (command == "quit") break;
      if (command == "list") {
        for (const memtk::ComboEntry& e : memtk::FindControl(kPokemonListId)->entries) std::cout << e.text << "\n";
      } else if (command == "tabs") {
        for (const memtk::TabItem& t : memtk::FindControl(kPageTabsId)->tabs) std::cout << t.text << "\n";
      } else if (command == "pokemon") {
        memtk::PickEntry(kPokemonListId, argument);
      } else if (command == "tab") {
        memtk::SelectTab(kPageTabsId, argument);
      } else if (command == "click") {
        memtk::OnNextDialog(ShowDialog);
        memtk::Click(std::stoi(argument));
        memtk::ClearDialogScripts();  // the click opened no dialog
      } else if (command != "show") {
        std::cout << kHelp;
        continue;
      }
    } catch (const std::exception& error) {
      std::cout << "? " << error.what() << "\n";
      continue;
    }
    PrintNewMessageBoxes();
    if (command != "list" && command != "tabs") PrintPage();
  }
  memtk::CloseWindow();
}
}  // namespace

int main() {
  memtk::SetSession(Session);
  const int code = FaunaryMain(tk::Instance{1}, SW_SHOWDEFAULT);
  PrintNewMessageBoxes();
  return code;
}
