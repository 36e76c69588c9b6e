#pragma once
#include <array>
#include <string>
#include <vector>

#include "calc/compare_values.h"
#include "shell/dex_page.h"
#include "port/toolkit.h"

// Tab 4, "Comparisons": a bar graph setting the current Pokemon against up
// to four others ("None", "Lowest", "Highest" or any Pokemon) in one category.
class DexComparPage : public DexPage {
 public:
  void CreateControls() override;
  void Draw() override;
  void DestroyControls() override;
  int OnCommand(int id, int code, std::intptr_t data) override;

  // Fills a choice box: "None", "Lowest", "Highest", then every Pokemon of
  // the index in id order. An entry's item data is its place in
  // selections_, which holds the selection text ("", kCompareLowest,
  // kCompareHighest or the Pokemon's id).
  void FillCompareList(tk::Window choice_box);
  // Rebuilds the five bars from the choice boxes and the category box.
  void DrawCompareBars();
  // The value lookups of the page's category.
  std::int32_t CompareValue(const std::string& selection) const;
  std::string FindLowest() const;
  std::string FindHighest() const;

 private:
  std::string SelectionOf(tk::Window choice_box) const;
  void DestroyBars();

  std::int32_t category_ = 0;
  // Made again on every Draw, after the page's other controls.
  std::vector<tk::OwnedWindow> bars_;
  std::vector<tk::OwnedBitmap> bar_images_;
  std::vector<std::string> selections_;
};
