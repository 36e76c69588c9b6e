#pragma once
#include <cstdint>
#include <vector>

#include "port/owned.h"

// One tab page. A page object lives only while its tab is selected: the
// framework makes it, calls CreateControls, calls Draw whenever another
// Pokemon is chosen, calls DestroyControls and deletes it. Pages draw from the
// current record (records/selection.h: CurrentRecord()) every time.
class DexPage {
 public:
  DexPage() = default;
  DexPage(const DexPage&) = delete;
  DexPage& operator=(const DexPage&) = delete;
  // Pages are deleted through this base, so their own members are released.
  virtual ~DexPage() = default;

  // Creates the page's controls as children of the main window with the
  // shared font, then calls Draw.
  virtual void CreateControls() = 0;
  // Refills every control from the current Pokemon; safe to call repeatedly.
  virtual void Draw() = 0;
  // Destroys every control and graphics object the page made.
  virtual void DestroyControls() { controls_.clear(); }
  // A forwarded notification: control id, notification code, and the
  // NotifyHeader address of a WM_NOTIFY (0 for a WM_COMMAND). Ignores ids
  // that are not its own; the result is 0 as a rule and is not used.
  virtual int OnCommand(int id, int code, std::intptr_t data) = 0;

 protected:
  // The page's controls, in the order they were created.
  std::vector<tk::OwnedWindow> controls_;
};
