// The Breeding page on the committed data set, as a user sees it, against the games' own
// species table (Platinum's, read from the shared game data at run time).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "dataset/game_data.h"
#include "pages/page_view.h"
#include "records/pokemon_index.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPartners = 152;
constexpr int kEggMoves = kBreedMoveListId;
constexpr int kGeneration = kBreedModeComboId;

struct Species {
  std::string ratio;  // GENDER_RATIO_...
  std::set<std::string> groups;
  std::set<std::string> egg_moves;  // keys of the names the game spells
  bool Is(const char* group) const { return groups.count(group) != 0; }
  bool Genderless() const { return ratio == "GENDER_RATIO_NO_GENDER"; }
  bool CanBeMale() const { return !Genderless() && ratio != "GENDER_RATIO_FEMALE_ONLY"; }
  bool CanBeFemale() const { return !Genderless() && ratio != "GENDER_RATIO_MALE_ONLY"; }
};

// Platinum's species files, by national number, with the egg moves by name.
std::map<int, Species> Platinum(const fs::path& root) {
  std::map<std::string, std::string> move_names;
  const std::string moves = ReadAll(root / "gen4-platinum-moves.json");
  const std::regex move(R"re("(MOVE_\w+)":\s*\{[^}]*?"name":\s*"([^"]*)")re");
  for (std::sregex_iterator m(moves.begin(), moves.end(), move), end; m != end; ++m)
    move_names[(*m)[1]] = NameKey((*m)[2]);
  std::map<int, Species> species;
  const std::regex ratio(R"re("gender_ratio":\s*"(\w+)")re"), list(R"re("(egg_groups|egg_moves)":\s*\[([^\]]*)\])re"),
      word(R"re("(\w+)")re");
  for (int dex = 1; dex <= 493; ++dex) {
    const std::string text = ReadAll(root / "gen4-platinum" / (std::to_string(dex) + ".json"));
    Species& s = species[dex];
    std::smatch found;
    if (std::regex_search(text, found, ratio)) s.ratio = found[1];
    for (std::sregex_iterator l(text.begin(), text.end(), list), end; l != end; ++l) {
      const std::string items = (*l)[2];
      for (std::sregex_iterator w(items.begin(), items.end(), word); w != end; ++w) {
        if ((*l)[1] == "egg_groups")
          s.groups.insert((*w)[1]);
        else
          s.egg_moves.insert(move_names[(*w)[1]]);
      }
    }
  }
  return species;
}

// The day-care's compatibility routine (Platinum's daycare.c): no Undiscovered parent, not
// two Ditto, Ditto with anyone, else a male and a female sharing an egg group.
bool GamesBreed(const Species& a, const Species& b) {
  if (a.Is("EGG_GROUP_UNDISCOVERED") || b.Is("EGG_GROUP_UNDISCOVERED")) return false;
  if (a.Is("EGG_GROUP_DITTO") && b.Is("EGG_GROUP_DITTO")) return false;
  if (a.Is("EGG_GROUP_DITTO") || b.Is("EGG_GROUP_DITTO")) return true;
  if (!((a.CanBeMale() && b.CanBeFemale()) || (a.CanBeFemale() && b.CanBeMale()))) return false;
  return std::any_of(a.groups.begin(), a.groups.end(), [&](const std::string& g) { return b.Is(g.c_str()); });
}

// The generation a national number belongs to.
int GenerationOf(int dex) { return dex <= 151 ? 1 : dex <= 251 ? 2 : dex <= 386 ? 3 : 4; }

std::set<std::string> Split(const std::string& list) {
  std::set<std::string> names;
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t comma = list.find(", ", at);
    names.insert(list.substr(at, comma - at));
    at = comma == std::string::npos ? list.size() : comma + 2;
  }
  return names;
}

class CommittedBreeding : public testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_directory(GameData() / "pret" / "gen4-platinum")) GTEST_SKIP() << "no game data at " << GameData();
    fs::copy_file(fs::path(FAUNARY_REPO_DIR) / "faunary.dat", "faunary.dat");
    games_ = Platinum(GameData() / "pret");
    OpenPage(app_, "Breeding");
    for (const auto& [id, entry] : Index()) dex_of_[entry.name] = entry.dexno;
  }

  FaunaryFixture app_{""};
  std::map<int, Species> games_;
  std::map<std::string, int> dex_of_;
};

// Every Pokemon in every generation it offers lists exactly the partners the games accept.
TEST_F(CommittedBreeding, PartnersAreThoseTheDayCareAccepts) {
  int pairs = 0;
  for (const auto& [name, dex] : dex_of_) {
    const Species& self = games_[dex];
    app_.PickPokemon(name);
    for (const std::string& generation : EntryTexts(kGeneration)) {
      app_.PickEntry(kGeneration, generation);
      const int mode_generation = generation.back() - '0';
      const std::string text = memtk::TextOf(kPartners);
      if (self.Is("EGG_GROUP_UNDISCOVERED")) {
        EXPECT_EQ(text, "") << name;
      } else if (self.Is("EGG_GROUP_DITTO")) {
        EXPECT_EQ(text, "Ditto breeds with: every Pokemon that can breed, except Ditto");
      } else {
        std::set<std::string> expected;
        for (const auto& [other, other_dex] : dex_of_)
          if (GenerationOf(other_dex) <= mode_generation && GamesBreed(self, games_[other_dex])) expected.insert(other);
        const std::string lead = name + " breeds with: ";
        ASSERT_TRUE(text.starts_with(lead)) << text;
        EXPECT_EQ(Split(text.substr(lead.size())), expected) << name << " in " << generation;
        pairs += static_cast<int>(expected.size());
      }
    }
  }
  EXPECT_GT(pairs, 50000);
}

// The babies cannot breed, yet their page lists the egg moves they hatch with.
TEST_F(CommittedBreeding, BabiesShowTheEggMovesTheyHatchWith) {
  int babies = 0;
  for (const auto& [name, dex] : dex_of_) {
    const Species& self = games_[dex];
    if (!self.Is("EGG_GROUP_UNDISCOVERED") || self.egg_moves.empty()) continue;
    ++babies;
    app_.PickPokemon(name);
    app_.PickEntry(kGeneration, "Generation 4");
    std::set<std::string> shown;
    for (const auto& row : RowTexts(kEggMoves)) shown.insert(NameKey(row.front()));
    std::set<std::string> expected = self.egg_moves;
    if (name == "Pichu") expected.insert("volttackle");  // a parent holding a Light Ball
    EXPECT_EQ(shown, expected) << name;
  }
  EXPECT_EQ(babies, 17);
}

}  // namespace
