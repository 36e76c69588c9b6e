#include "pages/dex_compar_page.h"

#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/control_ids.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

namespace {

constexpr std::uint32_t kChoiceBoxStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr int kNameLabelId = 186;
constexpr int kCategoryBoxId = 191;
// Nothing refers to the bars by id; these stay clear of every forwarded id.
constexpr int kFirstBarId = 192;
// The bar picture: a solid black 10 x 7 bitmap, stretched to each bar.
constexpr int kCompareBarBitmapId = kGenderlessBarBitmapId;
constexpr int kBarX = 125;
constexpr int kBarHeight = 30;

struct ChoiceBox {
  const char* name;
  int y;
  int initial;  // "None" 0, "Lowest" 1, "Highest" 2
};
constexpr std::array<ChoiceBox, 4> kChoiceBoxes{{
    {"crtrcompname1", 15, 1}, {"crtrcompname2", 50, 2}, {"crtrcompname3", 85, 0},
    {"crtrcompname4", 120, 0},
}};

}  // namespace

void DexComparPage::CreateControls() {
  for (std::size_t k = 0; k < choice_boxes_.size(); ++k) {
    const ChoiceBox& c = kChoiceBoxes[k];
    tk::Window box = tk::CreateControl(WC_COMBOBOX, c.name, kChoiceBoxStyle, 15, c.y, 100, 150,
                                       MainWindow(), kCompareComboFirstId + static_cast<int>(k),
                                       AppInstance());
    tk::SetControlFont(box, SharedFont());
    FillCompareList(box);
    tk::ComboSetCurSel(box, c.initial);
    tk::InvalidateControl(box);
    choice_boxes_[k] = box;
  }
  name_label_ = tk::CreateControl(WC_STATIC, CurrentRecord().name, WS_CHILD | WS_VISIBLE, 15, 155,
                                  100, 30, MainWindow(), kNameLabelId, AppInstance());
  tk::SetControlFont(name_label_, SharedFont());
  category_box_ = tk::CreateControl(WC_COMBOBOX, "crtrcompcategory", kChoiceBoxStyle, 15, 190,
                                    100, 150, MainWindow(), kCategoryBoxId, AppInstance());
  tk::SetControlFont(category_box_, SharedFont());
  for (const ListChoice& category : kCompareCategories)
    tk::ComboSetItemData(category_box_, tk::ComboAddString(category_box_, category.text),
                         category.data);
  tk::ComboSetCurSel(category_box_, 0);
  Draw();
}

void DexComparPage::Draw() {
  tk::SetControlText(name_label_, CurrentRecord().name);
  DrawCompareBars();
}

void DexComparPage::DestroyControls() {
  for (tk::Window& box : choice_boxes_) {
    tk::DestroyControl(box);
    box = {};
  }
  tk::DestroyControl(name_label_);
  name_label_ = {};
  tk::DestroyControl(category_box_);
  category_box_ = {};
  DestroyBars();
}

int DexComparPage::OnCommand(int id, int, std::intptr_t) {
  // A change of any of the five boxes arrives as 187.
  if (id == kCompareComboFirstId) DrawCompareBars();
  return 0;
}

void DexComparPage::FillCompareList(tk::Window choice_box) {
  if (selections_.empty()) {
    selections_ = {"", kCompareLowest, kCompareHighest};
    for (const auto& [id, entry] : Index()) selections_.push_back(id);
  }
  tk::ComboSetItemData(choice_box, tk::ComboAddString(choice_box, "None"), 0);
  tk::ComboSetItemData(choice_box, tk::ComboAddString(choice_box, "Lowest"), 1);
  tk::ComboSetItemData(choice_box, tk::ComboAddString(choice_box, "Highest"), 2);
  std::intptr_t place = 3;
  for (const auto& [id, entry] : Index())
    tk::ComboSetItemData(choice_box, tk::ComboAddString(choice_box, PokemonName(id)), place++);
}

std::string DexComparPage::SelectionOf(tk::Window choice_box) const {
  const std::intptr_t place = tk::ComboGetItemData(choice_box, tk::ComboGetCurSel(choice_box));
  // No selection (CB_ERR) reads as "None".
  if (place < 0 || static_cast<std::size_t>(place) >= selections_.size()) return {};
  return selections_[static_cast<std::size_t>(place)];
}

std::int32_t DexComparPage::CompareValue(const std::string& selection) const {
  return ::CompareValue(selection, category_);
}

std::string DexComparPage::FindLowest() const { return ::FindLowest(category_); }

std::string DexComparPage::FindHighest() const { return ::FindHighest(category_); }

void DexComparPage::DrawCompareBars() {
  std::array<std::string, 4> chosen;
  for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = SelectionOf(choice_boxes_[k]);
  category_ = static_cast<std::int32_t>(
      tk::ComboGetItemData(category_box_, tk::ComboGetCurSel(category_box_)));

  std::array<std::int32_t, kCompareBarCount> values{};
  for (std::size_t k = 0; k < chosen.size(); ++k) values[k] = CompareValue(chosen[k]);
  values[4] = CompareValue(CurrentId());
  const auto widths = CompareBarWidths(values);

  DestroyBars();
  for (std::size_t k = 0; k < bars_.size(); ++k) {
    const int row = static_cast<int>(k);
    const std::string name = "crtrbar" + std::to_string(row + 1);
    bars_[k] = tk::CreateControl(WC_STATIC, name, WS_CHILD | WS_VISIBLE | SS_BITMAP, kBarX,
                                 10 + 35 * row, widths[k], kBarHeight, MainWindow(),
                                 kFirstBarId + row, AppInstance());
    bar_images_[k] = tk::LoadBitmapStretched(AppInstance(), kCompareBarBitmapId, widths[k],
                                             kBarHeight);
    tk::SetStaticBitmap(bars_[k], bar_images_[k]);
    tk::InvalidateControl(bars_[k]);
  }
}

void DexComparPage::DestroyBars() {
  for (std::size_t k = 0; k < bars_.size(); ++k) {
    if (bars_[k]) tk::DestroyControl(bars_[k]);
    if (bar_images_[k]) tk::DeleteBitmap(bar_images_[k]);
    bars_[k] = {};
    bar_images_[k] = {};
  }
}
