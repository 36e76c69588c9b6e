#include "window_queries.h"

#include "remote_memory.h"

namespace {

constexpr DWORD kSendTimeoutMs = 10000;

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0)
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

std::string ToCp1252(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace

std::optional<std::string> WindowText(HWND window) {
  const std::optional<LRESULT> length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  if (!length || *length < 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(*length) + 1, '\0');
  const std::optional<LRESULT> copied =
      SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (!copied || *copied < 0) return std::nullopt;
  text.resize(static_cast<std::size_t>(*copied));
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
  return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

bool Sync(HWND window) { return SendWithTimeout(window, WM_NULL, 0, 0).has_value(); }

std::optional<int> Ask(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const std::optional<LRESULT> answer = SendWithTimeout(window, message, wparam, lparam);
  return answer ? std::optional<int>(static_cast<int>(*answer)) : std::nullopt;
}

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<HWND> DirectChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

std::vector<HWND> TopWindowsOf(DWORD process_id, const std::string& class_name) {
  struct Search {
    DWORD process_id;
    const std::string* class_name;
    std::vector<HWND> found;
  } search{process_id, &class_name, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner_process = 0;
        GetWindowThreadProcessId(window, &owner_process);
        if (owner_process == s->process_id && IsWindowVisible(window) &&
            (s->class_name->empty() || ClassName(window) == *s->class_name))
          s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Entries are read as UTF-16 and turned into code page 1252 here: Wine
// copies CB_GETLBTEXT between processes as UTF-16 even for SendMessageA.
std::optional<std::vector<std::string>> ComboEntries(HWND combo) {
  const std::optional<LRESULT> count = SendWithTimeout(combo, CB_GETCOUNT, 0, 0);
  if (!count || *count < 0) return std::nullopt;
  std::vector<std::string> entries;
  for (LRESULT i = 0; i < *count; ++i) {
    const auto position = static_cast<WPARAM>(i);
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, position, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) == 0 ||
        static_cast<LRESULT>(length) < 0)
      return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(combo, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG,
                            kSendTimeoutMs, &copied) == 0 ||
        static_cast<LRESULT>(copied) < 0)
      return std::nullopt;
    wide.resize(static_cast<std::size_t>(copied));
    entries.push_back(ToCp1252(wide));
  }
  return entries;
}

std::optional<std::string> ListViewCell(HANDLE process, HWND list, int row, int column) {
  constexpr std::size_t kTextRoom = 1024;
  constexpr std::size_t kTextOffset = (sizeof(LVITEMA) + 15) / 16 * 16;
  RemoteBlock block(process, kTextOffset + kTextRoom);
  if (!block.ok()) return std::nullopt;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPSTR>(block.Address(kTextOffset));
  item.cchTextMax = static_cast<int>(kTextRoom);
  if (!block.Write(0, &item, sizeof item)) return std::nullopt;
  const std::optional<LRESULT> length =
      SendWithTimeout(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), static_cast<LPARAM>(block.Address()));
  if (!length || *length < 0 || static_cast<std::size_t>(*length) >= kTextRoom) return std::nullopt;
  std::string text(static_cast<std::size_t>(*length), '\0');
  if (!text.empty() && !block.Read(kTextOffset, text.data(), text.size())) return std::nullopt;
  return text;
}

std::optional<RECT> TabItemRect(HANDLE process, HWND tabs, int index) {
  RemoteBlock block(process, sizeof(RECT));
  if (!block.ok()) return std::nullopt;
  const std::optional<LRESULT> got =
      SendWithTimeout(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), static_cast<LPARAM>(block.Address()));
  RECT rect{};
  if (!got || *got == FALSE || !block.Read(0, &rect, sizeof rect)) return std::nullopt;
  return rect;
}

std::optional<RECT> ListViewRowRect(HANDLE process, HWND list, int row) {
  RemoteBlock block(process, sizeof(RECT));
  RECT rect{};
  rect.left = LVIR_LABEL;  // which part of the row, as the message expects it
  if (!block.Write(0, &rect, sizeof rect)) return std::nullopt;
  const std::optional<LRESULT> got =
      SendWithTimeout(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), static_cast<LPARAM>(block.Address()));
  if (!got || *got == FALSE || !block.Read(0, &rect, sizeof rect)) return std::nullopt;
  return rect;
}

bool ListViewSelectRow(HANDLE process, HWND list, int row) {
  RemoteBlock block(process, sizeof(LVITEMA));
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (!block.Write(0, &item, sizeof item)) return false;
  const std::optional<LRESULT> done =
      SendWithTimeout(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), static_cast<LPARAM>(block.Address()));
  return done && *done != FALSE;
}

std::optional<int> ListViewImage(HANDLE process, HWND list, int row) {
  RemoteBlock block(process, sizeof(LVITEMA));
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  if (!block.Write(0, &item, sizeof item)) return std::nullopt;
  const std::optional<LRESULT> got = SendWithTimeout(list, LVM_GETITEMA, 0, static_cast<LPARAM>(block.Address()));
  if (!got || *got == FALSE || !block.Read(0, &item, sizeof item)) return std::nullopt;
  return item.iImage;
}
