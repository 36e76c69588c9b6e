#include "calc/stat_choices.h"

#include "records/pokemon.h"

const std::array<ListChoice, 6> kStatChoices{{
    {"HP", 0}, {"Attack", 1}, {"Defense", 2}, {"Speed", 3}, {"Special Attack", 4},
    {"Special Defense", 5},
}};

const std::array<ListChoice, 3> kNatureChoices{{
    {"Neutral", 0}, {"Helping", 2}, {"Hindering", 1},
}};

std::optional<std::int32_t> BaseStat(const DexPokemon& record, std::int32_t choice) {
  switch (choice) {
    case 0: return record.hp;
    case 1: return record.attack;
    case 2: return record.defense;
    case 3: return record.speed;
    case 4: return record.specattk;
    case 5: return record.specdef;
    default: return std::nullopt;
  }
}
