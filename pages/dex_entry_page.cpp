#include "pages/dex_entry_page.h"

#include "records/pokemon_index.h"
#include "shell/shell_state.h"
#include "shell/win_constants.h"

void DexEntryPage::CreateControls() {
  for (std::size_t i = 0; i < kDexEntryRows; ++i) {
    const DexEntryRow& row = kDexEntryRowTable[i];
    rows_[i] = tk::CreateControl(WC_STATIC, row.window_name, WS_CHILD | WS_VISIBLE, 10, row.y, 500,
                                 row.height, MainWindow(), row.id, AppInstance());
    tk::SetControlFont(rows_[i], SharedFont());
  }
  Draw();
}

void DexEntryPage::Draw() {
  const std::array<std::string, kDexEntryRows> texts = DexEntryTexts(CurrentRecord());
  for (std::size_t i = 0; i < kDexEntryRows; ++i) tk::SetControlText(rows_[i], texts[i]);
}

void DexEntryPage::DestroyControls() {
  for (tk::Window row : rows_) tk::DestroyControl(row);
}

int DexEntryPage::OnCommand(int /*id*/, int /*code*/, std::intptr_t /*data*/) { return 0; }
