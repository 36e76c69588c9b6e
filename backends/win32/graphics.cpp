// The stock font, bitmap resources and image lists.
#include "backends/win32/win32_handles.h"

namespace tk {

using namespace win32tk;

Font StockGuiFont() { return ToFont(GetStockObject(DEFAULT_GUI_FONT)); }

Bitmap LoadBitmapResource(Instance instance, int resource_id) {
  return ToBitmap(LoadBitmapA(Hinstance(instance), ResourceName(resource_id)));
}

Bitmap LoadBitmapStretched(Instance instance, int resource_id, int width, int height) {
  return ToBitmap(LoadImageA(Hinstance(instance), ResourceName(resource_id), IMAGE_BITMAP, width, height,
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
  return ToImageList(ImageList_Create(width, height, flags, initial, grow));
}

void SetImageListBackground(ImageList images, Colour colour) {
  ImageList_SetBkColor(Himagelist(images), RGB(colour.red, colour.green, colour.blue));
}

int ImageListAdd(ImageList images, Bitmap image, Bitmap mask) {
  return ImageList_Add(Himagelist(images), Hbitmap(image), Hbitmap(mask));
}

void DestroyImageList(ImageList images) {
  if (images) ImageList_Destroy(Himagelist(images));
}

}  // namespace tk
