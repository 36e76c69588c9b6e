#include "resources/images.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
// A 5x7 pixel font for the letters the type images carry (3x5 made "N" and
// "H" one shape); each row's five bits run from left (16) to right (1).
// The "l" ends in a hook, so that Flying's "Fl" does not read "F1".
struct Glyph {
  char letter;
  std::array<std::uint8_t, 7> rows;
};
constexpr std::array kGlyphs{
    Glyph{'?', {14, 17, 1, 2, 4, 0, 4}},       Glyph{'B', {30, 17, 17, 30, 17, 17, 30}},
    Glyph{'D', {28, 18, 17, 17, 17, 18, 28}},  Glyph{'E', {31, 16, 16, 30, 16, 16, 31}},
    Glyph{'F', {31, 16, 16, 30, 16, 16, 16}},  Glyph{'G', {14, 17, 16, 23, 17, 17, 15}},
    Glyph{'I', {14, 4, 4, 4, 4, 4, 14}},       Glyph{'N', {17, 25, 21, 19, 17, 17, 17}},
    Glyph{'P', {30, 17, 17, 30, 16, 16, 16}},  Glyph{'R', {30, 17, 17, 30, 20, 18, 17}},
    Glyph{'S', {15, 16, 16, 14, 1, 1, 30}},    Glyph{'W', {17, 17, 17, 21, 21, 21, 10}},
    Glyph{'d', {1, 1, 13, 19, 17, 19, 13}},    Glyph{'h', {16, 16, 22, 25, 17, 17, 17}},
    Glyph{'i', {4, 0, 12, 4, 4, 4, 14}},       Glyph{'k', {16, 16, 18, 20, 24, 20, 18}},
    Glyph{'l', {12, 4, 4, 4, 4, 4, 3}},       Glyph{'o', {0, 0, 14, 17, 17, 17, 14}},
    Glyph{'r', {0, 0, 22, 25, 16, 16, 16}},    Glyph{'s', {0, 0, 14, 16, 14, 1, 30}},
    Glyph{'t', {8, 8, 28, 8, 8, 9, 6}},
};
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

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

ImageResource Solid(int id, int width, int height, std::uint32_t colour) {
  return {id, width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), colour)};
}

bool IsLight(std::uint32_t rgb) {
  const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r * 299 + g * 587 + b * 114 > 128000;
}

// Each font pixel drawn `wide` x 2 image pixels.
void DrawGlyph(ImageResource& image, char letter, int left, int top, int wide, std::uint32_t ink) {
  const auto it = std::find_if(kGlyphs.begin(), kGlyphs.end(),
                               [letter](const Glyph& g) { return g.letter == letter; });
  if (it == kGlyphs.end()) return;
  for (int row = 0; row < kGlyphHeight; ++row)
    for (int col = 0; col < kGlyphWidth; ++col) {
      if ((it->rows[static_cast<std::size_t>(row)] & (16 >> col)) == 0) continue;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < wide; ++dx) {
          const int x = left + col * wide + dx, y = top + row * 2 + dy;
          if (x >= 0 && x < image.width && y >= 0 && y < image.height)
            image.pixels[static_cast<std::size_t>(y * image.width + x)] = ink;
        }
    }
}

ImageResource TypeImage(const TypeLook& look) {
  ImageResource image = Solid(look.bitmap_id, kTypeSize, kTypeSize, look.colour);
  const std::uint32_t ink = IsLight(look.colour) ? 0x000000 : 0xFFFFFF;
  // One letter 10 x 14 pixels; two letters 5 x 14 each, a pixel apart.
  const int count = static_cast<int>(look.letters.size());
  const int wide = count == 1 ? 2 : 1;
  const int text_width = count * kGlyphWidth * wide + (count - 1);
  int left = (kTypeSize - text_width) / 2;
  for (char letter : look.letters) {
    DrawGlyph(image, letter, left, (kTypeSize - kGlyphHeight * 2) / 2, wide, ink);
    left += kGlyphWidth * wide + 1;
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
  // Genderless, and the comparison bars: a mid grey stands out at 3:1 or more
  // from light and dark window colours alike, where black vanished on dark ones.
  images.push_back(Solid(212, 10, 7, 0x808080));
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
