#pragma once
// What the resource compiler gets: one file per image of resources/images.h
// (the icon as .ico, bitmaps as .bmp) and the script that names them by
// resource id, plus the application manifest.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "resources/images.h"

inline constexpr int kManifestResourceId = 1;  // CREATEPROCESS_MANIFEST_RESOURCE_ID

struct ResourceFile {
  int id = 0;
  bool is_icon = false;
  std::string file_name;             // inside the output folder
  std::vector<std::uint8_t> bytes;   // empty when the image could not be encoded
};

// The file of every image: the program icon as a 32-bit icon, the bar bitmaps
// (solid colours) with a 16-colour palette, everything else in true colour.
std::vector<ResourceFile> MakeResourceFiles(std::span<const ImageResource> images);

// The .rc text: "<id> ICON|BITMAP \"<folder>/<file>\"" per file, then the
// manifest as resource type 24.
std::string ResourceScript(std::span<const ResourceFile> files, const std::string& folder,
                           const std::string& manifest_path);
