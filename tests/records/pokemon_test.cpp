// Reading one full Pokemon record by selecting it.
#include <gtest/gtest.h>

#include "loaded_data.h"

namespace {

class PokemonTest : public LoadedData {
 protected:
  const DexPokemon& Select(const std::string& id) {
    SelectPokemon(id);
    return CurrentRecord();
  }
};

TEST_F(PokemonTest, ReadsScalarFieldsTextsAndPositions) {
  const DexPokemon& p = Select("1");
  EXPECT_EQ(p.dexno, 1);  // the first of the two id "1" elements
  EXPECT_EQ(p.johtodex, 226);
  EXPECT_EQ(p.name, "Bulbasaur");
  EXPECT_EQ(p.species, "Seed");
  EXPECT_EQ(p.type1, 2);
  EXPECT_EQ(p.type2, 3);
  EXPECT_EQ(p.height.ft, 2);
  EXPECT_EQ(p.height.in, 4);
  EXPECT_EQ(p.weight, 15);
  EXPECT_EQ(p.rbdexentry, "A strangeseed.");  // the parser trims white space at piece ends
  EXPECT_EQ(p.gdexentry, "");
  EXPECT_EQ(p.gender, 2);
  EXPECT_EQ(p.wilditem8, "Miracle Seed");
  EXPECT_EQ(p.rbyspec, 65);
  EXPECT_EQ(p.hp, 45);
  EXPECT_EQ(p.heavyballeffect, 1);
  EXPECT_FALSE(p.fastballeffect);
  EXPECT_EQ(p.expformula, 3);
  EXPECT_EQ(p.breedgroup1, 1);
  EXPECT_EQ(p.breedgroup2, 2);
  EXPECT_EQ(p.hatchsteps, 5120);
  EXPECT_EQ(p.fromgeneration, 1);
  EXPECT_EQ(p.gen3ability1, 1);
  EXPECT_EQ(p.gen3ability2, 0);
  EXPECT_EQ(p.gen4ability2, 0);  // ability names are case-sensitive
  EXPECT_EQ(p.colour, 1);
  EXPECT_EQ(p.habitat, 1);
  EXPECT_EQ(p.mdrecruitrate, -50);
  EXPECT_EQ(p.friendarea, 1);
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(PokemonTest, ReadsListsInDocumentOrderSkippingForeignElements) {
  const DexPokemon& p = Select("1");
  ASSERT_EQ(p.moves.size(), 3u);  // both id-2 moves are kept
  EXPECT_EQ(p.moves[1].id, 2);
  EXPECT_EQ(p.moves[1].ylvl, 7);
  EXPECT_EQ(p.moves[1].dplvl, 9);
  EXPECT_EQ(p.moves[2].dplvl, -1);
  ASSERT_EQ(p.breedmoves.size(), 1u);
  EXPECT_EQ(p.breedmoves[0].methodgen2, "Breed with a male.");
  EXPECT_EQ(p.breedmoves[0].methodgen3, "");
  ASSERT_EQ(p.evolutions.size(), 1u);
  EXPECT_EQ(p.evolutions[0].evoparam, 16);  // a plain number
  EXPECT_EQ(p.evolutions[0].evolvesto, "2");
}

TEST_F(PokemonTest, MachineMarkersSetTheirGenerationsSlots) {
  const DexPokemon& p = Select("1");
  EXPECT_TRUE(p.gen1tm[3]);
  EXPECT_TRUE(p.gen1tm[51]);            // HM01
  EXPECT_EQ(std::count(p.gen1tm.begin(), p.gen1tm.end(), true), 2);  // HM06 is not read
  EXPECT_TRUE(p.gen2tm[57]);            // HM07
  EXPECT_TRUE(p.gen2tm[59]);            // CM02
  EXPECT_EQ(std::count(p.gen2tm.begin(), p.gen2tm.end(), true), 2);  // TM60 is not read
  EXPECT_TRUE(p.gen3tm[58]);            // HM08
  EXPECT_TRUE(p.gen3tm[59]);            // MT01
  EXPECT_TRUE(p.gen3tm[91]);            // MT33
  EXPECT_TRUE(p.gen4tm[96]);
  EXPECT_TRUE(p.gen4tm[97]);            // HM01, not 51
  EXPECT_TRUE(p.gen4tm[104]);
  EXPECT_FALSE(p.gen4tm[51]);
  EXPECT_FALSE(p.gen4tm[0]);
}

TEST_F(PokemonTest, EffortMarkersMakeAMask) { EXPECT_EQ(Select("1").statexpgain, 0x408u); }

TEST_F(PokemonTest, MissingFieldsReadAsZeroAndEmpty) {
  const DexPokemon& p = Select("10");
  EXPECT_EQ(p.weight, 0);  // "0.2"
  EXPECT_EQ(p.type1, 0);   // unknown key
  EXPECT_EQ(p.height.ft, 0);
  EXPECT_EQ(p.statexpgain, 0u);
  EXPECT_TRUE(p.moves.empty());
  EXPECT_EQ(std::count(p.gen3tm.begin(), p.gen3tm.end(), true), 0);
  for (const auto& list : p.locations) EXPECT_TRUE(list.empty());
}

TEST_F(PokemonTest, RecordFromItsOwnFileDecodesParamsByPosition) {
  const DexPokemon& p = Select("2");
  EXPECT_EQ(p.name, "Ivysaur from its own file");  // nothing of pokemon.xml is used
  EXPECT_EQ(p.attack, 0);
  ASSERT_EQ(p.evolutions.size(), 3u);
  EXPECT_EQ(p.evolutions[0].evoparam, 2);  // param ids 5, 7, 9: 9 is the third
  EXPECT_EQ(p.evolutions[1].evoparam, 0);  // 8 is not among them
  EXPECT_EQ(p.evolutions[2].evoparam, 0);  // trading takes no parameter
  EXPECT_EQ(reports.all(), (std::vector<Reported>{{"Invalid evoparam?", "Error", 0}}));
}

TEST_F(PokemonTest, LoadChildWinsOverLoadfile) { EXPECT_EQ(Select("4").type1, 4); }

TEST_F(PokemonTest, StoredRecordStaysWhenReadAgain) {
  Select("1");
  dir.Write("data/pokemon.xml", "<pokedex><pokemon id=\"1\"><name>Changed</name></pokemon></pokedex>");
  EXPECT_EQ(Select("1").name, "Bulbasaur");
}

}  // namespace
