#pragma once
// Bitmaps and image lists: the program's images of resources/ as pixmaps.
#include <QPixmap>

#include "port/toolkit.h"

namespace qttk {

QPixmap ResourcePixmap(int resource_id);  // null when there is no such image
QPixmap PixmapOf(tk::Bitmap bitmap);      // null for 0 or a deleted bitmap
QPixmap ImageListPixmap(tk::ImageList images, int index);  // null when out of range

}  // namespace qttk
