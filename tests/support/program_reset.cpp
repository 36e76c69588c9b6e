#include "support/program_reset.h"

#include "app/startup.h"
#include "backends/memory/memory_screen.h"

namespace {
void ResetEverything() {
  memtk::Reset();
  ResetProgramState();
}
}  // namespace

ProgramReset::ProgramReset() { ResetEverything(); }
ProgramReset::~ProgramReset() { ResetEverything(); }
