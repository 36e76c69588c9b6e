#pragma once
// Where the native desktop program reads its data and keeps its settings.
//
// Started from a folder holding data/ or faunary.dat (the source tree, an
// unpacked folder) it works there, exactly like the Windows program: data and
// faunary.cfgx in the working folder. Installed, with no data in the working
// folder, it reads the read-only data set installed beside the executable
// (<prefix>/share/faunary for <prefix>/bin/faunary) and keeps faunary.cfgx in
// the user's configuration folder ($XDG_CONFIG_HOME/faunary, else
// ~/.config/faunary), which is made when the settings are first saved.
#include <filesystem>

struct NativeLocations {
  std::filesystem::path data_folder;    // empty: the working folder
  std::filesystem::path settings_file;  // empty: faunary.cfgx in the working folder
};

// The decision alone, from the working folder, the executable's full path and
// the two environment variables (null when unset).
NativeLocations ChooseNativeLocations(const std::filesystem::path& working_folder,
                                      const std::filesystem::path& executable, const char* xdg_config_home,
                                      const char* home);

// For the native entry point, before StartFaunary: finds the executable from
// argv[0] (a path, or a name looked up in PATH), and when the installed data
// set is to be used makes its folder the working folder and points the
// settings file at the configuration folder.
void PrepareNativeLocations(const char* argv0);
