// Saving at exit replaces the settings file atomically, but never a file the
// user made read-only, and never a symbolic link by a plain file.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/faunary_fixture.h"

namespace {

namespace fs = std::filesystem;

// A file in another layout than the program's, so a rewrite would show.
const std::string kHandWritten = "<options><crtronload>1</crtronload><crtrloadpick>4</crtrloadpick></options>";

TEST(SettingsFileRights, AReadOnlyFileIsLeftAlone) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(kHandWritten);
  const fs::path file = app.Dir().path() / "faunary.cfgx";
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(app.Start());
  app.PickPokemon("Treecko");
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), kHandWritten);
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(app.Dir().Exists("faunary.cfgx.tmp"));
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(SettingsFileRights, ALinkIsFollowedAndStaysALink) {
  FaunaryFixture app{"shell"};
  app.Dir().Write("kept/settings.xml", kHandWritten);
  const fs::path link = app.Dir().path() / "faunary.cfgx";
  fs::create_symlink("kept/settings.xml", link);
  ASSERT_TRUE(app.Start());
  app.PickPokemon("Treecko");
  app.Close();
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(app.Dir().Read("kept/settings.xml"), FaunaryFixture::ConfigXml(1, "252", 0, 0, 0));
}

}  // namespace
