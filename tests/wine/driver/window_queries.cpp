#include "window_queries.h"

#include <fstream>

#include "backends/win32/bitmap_files.h"

std::string ToCp1252(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

namespace {

constexpr UINT kSendTimeoutMs = 10000;

}  // namespace

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0)
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

std::optional<int> Ask(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const std::optional<LRESULT> answer = SendWithTimeout(window, message, wparam, lparam);
  return answer ? std::optional(static_cast<int>(*answer)) : std::nullopt;
}

std::optional<std::string> WindowText(HWND window) {
  const std::optional<LRESULT> length = SendWithTimeout(window, WM_GETTEXTLENGTH);
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

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int LayoutPixels(int screen_pixels) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? MulDiv(screen_pixels, USER_DEFAULT_SCREEN_DPI, dpi) : screen_pixels;
}

std::vector<HWND> DirectChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

std::vector<HWND> TopWindowsOf(DWORD process_id, const std::string& class_name) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, nullptr)) != nullptr;) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window) && (class_name.empty() || ClassName(window) == class_name))
      found.push_back(window);
  }
  return found;
}

// Entries are read as UTF-16 and turned into code page 1252 here: Wine
// copies CB_GETLBTEXT between processes as UTF-16 even for SendMessageA.
std::optional<std::vector<std::string>> ComboEntries(HWND combo) {
  const std::optional<int> count = Ask(combo, CB_GETCOUNT);
  if (!count || *count < 0) return std::nullopt;
  std::vector<std::string> entries;
  for (int i = 0; i < *count; ++i) {
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

std::optional<ImageResource> ScreenPixels(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  ImageResource image{0, rect.right - rect.left, rect.bottom - rect.top, {}};
  if (image.width <= 0 || image.height <= 0) return std::nullopt;
  image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, image.width, image.height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied =
      BitBlt(memory, 0, 0, image.width, image.height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT) != FALSE;
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // rows from the top
  const bool read = copied && GetDIBits(memory, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
                                        DIB_RGB_COLORS) == image.height;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!read) return std::nullopt;
  for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFFu;  // 0x00RRGGBB
  return image;
}

std::string CaptureWindow(HWND window, const std::string& bmp_path) {
  const std::optional<ImageResource> image = ScreenPixels(window);
  if (!image) return "cannot copy the window from the screen";
  const std::vector<std::uint8_t> bmp = EncodeBmp(*image, BmpDepth::k24Bit);
  std::ofstream out(bmp_path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  out.close();
  return out ? "" : "cannot write " + bmp_path;
}
