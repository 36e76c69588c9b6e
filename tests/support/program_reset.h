#pragma once

// The whole program and the in-memory screen back to a process that has just
// started, when made and again when gone. The test main puts one around every
// test; fixtures made again inside a test hold their own.
class ProgramReset {
 public:
  ProgramReset();
  ~ProgramReset();
  ProgramReset(const ProgramReset&) = delete;
  ProgramReset& operator=(const ProgramReset&) = delete;
};
