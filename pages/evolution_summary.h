#pragma once
#include <string>

#include "records/pokemon.h"

// Shows the current Pokemon's evolution family in a message box; returns 1.
int ShowEvolutionSummary();
// How one evolution happens, from its method's text.
std::string EvolutionMethodText(const Evolution& evolution);
