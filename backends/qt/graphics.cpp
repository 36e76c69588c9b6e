// The stock font, bitmap resources and image lists.
#include "backends/qt/graphics.h"

#include <QImage>

#include <unordered_map>
#include <vector>

#include "resources/images.h"

namespace qttk {
namespace {

struct ImageListData {
  int width = 0;
  int height = 0;
  std::vector<QPixmap> images;
};

struct Images {
  std::unordered_map<std::uintptr_t, QPixmap> bitmaps;
  std::unordered_map<std::uintptr_t, ImageListData> lists;
  std::uintptr_t next = 1;
};

Images& Store() {
  static Images images;
  return images;
}

}  // namespace

QPixmap ResourcePixmap(int resource_id) {
  const ImageResource* resource = FindImage(resource_id);
  if (resource == nullptr) return {};
  QImage image(resource->width, resource->height, QImage::Format_RGB32);
  std::size_t at = 0;
  for (int y = 0; y < resource->height; ++y)
    for (int x = 0; x < resource->width; ++x) image.setPixel(x, y, 0xFF000000u | resource->pixels[at++]);
  return QPixmap::fromImage(image);
}

QPixmap PixmapOf(tk::Bitmap bitmap) {
  const auto found = Store().bitmaps.find(bitmap.value);
  return found == Store().bitmaps.end() ? QPixmap() : found->second;
}

QPixmap ImageListPixmap(tk::ImageList images, int index) {
  const auto found = Store().lists.find(images.value);
  if (found == Store().lists.end() || index < 0 || static_cast<std::size_t>(index) >= found->second.images.size())
    return {};
  return found->second.images[static_cast<std::size_t>(index)];
}

}  // namespace qttk

namespace tk {

using namespace qttk;

Font StockGuiFont() { return Font{1}; }

Bitmap LoadBitmapResource(Instance, int resource_id) {
  QPixmap pixmap = ResourcePixmap(resource_id);
  if (pixmap.isNull()) return {};
  const Bitmap bitmap{Store().next++};
  Store().bitmaps[bitmap.value] = std::move(pixmap);
  return bitmap;
}

Bitmap LoadBitmapStretched(Instance instance, int resource_id, int width, int height) {
  const Bitmap bitmap = LoadBitmapResource(instance, resource_id);
  if (!bitmap) return bitmap;
  QPixmap& pixmap = Store().bitmaps[bitmap.value];
  // Zero keeps the image's own size, as LoadImageA does; stretched pixel by pixel.
  const int w = width > 0 ? width : pixmap.width(), h = height > 0 ? height : pixmap.height();
  pixmap = pixmap.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return bitmap;
}

void DeleteBitmap(Bitmap bitmap) { Store().bitmaps.erase(bitmap.value); }

void InitCommonControls(unsigned) {}

ImageList CreateImageList(int width, int height, unsigned, int, int) {
  const ImageList images{Store().next++};
  Store().lists[images.value] = ImageListData{width, height, {}};
  return images;
}

// Images are added without a mask, so they are drawn opaque: the background
// colour never shows.
void SetImageListBackground(ImageList, Colour) {}

int ImageListAdd(ImageList images, Bitmap image, Bitmap) {
  const auto list = Store().lists.find(images.value);
  const QPixmap pixmap = PixmapOf(image);
  if (list == Store().lists.end() || pixmap.isNull()) return -1;
  ImageListData& data = list->second;
  data.images.push_back(pixmap.copy(0, 0, data.width, data.height));
  return static_cast<int>(data.images.size()) - 1;
}

void DestroyImageList(ImageList images) { Store().lists.erase(images.value); }

}  // namespace tk
