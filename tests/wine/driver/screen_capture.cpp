#include "screen_capture.h"

#include <fstream>
#include <vector>

#include "backends/win32/bitmap_files.h"

namespace {

// Owns the screen DC, a memory DC and the DIB section the pixels land in.
class Capture {
 public:
  Capture(int width, int height) : width_(width), height_(height) {
    screen_ = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (bitmap_ != nullptr) previous_ = SelectObject(memory_, bitmap_);
  }
  ~Capture() {
    if (previous_ != nullptr) SelectObject(memory_, previous_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (memory_ != nullptr) DeleteDC(memory_);
    if (screen_ != nullptr) ReleaseDC(nullptr, screen_);
  }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  bool Grab(int left, int top) {
    if (bitmap_ == nullptr || bits_ == nullptr) return false;
    return BitBlt(memory_, 0, 0, width_, height_, screen_, left, top, SRCCOPY | CAPTUREBLT) != FALSE;
  }
  ImageResource Pixels() const {
    ImageResource image{0, width_, height_, {}};
    const auto* source = static_cast<const std::uint32_t*>(bits_);  // 0x00RRGGBB per pixel
    image.pixels.assign(source, source + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFFu;
    return image;
  }

 private:
  int width_;
  int height_;
  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

std::string CaptureWindow(HWND window, const std::string& bmp_path) {
  RECT rect{};
  if (GetWindowRect(window, &rect) == FALSE) return "the window has no rectangle";
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return "the window is empty";
  Capture capture(width, height);
  if (!capture.Grab(rect.left, rect.top)) return "BitBlt from the screen failed";
  const std::vector<std::uint8_t> bmp = EncodeBmp(capture.Pixels(), BmpDepth::k24Bit);
  std::ofstream out(bmp_path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  out.close();
  return out ? "" : "cannot write " + bmp_path;
}
