// Where the native program works: in a folder holding data it behaves like
// the Windows program there; installed, it reads the data set beside its
// executable and keeps its settings in the user's configuration folder (the
// package check runs the installed program).
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/native_locations.h"
#include "support/temp_workdir.h"

namespace fs = std::filesystem;

namespace {
struct Case {
  const char* name;
  const char* working_folder_file;  // made in the working folder ("" none)
  bool installed_data;
  const char* xdg_config_home;
  const char* home;
  const char* data_folder;  // relative to the temporary folder ("" the working folder)
  const char* settings_file;
};

TEST(NativeLocations, WorkingFolderDataWinsElseTheInstalledSetAndTheConfigFolder) {
  const Case cases[] = {
      {"data/ in the working folder", "work/data/pokemon.xml", true, "/xdg", "/home/u", "", ""},
      {"faunary.dat alone counts", "work/faunary.dat", true, "/xdg", "/home/u", "", ""},
      {"installed", "", true, "/xdg", "/home/u", "usr/share/faunary", "/xdg/faunary/faunary.cfgx"},
      {"relative XDG ignored", "", true, "xdg", "/home/u", "usr/share/faunary", "/home/u/.config/faunary/faunary.cfgx"},
      {"no XDG", "", true, nullptr, "/home/u", "usr/share/faunary", "/home/u/.config/faunary/faunary.cfgx"},
      {"no home at all", "", true, nullptr, nullptr, "usr/share/faunary", ""},
      {"nothing installed", "", false, "/xdg", "/home/u", "", ""},
  };
  for (const Case& c : cases) {
    TempWorkdir dir;
    dir.Write("work/.keep", "");
    dir.Write("usr/bin/faunary", "");
    if (*c.working_folder_file) dir.Write(c.working_folder_file, "");
    if (c.installed_data) dir.Write("usr/share/faunary/faunary.dat", "");
    const NativeLocations got =
        ChooseNativeLocations(dir.path() / "work", dir.path() / "usr/bin/faunary", c.xdg_config_home, c.home);
    EXPECT_EQ(got.data_folder, *c.data_folder ? dir.path() / c.data_folder : fs::path{}) << c.name;
    EXPECT_EQ(got.settings_file, fs::path(c.settings_file)) << c.name;
  }
}

}  // namespace
