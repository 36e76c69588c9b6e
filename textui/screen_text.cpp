#include "textui/screen_text.h"

#include <algorithm>
#include <sstream>

#include "port/win_constants.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n' || c == '\r') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

// "&About" shows as About; "&&" is a literal ampersand.
std::string WithoutMnemonic(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

std::string RightTrimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

bool IsClass(const memtk::Control& c, const char* name) { return c.class_name == name; }

// Tabs along the bottom are read where they are seen: at the control's bottom.
int ReadingTop(const memtk::Control& c) {
  if (IsClass(c, WC_TABCONTROL) && (c.style & TCS_BOTTOM) != 0) return c.rect.bottom;
  return c.rect.top;
}

std::string ButtonText(const memtk::Control& c) {
  const std::string text = WithoutMnemonic(c.text);
  switch (c.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: return (c.checked ? "[x] " : "[ ] ") + text;
    case BS_AUTORADIOBUTTON: return (c.checked ? "(o) " : "( ) ") + text;
    case BS_GROUPBOX: return "-- " + text + " --";
    default: return "<" + text + ">";
  }
}

std::string SelectedEntry(const memtk::Control& c) {
  if (c.selection < 0 || static_cast<std::size_t>(c.selection) >= c.entries.size()) return "";
  return c.entries[static_cast<std::size_t>(c.selection)].text;
}

std::string ComboText(const memtk::Control& c) {
  const std::string selected = SelectedEntry(c);
  if ((c.style & CBS_DROPDOWNLIST) == CBS_SIMPLE) {
    std::string text = selected.empty() ? "(nothing selected)" : selected;
    return text + " (entry " + std::to_string(c.selection + 1) + " of " +
           std::to_string(c.entries.size()) + ")";
  }
  return selected.empty() ? "[v]" : selected + " [v]";
}

std::string TabsText(const memtk::Control& c) {
  std::string text;
  for (std::size_t i = 0; i < c.tabs.size(); ++i) {
    if (i > 0) text += " | ";
    const bool selected = static_cast<int>(i) == c.tab_selection;
    text += selected ? "[" + c.tabs[i].text + "]" : c.tabs[i].text;
  }
  return text;
}

std::vector<std::string> TableLines(const memtk::Control& c, const ImageNamer& image_name) {
  std::vector<std::vector<std::string>> cells;
  std::vector<std::string> titles;
  for (const memtk::ListColumn& column : c.columns) titles.push_back(column.title);
  std::size_t width_count = titles.size();
  for (const memtk::ListRow& row : c.rows) {
    std::vector<std::string> line = row.texts;
    if (line.empty()) line.emplace_back();
    if (row.image != tk::kNoImage && c.small_images) {
      // Appending (rather than "[" + name) sidesteps a false -Wrestrict of GCC 12 at -O3.
      std::string shown = "[";
      shown += image_name(row.image);
      shown += "] ";
      shown += line[0];
      line[0] = std::move(shown);
    }
    width_count = std::max(width_count, line.size());
    cells.push_back(std::move(line));
  }
  std::vector<std::size_t> widths(width_count, 0);
  auto widen = [&](const std::vector<std::string>& line) {
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
  };
  widen(titles);
  for (const auto& line : cells) widen(line);

  auto join = [&](const std::vector<std::string>& line) {
    std::string text;
    for (std::size_t i = 0; i < width_count; ++i) {
      const std::string cell = i < line.size() ? line[i] : "";
      text += cell;
      if (i + 1 < width_count) text += std::string(widths[i] - cell.size() + 2, ' ');
    }
    return RightTrimmed(text);
  };
  std::vector<std::string> lines{join(titles)};
  std::vector<std::string> rules;
  for (std::size_t w : widths) rules.push_back(std::string(std::max<std::size_t>(w, 1), '-'));
  lines.push_back(join(rules));
  for (const auto& line : cells) lines.push_back(join(line));
  return lines;
}

std::vector<std::string> ControlLines(const memtk::Control& c, const ImageNamer& image_name) {
  if (IsClass(c, WC_LISTVIEW)) return TableLines(c, image_name);
  if (IsClass(c, WC_TABCONTROL)) return {TabsText(c)};
  if (IsClass(c, WC_COMBOBOX)) return {ComboText(c)};
  if (IsClass(c, WC_BUTTON)) return {ButtonText(c)};
  if (IsClass(c, WC_STATIC) && (c.style & SS_TYPEMASK) == SS_BITMAP) {
    if (!c.bitmap) return {};
    const memtk::BitmapInfo bitmap = memtk::BitmapDetails(c.bitmap);
    return {"[image " + std::to_string(bitmap.resource_id) + ", " + std::to_string(bitmap.width) +
            " x " + std::to_string(bitmap.height) + "]"};
  }
  if (c.text.empty()) return {};
  return SplitLines(c.text);
}

}  // namespace

std::string RenderControls(const std::vector<const memtk::Control*>& controls,
                           const ImageNamer& image_name) {
  std::vector<const memtk::Control*> shown;
  for (const memtk::Control* c : controls)
    if (c && !c->destroyed && (c->style & WS_VISIBLE) != 0) shown.push_back(c);
  std::stable_sort(shown.begin(), shown.end(), [](const memtk::Control* a, const memtk::Control* b) {
    const int ta = ReadingTop(*a), tb = ReadingTop(*b);
    if (ta != tb) return ta < tb;
    return a->rect.left < b->rect.left;
  });

  std::ostringstream out;
  for (const memtk::Control* c : shown) {
    std::vector<std::string> lines = ControlLines(*c, image_name);
    if (lines.empty()) continue;
    if (!c->enabled) lines.front() += " (greyed)";
    for (const std::string& line : lines) out << line << '\n';
  }
  return out.str();
}

std::string RenderMessageBox(const memtk::MessageBoxShown& box) {
  const std::vector<std::string> lines = SplitLines(box.text);
  std::ostringstream out;
  out << RightTrimmed("Message box \"" + box.title + "\": " + lines.front()) << '\n';
  for (std::size_t i = 1; i < lines.size(); ++i) out << RightTrimmed("  " + lines[i]) << '\n';
  return out.str();
}
