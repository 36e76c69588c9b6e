#pragma once
#include <vector>

#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 0, "Main": the current Pokemon's facts on one screen of statics, the
// gender bar, and the "&Evolution" button.
class DexMainPage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  void DestroyControls() override;
  int OnCommand(int id, int code, std::intptr_t data) override;

 private:
  void DrawGenderBar(int gender);
  void DestroyGenderBar();
  void AddBar(const char* name, int x, int width, int id, int bitmap_id);

  // Made again on every Draw: one bar, or the male and the female part.
  std::vector<tk::OwnedWindow> bars_;
  std::vector<tk::OwnedBitmap> bar_bitmaps_;
};
