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

class DirectoryWhereAFileBelongs : public testing::TestWithParam<const char*> {};

TEST_P(DirectoryWhereAFileBelongs, CountsAsMissingSoTheArchiveStandsIn) {
  TempWorkdir dir;
  ReportCapture reports;
  std::filesystem::create_directories(dir.path() / GetParam());
  dir.Write("faunary.dat", ArchiveRecord(GetParam(), "<doc><x>archived</x></doc>"));
  XmlReader reader;
  ASSERT_TRUE(reader.LoadDataFile(GetParam(), true));
  EXPECT_EQ(reader.ChildText("x"), "archived");
  EXPECT_TRUE(reports.all().empty());
}

INSTANTIATE_TEST_SUITE_P(Names, DirectoryWhereAFileBelongs,
                         testing::Values("data/types.xml", "data/pokemon.xml", "data/pokemon/1.xml", "faunary.cfgx"));

TEST(HostileFiles, AnArchiveThatIsADirectoryHoldsNothing) {
  TempWorkdir dir;
  ReportCapture reports;
  std::filesystem::create_directories(dir.path() / "faunary.dat");
  XmlReader reader;
  EXPECT_FALSE(reader.LoadDataFile("data/types.xml", false));
  EXPECT_TRUE(reports.all().empty());
}

struct NestingCase {
  int depth;
  bool loads;
};

void PrintTo(const NestingCase& c, std::ostream* out) { *out << c.depth << " deep"; }

class Nesting : public testing::TestWithParam<NestingCase> {};

// Too deep a record gets the usual load error; too deep a file on disk is a
// file that does not parse, so its archive record stands in.
TEST_P(Nesting, DeeperThanTheLimitIsRefusedBeforeParsing) {
  TempWorkdir dir;
  ReportCapture reports;
  dir.Write("faunary.dat", ArchiveRecord("data/types.xml", Nested(GetParam().depth)) +
                               ArchiveRecord("data/moves.xml", "<moves>archived</moves>"));
  dir.Write("data/moves.xml", Nested(GetParam().depth));

  XmlReader from_archive;
  EXPECT_EQ(from_archive.LoadDataFile("data/types.xml", false), GetParam().loads);
  XmlReader from_disk;
  ASSERT_TRUE(from_disk.LoadDataFile("data/moves.xml", false));
  EXPECT_EQ(from_disk.CurrentName(), GetParam().loads ? "a" : "moves");
  const std::vector<Reported> refused = {
      {"Error when loading XML file data/types.xml: Elements nested too deeply.", "XML Reader error"}};
  EXPECT_EQ(reports.all(), GetParam().loads ? std::vector<Reported>{} : refused);
}

INSTANTIATE_TEST_SUITE_P(Depths, Nesting,
                         testing::Values(NestingCase{kMaxXmlNesting, true}, NestingCase{kMaxXmlNesting + 1, false},
                                         NestingCase{200000, false}));

}  // namespace
