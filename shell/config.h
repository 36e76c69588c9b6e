#pragma once
#include <cstdint>
#include <string>

#include "port/toolkit.h"

// The five settings kept in "faunary.cfgx".
struct DexSettings {
  int crtronload = 2;               // 1: last used Pokemon; else the fixed one
  std::string crtrloadpick = "1";   // the fixed start Pokemon's id
  int pageonload = 2;               // 1: last used page; else the fixed one
  int pageloadpick = 0;             // tab index; other values name no page
  bool autoupdate = false;
};
DexSettings& Settings();
void ResetSettings();

inline constexpr const char* kConfigFileName = "faunary.cfgx";
// The settings file: kConfigFileName in the working directory, unless the
// native program's entry point keeps it elsewhere. ResetSettings restores it.
const std::string& ConfigFilePath();
void SetConfigFilePath(std::string path);

// Reads the settings (or shows the first-run message and takes the defaults)
// and starts the update check when asked to.
void LoadConfig();
// Completes the "last used" choices and rewrites the file.
void SaveConfig();

std::intptr_t OptionsDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                             std::intptr_t lparam);
