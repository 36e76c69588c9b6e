#pragma once
#include <optional>
#include <string>
#include <vector>

#include "records/encounter.h"

namespace ask {

// One encounter of a Pokemon at a place, in one version (a code of kVersions).
struct PlaceRow {
  std::string id;
  std::int32_t dexno = 0;
  std::string name;
  int version = 0;
  std::string place;  // the whole name: "Route 32", "Ilex Forest (Headbutt)"
  DexEncounter encounter;
};

// Time bits of --time: morning, day, night.
std::optional<int> TimeBit(const std::string& word);

// The name of an encounter's place, with its parameter put in.
std::string PlaceNameOf(const DexEncounter& encounter);
// The place a name belongs to: "Route 2 (south, towards Viridian City)" and
// "Ilex Forest (Headbutt)" are at "Route 2" and "Ilex Forest".
std::string BasePlace(const std::string& place);

// Every base place of every version, sorted, once each.
std::vector<std::string> PlaceNames();

// Who is met at the place (compared by name key, whole or base name), in
// national order and then version order; one version and one time of day
// when given (rows without a time match every time).
std::vector<PlaceRow> WhoLivesAt(const std::string& place, std::optional<int> version,
                                 std::optional<int> time_bit);

// Cell texts of a row.
std::string LevelsText(const PlaceRow& row);
std::string TimeText(const PlaceRow& row);
std::string ChanceText(const PlaceRow& row);
// The way: what the place name says in brackets and the condition bits
// ("Headbutt", "surf", "Super Rod", "swarm"); "" for plain walking.
std::string WayText(const PlaceRow& row);

}  // namespace ask
