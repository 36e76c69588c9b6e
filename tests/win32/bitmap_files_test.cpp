// Bitmap and icon files, read back the way the resource compiler and
// LoadImage read them.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "backends/win32/bitmap_files.h"

namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b.at(at) | (b.at(at + 1) << 8));
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// Red, green, blue of pixel (x, y) from the top of a bottom-up 24-bit bitmap.
std::uint32_t Rgb24(const std::vector<std::uint8_t>& bmp, int x, int y) {
  const auto width = static_cast<std::int32_t>(U32(bmp, 18));
  const auto height = static_cast<std::int32_t>(U32(bmp, 22));
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t at = U32(bmp, 10) + static_cast<std::size_t>(height - 1 - y) * stride + static_cast<std::size_t>(x) * 3;
  return (static_cast<std::uint32_t>(bmp.at(at + 2)) << 16) | (static_cast<std::uint32_t>(bmp.at(at + 1)) << 8) |
         bmp.at(at);
}

ImageResource ThreeByTwo() {
  return {5, 3, 2, {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203}};
}

TEST(BmpFile, TrueColourRowsRunBottomUpPaddedToFourBytes) {
  const std::vector<std::uint8_t> bmp = EncodeBmp(ThreeByTwo(), BmpDepth::k24Bit);
  ASSERT_EQ(bmp.size(), 14u + 40u + 2u * 12u);  // 3 pixels = 9 bytes, padded to 12
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 10), 54u);
  EXPECT_EQ(U32(bmp, 14), 40u);
  EXPECT_EQ(U16(bmp, 28), 24u);
  EXPECT_EQ(U32(bmp, 30), 0u) << "uncompressed";
  const ImageResource image = ThreeByTwo();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(Rgb24(bmp, x, y), image.pixels[static_cast<std::size_t>(y * 3 + x)]) << x << "," << y;
}

TEST(BmpFile, PaletteBitmapsIndexSixteenColours) {
  const ImageResource bar{210, 10, 7, std::vector<std::uint32_t>(70, 0x0000FF)};
  const std::vector<std::uint8_t> bmp = EncodeBmp(bar, BmpDepth::k4BitPalette);
  ASSERT_EQ(bmp.size(), 14u + 40u + 16u * 4u + 7u * 8u);  // 10 nibbles = 5 bytes, padded to 8
  EXPECT_EQ(U16(bmp, 28), 4u);
  EXPECT_EQ(U32(bmp, 46), 16u) << "palette size";
  EXPECT_EQ(U32(bmp, 54), 0x000000FFu) << "first palette entry: blue, stored as B, G, R, 0";
  EXPECT_EQ(bmp[U32(bmp, 10)], 0x00) << "every pixel is palette entry 0";
}

TEST(BmpFile, RefusesWhatItCannotHold) {
  ImageResource many{1, 17, 1, {}};
  for (std::uint32_t i = 0; i < 17; ++i) many.pixels.push_back(i);
  EXPECT_TRUE(EncodeBmp(many, BmpDepth::k4BitPalette).empty());
  EXPECT_FALSE(EncodeBmp(many, BmpDepth::k24Bit).empty());
  const ImageResource short_of_pixels{1, 4, 4, std::vector<std::uint32_t>(15, 0)};
  EXPECT_TRUE(EncodeBmp(short_of_pixels, BmpDepth::k24Bit).empty());
  EXPECT_TRUE(EncodeIco(short_of_pixels).empty());
}

TEST(IcoFile, HoldsOneOpaqueThirtyTwoBitImage) {
  ImageResource icon{101, 32, 32, std::vector<std::uint32_t>(32 * 32, 0x000000)};
  icon.pixels[0] = 0xE02020;  // top left
  const std::vector<std::uint8_t> ico = EncodeIco(icon);
  const std::size_t colour_bytes = 32 * 32 * 4, mask_bytes = 32 * 4;
  ASSERT_EQ(ico.size(), 6u + 16u + 40u + colour_bytes + mask_bytes);
  EXPECT_EQ(U16(ico, 2), 1u) << "icon";
  EXPECT_EQ(U16(ico, 4), 1u) << "one image";
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(U16(ico, 12), 32u) << "bits per pixel";
  EXPECT_EQ(U32(ico, 14), 40u + colour_bytes + mask_bytes);
  EXPECT_EQ(U32(ico, 18), 22u) << "image offset";
  EXPECT_EQ(static_cast<std::int32_t>(U32(ico, 22 + 8)), 64) << "height counts colour and mask rows";
  // Rows run bottom-up: the top-left pixel opens the last row.
  const std::size_t top_left = 22 + 40 + 31 * 32 * 4;
  EXPECT_EQ(ico[top_left], 0x20);
  EXPECT_EQ(ico[top_left + 1], 0x20);
  EXPECT_EQ(ico[top_left + 2], 0xE0);
  EXPECT_EQ(ico[top_left + 3], 0xFF) << "opaque";
}

}  // namespace
