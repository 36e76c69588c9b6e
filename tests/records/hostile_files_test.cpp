// Files no real data set holds, which once crashed the program or hung it:
// each must fail the load quietly (or with the usual message) and leave the
// archive to stand in.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "records/xml_reader.h"
#include "records/xml_text.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

// A directory where a file belongs counts as missing, so the archive stands in;
// an archive that is a directory holds nothing.
TEST(HostileFiles, DirectoriesWhereFilesBelong) {
  for (const char* name : {"data/types.xml", "data/pokemon.xml", "data/pokemon/1.xml", "faunary.cfgx"}) {
    TempWorkdir dir;
    ReportCapture reports;
    std::filesystem::create_directories(dir.path() / name);
    dir.Write("faunary.dat", ArchiveRecord(name, "<doc><x>archived</x></doc>"));
    XmlReader reader;
    ASSERT_TRUE(reader.LoadDataFile(name, true)) << name;
    EXPECT_EQ(reader.ChildText("x"), "archived");
    EXPECT_TRUE(reports.all().empty());
  }
  TempWorkdir dir;
  ReportCapture reports;
  std::filesystem::create_directories(dir.path() / "faunary.dat");
  XmlReader reader;
  EXPECT_FALSE(reader.LoadDataFile("data/types.xml", false));
  EXPECT_TRUE(reports.all().empty());
}

// Too deep a record gets the usual load error; too deep a file on disk is a
// file that does not parse, so its archive record stands in.
TEST(HostileFiles, NestingDeeperThanTheLimitIsRefusedBeforeParsing) {
  for (const int depth : {kMaxXmlNesting, kMaxXmlNesting + 1, 200000}) {
    const bool loads = depth <= kMaxXmlNesting;
    TempWorkdir dir;
    ReportCapture reports;
    dir.Write("faunary.dat", ArchiveRecord("data/types.xml", Nested(depth)) +
                                 ArchiveRecord("data/moves.xml", "<moves>archived</moves>"));
    dir.Write("data/moves.xml", Nested(depth));
    XmlReader from_archive;
    EXPECT_EQ(from_archive.LoadDataFile("data/types.xml", false), loads) << depth;
    XmlReader from_disk;
    ASSERT_TRUE(from_disk.LoadDataFile("data/moves.xml", false));
    EXPECT_EQ(from_disk.CurrentName(), loads ? "a" : "moves") << depth;
    const std::vector<Reported> refused = {
        {"Error when loading XML file data/types.xml: Elements nested too deeply.", "XML Reader error"}};
    EXPECT_EQ(reports.all(), loads ? std::vector<Reported>{} : refused) << depth;
  }
}

}  // namespace
