#include "backends/win32/win32_handles.h"

namespace tk {

using namespace win32tk;

void ComboReset(Window combo) { Send(combo, CB_RESETCONTENT); }

int ComboAddString(Window combo, std::string_view text) {
  const std::string terminated = Terminated(text);
  const LRESULT position = Send(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
  return position < 0 ? -1 : static_cast<int>(position);  // CB_ERR and CB_ERRSPACE
}

bool ComboSetItemData(Window combo, int position, std::intptr_t data) {
  return Send(combo, CB_SETITEMDATA, static_cast<WPARAM>(position), data) != CB_ERR;
}

std::intptr_t ComboGetItemData(Window combo, int position) {
  return Send(combo, CB_GETITEMDATA, static_cast<WPARAM>(position));
}

void ComboSetCurSel(Window combo, int position) { Send(combo, CB_SETCURSEL, static_cast<WPARAM>(position)); }

int ComboGetCurSel(Window combo) { return static_cast<int>(Send(combo, CB_GETCURSEL)); }

}  // namespace tk
