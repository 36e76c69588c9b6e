// The stock font, bitmap resources and image lists, at the desktop's scale.
#include "backends/win32/dpi_scale.h"
#include "backends/win32/win32_handles.h"

namespace {

// A copy of `source` stretched pixel by pixel to width x height (the type
// images are pixel art: blending would blur them); null on failure.
HBITMAP StretchedCopy(HBITMAP source, int width, int height) {
  BITMAP size{};
  if (source == nullptr || GetObjectA(source, sizeof size, &size) == 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen);
  HDC to = CreateCompatibleDC(screen);
  HBITMAP copy = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old_from = SelectObject(from, source);
  HGDIOBJ old_to = SelectObject(to, copy);
  SetStretchBltMode(to, COLORONCOLOR);
  const bool done = StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY) != FALSE;
  SelectObject(from, old_from);
  SelectObject(to, old_to);
  DeleteDC(from);
  DeleteDC(to);
  ReleaseDC(nullptr, screen);
  if (!done && copy != nullptr) {
    DeleteObject(copy);
    return nullptr;
  }
  return copy;
}

}  // namespace

namespace tk {

using namespace win32tk;

// DEFAULT_GUI_FONT keeps its 96 DPI size on a scaled desktop (Windows makes
// it once, 11 pixels high), so there the same face is made at the desktop's size.
Font StockGuiFont() {
  static const HGDIOBJ font = [] {
    if (DesktopDpi() == USER_DEFAULT_SCREEN_DPI) return GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA description{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description) == 0)
      lstrcpynA(description.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
    description.lfHeight = -Scaled(11);
    description.lfWidth = 0;
    HFONT made = CreateFontIndirectA(&description);
    return made != nullptr ? static_cast<HGDIOBJ>(made) : GetStockObject(DEFAULT_GUI_FONT);
  }();
  return ToFont(font);
}

Bitmap LoadBitmapResource(Instance instance, int resource_id) {
  return ToBitmap(LoadBitmapA(Hinstance(instance), ResourceName(resource_id)));
}

Bitmap LoadBitmapStretched(Instance instance, int resource_id, int width, int height) {
  const auto size = [](int pixels) { return pixels > 0 ? Scaled(pixels) : pixels; };  // 0 keeps the image's size
  return ToBitmap(LoadImageA(Hinstance(instance), ResourceName(resource_id), IMAGE_BITMAP, size(width), size(height),
                             LR_DEFAULTCOLOR));
}

void DeleteBitmap(Bitmap bitmap) {
  if (bitmap) DeleteObject(Hbitmap(bitmap));
}

void InitCommonControls(unsigned classes) {
  INITCOMMONCONTROLSEX which{};
  which.dwSize = sizeof which;
  which.dwICC = classes;
  InitCommonControlsEx(&which);
}

ImageList CreateImageList(int width, int height, unsigned flags, int initial, int grow) {
  return ToImageList(ImageList_Create(Scaled(width), Scaled(height), flags, initial, grow));
}

void SetImageListBackground(ImageList images, Colour colour) {
  ImageList_SetBkColor(Himagelist(images), RGB(colour.red, colour.green, colour.blue));
}

// Images are made at 96 DPI: on a scaled desktop they are stretched to the list's size.
int ImageListAdd(ImageList images, Bitmap image, Bitmap mask) {
  if (DesktopDpi() == USER_DEFAULT_SCREEN_DPI) return ImageList_Add(Himagelist(images), Hbitmap(image), Hbitmap(mask));
  int width = 0, height = 0;
  ImageList_GetIconSize(Himagelist(images), &width, &height);
  HBITMAP big_image = StretchedCopy(Hbitmap(image), width, height);
  HBITMAP big_mask = mask ? StretchedCopy(Hbitmap(mask), width, height) : nullptr;
  const int added = big_image != nullptr ? ImageList_Add(Himagelist(images), big_image, big_mask) : -1;
  if (big_image != nullptr) DeleteObject(big_image);
  if (big_mask != nullptr) DeleteObject(big_mask);
  return added;
}

void DestroyImageList(ImageList images) {
  if (images) ImageList_Destroy(Himagelist(images));
}

}  // namespace tk
