#pragma once
#include <vector>

#include "calc/machine_tables.h"
#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tabs 6-10, the machine pages: one cell per TM, HM, CM or tutor move of a
// generation, greyed when the current Pokemon cannot learn it. A cell
// reports double-clicks, which open the details of the move it names.
class DexTMPage : public DexPage {
 public:
  // 1, 2, 3, 4, or kDpTms2Generation for TM51 and up.
  explicit DexTMPage(int generation) : generation_(generation) {}
  void CreateControls() override;
  void Draw() override;
  void DestroyControls() override;
  int OnCommand(int id, int code, std::intptr_t data) override;

 private:
  int generation_;
  // One per control, in the same order.
  std::vector<MachineCell> cells_;
};
