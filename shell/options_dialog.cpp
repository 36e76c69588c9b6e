#include "shell/config.h"
#include "shell/page_framework.h"
#include "shell/pokemon_list.h"
#include "port/dialog_ids.h"
#include "port/win_constants.h"

namespace {
void InitDialog(tk::Window dialog) {
  const DexSettings& settings = Settings();
  tk::SetControlText(dialog, "Options");
  tk::SetDialogItemText(dialog, kOptionsPokemonGroup, "Pok\xE9mon upon load");
  tk::SetDialogItemText(dialog, kOptionsLastPokemon, "Go to last used Pok\xE9mon");
  tk::SetDialogItemText(dialog, kOptionsFixedPokemon, "Always start with ");
  tk::SetDialogItemText(dialog, kOptionsPageGroup, "Page upon load");
  tk::SetDialogItemText(dialog, kOptionsLastPage, "Go to last used page");
  tk::SetDialogItemText(dialog, kOptionsFixedPage, "Always start with ");
  tk::SetDialogItemText(dialog, kOptionsUpdateChecks, "Online update checks");
  tk::SetDialogItemText(dialog, IDOK, "&Ok");
  tk::SetDialogItemText(dialog, IDCANCEL, "&Cancel");
  tk::SetDialogItemText(dialog, kOptionsReset, "&Reset to default");

  const tk::Window pokemon = tk::DialogItem(dialog, kOptionsPokemonChoice);
  tk::ComboSetCurSel(pokemon, FillPokemonList(pokemon, settings.crtrloadpick));

  const tk::Window pages = tk::DialogItem(dialog, kOptionsPageChoice);
  for (int position = 0; position < kPageCount; ++position)
    tk::ComboSetItemData(pages, tk::ComboAddString(pages, PageName(PageAtTab(position))), PageAtTab(position));
  tk::ComboSetCurSel(pages, TabOfPage(settings.pageloadpick));  // no page: no selection

  tk::CheckRadio(dialog, kOptionsLastPage, kOptionsFixedPage, settings.pageonload == 1 ? kOptionsLastPage : kOptionsFixedPage);
  tk::CheckRadio(dialog, kOptionsLastPokemon, kOptionsFixedPokemon, settings.crtronload == 1 ? kOptionsLastPokemon : kOptionsFixedPokemon);
  tk::CheckDialogButton(dialog, kOptionsUpdateChecks, settings.autoupdate);
}

void StoreChoices(tk::Window dialog) {
  DexSettings& settings = Settings();
  if (tk::IsDialogButtonChecked(dialog, kOptionsLastPokemon)) settings.crtronload = 1;
  if (tk::IsDialogButtonChecked(dialog, kOptionsFixedPokemon)) settings.crtronload = 2;
  if (tk::IsDialogButtonChecked(dialog, kOptionsLastPage)) settings.pageonload = 1;
  if (tk::IsDialogButtonChecked(dialog, kOptionsFixedPage)) settings.pageonload = 2;

  const tk::Window pokemon = tk::DialogItem(dialog, kOptionsPokemonChoice);
  if (const std::string* id = PokemonIdOfItemData(tk::ComboGetItemData(pokemon, tk::ComboGetCurSel(pokemon))))
    settings.crtrloadpick = *id;

  // With no page selected this is the combo box's error value, -1.
  const tk::Window pages = tk::DialogItem(dialog, kOptionsPageChoice);
  settings.pageloadpick = static_cast<int>(tk::ComboGetItemData(pages, tk::ComboGetCurSel(pages)));
  settings.autoupdate = tk::IsDialogButtonChecked(dialog, kOptionsUpdateChecks);
}

void ResetToDefault(tk::Window dialog) {
  tk::CheckRadio(dialog, kOptionsLastPage, kOptionsFixedPage, kOptionsLastPage);
  tk::CheckRadio(dialog, kOptionsLastPokemon, kOptionsFixedPokemon, kOptionsLastPokemon);
  tk::ComboSetCurSel(tk::DialogItem(dialog, kOptionsPokemonChoice), 0);
  tk::ComboSetCurSel(tk::DialogItem(dialog, kOptionsPageChoice), 0);
  tk::CheckDialogButton(dialog, kOptionsUpdateChecks, false);
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
    case kOptionsReset:
      ResetToDefault(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}
