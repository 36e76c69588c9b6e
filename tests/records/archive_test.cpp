// The archive fallback, seen through LoadDataFile as a loader sees it.
#include <gtest/gtest.h>

#include <string>

#include "records/archive.h"
#include "records/xml_reader.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

const char* const kTypes = "<types><stdtype><type><name>Disk</name></type></stdtype></types>";

std::string Lookup(const std::string& archive, const std::string& name, ArchiveLookup expected) {
  TempWorkdir dir;
  dir.Write("faunary.dat", archive);
  std::string content = "untouched";
  EXPECT_EQ(FindArchiveRecord("faunary.dat", name, content), expected) << name;
  return content;
}

struct ScanCase {
  const char* what;
  std::string archive;
  const char* name;
  ArchiveLookup result;
  std::string content;
};
void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.what; }

class ArchiveScan : public testing::TestWithParam<ScanCase> {};

TEST_P(ArchiveScan, FindsExactlyTheNamedRecordAndNeverReadsPastTheEnd) {
  const ScanCase& c = GetParam();
  const std::string content = Lookup(c.archive, c.name, c.result);
  if (c.result != ArchiveLookup::kNotFound) {
    EXPECT_EQ(content, c.content) << c.what;
  }
}

using std::string_literals::operator""s;

INSTANTIATE_TEST_SUITE_P(
    Bytes, ArchiveScan,
    testing::Values(
        ScanCase{"plain record", ArchiveRecord("data/a.xml", "<a/>"), "data/a.xml", ArchiveLookup::kFound, "<a/>"},
        ScanCase{"names carry the prefix", ArchiveRecord("a.xml", "<a/>"), "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"names are case-sensitive", ArchiveRecord("Data/a.xml", "<a/>"), "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"a longer name is another name", ArchiveRecord("data/a.xml2", "<a/>"), "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"a shorter name is another name", ArchiveRecord("data/a.xm", "<a/>"), "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"first of two records wins", ArchiveRecord("data/m.xml", "<one/>") + ArchiveRecord("data/m.xml", "<two/>"), "data/m.xml", ArchiveLookup::kFound, "<one/>"},
        ScanCase{"bytes between records are skipped", "junk\"x\"|" + ArchiveRecord("data/b.xml", "<b/>") + "\r\n" + ArchiveRecord("data/c.xml", "<c/>"), "data/c.xml", ArchiveLookup::kFound, "<c/>"},
        ScanCase{"a single bar keeps both bytes", ArchiveRecord("data/a.xml", "<a>x|y</a>"), "data/a.xml", ArchiveLookup::kFound, "<a>x|y</a>"},
        ScanCase{"content ends at the first two bars", "\"|{data/a.xml}<a>||</a>||", "data/a.xml", ArchiveLookup::kFound, "<a>"},
        ScanCase{"no end marker: content runs to the end", "\"|{data/a.xml}<a/>", "data/a.xml", ArchiveLookup::kFound, "<a/>"},
        ScanCase{"a bar at the very end is kept", "\"|{data/a.xml}<a/>|", "data/a.xml", ArchiveLookup::kFound, "<a/>|"},
        ScanCase{"empty content", ArchiveRecord("data/h.xml", ""), "data/h.xml", ArchiveLookup::kEmptyContent, ""},
        ScanCase{"empty archive", "", "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"quote at end of file", "\"", "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"quote and one byte at end", "\"|", "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"truncated name", "\"|{data/a.x", "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"truncated matching name", "\"|{data/a.xml", "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"the two bytes after a quote are not looked at again", "\"\"|{data/a.xml}<no/>||", "data/a.xml", ArchiveLookup::kNotFound, ""},
        ScanCase{"a record inside another's content is found", ArchiveRecord("data/x.xml", "<x>\"|{data/a.xml}<a/></x>"), "data/a.xml", ArchiveLookup::kFound, "<a/></x>"},
        ScanCase{"NUL bytes in names and contents", "\"|{data/\0.xml}<z/>||"s + ArchiveRecord("data/a.xml", "<a>\0</a>"s), "data/a.xml", ArchiveLookup::kFound, "<a>\0</a>"s}));

TEST(ArchiveScanLarge, ScansAHugeArchiveAndFindsTheLastRecord) {
  std::string archive(3 * 1024 * 1024, 'x');
  for (std::size_t i = 0; i < archive.size(); i += 4099) archive[i] = '"';  // many false starts
  archive += ArchiveRecord("data/last.xml", "<last/>");
  EXPECT_EQ(Lookup(archive, "data/last.xml", ArchiveLookup::kFound), "<last/>");
}

TEST(ArchiveScanLarge, AHugeNameWithoutEndIsNotFound) {
  Lookup("\"|{" + std::string(2 * 1024 * 1024, 'n'), "data/a.xml", ArchiveLookup::kNotFound);
}

class ArchiveFallback : public testing::Test {
 protected:
  ReportCapture reports;
  TempWorkdir dir;
};

TEST_F(ArchiveFallback, DiskFileWinsOverTheArchive) {
  dir.Write("data/types.xml", kTypes);
  dir.Write("faunary.dat", ArchiveRecord("data/types.xml", "<types><archive/></types>"));
  XmlReader r;
  ASSERT_TRUE(r.LoadDataFile("data/types.xml", false));
  EXPECT_TRUE(r.HasChild("stdtype"));
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(ArchiveFallback, MalformedDiskFileIsReplacedByTheArchiveSilently) {
  dir.Write("data/types.xml", "<types><stdtype></types>");
  dir.Write("faunary.dat", ArchiveRecord("data/types.xml", "<types><archive/></types>"));
  XmlReader r;
  ASSERT_TRUE(r.LoadDataFile("data/types.xml", false));
  EXPECT_TRUE(r.HasChild("archive"));
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(ArchiveFallback, MissingFileAndNoArchiveFailsSilently) {
  XmlReader r;
  EXPECT_FALSE(r.LoadDataFile("data/types.xml", false));
  dir.Write("faunary.dat", ArchiveRecord("data/other.xml", "<o/>"));
  EXPECT_FALSE(r.LoadDataFile("data/types.xml", false));
  EXPECT_TRUE(reports.all().empty());
  EXPECT_EQ(r.CurrentName(), "");
  EXPECT_EQ(r.ChildInt("x"), 0);
}

TEST_F(ArchiveFallback, EmptyRecordReportsUnlessQuiet) {
  dir.Write("faunary.dat", ArchiveRecord("data/habitats.xml", "") + ArchiveRecord("faunary.cfgx", ""));
  XmlReader r;
  EXPECT_FALSE(r.LoadDataFile("data/habitats.xml", false));
  EXPECT_FALSE(r.LoadDataFile("faunary.cfgx", true));
  EXPECT_EQ(reports.all(), (std::vector<Reported>{{"Empty file string", "XML Reader error", 0}}));
}

TEST_F(ArchiveFallback, DocumentWithoutElementNamesTheFile) {
  dir.Write("data/colours.xml", "<?xml version=\"1.0\"?>\n");
  XmlReader r;
  EXPECT_FALSE(r.LoadDataFile("data/colours.xml", true));
  ASSERT_EQ(reports.all().size(), 1u);
  EXPECT_EQ(reports.all()[0].title, "XML Reader error");
  EXPECT_EQ(reports.all()[0].text.rfind("Error when loading XML file data/colours.xml: ", 0), 0u);
}

TEST_F(ArchiveFallback, WhiteSpaceOnlyRecordIsSilentOnlyWhenQuiet) {
  dir.Write("faunary.dat", ArchiveRecord("faunary.cfgx", " \r\n ") + ArchiveRecord("data/a.xml", "  "));
  XmlReader r;
  EXPECT_FALSE(r.LoadDataFile("faunary.cfgx", true));
  EXPECT_TRUE(reports.all().empty());
  EXPECT_FALSE(r.LoadDataFile("data/a.xml", false));
  ASSERT_EQ(reports.all().size(), 1u);
  EXPECT_EQ(reports.all()[0].text.rfind("Error when loading XML file data/a.xml: ", 0), 0u);
}

TEST_F(ArchiveFallback, DamagedRecordIsReportedInsteadOfReadInPart) {
  dir.Write("faunary.dat", ArchiveRecord("data/moves.xml", "<moves><move id=\"1\"><name>Cut</name>"));
  XmlReader r;
  EXPECT_FALSE(r.LoadDataFile("data/moves.xml", false));
  EXPECT_FALSE(r.HasChild("move"));
  ASSERT_EQ(reports.all().size(), 1u);
  EXPECT_EQ(reports.all()[0].text.rfind("Error when loading XML file data/moves.xml: ", 0), 0u);
}

TEST_F(ArchiveFallback, ArchiveIsReadAfreshOnEveryLoad) {
  XmlReader r;
  dir.Write("faunary.dat", ArchiveRecord("data/a.xml", "<first/>"));
  ASSERT_TRUE(r.LoadDataFile("data/a.xml", false));
  EXPECT_EQ(r.CurrentName(), "first");
  dir.Write("faunary.dat", ArchiveRecord("data/a.xml", "<second/>"));
  ASSERT_TRUE(r.LoadDataFile("data/a.xml", false));
  EXPECT_EQ(r.CurrentName(), "second");
}

}  // namespace
