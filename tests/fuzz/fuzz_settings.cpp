// A fuzzed settings file: loading it never fails, and what is saved at exit
// reads back as the same settings.
#include "backends/memory/memory_screen.h"
#include "fuzz/fuzz_harness.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "records/tables.h"
#include "shell/config.h"
#include "shell/page_framework.h"

namespace {

bool Same(const DexSettings& a, const DexSettings& b) {
  return a.crtronload == b.crtronload && a.crtrloadpick == b.crtrloadpick && a.pageonload == b.pageonload &&
         a.pageloadpick == b.pageloadpick && a.autoupdate == b.autoupdate;
}

// LoadConfig as start-up runs it: the start Pokemon is selected and the
// start page becomes the current one.
void LoadAsAtStart() {
  StartAfresh();
  LoadTables();
  LoadIndex();
  LoadConfig();
  SelectPokemon(Settings().crtrloadpick);
  Pages().current_index = Settings().pageloadpick;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnterFuzzWorkdir("shell");
  memtk::Reset();  // forgets message boxes and the update threads asked for (never run)

  WriteFile("faunary.cfgx", AsString(data, size));
  LoadAsAtStart();
  SaveConfig();
  const DexSettings saved = Settings();
  LoadAsAtStart();
  FUZZ_CHECK(Same(Settings(), saved));
  return 0;
}
