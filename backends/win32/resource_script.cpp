#include "backends/win32/resource_script.h"

#include <utility>

#include "backends/win32/bitmap_files.h"
#include "port/control_ids.h"

namespace {

bool IsBarBitmap(int id) { return id >= kMaleBarBitmapId && id <= kGenderlessBarBitmapId; }

// A string literal of the resource compiler: backslashes and quotes escaped.
std::string Quoted(const std::string& path) {
  std::string out = "\"";
  for (const char c : path) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

}  // namespace

std::vector<ResourceFile> MakeResourceFiles(std::span<const ImageResource> images) {
  std::vector<ResourceFile> files;
  for (const ImageResource& image : images) {
    ResourceFile file;
    file.id = image.id;
    file.is_icon = image.id == kProgramIconId;
    if (file.is_icon) {
      file.file_name = "icon" + std::to_string(image.id) + ".ico";
      file.bytes = EncodeIco(image);
    } else {
      file.file_name = "bitmap" + std::to_string(image.id) + ".bmp";
      file.bytes = EncodeBmp(image, IsBarBitmap(image.id) ? BmpDepth::k4BitPalette : BmpDepth::k24Bit);
    }
    files.push_back(std::move(file));
  }
  return files;
}

std::string ResourceScript(std::span<const ResourceFile> files, const std::string& folder,
                           const std::string& manifest_path) {
  std::string script = "// Made by faunary_resource_writer from resources/images.cpp.\n";
  for (const ResourceFile& file : files) {
    script += std::to_string(file.id) + (file.is_icon ? " ICON " : " BITMAP ") +
              Quoted(folder + "/" + file.file_name) + "\n";
  }
  script += std::to_string(kManifestResourceId) + " 24 " + Quoted(manifest_path) + "\n";
  return script;
}
