#include "app/startup.h"

#include <filesystem>
#include <string>

#include "app/page_table.h"
#include "ask/ask_index.h"
#include "pages/move_details.h"

#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "records/report.h"
#include "records/tables.h"
#include "shell/config.h"
#include "shell/main_window.h"
#include "port/control_ids.h"
#include "shell/page_framework.h"
#include "shell/shell_state.h"
#include "shell/update_server.h"
#include "port/win_constants.h"

void ResetProgramState() {
  Pages() = PageFrameworkState{};
  ResetShell();
  ResetSettings();
  ResetData();
  ask::ForgetAsk();  // it points into the records ResetData dropped
  SetReportHook({});
  RedirectUpdateCheckForTests(std::nullopt);
  ResetMoveDetails();
}

void ConnectReportsToMessageBoxes() {
  SetReportHook([](const std::string& text, const std::string& title, unsigned type) {
    tk::ShowMessageBox(MainWindow(), text, title, type);
  });
}

namespace {
std::string NoDataText() {
  std::error_code error;
  return "No Pokemon data was found: neither data/pokemon.xml nor faunary.dat in " +
         std::filesystem::current_path(error).string() +
         " lists any Pokemon.\n\nStart Faunary in the folder that holds its data.";
}
}  // namespace

void LoadProgramData() {
  // Each loader looks keys up in the tables loaded before it.
  LoadTables();
  LoadIndex();
  // Without a single Pokemon there is nothing more to load; start-up says so.
  if (Index().empty()) return;
  LoadMoves();
}

bool StartFaunary(tk::Instance instance, int show_command) {
  ConnectReportsToMessageBoxes();
  LoadProgramData();
  return StartFaunaryWithData(instance, show_command);
}

bool StartFaunaryWithData(tk::Instance instance, int show_command) {
  ConnectReportsToMessageBoxes();
  // Without a single Pokemon no page can show anything: say so once and end,
  // rather than open an empty window after a message for every lookup.
  if (Index().empty()) {
    tk::ShowMessageBox({}, NoDataText(), "Faunary", MB_OK);
    return false;
  }
  LoadConfig();
  SelectPokemon(Settings().crtrloadpick);

  // The system's window colour, as the tab control's pane under visual styles.
  const tk::WindowClass main_class{"FAUNARY", CS_DBLCLKS, MainWndProc, kProgramIconId, COLOR_WINDOW + 1};
  if (!tk::RegisterWindowClass(instance, main_class)) return false;

  Shell().instance = instance;
  const tk::Window window = tk::CreateTopWindow("FAUNARY", "Faunary", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                                CW_USEDEFAULT, 800, 600, instance);
  if (!window) {
    // Without a window there is nothing to show and no message loop to run.
    tk::ShowMessageBox({}, "The main window could not be created", "Error", MB_OK);
    return false;
  }
  SetMainWindow(window);
  tk::ShowTopWindow(window, show_command);
  CreateMainControls();
  Pages().make_page = MakePage;
  CreatePage(Settings().pageloadpick);
  return true;
}

int FaunaryMain(tk::Instance instance, int show_command) {
  if (!StartFaunary(instance, show_command)) return 1;
  return tk::RunMessageLoop();
}

int FaunaryMainWithData(tk::Instance instance, int show_command) {
  if (!StartFaunaryWithData(instance, show_command)) return 1;
  return tk::RunMessageLoop();
}
