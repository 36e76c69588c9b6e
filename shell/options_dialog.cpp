#include "shell/config.h"
#include "shell/page_framework.h"
#include "shell/pokemon_list.h"
#include "port/win_constants.h"

namespace {
enum : int {
  kPokemonGroup = 300,
  kLastPokemon = 301,
  kFixedPokemon = 302,
  kPokemonChoice = 303,
  kPageGroup = 304,
  kLastPage = 305,
  kFixedPage = 306,
  kPageChoice = 307,
  kResetButton = 308,
  kUpdateChecks = 311,
};

void InitDialog(tk::Window dialog) {
  const DexSettings& settings = Settings();
  tk::SetControlText(dialog, "Options");
  tk::SetDialogItemText(dialog, kPokemonGroup, "Pok\xE9mon upon load");
  tk::SetDialogItemText(dialog, kLastPokemon, "Go to last used Pok\xE9mon");
  tk::SetDialogItemText(dialog, kFixedPokemon, "Always start with ");
  tk::SetDialogItemText(dialog, kPageGroup, "Page upon load");
  tk::SetDialogItemText(dialog, kLastPage, "Go to last used page");
  tk::SetDialogItemText(dialog, kFixedPage, "Always start with ");
  tk::SetDialogItemText(dialog, kUpdateChecks, "Online update checks");
  tk::SetDialogItemText(dialog, IDOK, "&Ok");
  tk::SetDialogItemText(dialog, IDCANCEL, "&Cancel");
  tk::SetDialogItemText(dialog, kResetButton, "&Reset to default");

  const tk::Window pokemon = tk::DialogItem(dialog, kPokemonChoice);
  tk::ComboSetCurSel(pokemon, FillPokemonList(pokemon, settings.crtrloadpick));

  const tk::Window pages = tk::DialogItem(dialog, kPageChoice);
  for (int page = 0; page < kPageCount; ++page)
    tk::ComboSetItemData(pages, tk::ComboAddString(pages, PageName(page)), page);
  tk::ComboSetCurSel(pages, settings.pageloadpick);  // outside 0-11: no selection

  tk::CheckRadio(dialog, kLastPage, kFixedPage, settings.pageonload == 1 ? kLastPage : kFixedPage);
  tk::CheckRadio(dialog, kLastPokemon, kFixedPokemon, settings.crtronload == 1 ? kLastPokemon : kFixedPokemon);
  tk::CheckDialogButton(dialog, kUpdateChecks, settings.autoupdate);
}

void StoreChoices(tk::Window dialog) {
  DexSettings& settings = Settings();
  if (tk::IsDialogButtonChecked(dialog, kLastPokemon)) settings.crtronload = 1;
  if (tk::IsDialogButtonChecked(dialog, kFixedPokemon)) settings.crtronload = 2;
  if (tk::IsDialogButtonChecked(dialog, kLastPage)) settings.pageonload = 1;
  if (tk::IsDialogButtonChecked(dialog, kFixedPage)) settings.pageonload = 2;

  const tk::Window pokemon = tk::DialogItem(dialog, kPokemonChoice);
  if (const std::string* id = PokemonIdOfItemData(tk::ComboGetItemData(pokemon, tk::ComboGetCurSel(pokemon))))
    settings.crtrloadpick = *id;

  // With no page selected this is the combo box's error value, -1.
  const tk::Window pages = tk::DialogItem(dialog, kPageChoice);
  settings.pageloadpick = static_cast<int>(tk::ComboGetItemData(pages, tk::ComboGetCurSel(pages)));
  settings.autoupdate = tk::IsDialogButtonChecked(dialog, kUpdateChecks);
}

void ResetToDefault(tk::Window dialog) {
  tk::CheckRadio(dialog, kLastPage, kFixedPage, kLastPage);
  tk::CheckRadio(dialog, kLastPokemon, kFixedPokemon, kLastPokemon);
  tk::ComboSetCurSel(tk::DialogItem(dialog, kPokemonChoice), 0);
  tk::ComboSetCurSel(tk::DialogItem(dialog, kPageChoice), 0);
  tk::CheckDialogButton(dialog, kUpdateChecks, false);
}
}  // namespace

std::intptr_t OptionsDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam, std::intptr_t) {
  if (message == WM_INITDIALOG) {
    InitDialog(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (wparam) {
    case IDOK:
      StoreChoices(dialog);
      tk::EndModalDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      tk::EndModalDialog(dialog, IDCANCEL);
      return TRUE;
    case kResetButton:
      ResetToDefault(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}
