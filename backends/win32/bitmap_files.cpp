#include "backends/win32/bitmap_files.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

class ByteWriter {
 public:
  void U8(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
  void U16(std::uint32_t v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFFu);
    U16(v >> 16);
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void PadTo4(std::size_t row_start) {
    while ((bytes_.size() - row_start) % 4 != 0) U8(0);
  }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

bool SizeMatches(const ImageResource& image) {
  return image.width > 0 && image.height > 0 &&
         image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

std::uint32_t Pixel(const ImageResource& image, int x, int y) {
  return image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                      static_cast<std::size_t>(x)];
}

std::uint32_t RowBytes(int width, int bits) {
  return (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) + 31u) / 32u * 4u;
}

void InfoHeader(ByteWriter& out, int width, int height, int bits, std::uint32_t image_bytes,
                std::uint32_t palette_size) {
  out.U32(kInfoHeaderSize);
  out.I32(width);
  out.I32(height);  // positive: rows run bottom-up
  out.U16(1);       // planes
  out.U16(static_cast<std::uint32_t>(bits));
  out.U32(0);  // BI_RGB
  out.U32(image_bytes);
  out.I32(2835);  // 72 dpi
  out.I32(2835);
  out.U32(palette_size);
  out.U32(0);
}

void Bgr(ByteWriter& out, std::uint32_t rgb) {
  out.U8(rgb);
  out.U8(rgb >> 8);
  out.U8(rgb >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const ImageResource& image, BmpDepth depth) {
  if (!SizeMatches(image)) return {};
  std::vector<std::uint32_t> palette;
  if (depth == BmpDepth::k4BitPalette) {
    for (const std::uint32_t rgb : image.pixels)
      if (std::find(palette.begin(), palette.end(), rgb) == palette.end()) palette.push_back(rgb);
    if (palette.size() > 16) return {};
    palette.resize(16, 0);
  }
  const int bits = depth == BmpDepth::k24Bit ? 24 : 4;
  const std::uint32_t row_bytes = RowBytes(image.width, bits);
  const std::uint32_t image_bytes = row_bytes * static_cast<std::uint32_t>(image.height);
  const auto palette_bytes = static_cast<std::uint32_t>(palette.size() * 4);
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + palette_bytes;

  ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.U32(offset + image_bytes);
  out.U32(0);
  out.U32(offset);
  InfoHeader(out, image.width, image.height, bits, image_bytes, static_cast<std::uint32_t>(palette.size()));
  for (const std::uint32_t rgb : palette) {
    Bgr(out, rgb);
    out.U8(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row_start = out.size();
    if (bits == 24) {
      for (int x = 0; x < image.width; ++x) Bgr(out, Pixel(image, x, y));
    } else {
      for (int x = 0; x < image.width; x += 2) {
        const auto index = [&](int at) {
          const auto it = std::find(palette.begin(), palette.end(), Pixel(image, at, y));
          return static_cast<std::uint32_t>(it - palette.begin());
        };
        out.U8((index(x) << 4) | (x + 1 < image.width ? index(x + 1) : 0u));
      }
    }
    out.PadTo4(row_start);
  }
  return out.Take();
}

std::vector<std::uint8_t> EncodeIco(const ImageResource& image) {
  if (!SizeMatches(image) || image.width > 256 || image.height > 256) return {};
  const std::uint32_t colour_bytes = RowBytes(image.width, 32) * static_cast<std::uint32_t>(image.height);
  const std::uint32_t mask_bytes = RowBytes(image.width, 1) * static_cast<std::uint32_t>(image.height);
  const std::uint32_t entry_bytes = kInfoHeaderSize + colour_bytes + mask_bytes;
  constexpr std::uint32_t kDirectorySize = 6 + 16;

  ByteWriter out;
  out.U16(0);  // reserved
  out.U16(1);  // icon
  out.U16(1);  // one image
  out.U8(image.width == 256 ? 0u : static_cast<std::uint32_t>(image.width));
  out.U8(image.height == 256 ? 0u : static_cast<std::uint32_t>(image.height));
  out.U8(0);  // no palette
  out.U8(0);
  out.U16(1);   // planes
  out.U16(32);  // bits per pixel
  out.U32(entry_bytes);
  out.U32(kDirectorySize);
  // The image's height counts the colour rows and the AND-mask rows.
  InfoHeader(out, image.width, image.height * 2, 32, colour_bytes + mask_bytes, 0);
  for (int y = image.height - 1; y >= 0; --y)
    for (int x = 0; x < image.width; ++x) {
      Bgr(out, Pixel(image, x, y));
      out.U8(0xFF);  // opaque
    }
  for (std::uint32_t i = 0; i < mask_bytes; ++i) out.U8(0);  // AND mask: nothing transparent
  return out.Take();
}
