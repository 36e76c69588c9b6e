#pragma once
// Image files for the resource compiler, made from the program's own pixels
// (resources/images.h): Windows bitmaps (.bmp) and icons (.ico).
#include <cstdint>
#include <vector>

#include "resources/images.h"

enum class BmpDepth {
  k24Bit,        // true colour
  k4BitPalette,  // 16-colour palette, for images of at most 16 colours
};

// A .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, palette (4-bit only) and
// rows bottom-up, each padded to 4 bytes. Empty when the image has more
// colours than the depth can hold, or its pixel count does not match its size.
std::vector<std::uint8_t> EncodeBmp(const ImageResource& image, BmpDepth depth);

// A .ico file holding the image once, 32-bit and fully opaque.
std::vector<std::uint8_t> EncodeIco(const ImageResource& image);
