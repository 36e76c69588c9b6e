// A fuzzed Pokemon record (data/pokemon/1.xml among the committed data) shown
// as a user would see it: every tab, the evolution summary and the move
// details of the first rows of both move lists.
#include <cstdlib>

#include "backends/memory/memory_screen.h"
#include "fuzz/fuzz_harness.h"
#include "records/dex_data.h"
#include "port/control_ids.h"
#include "shell/page_framework.h"
#include "app/startup.h"
#include "port/win_constants.h"

namespace {

void OpenMoveDetails(int list_id) {
  const memtk::Control* list = memtk::FindControl(list_id);
  for (int row = 0; list && row < 3 && static_cast<std::size_t>(row) < list->rows.size(); ++row)
    memtk::DoubleClickRow(list_id, row);  // no dialog script: each closes like Escape
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnterFuzzWorkdir("committed");
  // The in-memory screen keeps every control ever made, so start afresh now and then.
  static int runs = 0;
  if (runs++ % 64 == 0) {
    StartAfresh();
    memtk::Reset();
    FUZZ_CHECK(StartFaunary(tk::Instance{1}, SW_SHOWDEFAULT));
    // The page owns controls of the in-memory screen: at exit it goes first,
    // while the screen (made after the page state) still stands.
    static const bool reset_at_exit = std::atexit([] { ResetProgramState(); }) == 0;
    (void)reset_at_exit;
  }

  WriteFile("data/pokemon/1.xml", AsString(data, size));
  Data().store.erase("1");  // read the record again
  memtk::PickEntry(kPokemonListId, 0);
  for (int tab = 0; tab < kPageCount; ++tab) {
    memtk::SelectTab(kPageTabsId, tab);
    if (tab == 0) memtk::Click(kEvolutionButtonId);
    OpenMoveDetails(kMoveListId);
    OpenMoveDetails(kBreedMoveListId);
  }
  memtk::ClearMessageBoxes();
  return 0;
}
