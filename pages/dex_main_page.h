#pragma once
#include <string>

#include "shell/dex_page.h"
#include "shell/toolkit.h"

// Tab 0, "Main": the current Pokemon's facts on one screen of statics, the
// gender bar, and the "&Evolution" button.
class DexMainPage : public DexPage {
 public:
  ~DexMainPage() override;
  void CreateControls() override;
  void Draw() override;
  void DestroyControls() override;
  int OnCommand(int id, int code, std::intptr_t data) override;

 private:
  void DrawGenderBar(int gender);
  void DestroyGenderBar();

  tk::Window dexno_, name_, species_, type_, height_, weight_, gsc_wild_item_, trade_item_,
      rs_wild_item_, frlg_wild_item_, dp_wild_item_, hp_, attack_, defense_, speed_, spec_attack_,
      spec_defense_, rby_special_, gsc_shiny_, rse_shiny_, dpp_shiny_, stat_exp_, colour_,
      habitat_, friend_area_, gen3_abilities_, gen4_abilities_, gender_, first_bar_, second_bar_;
  tk::Bitmap first_bar_bitmap_, second_bar_bitmap_;
  tk::Window evolution_button_, gender_difference_, recruit_rate_, body_size_, yellow_trade_item_;
};

// The gender ratio line of a gender code (sixteenths male, 17 genderless).
std::string GenderRatioText(int gender);
