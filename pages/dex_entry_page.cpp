#include "pages/dex_entry_page.h"

#include "records/pokemon_index.h"
#include "records/selection.h"
#include "shell/page_controls.h"
#include "port/win_constants.h"

void DexEntryPage::CreateControls() {
  for (std::size_t i = 0; i < kDexEntryRows; ++i) {
    const DexEntryRow& row = kDexEntryRowTable[i];
    controls_.push_back(
        MakeControl({WC_STATIC, row.window_name, WS_CHILD | WS_VISIBLE, 10, row.y, 500, row.height, row.id}));
  }
  Draw();
}

void DexEntryPage::Draw() {
  const std::array<std::string, kDexEntryRows> texts = DexEntryTexts(CurrentRecord());
  for (std::size_t i = 0; i < kDexEntryRows; ++i) tk::SetControlText(controls_[i], texts[i]);
}

int DexEntryPage::OnCommand(int /*id*/, int /*code*/, std::intptr_t /*data*/) { return 0; }
