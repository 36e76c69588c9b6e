#include "pages/page_view.h"

#include <gtest/gtest.h>

#include <stdexcept>

void OpenPage(FaunaryFixture& app, const std::string& tab) {
  app.StartOn("1");
  app.SelectTab(tab);
  ASSERT_EQ(app.MessageTexts(), std::vector<std::string>{});
}

namespace {
const memtk::Control& Live(int id) {
  const memtk::Control* control = memtk::FindControl(id);
  if (!control) throw std::logic_error("no control " + std::to_string(id));
  return *control;
}

template <class Item, class Field>
auto Each(const std::vector<Item>& items, Field field) {
  std::vector<decltype(field(items.front()))> values;
  for (const Item& item : items) values.push_back(field(item));
  return values;
}
}  // namespace

Rows RowTexts(int id) { return Each(Live(id).rows, [](const memtk::ListRow& r) { return r.texts; }); }
std::vector<int> RowImages(int id) { return Each(Live(id).rows, [](const memtk::ListRow& r) { return r.image; }); }
std::vector<std::intptr_t> RowData(int id) {
  return Each(Live(id).rows, [](const memtk::ListRow& r) { return r.data; });
}
std::vector<std::string> EntryTexts(int id) {
  return Each(Live(id).entries, [](const memtk::ComboEntry& e) { return e.text; });
}
std::vector<std::intptr_t> EntryData(int id) {
  return Each(Live(id).entries, [](const memtk::ComboEntry& e) { return e.data; });
}

std::string SelectedEntry(int combo_id) {
  const memtk::Control& combo = Live(combo_id);
  if (combo.selection < 0 || static_cast<std::size_t>(combo.selection) >= combo.entries.size()) return "";
  return combo.entries[static_cast<std::size_t>(combo.selection)].text;
}
