#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/evolutions.h"

inline constexpr std::int32_t kGenderNotGiven = -1;

// The short form of a Pokemon kept for every id, enough to fill the list,
// draw evolution families, find breeding partners and compare stats.
struct IndexEntry {
  std::int32_t dexno = 0;
  std::string name;
  Height height;
  std::int32_t weight = 0;
  std::string lowestevo;
  std::vector<Evolution> evolutions;
  int breedgroup1 = 0;
  int breedgroup2 = 0;
  // Sixteenths male as in the record, 17 genderless; kGenderNotGiven when the
  // index lacks it, which keeps a partner of either sex possible.
  std::int32_t gender = kGenderNotGiven;
  std::int32_t attack = 0;
  std::int32_t defense = 0;
  std::int32_t specattk = 0;
  std::int32_t specdef = 0;
  std::int32_t rbyspec = 0;
  std::int32_t speed = 0;
  std::int32_t hp = 0;
  std::int32_t firstgeneration = 0;
  std::string filename;  // the record's own file under data/, or empty
};

// National order: ids made of digits compare as numbers ("2" < "10"), and
// come before any other id, which compare byte-wise.
struct NationalOrder {
  bool operator()(const std::string& a, const std::string& b) const;
};
using PokemonIndex = std::map<std::string, IndexEntry, NationalOrder>;

// Fills the index from data/pokemon.xml; the first entry with an id wins.
void LoadIndex();
const PokemonIndex& Index();
bool IsPokemon(const std::string& id);
// The Pokemon a player means by what they typed: an id, a national number,
// or a name compared without case, spaces and punctuation ("mr mime" finds
// "Mr. Mime"); nullopt when none matches.
std::optional<std::string> FindTypedPokemon(std::string_view typed);
// "" for an id the index lacks, silently.
std::string PokemonName(const std::string& id);
// For an id the index lacks: "Request for invalid Pokemon" and an empty entry.
const IndexEntry& IndexEntryOf(const std::string& id);
