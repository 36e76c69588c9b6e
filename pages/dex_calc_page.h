#pragma once
#include <array>

#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 5, "Calculations": five buttons, each opening one calculator dialog
// for the current Pokemon. The page shows no data of its own.
class DexCalcPage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  int OnCommand(int id, int code, std::intptr_t data) override;
};
