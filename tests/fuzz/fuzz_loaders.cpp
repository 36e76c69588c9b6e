// Every loader on a fuzzed data file (the others from a fixture): the ten
// reference tables, the index, the moves, and records with their encounters.
// Also holds the nesting count to what TinyXML really builds.
#include <tinyxml.h>

#include <array>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "records/tables.h"
#include "records/xml_nesting.h"

namespace {

constexpr std::array kFiles = {
    "data/types.xml",     "data/movefx.xml",  "data/contestfx.xml", "data/evolution.xml", "data/breedgroup.xml",
    "data/abilities.xml", "data/colours.xml", "data/habitats.xml",  "data/friendarea.xml", "data/location.xml",
    "data/pokemon.xml",   "data/moves.xml",   "data/ivysaur.xml",   "data/charmander.xml"};

// The file a fuzzed document stands for, told by its first element's name as
// the data and fixture files (the seeds) name it; any other by its size.
std::string TargetFile(const std::string& text) {
  static const std::map<std::string, std::string> kByRoot = {
      {"types", "data/types.xml"},         {"movefxlist", "data/movefx.xml"}, {"contestfxlist", "data/contestfx.xml"},
      {"evolutions", "data/evolution.xml"}, {"groups", "data/breedgroup.xml"}, {"abilities", "data/abilities.xml"},
      {"colours", "data/colours.xml"},     {"habitats", "data/habitats.xml"}, {"areas", "data/friendarea.xml"},
      {"locations", "data/location.xml"},  {"pokedex", "data/pokemon.xml"},   {"movelist", "data/moves.xml"},
      {"moveeffects", "data/movefx.xml"},  {"moves", "data/moves.xml"},      {"contesteffects", "data/contestfx.xml"},
      {"record", "data/ivysaur.xml"},      {"pokemon", "data/charmander.xml"}};
  auto letter = [&](std::size_t at) { return std::isalpha(static_cast<unsigned char>(text[at])) != 0; };
  std::size_t start = text.find('<');
  while (start != std::string::npos && start + 1 < text.size() && !letter(start + 1)) start = text.find('<', start + 1);
  start = start == std::string::npos ? text.size() : start + 1;
  std::size_t end = start;
  while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) ++end;
  const auto known = start < text.size() ? kByRoot.find(text.substr(start, end - start)) : kByRoot.end();
  return known != kByRoot.end() ? known->second : kFiles[text.size() % kFiles.size()];
}

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
  const std::string text = AsString(data, size);
  const std::string file = TargetFile(text);
  const std::string original = ReadFile(file);
  CheckNestingCount(text);

  WriteFile(file, text);
  StartAfresh();
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
