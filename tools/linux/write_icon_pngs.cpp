// faunary_icon_writer <output-folder> <size>...
// Runs on the build machine: writes the program's icon (resource 101 of
// resources/images.cpp) as PNG files for the desktop's icon theme, one per
// size, as <output-folder>/hicolor/<size>x<size>/apps/faunary.png.
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "resources/images.h"

namespace {
QImage IconImage(const ImageResource& icon) {
  QImage image(icon.width, icon.height, QImage::Format_RGB32);
  for (int y = 0; y < icon.height; ++y)
    for (int x = 0; x < icon.width; ++x)
      image.setPixel(x, y, 0xFF000000u | icon.pixels[static_cast<std::size_t>(y * icon.width + x)]);
  return image;
}
}  // namespace

int main(int argc, char** argv) {
  const ImageResource* icon = FindImage(101);
  if (argc < 3 || !icon) {
    std::fprintf(stderr, "usage: faunary_icon_writer <output-folder> <size>...\n");
    return 2;
  }
  const QImage image = IconImage(*icon);
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
    // Smaller sizes average the pixels they cover; larger ones repeat whole
    // pixels, which keeps the pixel art sharp.
    const Qt::TransformationMode mode = size < icon->width ? Qt::SmoothTransformation : Qt::FastTransformation;
    const std::string file = (folder / "faunary.png").string();
    if (!image.scaled(size, size, Qt::IgnoreAspectRatio, mode).save(QString::fromStdString(file), "PNG")) {
      std::fprintf(stderr, "faunary_icon_writer: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
