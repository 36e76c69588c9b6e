#pragma once
#include <map>
#include <string>

#include "records/move.h"
#include "records/pokemon.h"
#include "records/pokemon_index.h"
#include "records/tables.h"

// All process-wide state of the data layer, filled at start-up and read by
// every page. Tests start from a clean slate with ResetData().
struct DexData {
  DexTables tables;
  std::map<std::int32_t, DexMove> moves;
  PokemonIndex index;
  std::map<std::string, DexPokemon> store;  // every record read since start-up
  std::string current_id;
  DexPokemon current;
};

DexData& Data();
void ResetData();
