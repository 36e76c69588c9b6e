#include "backends/win32/dialog_template_bytes.h"

#include <string_view>
#include <utility>

#include "backends/win32/cp1252.h"
#include "port/win_constants.h"

namespace {

class TemplateWriter {
 public:
  void Word(std::uint16_t value) { words_.push_back(value); }
  void Short(int value) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFFu));  // little-endian: low word first
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Text(std::string_view cp1252) {
    for (const char16_t unit : Cp1252ToUtf16(cp1252)) Word(static_cast<std::uint16_t>(unit));
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<std::uint16_t> Take() { return std::move(words_); }

 private:
  std::vector<std::uint16_t> words_;
};

std::uint16_t AtomOf(std::string_view class_name) {
  if (class_name == WC_BUTTON) return kButtonAtom;
  if (class_name == WC_EDIT) return kEditAtom;
  if (class_name == WC_STATIC) return kStaticAtom;
  if (class_name == WC_COMBOBOX) return kComboBoxAtom;
  return 0;
}

void WriteItem(TemplateWriter& out, const DialogItemTemplate& item) {
  out.AlignToDword();
  out.Dword(WS_CHILD | WS_VISIBLE | item.style);
  out.Dword(0);  // extended style
  out.Short(item.x);
  out.Short(item.y);
  out.Short(item.width);
  out.Short(item.height);
  out.Word(static_cast<std::uint16_t>(item.id));
  if (const std::uint16_t atom = AtomOf(item.class_name); atom != 0) {
    out.Word(0xFFFF);
    out.Word(atom);
  } else {
    out.Text(item.class_name);
  }
  out.Text(item.text);
  out.Word(0);  // no creation data
}

}  // namespace

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& layout) {
  TemplateWriter out;
  out.Dword(layout.style | DS_SETFONT);  // the font below is always present
  out.Dword(0);                          // extended style
  out.Word(static_cast<std::uint16_t>(layout.items.size()));
  out.Short(0);  // x and y: the top left corner of the owner's client area
  out.Short(0);
  out.Short(layout.width);
  out.Short(layout.height);
  out.Word(0);  // no menu
  out.Word(0);  // the predefined dialog class
  out.Text(layout.title);
  out.Word(static_cast<std::uint16_t>(layout.font_points));
  out.Text(layout.font);
  for (const DialogItemTemplate& item : layout.items) WriteItem(out, item);
  return out.Take();
}
