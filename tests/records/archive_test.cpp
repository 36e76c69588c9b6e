// The archive fallback, seen through LoadDataFile as a loader sees it.
#include <gtest/gtest.h>

#include <string>

#include "records/archive.h"
#include "records/xml_reader.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

using std::string_literals::operator""s;

struct ScanCase {
  std::string archive;
  ArchiveLookup result;
  std::string content;  // of "data/a.xml"
};

TEST(ArchiveScan, FindsExactlyTheNamedRecordAndNeverReadsPastTheEnd) {
  const ScanCase cases[] = {
      {ArchiveRecord("data/a.xml", "<a/>"), ArchiveLookup::kFound, "<a/>"},
      {ArchiveRecord("Data/a.xml", "<a/>") + ArchiveRecord("a.xml", "") + ArchiveRecord("data/a.xm", "") +
           ArchiveRecord("data/a.xml2", ""),
       ArchiveLookup::kNotFound, ""},
      {ArchiveRecord("data/a.xml", "<one/>") + ArchiveRecord("data/a.xml", "<two/>"), ArchiveLookup::kFound, "<one/>"},
      {"junk\"x\"|" + ArchiveRecord("data/b.xml", "<b/>") + "\r\n" + ArchiveRecord("data/a.xml", "<c/>"),
       ArchiveLookup::kFound, "<c/>"},
      {ArchiveRecord("data/a.xml", "<a>x|y</a>"), ArchiveLookup::kFound, "<a>x|y</a>"},
      {"\"|{data/a.xml}<a>||</a>||", ArchiveLookup::kFound, "<a>"},
      {"\"|{data/a.xml}<a/>|", ArchiveLookup::kFound, "<a/>|"},
      {ArchiveRecord("data/a.xml", ""), ArchiveLookup::kEmptyContent, ""},
      {"\"|{data/a.xml", ArchiveLookup::kNotFound, ""},
      {"\"\"|{data/a.xml}<no/>||", ArchiveLookup::kNotFound, ""},
      {"\"|{data/\0.xml}<z/>||"s + ArchiveRecord("data/a.xml", "<a>\0</a>"s), ArchiveLookup::kFound, "<a>\0</a>"s},
      {std::string(3 << 20, '"') + ArchiveRecord("data/a.xml", "<last/>"), ArchiveLookup::kFound, "<last/>"},
  };
  TempWorkdir dir;
  for (const ScanCase& c : cases) {
    dir.Write("faunary.dat", c.archive);
    std::string content;
    EXPECT_EQ(FindArchiveRecord("faunary.dat", "data/a.xml", content), c.result) << c.archive.substr(0, 60);
    if (c.result != ArchiveLookup::kNotFound) {
      EXPECT_EQ(content, c.content) << c.archive.substr(0, 60);
    }
  }
}

struct FallbackCase {
  const char* what;
  const char* disk;     // nullptr: no file on disk
  const char* archive;  // the record's content; nullptr: no record
  bool quiet;
  const char* root;    // the element read; "" when loading fails
  const char* report;  // the start of the one message; "" for none
};

TEST(ArchiveFallback, ReplacesWhatTheDiskCannotGiveAndReportsOnlyWhenAsked) {
  const FallbackCase cases[] = {
      {"disk wins", "<disk/>", "<archive/>", false, "disk", ""},
      {"malformed disk file", "<types><x></types>", "<archive/>", false, "archive", ""},
      {"missing everywhere", nullptr, nullptr, false, "", ""},
      {"empty record", nullptr, "", false, "", "Empty file string"},
      {"empty record, quiet", nullptr, "", true, "", ""},
      {"white-space record", nullptr, " \r\n ", false, "", "Error when loading XML file data/a.xml: "},
      {"white-space record, quiet", nullptr, " \r\n ", true, "", ""},
      {"damaged record", nullptr, "<moves><move id=\"1\">", true, "", "Error when loading XML file data/a.xml: "},
      {"no element on disk", "<?xml version=\"1.0\"?>\n", nullptr, true, "", "Error when loading XML file data/a.xml: "},
  };
  for (const FallbackCase& c : cases) {
    ReportCapture reports;
    TempWorkdir dir;
    if (c.disk) dir.Write("data/a.xml", c.disk);
    if (c.archive) dir.Write("faunary.dat", ArchiveRecord("data/a.xml", c.archive));
    XmlReader r;
    EXPECT_EQ(r.LoadDataFile("data/a.xml", c.quiet), *c.root != '\0') << c.what;
    EXPECT_EQ(r.CurrentName(), c.root) << c.what;
    ASSERT_EQ(reports.all().size(), *c.report ? 1u : 0u) << c.what;
    if (*c.report) {
      EXPECT_EQ(reports.all()[0].text.rfind(c.report, 0), 0u) << c.what << ": " << reports.all()[0].text;
      EXPECT_EQ(reports.all()[0].title, "XML Reader error");
    }
  }
}

}  // namespace
