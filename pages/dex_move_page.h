#pragma once
#include <cstdint>

#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 1, "Attacks": the moves the current Pokemon learns by level, one column
// per game version; a double-click shows the move's details.
class DexMovePage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  int OnCommand(int id, int code, std::intptr_t data) override;
};
