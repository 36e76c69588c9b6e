#include "textui/move_text.h"

#include <algorithm>
#include <tuple>

#include "ask/names.h"
#include "backends/memory/memory_screen.h"
#include "pages/move_details.h"
#include "records/dex_data.h"
#include "resources/dialog_templates.h"
#include "port/control_ids.h"
#include "port/win_constants.h"
#include "textui/screen_text.h"
#include "textui/text_front_end.h"

std::optional<std::int32_t> FindMoveByName(const std::string& name) {
  const std::string key = ask::NameKey(name);
  if (key.empty()) return std::nullopt;
  for (const auto& [id, move] : Data().moves)
    if (ask::NameKey(move.name) == key) return id;
  return std::nullopt;
}

std::vector<std::string> ClosestMoveNames(const std::string& name, std::size_t count) {
  const std::string key = ask::NameKey(name);
  // (does not hold the key, edits, name): the smallest first
  std::vector<std::tuple<bool, std::size_t, std::string>> ranked;
  for (const auto& [id, move] : Data().moves) {
    if (move.name.empty()) continue;
    const std::string other = ask::NameKey(move.name);
    ranked.emplace_back(key.empty() || other.find(key) == std::string::npos, ask::EditDistance(key, other),
                        move.name);
  }
  std::sort(ranked.begin(), ranked.end());
  std::vector<std::string> names;
  for (const auto& entry : ranked) {
    if (names.size() == count) break;
    if (std::find(names.begin(), names.end(), std::get<2>(entry)) == names.end())
      names.push_back(std::get<2>(entry));
  }
  return names;
}

int PrintMoveDetails(const std::string& name, std::ostream& out, std::ostream& err) {
  const std::optional<std::int32_t> id = FindMoveByName(name);
  if (!id) {
    err << "faunary-text: there is no move \"" << name << "\"";
    const std::vector<std::string> closest = ClosestMoveNames(name, 3);
    for (std::size_t i = 0; i < closest.size(); ++i) err << (i == 0 ? "; closest: " : ", ") << closest[i];
    err << "\n";
    return kExitUnknownPokemon;
  }
  bool shown = false;
  memtk::OnNextDialog([&out, &shown](memtk::Dialog& dialog) {
    std::vector<const memtk::Control*> controls;
    if (const DialogTemplate* layout = FindDialogTemplate(kMoveDetailsDialogId))
      for (const DialogItemTemplate& item : layout->items) controls.push_back(&dialog.ControlOf(item.id));
    out << "=== " << dialog.Title() << " ===\n"
        << RenderControls(controls, [](int image) { return "image " + std::to_string(image); });
    dialog.Click(IDOK);
    shown = true;
  });
  ShowMoveDetails(*id);
  if (shown) return kExitOk;
  // A move stored under an id the dialog refuses: the program has said so in a message box.
  memtk::ClearDialogScripts();
  err << "faunary-text: the move \"" << name << "\" could not be shown\n";
  return kExitUnknownPokemon;
}
