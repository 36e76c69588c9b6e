#include "records/pokemon.h"

#include <initializer_list>
#include <unordered_map>

#include "records/dex_data.h"
#include "records/pokemon_index.h"
#include "records/report.h"
#include "records/xml_reader.h"

namespace {

struct Marker {
  std::string element;
  std::size_t slot;
};

// Appends markers prefix01..prefixNN for consecutive slots from first_slot.
void AddMarkers(std::vector<Marker>& out, const char* prefix, int count, std::size_t first_slot) {
  for (int n = 1; n <= count; ++n) {
    std::string name = prefix;
    if (n < 10) name += '0';
    name += std::to_string(n);
    out.push_back({std::move(name), first_slot + static_cast<std::size_t>(n - 1)});
  }
}

// Marker name to flag slot, per generation.
using MarkerSlots = std::unordered_map<std::string, std::size_t>;

struct MachineMarkers {
  MarkerSlots gen1, gen2, gen3, gen4, pthgss;
};

MarkerSlots SlotsOf(std::initializer_list<std::vector<Marker>> groups) {
  MarkerSlots slots;
  for (const auto& group : groups)
    for (const Marker& marker : group) slots.emplace(marker.element, marker.slot);
  return slots;
}

std::vector<Marker> Markers(const char* prefix, int count, std::size_t first_slot) {
  std::vector<Marker> markers;
  AddMarkers(markers, prefix, count, first_slot);
  return markers;
}

const MachineMarkers& Machines() {
  static const MachineMarkers markers{
      SlotsOf({Markers("TM", 50, 1), Markers("HM", 5, 51)}),
      SlotsOf({Markers("TM", 50, 1), Markers("HM", 7, 51), Markers("CM", 3, 58)}),
      SlotsOf({Markers("TM", 50, 1), Markers("HM", 8, 51), Markers("MT", 33, 59)}),
      SlotsOf({Markers("TM", 96, 1), Markers("HM", 8, 97)}),
      SlotsOf({Markers("HM", 8, 1), Markers("MT", 56, kPtHgssFirstTutorSlot)}),
  };
  return markers;
}

// One pass over the element's children; markers of other generations are not read.
template <std::size_t N>
void ReadMachineFlags(XmlReader& r, const char* element, const MarkerSlots& slots,
                      std::array<bool, N>& flags) {
  if (!r.Enter(element)) return;
  r.ForEachChildName([&](const char* name) {
    const auto found = slots.find(name);
    if (found != slots.end()) flags[found->second] = true;
  });
  r.Leave();
}

struct StatExpMarker {
  const char* element;
  std::uint32_t bit;
};

constexpr StatExpMarker kStatExpMarkers[] = {
    {"HP1", kHp1},     {"HP2", kHp2},     {"HP3", kHp3},     {"ATK1", kAtk1},   {"ATK2", kAtk2},
    {"ATK3", kAtk3},   {"DEF1", kDef1},   {"DEF2", kDef2},   {"DEF3", kDef3},   {"SPD1", kSpd1},
    {"SPD2", kSpd2},   {"SPD3", kSpd3},   {"SATK1", kSatk1}, {"SATK2", kSatk2}, {"SATK3", kSatk3},
    {"SDEF1", kSdef1}, {"SDEF2", kSdef2}, {"SDEF3", kSdef3},
};

std::uint32_t ReadStatExpGain(XmlReader& r) {
  std::uint32_t mask = 0;
  if (!r.Enter("statexpgain")) return mask;
  for (const auto& marker : kStatExpMarkers)
    if (r.HasChild(marker.element)) mask |= marker.bit;
  r.Leave();
  return mask;
}

void ReadRecord(XmlReader& r, DexPokemon& p) {
  const DexTables& t = Data().tables;
  p.dexno = r.ChildInt("dexno");
  p.johtodex = r.ChildInt("johtodex");
  p.hoenndex = r.ChildInt("hoenndex");
  p.sinnohdex = r.ChildInt("sinnohdex");
  p.name = r.ChildText("name");
  p.species = r.ChildText("species");
  p.type1 = IndexOfKey(r.ChildText("type1"), t.stdtypes);
  p.type2 = IndexOfKey(r.ChildText("type2"), t.stdtypes);
  if (r.Enter("height")) {
    p.height = {r.AttributeInt("ft"), r.AttributeInt("in")};
    r.Leave();
  }
  p.weight = r.ChildInt("weight");
  p.lowestevo = r.ChildText("lowestevo");
  p.evolutions = ReadEvolutions(r);

  p.greendexentry = r.ChildText("greendexentry");
  p.rbdexentry = r.ChildText("rbdexentry");
  p.ydexentry = r.ChildText("ydexentry");
  p.gdexentry = r.ChildText("gdexentry");
  p.sdexentry = r.ChildText("sdexentry");
  p.cdexentry = r.ChildText("cdexentry");
  p.stad1dexentry = r.ChildText("stad1dexentry");
  p.rudexentry = r.ChildText("rudexentry");
  p.sadexentry = r.ChildText("sadexentry");
  p.frdexentry = r.ChildText("frdexentry");
  p.lgdexentry = r.ChildText("lgdexentry");
  p.emdexentry = r.ChildText("emdexentry");
  p.ddexentry = r.ChildText("ddexentry");
  p.pdexentry = r.ChildText("pdexentry");

  p.gender = r.ChildInt("gender");
  p.wilditem8 = r.ChildText("wilditem8");
  p.wilditem25 = r.ChildText("wilditem25");
  p.wilditem100 = r.ChildText("wilditem100");
  p.tradeitem = r.ChildText("tradeitem");
  p.ytradeitem = r.ChildText("ytradeitem");
  p.rswilditem = r.ChildText("rswilditem");
  p.frlgwilditem = r.ChildText("frlgwilditem");
  p.dpwilditem = r.ChildText("dpwilditem");

  p.attack = r.ChildInt("attack");
  p.defense = r.ChildInt("defense");
  p.specattk = r.ChildInt("specattk");
  p.specdef = r.ChildInt("specdef");
  p.speed = r.ChildInt("speed");
  p.hp = r.ChildInt("hp");
  p.rbyspec = r.ChildInt("rbyspec");
  p.catchrate = r.ChildInt("catchrate");
  p.fastballeffect = r.ChildInt("fastballeffect") != 0;
  p.heavyballeffect = r.ChildInt("heavyballeffect");
  p.baseexperience = r.ChildInt("baseexperience");
  p.expformula = r.ChildInt("expformula");
  p.breedgroup1 = IndexOfKey(r.ChildText("breedgroup1"), t.breedgroups);
  p.breedgroup2 = IndexOfKey(r.ChildText("breedgroup2"), t.breedgroups);
  p.hatchsteps = r.ChildInt("hatchsteps");

  r.ForEachItem("breedmoves", "breedmove", [&] {
    p.breedmoves.push_back({r.ChildInt("id"), r.ChildText("methodgen2"), r.ChildText("methodgen3"),
                            r.ChildText("methodgen4")});
  });
  r.ForEachItem("moves", "move", [&] {
    p.moves.push_back({r.ChildInt("id"), r.ChildInt("rblvl"), r.ChildInt("ylvl"),
                       r.ChildInt("gslvl"), r.ChildInt("clvl"), r.ChildInt("rslvl"),
                       r.ChildInt("frlglvl"), r.ChildInt("xdlvl"), r.ChildInt("dplvl"),
                       r.ChildInt("ptlvl"), r.ChildInt("hgsslvl")});
  });
  p.fromgeneration = r.ChildInt("fromgeneration");

  const MachineMarkers& machines = Machines();
  ReadMachineFlags(r, "gen1tm", machines.gen1, p.gen1tm);
  ReadMachineFlags(r, "gen2tm", machines.gen2, p.gen2tm);
  ReadMachineFlags(r, "gen3tm", machines.gen3, p.gen3tm);
  ReadMachineFlags(r, "gen4tm", machines.gen4, p.gen4tm);
  ReadMachineFlags(r, "pttm", machines.pthgss, p.pttm);
  ReadMachineFlags(r, "hgsstm", machines.pthgss, p.hgsstm);

  p.shinygsc = r.ChildText("shinygsc");
  p.shinyrs = r.ChildText("shinyrs");
  p.shinydp = r.ChildText("shinydp");
  p.dpgenderdiff = r.ChildText("dpgenderdiff");
  p.gen3ability1 = IndexOfKey(r.ChildText("gen3ability1"), t.abilities);
  p.gen3ability2 = IndexOfKey(r.ChildText("gen3ability2"), t.abilities);
  p.gen4ability1 = IndexOfKey(r.ChildText("gen4ability1"), t.abilities);
  p.gen4ability2 = IndexOfKey(r.ChildText("gen4ability2"), t.abilities);
  p.colour = IndexOfKey(r.ChildText("colour"), t.colours);
  p.statexpgain = ReadStatExpGain(r);
  p.habitat = IndexOfKey(r.ChildText("habitat"), t.habitats);
  p.mdbodysize = r.ChildInt("mdbodysize");
  p.mdrecruitrate = r.ChildInt("mdrecruitrate");
  p.friendarea = IndexOfKey(r.ChildText("friendarea"), t.friendareas);

  for (std::size_t code = 0; code < kVersions.size(); ++code) {
    if (!r.Enter(kVersions[code].element)) continue;
    const bool dungeon = code == kMdRedVersion || code == kMdBlueVersion;
    if (dungeon)
      ReadDungeonFloors(r, p.locations[code]);
    else
      ReadWildEncounters(r, p.locations[code]);
    r.Leave();
  }
}

}  // namespace

bool LoadPokemon(const std::string& id) {
  const std::string file_name = IndexEntryOf(id).filename;
  XmlReader reader;
  if (!file_name.empty()) {
    if (!reader.LoadDataFile("data/" + file_name, false)) {
      Report("Could not load reader data file!", "Oops");
      return false;
    }
  } else {
    reader.LoadDataFile("data/pokemon.xml", false);
    if (!reader.Enter("pokemon")) return false;
    while (reader.Attribute("id") != id && reader.HasNextSibling()) reader.NextSibling();
    if (reader.Attribute("id") != id) return false;
  }
  DexPokemon record;
  ReadRecord(reader, record);
  Data().store.try_emplace(id, std::move(record));
  return true;
}
