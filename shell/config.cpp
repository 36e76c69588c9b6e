#include "shell/config.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "records/pokemon_index.h"
#include "records/selection.h"
#include "records/xml_reader.h"
#include "shell/config_writer.h"
#include "shell/page_framework.h"
#include "shell/shell_state.h"
#include "shell/update_check.h"
#include "port/win_constants.h"

namespace {
constexpr const char* kFirstRunText =
    "We have detected that this is the first time you are running this program\n"
    "This message should only be shown to you only once.\n"
    "Faunary is written and kept up by the Faunary developers."
    " For more information, please check the readme.txt file that should have been included with your Faunary "
    "distribution.\n";

const std::string kFallbackPokemon = "1";

unsigned AsUnsigned(int value) { return static_cast<unsigned>(value); }  // -1 is written as 4294967295
}  // namespace

DexSettings& Settings() {
  static DexSettings settings;
  return settings;
}

namespace {
std::string& MutableConfigFilePath() {
  static std::string path = kConfigFileName;
  return path;
}
}  // namespace

const std::string& ConfigFilePath() { return MutableConfigFilePath(); }
void SetConfigFilePath(std::string path) { MutableConfigFilePath() = std::move(path); }

void ResetSettings() {
  Settings() = DexSettings{};
  SetConfigFilePath(kConfigFileName);
}

void LoadConfig() {
  DexSettings& settings = Settings();
  XmlReader reader;
  if (!reader.LoadDataFile(ConfigFilePath(), true)) {
    // The main window does not exist yet: the message has no owner.
    tk::ShowMessageBox({}, kFirstRunText, "Faunary", MB_OK);
    settings = DexSettings{};
    return;
  }
  settings.crtronload = reader.ChildInt("crtronload");
  settings.crtrloadpick = reader.ChildText("crtrloadpick");
  if (!IsPokemon(settings.crtrloadpick)) settings.crtrloadpick = kFallbackPokemon;
  settings.pageonload = reader.ChildInt("pageonload");
  settings.pageloadpick = reader.ChildInt("pageloadpick");
  settings.autoupdate = reader.ChildInt("autoupdate") != 0;
  if (settings.autoupdate && !tk::StartDetachedThread(CheckForUpdate))
    tk::ShowMessageBox(MainWindow(), "Unable to start new thread for update check. Automatic update skipped.",
                       "Thread error", MB_OK | MB_ICONWARNING);
}

void SaveConfig() {
  DexSettings& settings = Settings();
  if (settings.crtronload == 1) settings.crtrloadpick = CurrentId();
  if (settings.pageonload == 1) settings.pageloadpick = CurrentPageIndex();

  // A settings file kept in a folder of its own (the native program's
  // configuration folder) makes that folder the first time it is saved.
  const std::filesystem::path folder = std::filesystem::path(ConfigFilePath()).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);

  ConfigWriter writer;
  writer.Open(ConfigFilePath());
  writer.BeginElement("options");
  writer.Attribute("version", 4);
  writer.IntElement("crtronload", AsUnsigned(settings.crtronload));
  writer.TextElement("crtrloadpick", settings.crtrloadpick);
  writer.IntElement("pageonload", AsUnsigned(settings.pageonload));
  writer.IntElement("pageloadpick", AsUnsigned(settings.pageloadpick));
  writer.IntElement("autoupdate", settings.autoupdate ? 1 : 0);
  writer.EndElement();
  writer.Close();  // a failed write is not reported; the old file stays intact
}
