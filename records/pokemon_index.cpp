#include "records/pokemon_index.h"

#include "records/dex_data.h"
#include "records/report.h"
#include "records/xml_reader.h"

namespace {
const IndexEntry kEmptyEntry{};

std::string ReadFileName(XmlReader& r) {
  const char* child = r.HasChild("load") ? "load" : "loadfile";
  if (!r.Enter(child)) return {};
  std::string name = r.Attribute("filename");
  r.Leave();
  return name;
}

IndexEntry ReadEntry(XmlReader& r, const DexTables& t) {
  IndexEntry e;
  e.dexno = r.ChildInt("dexno");
  e.name = r.ChildText("name");
  if (r.Enter("height")) {
    e.height = {r.AttributeInt("ft"), r.AttributeInt("in")};
    r.Leave();
  }
  e.weight = r.ChildInt("weight");
  e.lowestevo = r.ChildText("lowestevo");
  e.evolutions = ReadEvolutions(r);
  e.breedgroup1 = IndexOfKey(r.ChildText("breedgroup1"), t.breedgroups);
  e.breedgroup2 = IndexOfKey(r.ChildText("breedgroup2"), t.breedgroups);
  if (r.HasChild("gender")) e.gender = r.ChildInt("gender");
  e.attack = r.ChildInt("attack");
  e.defense = r.ChildInt("defense");
  e.specattk = r.ChildInt("specattk");
  e.specdef = r.ChildInt("specdef");
  e.speed = r.ChildInt("speed");
  e.hp = r.ChildInt("hp");
  e.rbyspec = r.ChildInt("rbyspec");
  e.firstgeneration = r.ChildInt("firstgeneration");
  e.filename = ReadFileName(r);
  return e;
}
}  // namespace

void LoadIndex() {
  DexData& data = Data();
  XmlReader reader;
  reader.LoadDataFile("data/pokemon.xml", false);
  reader.ForEachTopItem("pokemon", [&] {
    std::string id = reader.Attribute("id");
    IndexEntry entry = ReadEntry(reader, data.tables);
    data.index.try_emplace(std::move(id), std::move(entry));
  });
}

const PokemonIndex& Index() { return Data().index; }

bool IsPokemon(const std::string& id) { return Data().index.contains(id); }

std::string PokemonName(const std::string& id) {
  const auto& index = Data().index;
  const auto it = index.find(id);
  return it == index.end() ? std::string() : it->second.name;
}

const IndexEntry& IndexEntryOf(const std::string& id) {
  const auto& index = Data().index;
  const auto it = index.find(id);
  if (it != index.end()) return it->second;
  Report("Request for invalid Pokemon", "Error");
  return kEmptyEntry;
}
