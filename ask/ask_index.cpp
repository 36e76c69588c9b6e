#include "ask/ask_index.h"

#include <algorithm>
#include <memory>

#include "records/dex_data.h"
#include "records/pokemon_index.h"

namespace ask {
namespace {

std::unique_ptr<AskIndex>& Slot() {
  static std::unique_ptr<AskIndex> index;
  return index;
}

const std::string& BreedText(const BreedMove& move, int generation) {
  static const std::string none;
  switch (generation) {
    case 2: return move.methodgen2;
    case 3: return move.methodgen3;
    case 4: return move.methodgen4;
    default: return none;
  }
}

// Whether the breeding text says eggs of this game can hatch with the move.
bool HatchesWith(const BreedMove& move, const LearnGame& game) {
  const std::string& text = BreedText(move, game.egg_generation);
  if (text.empty() || text.rfind("Cannot", 0) == 0) return false;
  return game.emerald || text.find("(Emerald only)") == std::string::npos;
}

void AddFacts(AskIndex& index, std::size_t at) {
  const DexPokemon& record = *index.pokemon[at].record;
  const std::vector<LearnGame>& games = Games();
  for (std::size_t g = 0; g < games.size(); ++g) {
    const LearnGame& game = games[g];
    if (game.generation < index.pokemon[at].firstgeneration) continue;
    for (const LevelMove& move : record.moves) {
      const std::int32_t code = move.*game.level;
      if (code != 0) index.by_move[move.id].push_back({at, g, How::kLevel, code, nullptr});
    }
    for (const Teachable& teachable : game.teachables)
      if (HasFlag(record, teachable))
        index.by_move[teachable.move].push_back({at, g, teachable.how, 0, &teachable});
    if (game.egg_generation == 0) continue;
    for (const BreedMove& move : record.breedmoves)
      if (HatchesWith(move, game)) index.by_move[move.id].push_back({at, g, How::kEgg, 0, nullptr});
  }
}

std::unique_ptr<AskIndex> Build() {
  auto index = std::make_unique<AskIndex>();
  for (const auto& [id, entry] : Index()) {
    if (!LoadPokemon(id)) continue;
    const auto stored = Data().store.find(id);
    if (stored == Data().store.end()) continue;
    index->pokemon.push_back({id, entry.dexno, entry.name, entry.firstgeneration, {}, &stored->second});
  }
  std::stable_sort(index->pokemon.begin(), index->pokemon.end(),
                   [](const AskPokemon& a, const AskPokemon& b) { return a.dexno < b.dexno; });
  for (std::size_t i = 0; i < index->pokemon.size(); ++i) index->by_id.emplace(index->pokemon[i].id, i);
  for (std::size_t i = 0; i < index->pokemon.size(); ++i)
    for (const Evolution& evolution : IndexEntryOf(index->pokemon[i].id).evolutions) {
      const auto to = index->by_id.find(evolution.evolvesto);
      if (to == index->by_id.end()) continue;
      auto& pre = index->pokemon[to->second].preevolutions;
      if (std::find(pre.begin(), pre.end(), i) == pre.end()) pre.push_back(i);
    }
  for (std::size_t i = 0; i < index->pokemon.size(); ++i) AddFacts(*index, i);
  return index;
}

}  // namespace

const AskIndex& Ask() {
  if (!Slot()) Slot() = Build();
  return *Slot();
}

void ForgetAsk() { Slot().reset(); }

std::size_t PokemonAt(const std::string& id) {
  const AskIndex& index = Ask();
  const auto found = index.by_id.find(id);
  return found == index.by_id.end() ? index.pokemon.size() : found->second;
}

}  // namespace ask
