#include <memory>

#include "backends/win32/win32_handles.h"

namespace {

// Carries the routine to the new thread, which owns and frees it.
struct ThreadStart {
  tk::ThreadRoutine routine = nullptr;
};

DWORD WINAPI ThreadThunk(LPVOID parameter) {
  const std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
  return static_cast<DWORD>(start->routine(nullptr));
}

}  // namespace

namespace tk {

bool StartDetachedThread(ThreadRoutine routine) {
  if (routine == nullptr) return false;
  auto start = std::make_unique<ThreadStart>(ThreadStart{routine});
  const HANDLE thread = CreateThread(nullptr, 0, ThreadThunk, start.get(), 0, nullptr);
  if (thread == nullptr) return false;  // `start` is freed here
  static_cast<void>(start.release());   // now the thread's
  CloseHandle(thread);
  return true;
}

}  // namespace tk
