#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ask/learn_games.h"
#include "records/pokemon.h"

namespace ask {

struct AskPokemon {
  std::string id;
  std::int32_t dexno = 0;
  std::string name;
  std::int32_t firstgeneration = 0;
  std::vector<std::size_t> preevolutions;  // positions of the Pokemon that evolve into it
  const DexPokemon* record = nullptr;      // in the data layer's record store
};

// One way a Pokemon learns a move in one game, straight from its record.
struct LearnFact {
  std::size_t pokemon;  // position in AskIndex::pokemon
  std::size_t game;     // position in Games()
  How how;
  std::int32_t level = 0;               // level code, for How::kLevel
  const Teachable* teachable = nullptr; // for machines and tutors
};

// One encounter of a Pokemon in one version, with its place's whole name.
struct PlaceFact {
  std::size_t pokemon;  // position in AskIndex::pokemon
  int version;
  const DexEncounter* encounter;
  std::string name;
};
// Encounters by the name key of their base place and, where it differs, of
// their whole place name; each list in national, version and record order.
struct PlaceIndex {
  std::unordered_map<std::string, std::vector<PlaceFact>> by_key;
  std::vector<std::string> base_names;  // sorted, once each
};

// Built once from the index and every record, then only read.
struct AskIndex {
  std::vector<AskPokemon> pokemon;  // in national order
  std::unordered_map<std::string, std::size_t> by_id;
  std::unordered_map<std::int32_t, std::vector<LearnFact>> by_move;
  // Built by the first question about places (see places.h), which most
  // questions never need.
  mutable std::unique_ptr<const PlaceIndex> places;
};

// The index, built on the first call from the data layer (tables, Pokemon
// index and move table loaded): every record is read once. A record that
// cannot be read leaves its Pokemon out of the answers.
const AskIndex& Ask();
// Drops the index; the next Ask() builds it again (after ResetData()).
void ForgetAsk();

// Position of the Pokemon with this id, or the Pokemon's count.
std::size_t PokemonAt(const std::string& id);

}  // namespace ask
