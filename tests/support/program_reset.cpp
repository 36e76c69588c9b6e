#include "support/program_reset.h"

#include "app/startup.h"
#include "backends/memory/memory_screen.h"

namespace {
// The program first: an open page destroys its controls on the screen that made them.
void ResetEverything() {
  ResetProgramState();
  memtk::Reset();
}
}  // namespace

ProgramReset::ProgramReset() { ResetEverything(); }
ProgramReset::~ProgramReset() { ResetEverything(); }
