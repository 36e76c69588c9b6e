// The archive scan behind every load: fuzzed bytes as faunary.dat, with the
// file on disk missing, a directory, damaged or sound, loaded quietly or not.
#include <filesystem>

#include "fuzz/fuzz_harness.h"
#include "records/archive.h"
#include "records/xml_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EnterFuzzWorkdir("");
  if (size == 0) return 0;
  const unsigned mode = data[0];
  WriteFile("faunary.dat", AsString(data + 1, size - 1));

  std::error_code error;
  std::filesystem::remove_all("data", error);
  switch (mode & 3) {
    case 0: break;  // no file: the archive is asked
    case 1: std::filesystem::create_directories("data/types.xml"); break;
    case 2: WriteFile("data/types.xml", "<types><stdtype>"); break;  // not well-formed
    case 3: WriteFile("data/types.xml", "<types/>"); break;          // the disk wins
  }
  const bool quiet = (mode & 4) != 0;
  for (const char* name : {"data/types.xml", "faunary.cfgx", "data/pokemon/1.xml"}) {
    XmlReader reader;
    if (!reader.LoadDataFile(name, quiet)) continue;
    reader.ForEachItem("stdtype", "type", [&] { (void)reader.ChildText("name"); });
    (void)reader.ChildInt("crtronload");
    (void)reader.Attribute("id");
  }
  std::string content;
  const ArchiveLookup found = FindArchiveRecord("faunary.dat", "data/moves.xml", content);
  FUZZ_CHECK((found == ArchiveLookup::kFound) == !content.empty());
  return 0;
}
