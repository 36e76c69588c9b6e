// The reader's queries and the list idiom every loader is written in.
#include "records/xml_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

class XmlReaderTest : public testing::Test {
 protected:
  void Load(const std::string& xml) {
    dir.Write("data/test.xml", xml);
    ASSERT_TRUE(reader.LoadDataFile("data/test.xml", false));
  }
  ReportCapture reports;
  TempWorkdir dir;
  XmlReader reader;
};

TEST_F(XmlReaderTest, ChildQueriesAnswerDefaultsForAnythingMissing) {
  Load(R"(<root a="12abc" empty="" neg=" -3">
            <n>12abc</n><m> -3</m><x>abc</x><blank></blank>
            <split>one<!-- comment -->two<b>inner</b>three</split>
            <twice>first</twice><twice>second</twice>
          </root>)");
  EXPECT_EQ(reader.ChildInt("n"), 12);
  EXPECT_EQ(reader.ChildInt("m"), -3);
  EXPECT_EQ(reader.ChildInt("x"), 0);
  EXPECT_EQ(reader.ChildInt("blank"), 0);
  EXPECT_EQ(reader.ChildInt("absent"), 0);
  EXPECT_EQ(reader.ChildText("absent"), "");
  EXPECT_EQ(reader.ChildText("split"), "onetwothree");
  EXPECT_EQ(reader.ChildText("twice"), "first");
  EXPECT_EQ(reader.Attribute("a"), "12abc");
  EXPECT_EQ(reader.AttributeInt("a"), 12);
  EXPECT_EQ(reader.AttributeInt("empty"), 0);
  EXPECT_EQ(reader.AttributeInt("neg"), -3);
  EXPECT_EQ(reader.Attribute("absent"), "");
  EXPECT_TRUE(reader.HasChild("blank"));
  EXPECT_FALSE(reader.HasChild("Blank"));  // names are case-sensitive
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(XmlReaderTest, CursorEntersLeavesAndWalksSiblingsOfTheSameName) {
  Load("<root><a id='1'/><b/><a id='2'><c/></a></root>");
  EXPECT_EQ(reader.CurrentName(), "root");
  EXPECT_FALSE(reader.Enter("c"));  // only direct children
  EXPECT_EQ(reader.CurrentName(), "root");
  ASSERT_TRUE(reader.Enter("a"));
  EXPECT_EQ(reader.Attribute("id"), "1");
  EXPECT_TRUE(reader.HasNextSibling());  // b is skipped
  EXPECT_TRUE(reader.NextSibling());
  EXPECT_EQ(reader.Attribute("id"), "2");
  EXPECT_FALSE(reader.HasNextSibling());
  EXPECT_FALSE(reader.NextSibling());
  EXPECT_EQ(reader.Attribute("id"), "2");
  reader.Leave();
  EXPECT_EQ(reader.CurrentName(), "root");
  reader.Leave();  // nothing left to pop
  EXPECT_EQ(reader.CurrentName(), "root");
}

TEST_F(XmlReaderTest, ListIdiomReadsOnlyItemsAndReturnsToTheParent) {
  Load("<root><moves><move>1</move><other>x</other><move>2</move></moves><after>9</after></root>");
  std::vector<std::string> items;
  reader.ForEachItem("moves", "move", [&] { items.push_back(reader.CurrentName()); });
  EXPECT_EQ(items.size(), 2u);
  EXPECT_EQ(reader.CurrentName(), "root");
  EXPECT_EQ(reader.ChildInt("after"), 9);
}

TEST_F(XmlReaderTest, EmptyListYieldsNothingAndReturnsToTheParent) {
  Load("<root><moves><other/></moves><after>9</after></root>");
  int items = 0;
  reader.ForEachItem("moves", "move", [&] { ++items; });
  reader.ForEachItem("absent", "move", [&] { ++items; });
  EXPECT_EQ(items, 0);
  EXPECT_EQ(reader.CurrentName(), "root");
  EXPECT_EQ(reader.ChildInt("after"), 9);
}

TEST(XmlReaderWithoutDocument, AnswersDefaults) {
  XmlReader reader;
  EXPECT_EQ(reader.ChildText("a"), "");
  EXPECT_EQ(reader.ChildInt("a"), 0);
  EXPECT_EQ(reader.Attribute("a"), "");
  EXPECT_EQ(reader.AttributeInt("a"), 0);
  EXPECT_FALSE(reader.HasChild("a"));
  EXPECT_FALSE(reader.Enter("a"));
  EXPECT_FALSE(reader.HasNextSibling());
  EXPECT_FALSE(reader.NextSibling());
  reader.Leave();
  EXPECT_EQ(reader.CurrentName(), "");
  int items = 0;
  reader.ForEachTopItem("a", [&] { ++items; });
  EXPECT_EQ(items, 0);
}

}  // namespace
