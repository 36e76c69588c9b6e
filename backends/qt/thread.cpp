#include <system_error>
#include <thread>

#include "port/toolkit.h"

namespace tk {

bool StartDetachedThread(ThreadRoutine routine) {
  if (routine == nullptr) return false;
  try {
    std::thread(routine, nullptr).detach();
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

}  // namespace tk
