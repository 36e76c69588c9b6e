#include "shell/pokemon_list.h"

#include <iterator>

#include "records/pokemon_index.h"
#include "port/win_constants.h"

int FillPokemonList(tk::Window combo, const std::string& wanted_id) {
  int wanted = -1;
  // Hundreds of entries: the list is painted once at the end, not after each.
  tk::SetControlRedraw(combo, false);
  for (const auto& [id, entry] : Index()) {
    const int position = tk::ComboAddString(combo, entry.name);
    // The index lives for the whole run, so its keys' addresses stay valid.
    tk::ComboSetItemData(combo, position, reinterpret_cast<std::intptr_t>(&id));
    if (id == wanted_id) wanted = position;
  }
  tk::SetControlRedraw(combo, true);
  return wanted;
}

int PokemonListPosition(const std::string& id) {
  const auto found = Index().find(id);
  return found == Index().end() ? -1 : static_cast<int>(std::distance(Index().begin(), found));
}

const std::string* PokemonIdOfItemData(std::intptr_t data) {
  if (data == 0 || data == CB_ERR) return nullptr;
  return reinterpret_cast<const std::string*>(data);
}
