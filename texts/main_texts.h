#pragma once
#include <string>

#include "records/pokemon.h"

// Every line the Main page shows for one record.
struct MainLines {
  std::string name, species, dex_numbers, type, height, weight;
  std::string gsc_wild_item, trade_item, yellow_trade_item, rs_wild_item, frlg_wild_item, dp_wild_item;
  std::string hp, attack, defense, speed, spec_attack, spec_defense, rby_special;
  std::string gsc_shiny, rse_shiny, dpp_shiny, stat_exp, colour, habitat, gen3_abilities, gen4_abilities;
  std::string gender, gender_difference, recruit_rate, body_size, friend_area;
};

MainLines MainPageLines(const DexPokemon& record);

// The gender ratio line of a gender code (sixteenths male, 17 genderless).
std::string GenderRatioText(int gender);
