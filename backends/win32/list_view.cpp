#include "backends/win32/dpi_scale.h"
#include "backends/win32/win32_handles.h"

namespace tk {

using namespace win32tk;

int ListViewInsertColumn(Window list, int column, int width, std::string_view title) {
  std::string text = Terminated(title);
  LVCOLUMNA description{};
  description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  description.fmt = LVCFMT_LEFT;
  description.cx = Scaled(width);
  description.pszText = text.data();
  description.iSubItem = column;
  return static_cast<int>(
      Send(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&description)));
}

int ListViewInsertItem(Window list, int row, std::string_view text, int image, std::intptr_t data) {
  std::string terminated = Terminated(text);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | (image == kNoImage ? 0u : static_cast<UINT>(LVIF_IMAGE));
  item.iItem = row;
  item.pszText = terminated.data();
  item.iImage = image;
  item.lParam = data;
  return static_cast<int>(Send(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListViewSetItemText(Window list, int row, int sub_item, std::string_view text) {
  std::string terminated = Terminated(text);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = sub_item;
  item.pszText = terminated.data();
  return Send(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

void ListViewDeleteAll(Window list) { Send(list, LVM_DELETEALLITEMS); }

int ListViewSelectedRow(Window list) {
  return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

std::intptr_t ListViewItemData(Window list, int row) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (Send(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) == FALSE) return 0;
  return item.lParam;
}

void ListViewSetSmallImages(Window list, ImageList images) {
  Send(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(Himagelist(images)));
}

void ListViewRedrawItems(Window list, int first, int last) {
  Send(list, LVM_REDRAWITEMS, static_cast<WPARAM>(first), last);
}

}  // namespace tk
