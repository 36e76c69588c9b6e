#pragma once
#include <cstdint>

#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 3, "Breeding": the current Pokemon's breeding groups, every Pokemon it
// can breed with, and its egg moves, for the generation chosen in the combo
// box. The choice lives only in the combo box: it carries over to the next
// Pokemon while the page stays open.
class DexBreedPage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  int OnCommand(int id, int code, std::intptr_t data) override;
};
