// faunary_icon_writer <output-folder> <size>...
// Runs on the build machine: writes the program's icon (resource 101 of
// resources/images.cpp) as PNG files for the desktop's icon theme, one per
// size, as <output-folder>/hicolor/<size>x<size>/apps/faunary.png.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "resources/images.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

void PutBigEndian32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const Bytes& bytes, std::size_t from) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = from; i < bytes.size(); ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xFFFFFFFFu;
}

void PutChunk(Bytes& png, const char (&type)[5], const Bytes& data) {
  PutBigEndian32(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  PutBigEndian32(png, Crc32(png, start));
}

// A zlib stream of stored (uncompressed) deflate blocks: icons are small.
Bytes ZlibStored(const Bytes& raw) {
  Bytes out{0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
    const bool last = at + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
    out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
               raw.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < raw.size());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian32(out, (b << 16) | a);
  return out;
}

// The image scaled to size x size: each pixel is the mean of the source
// pixels its square covers (one pixel when enlarging by a whole factor).
Bytes ScaledRgbRows(const ImageResource& image, int size) {
  Bytes rows;
  for (int y = 0; y < size; ++y) {
    rows.push_back(0);  // filter: none
    const int y0 = y * image.height / size, y1 = ((y + 1) * image.height + size - 1) / size;
    for (int x = 0; x < size; ++x) {
      const int x0 = x * image.width / size, x1 = ((x + 1) * image.width + size - 1) / size;
      std::array<std::uint32_t, 3> sum{};
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
          const std::uint32_t pixel = image.pixels[static_cast<std::size_t>(sy * image.width + sx)];
          sum[0] += (pixel >> 16) & 0xFF;
          sum[1] += (pixel >> 8) & 0xFF;
          sum[2] += pixel & 0xFF;
        }
      const auto count = static_cast<std::uint32_t>((y1 - y0) * (x1 - x0));
      for (std::uint32_t channel : sum) rows.push_back(static_cast<std::uint8_t>(channel / count));
    }
  }
  return rows;
}

Bytes EncodePng(const ImageResource& image, int size) {
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBigEndian32(header, static_cast<std::uint32_t>(size));
  PutBigEndian32(header, static_cast<std::uint32_t>(size));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits per channel, RGB, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", ZlibStored(ScaledRgbRows(image, size)));
  PutChunk(png, "IEND", {});
  return png;
}
}  // namespace

int main(int argc, char** argv) {
  const ImageResource* icon = FindImage(101);
  if (argc < 3 || !icon) {
    std::fprintf(stderr, "usage: faunary_icon_writer <output-folder> <size>...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 1 || size > 1024) {
      std::fprintf(stderr, "faunary_icon_writer: bad size %s\n", argv[i]);
      return 2;
    }
    const std::string edge = std::to_string(size);
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "hicolor" / (edge + "x" + edge) / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const Bytes png = EncodePng(*icon, size);
    std::ofstream out(folder / "faunary.png", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "faunary_icon_writer: cannot write %s\n", (folder / "faunary.png").c_str());
      return 1;
    }
  }
  return 0;
}
