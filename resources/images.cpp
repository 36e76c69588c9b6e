#include "resources/images.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
// A 3x5 pixel font for the letters the type images carry; each row's three
// bits run from left (4) to right (1).
struct Glyph {
  char letter;
  std::array<std::uint8_t, 5> rows;
};
constexpr std::array kGlyphs{
    Glyph{'?', {7, 1, 3, 0, 2}}, Glyph{'B', {6, 5, 6, 5, 6}}, Glyph{'D', {6, 5, 5, 5, 6}},
    Glyph{'E', {7, 4, 6, 4, 7}}, Glyph{'F', {7, 4, 6, 4, 4}}, Glyph{'G', {3, 4, 5, 5, 3}},
    Glyph{'I', {7, 2, 2, 2, 7}}, Glyph{'N', {5, 7, 7, 5, 5}}, Glyph{'P', {6, 5, 6, 4, 4}},
    Glyph{'R', {6, 5, 6, 5, 5}}, Glyph{'S', {3, 4, 2, 1, 6}}, Glyph{'W', {5, 5, 7, 7, 5}},
    Glyph{'d', {1, 1, 3, 5, 3}}, Glyph{'h', {4, 4, 6, 5, 5}}, Glyph{'i', {2, 0, 2, 2, 2}},
    Glyph{'k', {4, 5, 6, 6, 5}}, Glyph{'l', {6, 2, 2, 2, 7}}, Glyph{'o', {0, 2, 5, 5, 2}},
    Glyph{'r', {0, 3, 4, 4, 4}}, Glyph{'s', {0, 3, 6, 3, 6}}, Glyph{'t', {2, 7, 2, 2, 3}},
};

struct TypeLook {
  int bitmap_id;
  std::uint32_t colour;
  std::string_view letters;
};
// By type number; see kTypeBitmapIds.
constexpr std::array<TypeLook, kTypeImageCount> kTypeLooks{{
    {237, 0x808080, "?"},  {232, 0xA8A878, "N"},  {235, 0xB8A038, "R"},  {236, 0xC8C8D0, "S"},
    {225, 0xC03028, "Ft"}, {230, 0xE0C068, "Gd"}, {238, 0x6890F0, "W"},  {226, 0xF08030, "Fi"},
    {224, 0xF8D030, "E"},  {229, 0x78C850, "Gr"}, {231, 0x98D8D8, "I"},  {222, 0x705848, "Dk"},
    {234, 0xF85888, "Ps"}, {221, 0xA8B820, "B"},  {227, 0xA890F0, "Fl"}, {228, 0x705898, "Gh"},
    {223, 0x7038F8, "D"},  {233, 0xA040A0, "Po"}, {239, 0x505050, "S"},
}};

constexpr int kTypeSize = 16;
constexpr int kScale = 2;  // each font pixel is 2x2

ImageResource Solid(int id, int width, int height, std::uint32_t colour) {
  return {id, width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), colour)};
}

bool IsLight(std::uint32_t rgb) {
  const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r * 299 + g * 587 + b * 114 > 128000;
}

void DrawGlyph(ImageResource& image, char letter, int left, int top, std::uint32_t ink) {
  const auto it = std::find_if(kGlyphs.begin(), kGlyphs.end(),
                               [letter](const Glyph& g) { return g.letter == letter; });
  if (it == kGlyphs.end()) return;
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col) {
      if ((it->rows[static_cast<std::size_t>(row)] & (4 >> col)) == 0) continue;
      for (int dy = 0; dy < kScale; ++dy)
        for (int dx = 0; dx < kScale; ++dx) {
          const int x = left + col * kScale + dx, y = top + row * kScale + dy;
          if (x >= 0 && x < image.width && y >= 0 && y < image.height)
            image.pixels[static_cast<std::size_t>(y * image.width + x)] = ink;
        }
    }
}

ImageResource TypeImage(const TypeLook& look) {
  ImageResource image = Solid(look.bitmap_id, kTypeSize, kTypeSize, look.colour);
  const std::uint32_t ink = IsLight(look.colour) ? 0x000000 : 0xFFFFFF;
  const int count = static_cast<int>(look.letters.size());
  const int text_width = count * 3 * kScale + (count - 1) * kScale;
  int left = (kTypeSize - text_width) / 2;
  for (char letter : look.letters) {
    DrawGlyph(image, letter, left, (kTypeSize - 5 * kScale) / 2, ink);
    left += 4 * kScale;
  }
  return image;
}

// A round two-coloured emblem on black: red above, white below, a dark band
// and a white centre.
ImageResource ProgramIcon() {
  constexpr int kSize = 32;
  ImageResource icon = Solid(101, kSize, kSize, 0x000000);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int dx = 2 * x + 1 - kSize, dy = 2 * y + 1 - kSize;  // doubled offsets from the centre
      const int d2 = dx * dx + dy * dy;
      std::uint32_t c = 0x000000;
      if (d2 <= 30 * 30) c = dy < 0 ? 0xE02020 : 0xF0F0F0;
      if (d2 <= 30 * 30 && dy >= -3 && dy <= 3) c = 0x202020;
      if (d2 <= 9 * 9) c = 0x202020;
      if (d2 <= 6 * 6) c = 0xFFFFFF;
      icon.pixels[static_cast<std::size_t>(y * kSize + x)] = c;
    }
  return icon;
}

std::vector<ImageResource> MakeImages() {
  std::vector<ImageResource> images;
  images.push_back(ProgramIcon());
  images.push_back(Solid(210, 10, 7, 0x0000FF));  // male share
  images.push_back(Solid(211, 10, 7, 0xFF00FF));  // female share
  images.push_back(Solid(212, 10, 7, 0x000000));  // genderless
  for (const TypeLook& look : kTypeLooks) images.push_back(TypeImage(look));
  std::sort(images.begin(), images.end(),
            [](const ImageResource& a, const ImageResource& b) { return a.id < b.id; });
  return images;
}

const std::vector<ImageResource>& Images() {
  static const std::vector<ImageResource> images = MakeImages();
  return images;
}
}  // namespace

const ImageResource* FindImage(int id) {
  for (const ImageResource& image : Images())
    if (image.id == id) return &image;
  return nullptr;
}

std::span<const ImageResource> AllImages() { return Images(); }
