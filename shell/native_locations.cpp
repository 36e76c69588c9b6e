#include "shell/native_locations.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "records/archive.h"
#include "shell/config.h"

namespace fs = std::filesystem;

namespace {
#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

bool HoldsDataSet(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder / "data", error) || fs::is_regular_file(folder / kArchiveFileName, error);
}

// Relative values are to be ignored, as the base directory convention says.
fs::path ConfigFolder(const char* xdg_config_home, const char* home) {
  if (xdg_config_home && fs::path(xdg_config_home).is_absolute()) return fs::path(xdg_config_home);
  if (home && fs::path(home).is_absolute()) return fs::path(home) / ".config";
  return {};
}

fs::path ExecutableFromArgv0(const char* argv0) {
  if (!argv0 || !*argv0) return {};
  const fs::path named(argv0);
  std::error_code error;
  if (named.has_parent_path()) {
    fs::path found = fs::canonical(named, error);
    return error ? fs::path{} : found;
  }
  const char* search = std::getenv("PATH");
  std::string_view folders = search ? search : "";
  while (true) {
    const std::size_t end = folders.find(kPathListSeparator);
    const fs::path candidate = fs::path(folders.substr(0, end)) / named;
    if (!candidate.parent_path().empty() && fs::is_regular_file(candidate, error)) {
      fs::path found = fs::canonical(candidate, error);
      if (!error) return found;
    }
    if (end == std::string_view::npos) return {};
    folders.remove_prefix(end + 1);
  }
}
}  // namespace

NativeLocations ChooseNativeLocations(const fs::path& working_folder, const fs::path& executable,
                                      const char* xdg_config_home, const char* home) {
  if (HoldsDataSet(working_folder) || executable.empty()) return {};
  const fs::path installed = executable.parent_path().parent_path() / "share" / "faunary";
  if (!HoldsDataSet(installed)) return {};
  NativeLocations locations{installed, {}};
  const fs::path config = ConfigFolder(xdg_config_home, home);
  if (!config.empty()) locations.settings_file = config / "faunary" / kConfigFileName;
  return locations;
}

void PrepareNativeLocations(const char* argv0) {
  std::error_code error;
  const fs::path working_folder = fs::current_path(error);
  if (error) return;
  const NativeLocations locations = ChooseNativeLocations(working_folder, ExecutableFromArgv0(argv0),
                                                          std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (locations.data_folder.empty()) return;
  // The program reads every data file relative to the working folder.
  fs::current_path(locations.data_folder, error);
  if (error) return;
  if (!locations.settings_file.empty()) SetConfigFilePath(locations.settings_file.string());
}
