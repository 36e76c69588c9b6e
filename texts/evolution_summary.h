#pragma once
#include <string>

#include "records/pokemon.h"

// The evolution family of a Pokemon, from its lowest stage, as the Main
// page's "&Evolution" button shows it.
std::string EvolutionSummaryText(const DexPokemon& pokemon);
// How one evolution happens, from its method's text.
std::string EvolutionMethodText(const Evolution& evolution);
