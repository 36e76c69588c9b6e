#pragma once
#include <cstdint>
#include <string>

#include "port/toolkit.h"

// Fills a combo box from the Pokemon index in its own order: the name as
// text, the address of the index's id string as item data. Returns the
// position of `wanted_id`, or -1 when no entry has it.
int FillPokemonList(tk::Window combo, const std::string& wanted_id);
// The position of `id` in a list filled by FillPokemonList; -1 when absent.
int PokemonListPosition(const std::string& id);
// The id an entry's item data points to; null for the combo box's error
// value or an entry without data.
const std::string* PokemonIdOfItemData(std::intptr_t data);
