// The files and the resource script that compile the program's images into
// faunary.exe.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "backends/win32/resource_script.h"
#include "resources/images.h"

namespace {

const ResourceFile* FileOf(const std::vector<ResourceFile>& files, int id) {
  const auto it = std::find_if(files.begin(), files.end(), [id](const ResourceFile& f) { return f.id == id; });
  return it == files.end() ? nullptr : &*it;
}

TEST(ResourceFiles, CoverTheIconTheBarsAndEveryTypeImage) {
  const std::vector<ResourceFile> files = MakeResourceFiles(AllImages());
  EXPECT_EQ(files.size(), 1u + 3u + static_cast<std::size_t>(kTypeImageCount));
  const ResourceFile* icon = FileOf(files, 101);
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->is_icon);
  EXPECT_EQ(icon->file_name, "icon101.ico");

  std::vector<int> bitmap_ids{210, 211, 212};
  bitmap_ids.insert(bitmap_ids.end(), std::begin(kTypeBitmapIds), std::end(kTypeBitmapIds));
  for (const int id : bitmap_ids) {
    const ResourceFile* file = FileOf(files, id);
    ASSERT_NE(file, nullptr) << id;
    EXPECT_FALSE(file->is_icon) << id;
    EXPECT_EQ(file->file_name, "bitmap" + std::to_string(id) + ".bmp");
    ASSERT_GT(file->bytes.size(), 54u) << id;
    const int bits = file->bytes[28];
    EXPECT_EQ(bits, id <= 212 ? 4 : 24) << "bars use a 16-colour palette, type images true colour: " << id;
  }
}

TEST(ResourceScript, NamesEveryFileByIdAndTheManifest) {
  const std::vector<ResourceFile> files = MakeResourceFiles(AllImages());
  const std::string script = ResourceScript(files, "/out", "/src/faunary.manifest");
  EXPECT_NE(script.find("\n101 ICON \"/out/icon101.ico\"\n"), std::string::npos);
  EXPECT_NE(script.find("\n210 BITMAP \"/out/bitmap210.bmp\"\n"), std::string::npos);
  EXPECT_NE(script.find("\n239 BITMAP \"/out/bitmap239.bmp\"\n"), std::string::npos);
  EXPECT_NE(script.find("\n1 24 \"/src/faunary.manifest\"\n"), std::string::npos);
  EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 1 + static_cast<long>(files.size()) + 1);
}

TEST(ResourceScript, EscapesBackslashesAndQuotesInPaths) {
  const ResourceFile file{210, false, "bitmap210.bmp", {1}};
  const std::string script = ResourceScript({&file, 1}, "C:\\a \"b\"", "m");
  EXPECT_NE(script.find("210 BITMAP \"C:\\\\a \\\"b\\\"/bitmap210.bmp\""), std::string::npos);
}

}  // namespace
