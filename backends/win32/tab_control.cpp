#include "backends/win32/win32_handles.h"

namespace tk {

using namespace win32tk;

int TabInsertItem(Window tabs, int position, std::string_view text, std::intptr_t data) {
  std::string terminated = Terminated(text);
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = terminated.data();
  item.cchTextMax = static_cast<int>(terminated.size());
  item.lParam = data;
  return static_cast<int>(
      Send(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item)));
}

// The control ignores an index past its tabs and keeps the old selection, so
// a caller asking for a tab that is not there would see another one selected
// (and clicking it would change nothing). Any such index selects none.
void TabSetCurSel(Window tabs, int position) {
  const auto count = static_cast<int>(Send(tabs, TCM_GETITEMCOUNT));
  const int index = position >= 0 && position < count ? position : -1;
  Send(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index));
}

int TabGetCurSel(Window tabs) { return static_cast<int>(Send(tabs, TCM_GETCURSEL)); }

bool TabGetItemData(Window tabs, int position, std::intptr_t& data) {
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  if (Send(tabs, TCM_GETITEMA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item)) == FALSE)
    return false;
  data = item.lParam;
  return true;
}

}  // namespace tk
