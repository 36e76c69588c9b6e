#pragma once
#include <cstdint>

#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 11, "Locations": where the current Pokemon is met in the version
// chosen in the version list (its own generation's versions and later ones).
// The chosen version lives only in the list's selection and carries over to
// the next Pokemon when that one offers it too.
class DexLocsPage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  int OnCommand(int id, int code, std::intptr_t data) override;

  // Rebuilds the encounter list for the selected version.
  void FillLocationList();
};
