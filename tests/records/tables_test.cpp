// Reference tables: keys become positions, and positions read back as texts.
#include <gtest/gtest.h>

#include "loaded_data.h"

namespace {

using TablesTest = LoadedData;

TEST_F(TablesTest, LoadsEveryTableInFileOrder) {
  const DexTables& t = Data().tables;
  EXPECT_EQ(t.stdtypes.size(), 5u);
  EXPECT_EQ(t.cntstypes.Row(1).text, "Smart");
  EXPECT_EQ(t.attktypes.Row(2).text, "Status");
  EXPECT_EQ(t.movefx.Row(1).text, "Drains half.");
  EXPECT_EQ(t.contestfx.Row(1).key, "FIRST");
  EXPECT_EQ(t.breedgroups.Row(2).text, "Plant");
  EXPECT_EQ(t.abilities.Row(2).text, "Boosts fire moves.");
  EXPECT_EQ(t.colours.Row(2).text, "Red");
  EXPECT_EQ(t.habitats.Row(1).text, "Grassland");
  EXPECT_EQ(t.friendareas.Row(1).text, "Beau Plains");
  ASSERT_EQ(t.locations.size(), 4u);
  EXPECT_EQ(LocationAt(1).text, "Route %s");
  EXPECT_TRUE(LocationAt(1).hasParam);
  EXPECT_FALSE(LocationAt(2).hasParam);  // 0
  EXPECT_TRUE(LocationAt(3).hasParam);   // any other integer
  EXPECT_FALSE(LocationAt(0).hasParam);  // missing
  EXPECT_TRUE(startup_reports.empty());
}

struct KeyCase {
  const char* key;
  int position;
};
void PrintTo(const KeyCase& c, std::ostream* out) { *out << '"' << c.key << '"'; }

class KeyLookup : public LoadedData, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyLookup, FindsTheFirstRowWithTheKeyOrZero) {
  EXPECT_EQ(IndexOfKey(GetParam().key, Data().tables.colours), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Colours, KeyLookup,
                         testing::Values(KeyCase{"RED", 2}, KeyCase{"GRN", 1}, KeyCase{"UNK", 0},
                                         KeyCase{"", 0}, KeyCase{"red", 0}, KeyCase{"PURPLE", 0},
                                         KeyCase{"RED ", 0}));

TEST(KeyedTable, EmptyKeyGivesZeroEvenWhenALaterRowHasAnEmptyKey) {
  KeyedTable table;
  table.Append({"A", "first"});
  table.Append({"", "empty key"});
  table.Append({"A", "duplicate"});
  EXPECT_EQ(table.IndexOf(""), 0);
  EXPECT_EQ(table.IndexOf("A"), 0);
  EXPECT_EQ(table.size(), 3u);  // duplicates stay
  EXPECT_EQ(table.Row(3).text, "");
  EXPECT_EQ(table.Row(-1).key, "");
}

TEST_F(TablesTest, AbilitiesAreLookedUpByName) {
  EXPECT_EQ(IndexOfKey("Blaze", Data().tables.abilities), 2);
  EXPECT_EQ(IndexOfLocation("VF"), 2);
  EXPECT_EQ(IndexOfLocation("Viridian Forest"), 0);
}

struct MethodCase {
  int id;
  const char* name;
  bool usenum;
  bool ignore;
  std::size_t params;
};
void PrintTo(const MethodCase& c, std::ostream* out) { *out << "method " << c.id; }

class EvolutionMethods : public LoadedData, public testing::WithParamInterface<MethodCase> {};

TEST_P(EvolutionMethods, TakeOneOfFourShapes) {
  const MethodCase& c = GetParam();
  const EvoMethod& m = EvolutionMethod(c.id);
  EXPECT_EQ(m.name, c.name);
  EXPECT_EQ(m.usenum, c.usenum);
  EXPECT_EQ(m.ignore, c.ignore);
  EXPECT_EQ(m.params.size(), c.params);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, EvolutionMethods,
    testing::Values(MethodCase{1, "Level", true, false, 0},           // first of two ids wins
                    MethodCase{2, "Stone", false, false, 3},
                    MethodCase{3, "Trade", false, true, 0},           // no evoparam
                    MethodCase{4, "Numbered anyway", true, false, 0}, // usenum 01, params not read
                    MethodCase{5, "Ignored two", false, false, 1},    // only 1 counts
                    MethodCase{6, "Ignored", false, true, 0},
                    MethodCase{7, "Yes", false, false, 0},            // a word is not 1
                    MethodCase{42, "", false, false, 0}));            // unknown id

TEST_F(TablesTest, MethodParamsKeepIdsAndBothTexts) {
  const EvoMethod& stone = EvolutionMethod(2);
  ASSERT_EQ(stone.params.size(), 3u);
  EXPECT_EQ(stone.params[0].id, 5);
  EXPECT_EQ(stone.params[0].text, "Fire Stone");
  EXPECT_EQ(stone.params[0].text2, "fire");
  EXPECT_EQ(stone.params[2].text, "Leaf Stone");
}

TEST(TablesWithoutFiles, StayEmptyAndEveryLookupGivesZero) {
  ReportCapture reports;
  TempWorkdir dir;
  LoadTables();
  EXPECT_EQ(Data().tables.stdtypes.size(), 0u);
  EXPECT_EQ(IndexOfKey("NRM", Data().tables.stdtypes), 0);
  EXPECT_EQ(Data().tables.stdtypes.Row(0).text, "");
  EXPECT_EQ(LocationAt(0).text, "");
  EXPECT_TRUE(reports.all().empty());
}

}  // namespace
