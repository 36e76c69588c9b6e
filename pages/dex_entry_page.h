#pragma once
#include <array>
#include <cstdint>

#include "texts/dex_entry_texts.h"
#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 2, "Pokedex Entries": the dex entry of each of fourteen versions,
// oldest first; versions older than the Pokemon say "Not available".
class DexEntryPage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  int OnCommand(int id, int code, std::intptr_t data) override;
};
