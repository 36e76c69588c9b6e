// Every loader on a fuzzed data file (the others from a fixture): the ten
// reference tables, the index, the moves, and records with their encounters.
// Also holds the nesting count to what TinyXML really builds.
#include <tinyxml.h>

#include <array>
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon.h"
#include "records/pokemon_index.h"
#include "records/tables.h"
#include "records/xml_nesting.h"

namespace {

constexpr std::array kFiles = {
    "data/types.xml",     "data/movefx.xml",  "data/contestfx.xml", "data/evolution.xml", "data/breedgroup.xml",
    "data/abilities.xml", "data/colours.xml", "data/habitats.xml",  "data/friendarea.xml", "data/location.xml",
    "data/pokemon.xml",   "data/moves.xml",   "data/ivysaur.xml",   "data/charmander.xml"};

// The depth of the tree TinyXML built, which is at least how deep it recursed.
int TreeDepth(const TiXmlNode* node) {
  std::vector<std::pair<const TiXmlNode*, int>> todo{{node, 0}};
  int deepest = 0;
  while (!todo.empty()) {
    const auto [at, depth] = todo.back();
    todo.pop_back();
    deepest = std::max(deepest, depth);
    for (const TiXmlNode* child = at->FirstChildElement(); child; child = child->NextSiblingElement())
      todo.emplace_back(child, depth + 1);
  }
  return deepest;
}

void CheckNestingCount(const std::string& text) {
  std::string padded = text;
  padded.append(16, '\0');
  constexpr int kLimit = 100000;  // fuzzed inputs are far shorter
  const int counted = XmlNestingDepth(padded.c_str(), kLimit);
  TiXmlDocument document;
  document.Parse(padded.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  FUZZ_CHECK(TreeDepth(&document) <= counted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnterFuzzWorkdir("records-basic");
  if (size == 0) return 0;
  const std::string file = kFiles[data[0] % kFiles.size()];
  const std::string original = ReadFile(file);
  const std::string text = AsString(data + 1, size - 1);
  CheckNestingCount(text);

  WriteFile(file, text);
  ResetData();
  LoadTables();
  LoadIndex();
  LoadMoves();
  for (const auto& [id, entry] : Index()) {
    const DexPokemon pokemon = SelectPokemon(id);
    for (const auto& encounters : pokemon.locations) (void)encounters.size();
  }
  (void)Move(static_cast<std::int32_t>(size));
  WriteFile(file, original);
  return 0;
}
