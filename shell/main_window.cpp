#include "records/pokemon_index.h"
#include "records/selection.h"
#include "resources/images.h"
#include "shell/config.h"
#include "shell/find_dialog.h"
#include "port/control_ids.h"
#include "shell/page_framework.h"
#include "shell/page_routing.h"
#include "shell/pokemon_list.h"
#include "shell/shell_state.h"
#include "shell/main_window.h"
#include "port/win_constants.h"

namespace {
constexpr std::uint32_t kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

void OnPokemonChosen() {
  const tk::Window list = Shell().pokemon_list;
  const std::string* id = PokemonIdOfItemData(tk::ComboGetItemData(list, tk::ComboGetCurSel(list)));
  if (!id) return;  // no entry selected
  SelectPokemon(*id);
  RedrawPage();
}

// Enter in the list's edit field: what was typed names the Pokemon (a name
// in any spelling, a national number); otherwise the highlighted entry.
void OnPokemonTyped() {
  const tk::Window list = Shell().pokemon_list;
  if (const auto id = FindTypedPokemon(tk::GetControlText(list))) tk::ComboSetCurSel(list, PokemonListPosition(*id));
  OnPokemonChosen();
}

void OnTabChosen() {
  const tk::Window tabs = Shell().page_tabs;
  std::intptr_t page = 0;
  if (!tk::TabGetItemData(tabs, tk::TabGetCurSel(tabs), page)) return;
  SwitchPage(static_cast<int>(page));
}

void OnCommand(int id, int code) {
  if (id == kPokemonListId && code == CBN_SELCHANGE) return OnPokemonChosen();
  if (id == kPokemonListId && code == CBN_SELENDOK) return OnPokemonTyped();
  if (id == kAboutButtonId && code == BN_CLICKED) {
    tk::RunDialog(AppInstance(), kAboutDialogId, MainWindow(), AboutDlgProc, 0);
    return;
  }
  if (id == kOptionsButtonId && code == BN_CLICKED) {
    tk::RunDialog(AppInstance(), kOptionsDialogId, MainWindow(), OptionsDlgProc, 0);
    return;
  }
  if (id == kFindButtonId && code == BN_CLICKED) {
    tk::RunDialog(AppInstance(), kFindDialogId, MainWindow(), FindDlgProc, 0);
    return;
  }
  if (const auto forward = RouteCommand(id, code)) ForwardToPage(forward->id, forward->code, forward->data);
}

void OnNotify(std::intptr_t lparam) {
  const auto* header = reinterpret_cast<const tk::NotifyHeader*>(lparam);
  if (!header) return;
  const int id = static_cast<int>(header->id_from);
  const int code = static_cast<int>(header->code);
  if (id == kPageTabsId && code == TCN_SELCHANGE) return OnTabChosen();
  if (const auto forward = RouteNotify(id, code, lparam)) ForwardToPage(forward->id, forward->code, forward->data);
}

void OnDestroy() {
  tk::DestroyImageList(TypeIconList());
  Shell().type_icons = {};
  SaveConfig();  // still sees the page and Pokemon that were showing
  DestroyPage();
  tk::PostQuit(0);
}

void MakeTypeIconList() {
  const tk::ImageList icons = tk::CreateImageList(16, 16, ILC_COLOR16, 18, 5);
  Shell().type_icons = icons;
  if (!icons) {
    tk::ShowMessageBox(MainWindow(), "Could not create icon list", "InitComboBox 2", MB_OK);
    return;
  }
  tk::SetImageListBackground(icons, tk::Colour{0, 0, 0});
  for (int bitmap_id : kTypeBitmapIds) {
    const tk::Bitmap bitmap = tk::LoadBitmapResource(AppInstance(), bitmap_id);
    tk::ImageListAdd(icons, bitmap, {});
    tk::DeleteBitmap(bitmap);  // the list keeps its own copy
  }
}
}  // namespace

std::intptr_t MainWndProc(tk::Window window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(tk::LowWord(wparam), tk::HighWord(wparam));
      return 0;
    case WM_NOTIFY:
      OnNotify(lparam);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_ENDSESSION:
      // The session ends (or the program is told to stop): the process may
      // end without WM_DESTROY, so the settings are saved now.
      if (wparam) SaveConfig();
      return 0;
    default:
      return tk::DefaultWindowProc(window, message, wparam, lparam);
  }
}

void CreateMainControls() {
  ShellState& shell = Shell();
  const tk::Window main = MainWindow();
  tk::InitCommonControls(ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_USEREX_CLASSES);
  const int height = tk::ClientRect(main).bottom;
  shell.shared_font = tk::StockGuiFont();

  shell.pokemon_list = tk::CreateControl(
      WC_COMBOBOX, "FuncCB", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_SIMPLE | CBS_AUTOHSCROLL, 660, 5,
      125, height - 55, main, kPokemonListId, shell.instance);
  if (!shell.pokemon_list)
    tk::ShowMessageBox(main, "Pokemon combobox could not be created", "CreateCrtrComboBox 1", MB_OK);
  tk::SetControlFont(shell.pokemon_list, shell.shared_font);
  const int start = FillPokemonList(shell.pokemon_list, Settings().crtrloadpick);
  tk::ComboSetCurSel(shell.pokemon_list, start >= 0 ? start : 0);

  shell.page_tabs = tk::CreateControl(WC_TABCONTROL, "Main tab", WS_CHILD | WS_VISIBLE | TCS_BOTTOM, 5, 5, 650,
                                      height - 10, main, kPageTabsId, shell.instance);
  tk::SetControlFont(shell.page_tabs, shell.shared_font);
  if (!shell.page_tabs) tk::ShowMessageBox(main, "Tab page control could not be created", "InitComboBox 1", MB_OK);
  for (int position = 0; position < kPageCount; ++position)
    tk::TabInsertItem(shell.page_tabs, position, PageName(PageAtTab(position)), PageAtTab(position));

  const tk::Instance instance = tk::WindowInstance(main);
  shell.about_button =
      tk::CreateControl(WC_BUTTON, "&About", kButtonStyle, 660, height - 50, 70, 20, main, kAboutButtonId, instance);
  tk::SetControlFont(shell.about_button, shell.shared_font);
  shell.options_button = tk::CreateControl(WC_BUTTON, "&Options", kButtonStyle, 660, height - 25, 70, 20, main,
                                           kOptionsButtonId, instance);
  tk::SetControlFont(shell.options_button, shell.shared_font);
  shell.find_button =
      tk::CreateControl(WC_BUTTON, "&Find", kButtonStyle, 735, height - 25, 50, 20, main, kFindButtonId, instance);
  tk::SetButtonShortcut(main, 'F', kFindButtonId);
  tk::SetControlFont(shell.find_button, shell.shared_font);

  MakeTypeIconList();
  // A start page outside the tabs shows no page, so no tab may look selected:
  // clicking any tab then shows its page.
  const int start_page = Settings().pageloadpick;
  tk::TabSetCurSel(shell.page_tabs, TabOfPage(start_page));
}
