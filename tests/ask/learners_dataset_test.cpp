// Who learns what, over the whole committed data set: for every move and every game, the
// Pokemon the question engine names are exactly those the data files name, read here
// straight with TinyXML. A Pokemon counts when it learns the move itself or evolves from one
// that does, and only in games of its own generation or later.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ask/ask_index.h"
#include "ask/learners.h"
#include "dataset/game_data.h"
#include "records/dex_data.h"

namespace fs = std::filesystem;

namespace {

struct Game {
  const char* code;
  int generation;
  const char* level;        // level element of a record's move
  const char* machines;     // the open data's version group of its TMs and HMs
  bool hms;
  int egg_generation;       // 0: no breeding
  std::set<std::string> tutors;  // the record's tutor markers this game teaches
};

std::set<std::string> Markers(const char* prefix, int first, int last) {
  std::set<std::string> markers;
  for (int n = first; n <= last; ++n) markers.insert(prefix + std::string(n < 10 ? "0" : "") + std::to_string(n));
  return markers;
}

// Tutors: Crystal's Goldenrod tutor (CM01-CM03); FireRed/LeafGreen teach the data's MT01-MT18
// and Emerald MT01-MT15 and MT19-MT33 (pokefirered's and pokeemerald's tutor tables); Diamond/
// Pearl's tutor moves are the data's TM93-TM96. Colosseum and XD have no HMs and no breeding.
const std::vector<Game>& Games() {
  static const std::vector<Game> games = [] {
    std::set<std::string> emerald = Markers("MT", 1, 15);
    for (const std::string& m : Markers("MT", 19, 33)) emerald.insert(m);
    return std::vector<Game>{
        {"RB", 1, "rblvl", "red-blue", true, 0, {}},
        {"Y", 1, "ylvl", "yellow", true, 0, {}},
        {"GS", 2, "gslvl", "gold-silver", true, 2, {}},
        {"C", 2, "clvl", "crystal", true, 2, Markers("CM", 1, 3)},
        {"RS", 3, "rslvl", "ruby-sapphire", true, 3, {}},
        {"E", 3, "rslvl", "emerald", true, 3, emerald},
        {"FRLG", 3, "frlglvl", "firered-leafgreen", true, 3, Markers("MT", 1, 18)},
        {"XD", 3, "xdlvl", "xd", false, 0, {}},
        {"DP", 4, "dplvl", "diamond-pearl", true, 4, Markers("TM", 93, 96)},
    };
  }();
  return games;
}

// The moves behind the tutor markers, by name, from the same games' tutor tables.
const std::map<std::string, std::string>& TutorMoves() {
  static const std::map<std::string, std::string> moves = [] {
    std::map<std::string, std::string> m{{"CM01", "flamethrower"}, {"CM02", "thunderbolt"}, {"CM03", "icebeam"},
                                         {"TM93", "frenzyplant"},  {"TM94", "hydrocannon"}, {"TM95", "blastburn"},
                                         {"TM96", "dracometeor"}};
    const char* gen3[] = {"bodyslam",    "counter",    "doubleedge",   "dreameater", "explosion", "megakick",
                          "megapunch",   "metronome",  "mimic",        "rockslide",  "seismictoss", "softboiled",
                          "substitute",  "swordsdance", "thunderwave", "frenzyplant", "blastburn", "hydrocannon",
                          "dynamicpunch", "rollout",   "psychup",      "snore",      "icywind",   "endure",
                          "mudslap",     "icepunch",   "swagger",      "sleeptalk",  "swift",     "defensecurl",
                          "thunderpunch", "firepunch", "furycutter"};
    for (int i = 0; i < 33; ++i) m["MT" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1)] = gen3[i];
    return m;
  }();
  return moves;
}

const char* Text(const TiXmlElement* e, const char* child) {
  const TiXmlElement* c = e->FirstChildElement(child);
  return c && c->GetText() ? c->GetText() : "";
}

TEST(LearnersOverTheDataSet, EveryMoveInEveryGameNamesTheLearnersOfTheDataFiles) {
  const fs::path repo(FAUNARY_REPO_DIR);
  const fs::path machines_dir = GameData() / "api-v2" / "machine";
  if (!fs::is_directory(machines_dir)) GTEST_SKIP() << "no open game data at " << machines_dir;

  // Move ids by name key, from the move table.
  std::map<std::string, int> move_ids;
  TiXmlDocument moves_doc((repo / "data/moves.xml").string().c_str());
  ASSERT_TRUE(moves_doc.LoadFile());
  for (auto* m = moves_doc.RootElement()->FirstChildElement("move"); m; m = m->NextSiblingElement("move"))
    move_ids[NameKey(Text(m, "name"))] = std::atoi(m->Attribute("id"));
  // (version group, "tm01") -> move id, from the open data's machine list.
  std::map<std::pair<std::string, std::string>, int> machine;
  const std::regex fields(R"re("item":\{"name":"(\w+)".*"move":\{"name":"([\w-]+)".*"version_group":\{"name":"([\w-]+)")re");
  for (const auto& dir : fs::directory_iterator(machines_dir)) {
    std::smatch m;
    const std::string json = ReadAll(dir.path() / "index.json");
    if (std::regex_search(json, m, fields)) machine[{m[3].str(), m[1].str()}] = move_ids[NameKey(m[2].str())];
  }

  // Direct learners: (move, game) -> ids; generations and pre-evolutions from the index.
  std::map<std::pair<int, std::size_t>, std::set<std::string>> direct;
  std::map<std::string, int> first_generation;
  std::map<std::string, std::vector<std::string>> pre;
  TiXmlDocument index((repo / "data/pokemon.xml").string().c_str());
  ASSERT_TRUE(index.LoadFile());
  for (auto* p = index.RootElement()->FirstChildElement("pokemon"); p; p = p->NextSiblingElement("pokemon")) {
    const std::string id = p->Attribute("id");
    first_generation[id] = std::atoi(Text(p, "firstgeneration"));
    if (auto* evos = p->FirstChildElement("evolutions"))
      for (auto* e = evos->FirstChildElement("evolution"); e; e = e->NextSiblingElement("evolution"))
        pre[Text(e, "evolvesto")].push_back(id);
    TiXmlDocument record((repo / "data" / p->FirstChildElement("loadfile")->Attribute("filename")).string().c_str());
    ASSERT_TRUE(record.LoadFile()) << id;
    const TiXmlElement* r = record.RootElement();
    for (std::size_t g = 0; g < Games().size(); ++g) {
      const Game& game = Games()[g];
      if (game.generation < first_generation[id]) continue;
      if (auto* moves = r->FirstChildElement("moves"))
        for (auto* m = moves->FirstChildElement("move"); m; m = m->NextSiblingElement("move"))
          if (std::atoi(Text(m, game.level)) != 0) direct[{std::atoi(Text(m, "id")), g}].insert(id);
      const std::string flags = "gen" + std::to_string(game.generation) + "tm";
      if (auto* marks = r->FirstChildElement(flags.c_str()))
        for (auto* f = marks->FirstChildElement(); f; f = f->NextSiblingElement()) {
          std::string mark = f->Value();
          if (game.tutors.count(mark)) {
            direct[{move_ids.at(TutorMoves().at(mark)), g}].insert(id);
          } else if ((mark[0] == 'T' || (mark[0] == 'H' && game.hms)) && !TutorMoves().count(mark)) {
            mark[0] = static_cast<char>(std::tolower(mark[0]));
            mark[1] = static_cast<char>(std::tolower(mark[1]));
            direct[{machine.at({game.machines, mark}), g}].insert(id);
          }
        }
      if (game.egg_generation == 0) continue;
      if (auto* eggs = r->FirstChildElement("breedmoves"))
        for (auto* b = eggs->FirstChildElement("breedmove"); b; b = b->NextSiblingElement("breedmove")) {
          const std::string how = Text(b, ("methodgen" + std::to_string(game.egg_generation)).c_str());
          const bool emerald_only = how.find("(Emerald only)") != std::string::npos;
          if (!how.empty() && how.rfind("Cannot", 0) != 0 && (!emerald_only || std::string(game.code) == "E"))
            direct[{std::atoi(Text(b, "id")), g}].insert(id);
        }
    }
  }

  fs::current_path(repo);
  LoadTables();
  LoadIndex();
  LoadMoves();
  std::size_t answers = 0;
  for (const auto& [name, move] : move_ids)
    for (std::size_t g = 0; g < Games().size(); ++g) {
      std::set<std::string> expected;
      for (const auto& [id, generation] : first_generation) {
        if (generation > Games()[g].generation) continue;
        std::vector<std::string> line{id};
        for (std::size_t i = 0; i < line.size(); ++i) {
          if (direct[{move, g}].count(line[i])) expected.insert(id);
          for (const std::string& q : pre[line[i]]) line.push_back(q);
        }
      }
      std::set<std::string> named;
      for (const ask::LearnRow& row : ask::WhoLearns(move, g, std::nullopt)) named.insert(row.id);
      EXPECT_EQ(named, expected) << name << " in " << Games()[g].code;
      answers += named.size();
    }
  EXPECT_GT(answers, 50000u);  // the check looked at real answers
}

}  // namespace
