// Files no real data set holds, which once crashed the program or hung it:
// each must fail the load quietly (or with the usual message) and leave the
// archive to stand in.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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

// The depth of the tree TinyXML itself builds from text.
int TinyXmlDepth(const std::string& text) {
  std::string padded = text + std::string(16, '\0');
  TiXmlDocument document;
  document.Parse(padded.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  int deepest = 0;
  std::vector<std::pair<const TiXmlElement*, int>> todo;
  for (const TiXmlElement* e = document.FirstChildElement(); e; e = e->NextSiblingElement()) todo.emplace_back(e, 1);
  while (!todo.empty()) {
    const auto [element, depth] = todo.back();
    todo.pop_back();
    deepest = std::max(deepest, depth);
    for (const TiXmlElement* c = element->FirstChildElement(); c; c = c->NextSiblingElement())
      todo.emplace_back(c, depth + 1);
  }
  return deepest;
}

// End tags that TinyXML does not read as end tags: a count that took them for
// closing would let the elements opened after them nest past the limit.
TEST(HostileFiles, EndTagsTinyXmlStepsOverDoNotHideNesting) {
  const char* const kDisguises[] = {
      "<!-- > </a> -->",        // in a comment, after a ">"
      "<x v=\"</a>\"/>",        // in an attribute value
      "&#</a>#1;",              // inside a character reference, which runs to the next ';'
      "\xF0</a>",               // inside a four-byte UTF-8 character
      "<![CDATA[</a>]]>",       // in CDATA
      "<?xml version=\"</a>\"?>"};  // in a declaration's attribute
  for (const char* disguise : kDisguises) {
    for (const int after : {20, 40}) {
      // 40 levels, 30 disguised end tags, `after` levels more, and the 10 end
      // tags a count that took the disguises for end tags would expect.
      std::string text = "<?xml version=\"1.0\"?>";
      for (int i = 0; i < 40; ++i) text += "<a>";
      for (int i = 0; i < 30; ++i) text += disguise;
      text += Nested(after);
      for (int i = 0; i < 10; ++i) text += "</a>";
      const bool too_deep = TinyXmlDepth(text) > kMaxXmlNesting;
      EXPECT_EQ(too_deep, 40 + after > kMaxXmlNesting) << disguise;
      TempWorkdir dir;
      ReportCapture reports;
      dir.Write("faunary.dat", ArchiveRecord("data/types.xml", text));
      XmlReader reader;
      reader.LoadDataFile("data/types.xml", false);
      const bool refused = std::find(reports.all().begin(), reports.all().end(),
                                     Reported{"Error when loading XML file data/types.xml: Elements nested too deeply.",
                                              "XML Reader error"}) != reports.all().end();
      EXPECT_EQ(refused, too_deep) << disguise << " then " << after << " levels";
    }
  }
}

// Line ends, byte order marks, declared encodings, character references and
// damage: a file on disk reads as TinyXML's own file loading reads it, and a
// damaged archive record is reported with TinyXML's own description.
TEST(HostileFiles, TextsReadAsTinyXmlReadsThem) {
  const char* const kDocuments[] = {
      "<?xml version=\"1.0\"?>\n<doc note=\"one\r\ntwo\rthree\"><name>Caf&#233; &amp; &#x263A;</name></doc>",
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<doc note=\"a\r\nb\"><name>Caf&#233;</name></doc>",
      "<?xml version=\"1.0\" encoding=\"UTF8\"?><doc><name>&#xE9;&#x10348;</name></doc>",
      "\xEF\xBB\xBF<doc note=\"x\r\n\"><name>&#233;\r\n  line\r\n</name></doc>",
      "<!-- c --><doc note='q\r'><name><![CDATA[<raw>\r\n]]></name><name>second</name></doc>",
      "\r\n<doc><name>\xC3\xA9 &#65;&#x42;</name></doc>\r\n"};
  for (const char* document : kDocuments) {
    TempWorkdir dir;
    ReportCapture reports;
    dir.Write("data/types.xml", document);
    // The model: TinyXML's own LoadFile and its first element of a name.
    TiXmlDocument model;
    ASSERT_TRUE(model.LoadFile((dir.path() / "data/types.xml").string().c_str())) << document;
    const TiXmlElement* root = model.FirstChildElement();
    const char* name = root->FirstChildElement("name")->GetText();
    const char* note = root->Attribute("note");
    XmlReader reader;
    ASSERT_TRUE(reader.LoadDataFile("data/types.xml", false)) << document;
    EXPECT_EQ(reader.ChildText("name"), name ? name : "") << document;
    EXPECT_EQ(reader.Attribute("note"), note ? note : "") << document;
    EXPECT_TRUE(reports.all().empty());
  }
  const char* const kDamaged[] = {"<doc><name>x</doc>", "<doc", "<doc a=\"1></doc>", "<?xml version=\"1.0\"?>"};
  for (const char* damaged : kDamaged) {
    TempWorkdir dir;
    ReportCapture reports;
    dir.Write("faunary.dat", ArchiveRecord("data/types.xml", damaged));
    std::string padded = std::string(damaged) + std::string(16, '\0');
    TiXmlDocument model;
    model.Parse(padded.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    XmlReader reader;
    EXPECT_FALSE(reader.LoadDataFile("data/types.xml", false)) << damaged;
    EXPECT_EQ(reports.texts(), std::vector<std::string>{"Error when loading XML file data/types.xml: " +
                                                        std::string(model.ErrorDesc())}) << damaged;
  }
}

}  // namespace
