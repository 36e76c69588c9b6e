#include "screen_capture.h"

#include <fstream>
#include <vector>

#include "backends/win32/bitmap_files.h"

std::string CaptureWindow(HWND window, const std::string& bmp_path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  ImageResource image{0, rect.right - rect.left, rect.bottom - rect.top, {}};
  if (image.width <= 0 || image.height <= 0) return "the window is empty";
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
  if (!read) return "cannot copy the window from the screen";
  for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFFu;  // 0x00RRGGBB
  const std::vector<std::uint8_t> bmp = EncodeBmp(image, BmpDepth::k24Bit);
  std::ofstream out(bmp_path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  out.close();
  return out ? "" : "cannot write " + bmp_path;
}
