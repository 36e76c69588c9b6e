// The Pokemon index and the selection.
#include <gtest/gtest.h>

#include "loaded_data.h"

namespace {

using IndexTest = LoadedData;

TEST_F(IndexTest, IteratesIdsInByteOrderKeepingTheFirstOfDuplicates) {
  std::vector<std::string> ids;
  for (const auto& [id, entry] : Index()) ids.push_back(id);
  EXPECT_EQ(ids, (std::vector<std::string>{"1", "10", "2", "4", "5"}));
  EXPECT_EQ(Index().at("1").name, "Bulbasaur");
  EXPECT_TRUE(startup_reports.empty());
}

TEST_F(IndexTest, EntryHoldsTheShortForm) {
  const IndexEntry& e = IndexEntryOf("2");
  EXPECT_EQ(e.name, "Ivysaur");
  EXPECT_EQ(e.attack, 62);
  EXPECT_EQ(e.breedgroup1, 1);
  EXPECT_EQ(e.firstgeneration, 1);
  EXPECT_EQ(e.filename, "ivysaur.xml");
  EXPECT_EQ(IndexEntryOf("4").filename, "charmander.xml");  // load before loadfile
  EXPECT_EQ(IndexEntryOf("1").evolutions.at(0).evoparam, 16);
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(IndexTest, UnknownIdsAreReportedOnlyWhenAnEntryIsRequested) {
  EXPECT_EQ(PokemonName("3"), "");
  EXPECT_TRUE(reports.all().empty());
  EXPECT_EQ(IndexEntryOf("3").name, "");
  EXPECT_EQ(IndexEntryOf("3").dexno, 0);
  EXPECT_FALSE(IsPokemon("3"));
  EXPECT_EQ(reports.texts(),
            (std::vector<std::string>{"Request for invalid Pokemon", "Request for invalid Pokemon"}));
}

TEST_F(IndexTest, SelectionKeepsThePreviousRecordWhenTheNewOneCannotBeRead) {
  EXPECT_EQ(SelectPokemon("1").name, "Bulbasaur");
  const DexPokemon shown = SelectPokemon("5");  // its file is missing
  EXPECT_EQ(shown.name, "Bulbasaur");
  EXPECT_EQ(CurrentId(), "5");
  EXPECT_EQ(CurrentRecord().name, "Bulbasaur");
  EXPECT_EQ(reports.all(), (std::vector<Reported>{{"Could not load reader data file!", "Oops", 0},
                                                  {"Invalid Pokemon selected", "No", 0}}));
}

TEST_F(IndexTest, IdOutsideTheIndexIsStillReadFromPokemonXml) {
  dir.Write("data/pokemon.xml",
            "<pokedex><pokemon id=\"1\"><name>A</name></pokemon><pokemon id=\"77\"><name>Hidden</name></pokemon></pokedex>");
  EXPECT_EQ(SelectPokemon("77").name, "Hidden");
  EXPECT_EQ(SelectPokemon("78").name, "Hidden");
  EXPECT_EQ(reports.texts(), (std::vector<std::string>{"Request for invalid Pokemon",
                                                       "Request for invalid Pokemon",
                                                       "Invalid Pokemon selected"}));
}

TEST(IndexWithoutData, StartsEmptyAndSelectsNothing) {
  ReportCapture reports;
  TempWorkdir dir;
  LoadTables();
  LoadIndex();
  LoadMoves();
  EXPECT_TRUE(Index().empty());
  EXPECT_EQ(SelectPokemon("1").name, "");
  EXPECT_EQ(CurrentId(), "1");
  EXPECT_EQ(reports.texts(),
            (std::vector<std::string>{"Request for invalid Pokemon", "Invalid Pokemon selected"}));
}

TEST(IndexFromArchiveOnly, GivesTheSameRecordsAsTheFiles) {
  ReportCapture reports;
  TempWorkdir dir{"records-basic"};
  std::string archive;
  for (const char* f : {"types.xml", "movefx.xml", "contestfx.xml", "evolution.xml", "breedgroup.xml",
                        "abilities.xml", "colours.xml", "habitats.xml", "friendarea.xml", "location.xml",
                        "pokemon.xml", "moves.xml", "ivysaur.xml", "charmander.xml"})
    archive += ArchiveRecord(std::string("data/") + f, dir.Read(std::string("data/") + f)) + "\r\n";
  dir.Remove("data");
  dir.Write("faunary.dat", archive);
  LoadTables();
  LoadIndex();
  LoadMoves();
  EXPECT_EQ(Index().size(), 5u);
  EXPECT_EQ(Move(1).name, "Tackle");
  EXPECT_EQ(SelectPokemon("1").statexpgain, 0x408u);
  EXPECT_EQ(CurrentRecord().locations[0].at(0).location, 1);
  EXPECT_EQ(SelectPokemon("2").name, "Ivysaur from its own file");
  EXPECT_EQ(reports.texts(), (std::vector<std::string>{"Invalid evoparam?"}));
}

}  // namespace
