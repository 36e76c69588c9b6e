#pragma once
#include <string>

#include "records/pokemon.h"

// Makes `id` the current Pokemon and returns a copy of the current record;
// when its record cannot be read the previous record stays current.
DexPokemon SelectPokemon(const std::string& id);
const std::string& CurrentId();
const DexPokemon& CurrentRecord();
