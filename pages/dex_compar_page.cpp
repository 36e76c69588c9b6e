#include "pages/dex_compar_page.h"

#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/control_ids.h"
#include "shell/page_controls.h"
#include "shell/shell_state.h"
#include "texts/compare_texts.h"
#include "port/win_constants.h"

namespace {

constexpr std::uint32_t kChoiceBoxStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr int kNameLabelId = 186;
constexpr int kCategoryBoxId = 191;
// The page's controls: the four choice boxes, then these two.
constexpr std::size_t kNameLabel = 4;
constexpr std::size_t kCategoryBox = 5;
// Nothing refers to the bars by id; these stay clear of every forwarded id.
constexpr int kFirstBarId = 192;
// The bar picture: a solid black 10 x 7 bitmap, stretched to each bar.
constexpr int kCompareBarBitmapId = kGenderlessBarBitmapId;
constexpr int kBarX = 125;
constexpr int kBarHeight = 30;
// Each bar's value (and the Pokemon behind "Lowest"/"Highest") right of the longest bar.
constexpr int kLabelX = kBarX + kCompareBarLength + 5;
constexpr int kLabelWidth = 90;

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
  int id = kCompareComboFirstId;
  for (const ChoiceBox& c : kChoiceBoxes) {
    const tk::Window box =
        controls_.emplace_back(MakeControl({WC_COMBOBOX, c.name, kChoiceBoxStyle, 15, c.y, 100, 150, id++}));
    FillCompareList(box);
    tk::ComboSetCurSel(box, c.initial);
    tk::InvalidateControl(box);
  }
  controls_.push_back(
      MakeControl({WC_STATIC, CurrentRecord().name, WS_CHILD | WS_VISIBLE, 15, 155, 100, 30, kNameLabelId}));
  const tk::Window category_box = controls_.emplace_back(
      MakeControl({WC_COMBOBOX, "crtrcompcategory", kChoiceBoxStyle, 15, 190, 100, 150, kCategoryBoxId}));
  for (const ListChoice& category : kCompareCategories)
    tk::ComboSetItemData(category_box, tk::ComboAddString(category_box, category.text), category.data);
  tk::ComboSetCurSel(category_box, 0);
  Draw();
}

void DexComparPage::Draw() {
  tk::SetControlText(controls_[kNameLabel], CurrentRecord().name);
  DrawCompareBars();
}

void DexComparPage::DestroyControls() {
  DexPage::DestroyControls();
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
  for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = SelectionOf(controls_[k]);
  category_ = static_cast<std::int32_t>(
      tk::ComboGetItemData(controls_[kCategoryBox], tk::ComboGetCurSel(controls_[kCategoryBox])));

  std::array<std::int32_t, kCompareBarCount> values{};
  for (std::size_t k = 0; k < chosen.size(); ++k) values[k] = CompareValue(chosen[k]);
  values[4] = CompareValue(CurrentId());
  const auto widths = CompareBarWidths(values);

  DestroyBars();
  for (std::size_t k = 0; k < widths.size(); ++k) {
    const int row = static_cast<int>(k);
    const std::string name = "crtrbar" + std::to_string(row + 1);
    const tk::Window bar = bars_.emplace_back(MakeControl({WC_STATIC, name, WS_CHILD | WS_VISIBLE | SS_BITMAP, kBarX,
                                                           10 + 35 * row, widths[k], kBarHeight, kFirstBarId + row,
                                                           ControlFont::kNone}));
    const tk::Bitmap image = bar_images_.emplace_back(
        tk::LoadBitmapStretched(AppInstance(), kCompareBarBitmapId, widths[k], kBarHeight));
    tk::SetStaticBitmap(bar, image);
    tk::InvalidateControl(bar);
    const std::string label = CompareBarLabel(k < chosen.size() ? chosen[k] : CurrentId(), category_);
    bars_.emplace_back(MakeControl({WC_STATIC, label, WS_CHILD | WS_VISIBLE, kLabelX, 10 + 35 * row, kLabelWidth,
                                    kBarHeight, kCompareLabelFirstId + row}));
  }
}

void DexComparPage::DestroyBars() {
  bars_.clear();
  bar_images_.clear();
}
