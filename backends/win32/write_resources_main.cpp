// faunary_resource_writer <output-folder> <manifest>
// Runs on the build machine during the cross build: writes the icon and the
// bitmaps of resources/images.cpp as files, then faunary.rc naming them, for
// windres to compile into faunary.exe.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "backends/win32/resource_script.h"

namespace {

bool WriteFile(const std::string& path, const char* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
  out.close();
  if (!out) std::fprintf(stderr, "faunary_resource_writer: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: faunary_resource_writer <output-folder> <manifest>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string manifest = argv[2];
  const std::vector<ResourceFile> files = MakeResourceFiles(AllImages());
  for (const ResourceFile& file : files) {
    if (file.bytes.empty()) {
      std::fprintf(stderr, "faunary_resource_writer: image %d cannot be encoded\n", file.id);
      return 1;
    }
    if (!WriteFile(folder + "/" + file.file_name, reinterpret_cast<const char*>(file.bytes.data()),
                   file.bytes.size()))
      return 1;
  }
  // Written last: the build treats the script as the output of this step.
  const std::string script = ResourceScript(files, folder, manifest);
  return WriteFile(folder + "/faunary.rc", script.data(), script.size()) ? 0 : 1;
}
