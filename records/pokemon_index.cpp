#include "records/pokemon_index.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "records/atoi32.h"
#include "records/dex_data.h"
#include "records/report.h"
#include "records/xml_reader.h"

namespace {
const IndexEntry kEmptyEntry{};

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutLeadingZeros(std::string_view s) {
  while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
  return s;
}

// Letters and digits only, in lower case: "Mr. Mime" -> "mrmime".
std::string Folded(std::string_view s) {
  std::string out;
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80 || std::isalnum(u)) out += static_cast<char>(std::tolower(u));
  }
  return out;
}

enum IndexField : std::size_t {
  kDexno, kName, kHeight, kWeight, kLowestevo, kEvolutions, kBreedgroup1, kBreedgroup2, kGender, kAttack, kDefense,
  kSpecattk, kSpecdef, kSpeed, kHp, kRbyspec, kFirstgeneration, kLoadfile, kLoad, kIndexFieldCount
};

// In the order of the index file, which the one-pass reading is quickest on;
// "evolutions" (read by ReadEvolutions) is named so that it is not searched for.
constexpr std::array<const char*, kIndexFieldCount> kIndexFields{
    "dexno",   "name",     "height",  "weight", "lowestevo", "evolutions", "breedgroup1",
    "breedgroup2", "gender", "attack", "defense", "specattk", "specdef", "speed",
    "hp",      "rbyspec",  "firstgeneration", "loadfile", "load"};

IndexEntry ReadEntry(XmlReader& r, const DexTables& t) {
  const ChildFields<kIndexFieldCount> f(r, kIndexFields);
  IndexEntry e;
  e.dexno = f.Int(kDexno);
  e.name = f.Text(kName);
  if (f.Has(kHeight))
    e.height = {Atoi32(f.Attribute(kHeight, "ft")), Atoi32(f.Attribute(kHeight, "in"))};
  e.weight = f.Int(kWeight);
  e.lowestevo = f.Text(kLowestevo);
  e.evolutions = ReadEvolutions(r);
  e.breedgroup1 = IndexOfKey(f.Text(kBreedgroup1), t.breedgroups);
  e.breedgroup2 = IndexOfKey(f.Text(kBreedgroup2), t.breedgroups);
  if (f.Has(kGender)) e.gender = f.Int(kGender);
  e.attack = f.Int(kAttack);
  e.defense = f.Int(kDefense);
  e.specattk = f.Int(kSpecattk);
  e.specdef = f.Int(kSpecdef);
  e.speed = f.Int(kSpeed);
  e.hp = f.Int(kHp);
  e.rbyspec = f.Int(kRbyspec);
  e.firstgeneration = f.Int(kFirstgeneration);
  // "load" is the older spelling; it wins where both are present.
  e.filename = f.Attribute(f.Has(kLoad) ? kLoad : kLoadfile, "filename");
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

bool NationalOrder::operator()(const std::string& a, const std::string& b) const {
  const bool a_number = AllDigits(a);
  const bool b_number = AllDigits(b);
  if (a_number != b_number) return a_number;
  if (!a_number) return a < b;
  const std::string_view x = WithoutLeadingZeros(a);
  const std::string_view y = WithoutLeadingZeros(b);
  if (x.size() != y.size()) return x.size() < y.size();
  if (x != y) return x < y;
  return a < b;  // "007" and "7" stay two ids
}

std::optional<std::string> FindTypedPokemon(std::string_view typed) {
  const PokemonIndex& index = Index();
  std::string trimmed(typed);
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.erase(0, 1);
  if (trimmed.empty()) return std::nullopt;
  if (index.contains(trimmed)) return trimmed;
  if (AllDigits(trimmed) && trimmed.size() < 10) {
    const long number = std::stol(trimmed);
    for (const auto& [id, entry] : index)
      if (entry.dexno == number) return id;
  }
  const std::string wanted = Folded(trimmed);
  if (wanted.empty()) return std::nullopt;
  for (const auto& [id, entry] : index)
    if (Folded(entry.name) == wanted) return id;
  return std::nullopt;
}

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
