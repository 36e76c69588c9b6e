#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "texts/list_row.h"
#include "records/encounter.h"
#include "records/tables.h"

// The version codes a Pokemon of generation g can be met in: its own
// generation's versions and every later one, in code order. Empty when g is
// not 1 to 4.
std::vector<int> VersionCodesFor(std::int32_t g);
bool IsKnownVersion(std::intptr_t code);
bool IsDungeonVersion(int code);

// The location row's text with the encounter's text put in: the first "%s"
// is replaced as plain text (never used as a format); a text without "%s"
// gets the encounter's text after a blank.
std::string PlaceName(const LocationRow& place, const std::string& parameter);

// " (Swarm)", " (Surf)", ... for each method bit set, in bit order.
std::string MethodSuffixes(std::int32_t conditions);

std::string LevelsText(const DexEncounter& row, int version);
// "Day", "Night", ..., "Always" from the three time bits.
std::string TimeText(const DexEncounter& row, int version);
std::string ChanceText(const DexEncounter& row);
std::string LocationText(const DexEncounter& row, int version);

// The four cells of each encounter row of a version.
std::vector<ListRow> EncounterRows(const EncounterList& list, int version);
