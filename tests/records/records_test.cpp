// The data layer loaded in start-up order from the records-basic data set:
// tables, index, moves, and records chosen as the Pokemon list chooses them.
#include <gtest/gtest.h>

#include "records/dex_data.h"
#include "records/selection.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

class Records : public testing::Test {
 protected:
  void SetUp() override {
    LoadTables();
    LoadIndex();
    LoadMoves();
    EXPECT_TRUE(reports.all().empty());
  }
  const DexPokemon& Select(const std::string& id) {
    SelectPokemon(id);
    return CurrentRecord();
  }
  ReportCapture reports;
  TempWorkdir dir{"records-basic"};
};

TEST_F(Records, EveryFieldOfARecordComesFromItsOwnElement) {
  const DexPokemon& p = Select("1");  // the first of the two "1" elements
  EXPECT_EQ((std::vector<int>{p.dexno, p.johtodex, p.type1, p.type2, p.height.ft, p.height.in, p.weight, p.gender,
                              p.attack, p.defense, p.specattk, p.specdef, p.speed, p.hp, p.rbyspec, p.catchrate,
                              p.heavyballeffect, p.baseexperience, p.expformula, p.breedgroup1, p.breedgroup2,
                              p.hatchsteps, p.fromgeneration, p.gen3ability1, p.gen4ability2, p.colour, p.habitat,
                              p.mdbodysize, p.mdrecruitrate, p.friendarea}),
            (std::vector<int>{1, 226, 2, 3, 2, 4, 15, 2, 49, 49, 65, 65, 45, 45, 65, 45, 1, 64, 3, 1, 2, 5120, 1, 1,
                              0, 1, 1, 1, -50, 1}));
  EXPECT_EQ(p.name + "|" + p.species + "|" + p.rbdexentry + "|" + p.wilditem8, "Bulbasaur|Seed|A strangeseed.|Miracle Seed");
  EXPECT_EQ(p.statexpgain, 0x408u);
  ASSERT_EQ(p.moves.size(), 3u);  // the note between them is skipped, both id-2 moves kept
  EXPECT_EQ(std::make_tuple(p.moves[1].id, p.moves[1].ylvl, p.moves[1].dplvl, p.moves[2].dplvl),
            std::make_tuple(2, 7, 9, -1));
  ASSERT_EQ(p.breedmoves.size(), 1u);
  EXPECT_EQ(p.breedmoves[0].methodgen2 + "|" + p.breedmoves[0].methodgen3, "Breed with a male.|");
  ASSERT_EQ(p.evolutions.size(), 1u);
  EXPECT_EQ(p.evolutions[0].evoparam, 16);
  // Machine markers: HM01 of generation 4 is slot 97, not 51; HM06 and TM60 name no slot of their grid.
  const auto slots = [](const auto& flags) {
    std::vector<int> set;
    for (std::size_t i = 0; i < flags.size(); ++i) if (flags[i]) set.push_back(static_cast<int>(i));
    return set;
  };
  EXPECT_EQ(slots(p.gen1tm), (std::vector<int>{3, 51}));
  EXPECT_EQ(slots(p.gen2tm), (std::vector<int>{57, 59}));
  EXPECT_EQ(slots(p.gen3tm), (std::vector<int>{58, 59, 91}));
  EXPECT_EQ(slots(p.gen4tm), (std::vector<int>{96, 97, 104}));
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(Records, IndexAndSelection) {
  std::vector<std::string> ids;
  for (const auto& [id, entry] : Index()) ids.push_back(id + ":" + entry.name);
  // National order, as a player counts.
  EXPECT_EQ(ids, (std::vector<std::string>{"1:Bulbasaur", "2:Ivysaur", "4:Charmander", "5:Charmeleon", "10:Caterpie"}));
  EXPECT_EQ(IndexEntryOf("2").attack, 62);
  EXPECT_EQ(IndexEntryOf("4").filename, "charmander.xml");  // load before loadfile
  EXPECT_EQ(Select("4").type1, 4);
  // A record in its own file: nothing of pokemon.xml is used; parameters are decoded by position.
  const DexPokemon& ivysaur = Select("2");
  EXPECT_EQ(ivysaur.name, "Ivysaur from its own file");
  ASSERT_EQ(ivysaur.evolutions.size(), 3u);
  EXPECT_EQ(std::make_tuple(ivysaur.evolutions[0].evoparam, ivysaur.evolutions[1].evoparam, ivysaur.evolutions[2].evoparam),
            std::make_tuple(2, 0, 0));
  EXPECT_EQ(Select("10").weight, 0);  // "0.2"
  EXPECT_EQ(reports.texts(), std::vector<std::string>{"Invalid evoparam?"});
  reports.clear();
  // A record that cannot be read leaves the previous one showing.
  EXPECT_EQ(Select("5").name, "Caterpie");
  EXPECT_EQ(CurrentId(), "5");
  EXPECT_EQ(PokemonName("3"), "");
  EXPECT_FALSE(IsPokemon("3"));
  EXPECT_EQ(IndexEntryOf("3").dexno, 0);
  EXPECT_EQ(reports.all(), (std::vector<Reported>{{"Could not load reader data file!", "Oops", 0},
                                                  {"Invalid Pokemon selected", "No", 0},
                                                  {"Request for invalid Pokemon", "Error", 0}}));
  // Records are read once: a later change of the file is not seen.
  Select("1");
  dir.Write("data/pokemon.xml", "<pokedex><pokemon id=\"1\"><name>Changed</name></pokemon></pokedex>");
  EXPECT_EQ(Select("1").name, "Bulbasaur");
}

}  // namespace
