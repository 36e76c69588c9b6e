// The in-memory dialog templates, read back field by field as Windows reads
// a DLGTEMPLATE, for every layout of the dialog table.
#include <gtest/gtest.h>

#include <string>

#include "backends/win32/cp1252.h"
#include "backends/win32/dialog_template_bytes.h"
#include "resources/dialog_templates.h"
#include "shell/win_constants.h"

namespace {

class WordReader {
 public:
  explicit WordReader(const std::vector<std::uint16_t>& words) : words_(words) {}
  std::uint16_t Word() {
    if (at_ >= words_.size()) {
      ADD_FAILURE() << "read past the template's end";
      return 0;
    }
    return words_[at_++];
  }
  int Short() { return static_cast<std::int16_t>(Word()); }
  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
  }
  std::u16string Text() {
    std::u16string text;
    for (std::uint16_t unit = Word(); unit != 0; unit = Word()) text.push_back(static_cast<char16_t>(unit));
    return text;
  }
  void AlignToDword() {
    if (at_ % 2 != 0) {
      EXPECT_EQ(Word(), 0) << "alignment padding";
    }
  }
  bool AtEnd() const { return at_ == words_.size(); }

 private:
  const std::vector<std::uint16_t>& words_;
  std::size_t at_ = 0;
};

std::uint16_t ExpectedAtom(const std::string& class_name) {
  if (class_name == WC_BUTTON) return kButtonAtom;
  if (class_name == WC_STATIC) return kStaticAtom;
  if (class_name == WC_COMBOBOX) return kComboBoxAtom;
  if (class_name == WC_EDIT) return kEditAtom;
  ADD_FAILURE() << "the table uses a class without a predefined atom: " << class_name;
  return 0;
}

class DialogTemplateBytes : public testing::TestWithParam<DialogTemplate> {};

TEST_P(DialogTemplateBytes, HoldTheLayoutAsWindowsReadsIt) {
  const DialogTemplate& layout = GetParam();
  const std::vector<std::uint16_t> words = BuildDialogTemplate(layout);
  WordReader in(words);

  EXPECT_EQ(in.Dword(), layout.style | DS_SETFONT);
  EXPECT_EQ(in.Dword(), 0u);
  EXPECT_EQ(in.Word(), layout.items.size());
  EXPECT_EQ(in.Short(), 0);
  EXPECT_EQ(in.Short(), 0);
  EXPECT_EQ(in.Short(), layout.width);
  EXPECT_EQ(in.Short(), layout.height);
  EXPECT_EQ(in.Word(), 0) << "menu";
  EXPECT_EQ(in.Word(), 0) << "class";
  EXPECT_EQ(in.Text(), Cp1252ToUtf16(layout.title));
  EXPECT_EQ(in.Word(), 8) << "font size";
  EXPECT_EQ(in.Text(), u"MS Sans Serif");

  for (const DialogItemTemplate& item : layout.items) {
    SCOPED_TRACE(testing::Message() << "item " << item.id << " \"" << item.text << "\"");
    in.AlignToDword();
    EXPECT_EQ(in.Dword(), WS_CHILD | WS_VISIBLE | item.style);
    EXPECT_EQ(in.Dword(), 0u);
    EXPECT_EQ(in.Short(), item.x);
    EXPECT_EQ(in.Short(), item.y);
    EXPECT_EQ(in.Short(), item.width);
    EXPECT_EQ(in.Short(), item.height);
    EXPECT_EQ(in.Word(), item.id);
    EXPECT_EQ(in.Word(), 0xFFFF) << "class given as a predefined atom";
    EXPECT_EQ(in.Word(), ExpectedAtom(item.class_name));
    EXPECT_EQ(in.Text(), Cp1252ToUtf16(item.text));
    EXPECT_EQ(in.Word(), 0) << "creation data";
  }
  EXPECT_TRUE(in.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, DialogTemplateBytes, testing::ValuesIn(AllDialogTemplates()),
                         [](const testing::TestParamInfo<DialogTemplate>& dialog) {
                           return "Dialog" + std::to_string(dialog.param.id);
                         });

TEST(DialogTemplateBytes, SpellsTheOptionsTextsInUtf16) {
  const DialogTemplate* options = FindDialogTemplate(207);
  ASSERT_NE(options, nullptr);
  const std::vector<std::uint16_t> words = BuildDialogTemplate(*options);
  const std::u16string all(words.begin(), words.end());
  EXPECT_NE(all.find(u"Go to last used Pok\u00E9mon"), std::u16string::npos);
}

TEST(DialogTemplateBytes, NamesAClassWithoutAnAtomInFull) {
  constexpr DialogItemTemplate kItems[] = {{7, "SysListView32", "", 0, 1, 2, 3, 4}};
  const DialogTemplate layout{900, "T", WS_POPUP, 10, 10, "MS Sans Serif", 8, kItems};
  const std::vector<std::uint16_t> words = BuildDialogTemplate(layout);
  const std::u16string all(words.begin(), words.end());
  EXPECT_NE(all.find(std::u16string(u"SysListView32") + u'\0'), std::u16string::npos);
}

struct Cp1252Case {
  unsigned char byte;
  char16_t unit;
};

class Cp1252Conversion : public testing::TestWithParam<Cp1252Case> {};

TEST_P(Cp1252Conversion, MapsEachByteToItsCharacter) {
  const std::string text(1, static_cast<char>(GetParam().byte));
  EXPECT_EQ(Cp1252ToUtf16(text), std::u16string(1, GetParam().unit));
}

INSTANTIATE_TEST_SUITE_P(Bytes, Cp1252Conversion,
                         testing::Values(Cp1252Case{'A', u'A'}, Cp1252Case{0xE9, u'\u00E9'},
                                         Cp1252Case{0x80, u'\u20AC'}, Cp1252Case{0x92, u'\u2019'},
                                         Cp1252Case{0x9F, u'\u0178'}, Cp1252Case{0x81, u'\u0081'},
                                         Cp1252Case{0xFF, u'\u00FF'}));

}  // namespace
