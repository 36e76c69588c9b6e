// The settings file: what is read, what is written, and that a failed write
// never damages the file already there.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/config.h"
#include "shell/config_writer.h"
#include "shell/page_framework.h"
#include "support/faunary_fixture.h"

namespace {
const std::string kFirstRunFile =
    "<?xml version=\"1.0\" ?>\n"
    "<options version=\"4\">\n"
    "    <crtronload>2</crtronload>\n"
    "    <crtrloadpick>1</crtrloadpick>\n"
    "    <pageonload>2</pageonload>\n"
    "    <pageloadpick>0</pageloadpick>\n"
    "    <autoupdate>0</autoupdate>\n"
    "</options>\n";

TEST(SettingsFile, AFirstRunWritesTheDefaultsInEightLines) {
  FaunaryFixture app{"shell"};
  ASSERT_TRUE(app.Start());
  app.PickPokemon("Eevee");
  app.SelectTab("Breeding");
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), kFirstRunFile);
  EXPECT_FALSE(app.Dir().Exists("faunary.cfgx.tmp"));
}

TEST(SettingsFile, LastUsedChoicesSaveWhatWasShowingAtExit) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(1, "1", 1, 0, 0));
  ASSERT_TRUE(app.Start());
  app.PickPokemon("Treecko");
  app.SelectTab("Locations");
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(1, "252", 1, 11, 0));
}

TEST(SettingsFile, FixedChoicesIgnoreWhatWasShowing) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "133", 2, 3, 1));
  ASSERT_TRUE(app.Start());
  app.PickPokemon("Treecko");
  app.SelectTab("Main");
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(2, "133", 2, 3, 1));
}

TEST(SettingsFile, AnUnselectedStartPageIsSavedAgainWhenNoTabWasClicked) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 1, 12, 0));
  ASSERT_TRUE(app.Start());
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(2, "1", 1, 12, 0));
}

TEST(SettingsFile, MinusOneIsWrittenUnsignedAndReadBack) {
  {
    FaunaryFixture app{"shell"};
    app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 12, 0));
    ASSERT_TRUE(app.Start());
    app.OnNextDialog([](memtk::Dialog& d) {
      EXPECT_EQ(d.Selection(307), -1);
      d.Click(IDOK);
    });
    app.Click(kOptionsButtonId);
    EXPECT_EQ(Settings().pageloadpick, -1);
    app.Close();
    EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(2, "1", 2, 4294967295LL, 0));
    // The next run reads it as -1: no page and no tab.
    const std::string saved = app.Dir().Read("faunary.cfgx");
    FaunaryFixture next{"shell"};
    next.WriteConfig(saved);
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(Settings().pageloadpick, -1);
    EXPECT_EQ(next.SelectedTab(), -1);
    EXPECT_FALSE(Pages().current);
  }
}

struct ReadCase {
  const char* name;
  std::string file;
  DexSettings expected;
  bool first_run;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class Reading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Reading, TakesEachSettingFromItsElement) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(GetParam().file);
  ASSERT_TRUE(app.Start());
  const DexSettings& s = Settings();
  const DexSettings& e = GetParam().expected;
  EXPECT_EQ(s.crtronload, e.crtronload);
  EXPECT_EQ(s.crtrloadpick, e.crtrloadpick);
  EXPECT_EQ(s.pageonload, e.pageonload);
  EXPECT_EQ(s.pageloadpick, e.pageloadpick);
  EXPECT_EQ(s.autoupdate, e.autoupdate);
  EXPECT_EQ(app.MessageBoxes().size(), GetParam().first_run ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, Reading,
    ::testing::Values(
        ReadCase{"plain", FaunaryFixture::ConfigXml(1, "81", 1, 7, 0), {1, "81", 1, 7, false}, false},
        ReadCase{"missing_elements", "<options version=\"4\"><pageonload>1</pageonload></options>",
                 {0, "1", 1, 0, false}, false},
        ReadCase{"not_numbers",
                 "<o><crtronload>last</crtronload><crtrloadpick>3</crtrloadpick><pageonload>x</pageonload>"
                 "<pageloadpick>4x</pageloadpick><autoupdate>no</autoupdate></o>",
                 {0, "3", 0, 4, false}, false},
        ReadCase{"unknown_pokemon", FaunaryFixture::ConfigXml(2, "9999", 2, 0, 0), {2, "1", 2, 0, false}, false},
        ReadCase{"root_and_version_not_looked_at",
                 "<?xml version=\"1.0\" ?><settings version=\"99\"><crtrloadpick>133</crtrloadpick>"
                 "<crtrloadpick>2</crtrloadpick></settings>",
                 {0, "133", 0, 0, false}, false},
        ReadCase{"unsigned_page", FaunaryFixture::ConfigXml(2, "1", 2, 4294967295LL, 0), {2, "1", 2, -1, false},
                 false},
        ReadCase{"not_well_formed", "<options><crtronload>1</options", {2, "1", 2, 0, false}, true},
        ReadCase{"empty_file", "", {2, "1", 2, 0, false}, true}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST(SettingsFile, ComesFromTheArchiveWhenTheFileIsMissing) {
  FaunaryFixture app{"shell"};
  app.Dir().Write("faunary.dat", ArchiveRecord("faunary.cfgx", FaunaryFixture::ConfigXml(2, "29", 2, 0, 0)));
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(app.MessageBoxes().empty());
  EXPECT_EQ(app.SelectedPokemonName(), "Nidoran F");
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileWholeAndSaysNothing) {
  FaunaryFixture app{"shell"};
  const std::string old_file = FaunaryFixture::ConfigXml(1, "133", 2, 0, 0);
  app.WriteConfig(old_file);
  ASSERT_TRUE(app.Start());
  // A directory where the temporary file would go makes the write fail.
  std::filesystem::create_directory(app.Dir().path() / "faunary.cfgx.tmp");
  app.PickPokemon("Treecko");
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), old_file);
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(SettingsFile, ReplacesTheOldFileWhole) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(1, "133", 2, 0, 0) + std::string(4096, ' ') + "<!-- old tail -->\n");
  ASSERT_TRUE(app.Start());
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(1, "133", 2, 0, 0));
}

TEST(ConfigWriterTest, NestsElementsAndClosesWhatIsStillOpen) {
  TempWorkdir dir;
  ConfigWriter writer;
  writer.Open("out.xml");
  writer.BeginElement("a");
  writer.Attribute("n", -2);
  writer.BeginElement("b");
  writer.IntElement("c", 4294967295u);
  writer.EndElement();
  writer.TextElement("d", "x<y");
  writer.BeginElement("e");
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ(dir.Read("out.xml"),
            "<?xml version=\"1.0\" ?>\n<a n=\"-2\">\n    <b>\n        <c>4294967295</c>\n    </b>\n"
            "    <d>x&lt;y</d>\n    <e />\n</a>\n");
}
}  // namespace
