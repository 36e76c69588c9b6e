#pragma once
// The program's images, made by the program itself: the icon (resource 101),
// the 19 type images (bitmaps 221-239) and the three bar bitmaps (210-212).
// Every backend turns these pixels into its own bitmaps.
#include <cstdint>
#include <span>
#include <vector>

struct ImageResource {
  int id = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row from the top
};

// The image with that resource id, or null.
const ImageResource* FindImage(int id);
std::span<const ImageResource> AllImages();

// Bitmap ids of the type images, by type number (the order TypeIconList uses).
inline constexpr int kTypeImageCount = 19;
inline constexpr int kTypeBitmapIds[kTypeImageCount] = {237, 232, 235, 236, 225, 230, 238,
                                                         226, 224, 229, 231, 222, 234, 221,
                                                         227, 228, 223, 233, 239};
