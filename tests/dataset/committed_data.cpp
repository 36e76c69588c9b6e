#include "dataset/committed_data.h"

#include <filesystem>
#include <sstream>

#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/tables.h"

namespace fs = std::filesystem;

std::string DataSourceName(DataSource source) {
  return source == DataSource::kFiles ? "Files" : "ArchiveOnly";
}

void InstallCommittedData(const TempWorkdir& dir, DataSource source) {
  const fs::path repo(FAUNARY_REPO_DIR);
  fs::copy_file(repo / "faunary.dat", dir.path() / "faunary.dat");
  if (source == DataSource::kFiles)
    fs::copy(repo / "data", dir.path() / "data", fs::copy_options::recursive);
}

void LoadDataLayer() {
  LoadTables();
  LoadIndex();
  LoadMoves();
}

namespace {

template <typename T>
void Line(std::ostream& out, const char* name, const T& value) {
  out << name << '=' << value << '\n';
}

template <std::size_t N>
void Flags(std::ostream& out, const char* name, const std::array<bool, N>& flags) {
  out << name << '=';
  for (bool f : flags) out << (f ? '1' : '0');
  out << '\n';
}

}  // namespace

std::string Describe(const DexPokemon& p) {
  std::ostringstream out;
  Line(out, "dexno", p.dexno);
  Line(out, "regional", std::to_string(p.johtodex) + "/" + std::to_string(p.hoenndex) + "/" +
                            std::to_string(p.sinnohdex));
  Line(out, "name", p.name);
  Line(out, "species", p.species);
  Line(out, "types", std::to_string(p.type1) + "/" + std::to_string(p.type2));
  Line(out, "height", std::to_string(p.height.ft) + "'" + std::to_string(p.height.in));
  Line(out, "weight", p.weight);
  Line(out, "lowestevo", p.lowestevo);
  for (const auto& e : p.evolutions)
    Line(out, "evolution", std::to_string(e.evomethod) + "," + std::to_string(e.evoparam) + "," +
                               e.evolvesto);
  for (const auto* entry : {&p.greendexentry, &p.rbdexentry, &p.ydexentry, &p.gdexentry,
                            &p.sdexentry, &p.cdexentry, &p.stad1dexentry, &p.rudexentry,
                            &p.sadexentry, &p.frdexentry, &p.lgdexentry, &p.emdexentry,
                            &p.ddexentry, &p.pdexentry})
    Line(out, "dexentry", *entry);
  Line(out, "gender", p.gender);
  for (const auto* item : {&p.wilditem8, &p.wilditem25, &p.wilditem100, &p.tradeitem,
                           &p.rswilditem, &p.frlgwilditem, &p.dpwilditem})
    Line(out, "item", *item);
  for (std::int32_t stat : {p.attack, p.defense, p.specattk, p.specdef, p.rbyspec, p.speed, p.hp})
    Line(out, "stat", stat);
  Line(out, "catch", std::to_string(p.catchrate) + "," + std::to_string(p.fastballeffect) + "," +
                         std::to_string(p.heavyballeffect));
  Line(out, "experience", std::to_string(p.baseexperience) + "," + std::to_string(p.expformula));
  Line(out, "breeding", std::to_string(p.breedgroup1) + "," + std::to_string(p.breedgroup2) + "," +
                            std::to_string(p.hatchsteps));
  for (const auto& b : p.breedmoves)
    Line(out, "breedmove", std::to_string(b.id) + "|" + b.methodgen2 + "|" + b.methodgen3 + "|" +
                               b.methodgen4);
  for (const auto& m : p.moves) {
    out << "move=" << m.id;
    for (std::int32_t level : {m.rblvl, m.ylvl, m.gslvl, m.clvl, m.rslvl, m.frlglvl, m.xdlvl, m.dplvl})
      out << ',' << level;
    out << '\n';
  }
  Line(out, "fromgeneration", p.fromgeneration);
  Flags(out, "gen1tm", p.gen1tm);
  Flags(out, "gen2tm", p.gen2tm);
  Flags(out, "gen3tm", p.gen3tm);
  Flags(out, "gen4tm", p.gen4tm);
  for (const auto* text : {&p.shinygsc, &p.shinyrs, &p.shinydp, &p.dpgenderdiff})
    Line(out, "text", *text);
  for (int ability : {p.gen3ability1, p.gen3ability2, p.gen4ability1, p.gen4ability2})
    Line(out, "ability", ability);
  Line(out, "colour", p.colour);
  Line(out, "statexpgain", p.statexpgain);
  Line(out, "habitat", p.habitat);
  Line(out, "dungeon", std::to_string(p.mdbodysize) + "," + std::to_string(p.mdrecruitrate) + "," +
                           std::to_string(p.friendarea));
  for (std::size_t code = 0; code < p.locations.size(); ++code)
    for (const auto& e : p.locations[code])
      out << "location" << code << '=' << e.location << ',' << e.low << ',' << e.high << ','
          << e.text << ',' << e.conditions << ',' << e.chance << '\n';
  return out.str();
}
